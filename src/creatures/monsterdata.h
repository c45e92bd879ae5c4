// The 34 kinds of creature: names, pictures and numbers.
// Both the game and the picture generator read these.
#pragma once

#include <array>

constexpr int NUM_MONSTER_KINDS = 34;

enum MonsterMove {
    MOVE_ROAM = 0,
    MOVE_ROOTED = 1,
    MOVE_LURK = 2,
    MOVE_GUARD = 3,
    MOVE_TIMID = 4,
};

enum Hostility {
    FRIENDLY = 0,
    NEUTRAL = 1,
    HOSTILE = 2,
};

enum AttackType {
    ATTACK_NONE = 0,
    ATTACK_PLAIN = 1,
    ATTACK_POISON = 2,
    ATTACK_TOUCH = 3,
};

// A few kinds the rules name.
constexpr int KIND_DEAD = 0;
constexpr int KIND_WORKER_ANT = 3;
constexpr int KIND_WARRIOR_ANT = 4;
constexpr int KIND_BUNNY = 5;
constexpr int KIND_ALBINO_BUNNY = 6;
constexpr int KIND_ENT_YOUTH = 13;
constexpr int KIND_TOWN_GUARD = 24;

extern const std::array<const char *, NUM_MONSTER_KINDS> monster_names;
extern const std::array<const char *, NUM_MONSTER_KINDS> monster_images; // under "images/monsters/"
extern const std::array<int, NUM_MONSTER_KINDS> monstermhp;
extern const std::array<int, NUM_MONSTER_KINDS> monstermin;
extern const std::array<int, NUM_MONSTER_KINDS> monstermax;
extern const std::array<int, NUM_MONSTER_KINDS> monstersize;
extern const std::array<int, NUM_MONSTER_KINDS> monsterexp;
extern const std::array<unsigned char, NUM_MONSTER_KINDS> can_multiply;
extern const std::array<int, NUM_MONSTER_KINDS> monsterlev;
extern const std::array<int, NUM_MONSTER_KINDS> monstermove;
extern const std::array<int, NUM_MONSTER_KINDS> monsterhostility;
extern const std::array<int, NUM_MONSTER_KINDS> monsterattacktype;
extern const std::array<const char *, NUM_MONSTER_KINDS> monster_attacks;

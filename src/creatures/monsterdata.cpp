#include "creatures/monsterdata.h"

const std::array<const char *, NUM_MONSTER_KINDS> monster_names = {
    "monster's corpse", // 0 monster's corpse
    "Brown Centipede", // 1 Brown Centipede
    "Yellow Centipede", // 2 Yellow Centipede
    "Worker Ant", // 3 Worker Ant
    "Warrior Ant", // 4 Warrior Ant
    "Bunny", // 5 Bunny
    "Albino Bunny", // 6 Albino Bunny
    "White Rat", // 7 White Rat
    "Green Frog", // 8 Green Frog
    "Black Frog", // 9 Black Frog
    "Griffin", // 10 Griffin
    "Goblin", // 11 Goblin
    "Venus Man Trap", // 12 Venus Man Trap
    "Ent Youth", // 13 Ent Youth
    "Wolf Spider", // 14 Wolf Spider
    "Squirrel", // 15 Squirrel
    "Black Squirrel", // 16 Black Squirrel
    "Black Widow", // 17 Black Widow
    "Townsman", // 18 Townsman
    "Townsman", // 19 Townsman
    "Townsman", // 20 Townsman
    "Townswoman", // 21 Townswoman
    "Townswoman", // 22 Townswoman
    "Townswoman", // 23 Townswoman
    "Town Guard", // 24 Town Guard
    "Urchin", // 25 Urchin
    "Beggar", // 26 Beggar
    "Drunkard", // 27 Drunkard
    "Mutt", // 28 Mutt
    "Veteran", // 29 Veteran
    "Pig", // 30 Pig
    "Pig", // 31 Pig
    "Chicken", // 32 Chicken
    "Chicken", // 33 Chicken
};

const std::array<const char *, NUM_MONSTER_KINDS> monster_images = {
    "dead.png", // 0 monster's corpse
    "browncentipede.png", // 1 Brown Centipede
    "yellowcentipede.png", // 2 Yellow Centipede
    "workerant.png", // 3 Worker Ant
    "warriorant.png", // 4 Warrior Ant
    "bunny.png", // 5 Bunny
    "albinobunny.png", // 6 Albino Bunny
    "whiterat.png", // 7 White Rat
    "greenfrog.png", // 8 Green Frog
    "blackfrog.png", // 9 Black Frog
    "griffin.png", // 10 Griffin
    "goblin.png", // 11 Goblin
    "venusmantrap.png", // 12 Venus Man Trap
    "entyouth.png", // 13 Ent Youth
    "wolfspider.png", // 14 Wolf Spider
    "squirrel.png", // 15 Squirrel
    "blacksquirrel.png", // 16 Black Squirrel
    "blackwidow.png", // 17 Black Widow
    "townsman.png", // 18 Townsman
    "townsman2.png", // 19 Townsman
    "townsman3.png", // 20 Townsman
    "townswoman.png", // 21 Townswoman
    "townswoman2.png", // 22 Townswoman
    "townswoman3.png", // 23 Townswoman
    "townguard.png", // 24 Town Guard
    "urchin.png", // 25 Urchin
    "beggar.png", // 26 Beggar
    "drunkard.png", // 27 Drunkard
    "mutt.png", // 28 Mutt
    "veteran.png", // 29 Veteran
    "pig.png", // 30 Pig
    "pig.png", // 31 Pig
    "chicken.png", // 32 Chicken
    "chicken.png", // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monstermhp = {
    0, // 0 monster's corpse
    2, // 1 Brown Centipede
    2, // 2 Yellow Centipede
    1, // 3 Worker Ant
    6, // 4 Warrior Ant
    3, // 5 Bunny
    4, // 6 Albino Bunny
    1, // 7 White Rat
    5, // 8 Green Frog
    8, // 9 Black Frog
    12, // 10 Griffin
    10, // 11 Goblin
    5, // 12 Venus Man Trap
    140, // 13 Ent Youth
    20, // 14 Wolf Spider
    5, // 15 Squirrel
    8, // 16 Black Squirrel
    6, // 17 Black Widow
    23, // 18 Townsman
    23, // 19 Townsman
    23, // 20 Townsman
    15, // 21 Townswoman
    15, // 22 Townswoman
    15, // 23 Townswoman
    40, // 24 Town Guard
    3, // 25 Urchin
    2, // 26 Beggar
    15, // 27 Drunkard
    10, // 28 Mutt
    50, // 29 Veteran
    10, // 30 Pig
    10, // 31 Pig
    5, // 32 Chicken
    5, // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monstermin = {
    0, // 0 monster's corpse
    1, // 1 Brown Centipede
    1, // 2 Yellow Centipede
    1, // 3 Worker Ant
    1, // 4 Warrior Ant
    1, // 5 Bunny
    1, // 6 Albino Bunny
    0, // 7 White Rat
    1, // 8 Green Frog
    1, // 9 Black Frog
    2, // 10 Griffin
    1, // 11 Goblin
    2, // 12 Venus Man Trap
    10, // 13 Ent Youth
    2, // 14 Wolf Spider
    1, // 15 Squirrel
    1, // 16 Black Squirrel
    1, // 17 Black Widow
    1, // 18 Townsman
    1, // 19 Townsman
    1, // 20 Townsman
    0, // 21 Townswoman
    0, // 22 Townswoman
    0, // 23 Townswoman
    2, // 24 Town Guard
    0, // 25 Urchin
    0, // 26 Beggar
    0, // 27 Drunkard
    1, // 28 Mutt
    3, // 29 Veteran
    0, // 30 Pig
    0, // 31 Pig
    0, // 32 Chicken
    0, // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monstermax = {
    0, // 0 monster's corpse
    1, // 1 Brown Centipede
    1, // 2 Yellow Centipede
    1, // 3 Worker Ant
    3, // 4 Warrior Ant
    1, // 5 Bunny
    3, // 6 Albino Bunny
    0, // 7 White Rat
    1, // 8 Green Frog
    2, // 9 Black Frog
    3, // 10 Griffin
    3, // 11 Goblin
    4, // 12 Venus Man Trap
    25, // 13 Ent Youth
    5, // 14 Wolf Spider
    1, // 15 Squirrel
    3, // 16 Black Squirrel
    3, // 17 Black Widow
    2, // 18 Townsman
    2, // 19 Townsman
    2, // 20 Townsman
    1, // 21 Townswoman
    1, // 22 Townswoman
    1, // 23 Townswoman
    5, // 24 Town Guard
    0, // 25 Urchin
    0, // 26 Beggar
    2, // 27 Drunkard
    3, // 28 Mutt
    4, // 29 Veteran
    2, // 30 Pig
    2, // 31 Pig
    1, // 32 Chicken
    1, // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monstersize = {
    0, // 0 monster's corpse
    5, // 1 Brown Centipede
    5, // 2 Yellow Centipede
    5, // 3 Worker Ant
    15, // 4 Warrior Ant
    5, // 5 Bunny
    5, // 6 Albino Bunny
    5, // 7 White Rat
    5, // 8 Green Frog
    5, // 9 Black Frog
    25, // 10 Griffin
    30, // 11 Goblin
    60, // 12 Venus Man Trap
    80, // 13 Ent Youth
    40, // 14 Wolf Spider
    5, // 15 Squirrel
    5, // 16 Black Squirrel
    10, // 17 Black Widow
    50, // 18 Townsman
    50, // 19 Townsman
    50, // 20 Townsman
    40, // 21 Townswoman
    40, // 22 Townswoman
    40, // 23 Townswoman
    60, // 24 Town Guard
    20, // 25 Urchin
    20, // 26 Beggar
    35, // 27 Drunkard
    20, // 28 Mutt
    65, // 29 Veteran
    20, // 30 Pig
    20, // 31 Pig
    10, // 32 Chicken
    10, // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monsterexp = {
    0, // 0 monster's corpse
    2, // 1 Brown Centipede
    3, // 2 Yellow Centipede
    1, // 3 Worker Ant
    7, // 4 Warrior Ant
    2, // 5 Bunny
    4, // 6 Albino Bunny
    1, // 7 White Rat
    3, // 8 Green Frog
    6, // 9 Black Frog
    10, // 10 Griffin
    9, // 11 Goblin
    13, // 12 Venus Man Trap
    100, // 13 Ent Youth
    23, // 14 Wolf Spider
    5, // 15 Squirrel
    9, // 16 Black Squirrel
    16, // 17 Black Widow
    0, // 18 Townsman
    0, // 19 Townsman
    0, // 20 Townsman
    0, // 21 Townswoman
    0, // 22 Townswoman
    0, // 23 Townswoman
    0, // 24 Town Guard
    0, // 25 Urchin
    0, // 26 Beggar
    0, // 27 Drunkard
    0, // 28 Mutt
    0, // 29 Veteran
    0, // 30 Pig
    0, // 31 Pig
    0, // 32 Chicken
    0, // 33 Chicken
};

const std::array<unsigned char, NUM_MONSTER_KINDS> can_multiply = {
    0, // 0 monster's corpse
    0, // 1 Brown Centipede
    0, // 2 Yellow Centipede
    1, // 3 Worker Ant
    0, // 4 Warrior Ant
    1, // 5 Bunny
    0, // 6 Albino Bunny
    1, // 7 White Rat
    0, // 8 Green Frog
    0, // 9 Black Frog
    0, // 10 Griffin
    0, // 11 Goblin
    0, // 12 Venus Man Trap
    0, // 13 Ent Youth
    0, // 14 Wolf Spider
    0, // 15 Squirrel
    0, // 16 Black Squirrel
    0, // 17 Black Widow
    0, // 18 Townsman
    0, // 19 Townsman
    0, // 20 Townsman
    0, // 21 Townswoman
    0, // 22 Townswoman
    0, // 23 Townswoman
    0, // 24 Town Guard
    0, // 25 Urchin
    0, // 26 Beggar
    0, // 27 Drunkard
    0, // 28 Mutt
    0, // 29 Veteran
    0, // 30 Pig
    0, // 31 Pig
    0, // 32 Chicken
    0, // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monsterlev = {
    2, // 0 monster's corpse
    1, // 1 Brown Centipede
    1, // 2 Yellow Centipede
    1, // 3 Worker Ant
    1, // 4 Warrior Ant
    1, // 5 Bunny
    1, // 6 Albino Bunny
    1, // 7 White Rat
    1, // 8 Green Frog
    1, // 9 Black Frog
    1, // 10 Griffin
    1, // 11 Goblin
    1, // 12 Venus Man Trap
    1, // 13 Ent Youth
    1, // 14 Wolf Spider
    1, // 15 Squirrel
    1, // 16 Black Squirrel
    1, // 17 Black Widow
    0, // 18 Townsman
    0, // 19 Townsman
    0, // 20 Townsman
    0, // 21 Townswoman
    0, // 22 Townswoman
    0, // 23 Townswoman
    0, // 24 Town Guard
    0, // 25 Urchin
    0, // 26 Beggar
    0, // 27 Drunkard
    0, // 28 Mutt
    0, // 29 Veteran
    0, // 30 Pig
    0, // 31 Pig
    0, // 32 Chicken
    0, // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monstermove = {
    MOVE_ROOTED, // 0 monster's corpse
    MOVE_ROAM, // 1 Brown Centipede
    MOVE_ROAM, // 2 Yellow Centipede
    MOVE_ROAM, // 3 Worker Ant
    MOVE_ROAM, // 4 Warrior Ant
    MOVE_ROAM, // 5 Bunny
    MOVE_ROAM, // 6 Albino Bunny
    MOVE_ROAM, // 7 White Rat
    MOVE_ROAM, // 8 Green Frog
    MOVE_ROAM, // 9 Black Frog
    MOVE_ROAM, // 10 Griffin
    MOVE_ROAM, // 11 Goblin
    MOVE_ROOTED, // 12 Venus Man Trap
    MOVE_LURK, // 13 Ent Youth
    MOVE_ROAM, // 14 Wolf Spider
    MOVE_ROAM, // 15 Squirrel
    MOVE_ROAM, // 16 Black Squirrel
    MOVE_LURK, // 17 Black Widow
    MOVE_ROAM, // 18 Townsman
    MOVE_ROAM, // 19 Townsman
    MOVE_ROAM, // 20 Townsman
    MOVE_TIMID, // 21 Townswoman
    MOVE_TIMID, // 22 Townswoman
    MOVE_TIMID, // 23 Townswoman
    MOVE_GUARD, // 24 Town Guard
    MOVE_ROAM, // 25 Urchin
    MOVE_ROAM, // 26 Beggar
    MOVE_ROAM, // 27 Drunkard
    MOVE_ROAM, // 28 Mutt
    MOVE_ROAM, // 29 Veteran
    MOVE_TIMID, // 30 Pig
    MOVE_ROAM, // 31 Pig
    MOVE_ROAM, // 32 Chicken
    MOVE_ROAM, // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monsterhostility = {
    NEUTRAL, // 0 monster's corpse
    NEUTRAL, // 1 Brown Centipede
    NEUTRAL, // 2 Yellow Centipede
    NEUTRAL, // 3 Worker Ant
    HOSTILE, // 4 Warrior Ant
    FRIENDLY, // 5 Bunny
    NEUTRAL, // 6 Albino Bunny
    NEUTRAL, // 7 White Rat
    HOSTILE, // 8 Green Frog
    NEUTRAL, // 9 Black Frog
    HOSTILE, // 10 Griffin
    HOSTILE, // 11 Goblin
    NEUTRAL, // 12 Venus Man Trap
    FRIENDLY, // 13 Ent Youth
    HOSTILE, // 14 Wolf Spider
    FRIENDLY, // 15 Squirrel
    HOSTILE, // 16 Black Squirrel
    HOSTILE, // 17 Black Widow
    FRIENDLY, // 18 Townsman
    FRIENDLY, // 19 Townsman
    FRIENDLY, // 20 Townsman
    FRIENDLY, // 21 Townswoman
    FRIENDLY, // 22 Townswoman
    FRIENDLY, // 23 Townswoman
    FRIENDLY, // 24 Town Guard
    NEUTRAL, // 25 Urchin
    HOSTILE, // 26 Beggar
    FRIENDLY, // 27 Drunkard
    NEUTRAL, // 28 Mutt
    FRIENDLY, // 29 Veteran
    NEUTRAL, // 30 Pig
    NEUTRAL, // 31 Pig
    NEUTRAL, // 32 Chicken
    HOSTILE, // 33 Chicken
};

const std::array<int, NUM_MONSTER_KINDS> monsterattacktype = {
    ATTACK_NONE, // 0 monster's corpse
    ATTACK_PLAIN, // 1 Brown Centipede
    ATTACK_POISON, // 2 Yellow Centipede
    ATTACK_PLAIN, // 3 Worker Ant
    ATTACK_PLAIN, // 4 Warrior Ant
    ATTACK_PLAIN, // 5 Bunny
    ATTACK_PLAIN, // 6 Albino Bunny
    ATTACK_POISON, // 7 White Rat
    ATTACK_PLAIN, // 8 Green Frog
    ATTACK_PLAIN, // 9 Black Frog
    ATTACK_PLAIN, // 10 Griffin
    ATTACK_PLAIN, // 11 Goblin
    ATTACK_PLAIN, // 12 Venus Man Trap
    ATTACK_PLAIN, // 13 Ent Youth
    ATTACK_PLAIN, // 14 Wolf Spider
    ATTACK_PLAIN, // 15 Squirrel
    ATTACK_PLAIN, // 16 Black Squirrel
    ATTACK_POISON, // 17 Black Widow
    ATTACK_PLAIN, // 18 Townsman
    ATTACK_PLAIN, // 19 Townsman
    ATTACK_PLAIN, // 20 Townsman
    ATTACK_PLAIN, // 21 Townswoman
    ATTACK_PLAIN, // 22 Townswoman
    ATTACK_PLAIN, // 23 Townswoman
    ATTACK_PLAIN, // 24 Town Guard
    ATTACK_TOUCH, // 25 Urchin
    ATTACK_PLAIN, // 26 Beggar
    ATTACK_PLAIN, // 27 Drunkard
    ATTACK_PLAIN, // 28 Mutt
    ATTACK_PLAIN, // 29 Veteran
    ATTACK_PLAIN, // 30 Pig
    ATTACK_PLAIN, // 31 Pig
    ATTACK_PLAIN, // 32 Chicken
    ATTACK_PLAIN, // 33 Chicken
};

const std::array<const char *, NUM_MONSTER_KINDS> monster_attacks = {
    "hits", // 0 monster's corpse
    "stings", // 1 Brown Centipede
    "stings", // 2 Yellow Centipede
    "bites", // 3 Worker Ant
    "bites", // 4 Warrior Ant
    "bites", // 5 Bunny
    "bites", // 6 Albino Bunny
    "bites", // 7 White Rat
    "bites", // 8 Green Frog
    "bites", // 9 Black Frog
    "claws", // 10 Griffin
    "hits", // 11 Goblin
    "bites", // 12 Venus Man Trap
    "hits", // 13 Ent Youth
    "bites", // 14 Wolf Spider
    "bites", // 15 Squirrel
    "bites", // 16 Black Squirrel
    "bites", // 17 Black Widow
    "hits", // 18 Townsman
    "hits", // 19 Townsman
    "hits", // 20 Townsman
    "slaps", // 21 Townswoman
    "slaps", // 22 Townswoman
    "slaps", // 23 Townswoman
    "hits", // 24 Town Guard
    "touches", // 25 Urchin
    "begs", // 26 Beggar
    "hits", // 27 Drunkard
    "bites", // 28 Mutt
    "hits", // 29 Veteran
    "bites", // 30 Pig
    "bites", // 31 Pig
    "pecks", // 32 Chicken
    "pecks", // 33 Chicken
};


// The live creatures of the current map area: population, turn and combat.
#pragma once

#include <SDL/SDL.h>

#include "creatures/monsterdata.h"

constexpr int MAX_MONSTERS = 100;    // slots
constexpr int MONSTER_LIMIT = 99;    // curmonsters never exceeds this
constexpr int MAX_DAMAGE = 10000;    // no blow of any kind rolls more

struct MonsterRecord {
    const char *name;
    const char *attack;
    unsigned char alive;
    unsigned char multiplies;
    int deadtime;
    int kind;
    int chp;
    int mhp;
    int mindamage;
    int maxdamage;
    int size;
    int exp;
    int x;
    int y;
    int dx;
    int dy;
    int move;
    int attacktype;
    int hostility;
};

extern MonsterRecord monsters[MAX_MONSTERS];
extern int curmonsters;
// The slots to look through: curmonsters held to 0..MAX_MONSTERS, whatever it holds.
int MonsterSlotsInUse();
extern SDL_Surface *monsters_list[NUM_MONSTER_KINDS];

class StateWalker;
// curmonsters, then every slot (live or not) in field order, its name as text.
void WalkMonsters(StateWalker &w);

void LoadMonsters();
void FreeMonsters();
void NewMonsters(int area);
void makeMonster(int kind, int slot, int row, int col);
void DrawMonsters(int top, int left);
// A creature standing where the player arrives (a town's gate) walks off to a free place.
void MoveMonstersOffPlayer();

void MonsterAct();
void moveMonster(int i);
bool CheckMonster(int i, bool rows);
void ChasePlayer(int i);
void FleeFromPlayer(int i);

void HitPlayer(int i);
void HitMonster(int i);
void KillMonster(int i);

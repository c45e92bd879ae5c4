#include "creatures/monster.h"

MonsterRecord monsters[MAX_MONSTERS];
int curmonsters;
SDL_Surface *monsters_list[NUM_MONSTER_KINDS];

void LoadMonsters() {}
void FreeMonsters() {}
void NewMonsters(int) {}
void makeMonster(int, int, int, int) {}
void DrawMonsters(int, int) {}
void MonsterAct() {}
void moveMonster(int) {}
bool CheckMonster(int, bool) { return false; }
void ChasePlayer(int) {}
void FleeFromPlayer(int) {}
void HitPlayer(int) {}
void HitMonster(int) {}
void KillMonster(int) {}

#include "player/player.h"

PlayerRecord player;
const int level_gains[7] = {0, 35, 80, 140, 240, 375, 550};

void LoadPlayer() {}
void NewPlayer() { player.killer = NO_KILLER; player.chp = player.mhp = 20; player.level = 1; player.str = 2; }
void UpdatePlayer(SDL_Event *) {}
void DrawPlayer() {}
void ClearStuff() {}
void movePlayer(int, int) {}

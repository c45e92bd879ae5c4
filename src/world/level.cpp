#include "world/level.h"

int worldmap[MAP_HEIGHT][MAP_WIDTH];
int overmap[MAP_HEIGHT][MAP_WIDTH];
SDL_Surface *tileimages[NUM_TILES];
SDL_Surface *tileoverimages[NUM_OVERLAYS];
HouseRecord houses[5][11];
int snowfactor;
const int innmap[9][12] = {};
const int tavernmap[8][10] = {};

void InitMap() {}
void DrawMap(int, int) {}
void DrawOverMap(int, int) {}
void DeinitMap() {}
void NewMap(int) {}
int BuildHouse(int, int, int, int, int) { return 0; }

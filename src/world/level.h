// The map grids of the current area, their pictures, drawing and generation.
#pragma once

#include <SDL/SDL.h>

#include "world/tiles.h"

enum HouseType {
    HOUSE_PLAIN = 0,
    HOUSE_INN = 1,
    HOUSE_TAVERN = 2,
};

struct HouseRecord {
    int y;
    int x;
    int type;
    int windowx;
    int doorx;
    int width;
    int height;
};

extern int worldmap[MAP_HEIGHT][MAP_WIDTH];
extern int overmap[MAP_HEIGHT][MAP_WIDTH];
extern SDL_Surface *tileimages[NUM_TILES];
extern SDL_Surface *tileoverimages[NUM_OVERLAYS];
extern HouseRecord houses[5][11];
extern int snowfactor;
extern const int innmap[9][12];
extern const int tavernmap[8][10];

inline bool OnMap(int x, int y) { return x >= 0 && x < MAP_WIDTH && y >= 0 && y < MAP_HEIGHT; }

void InitMap();
void DrawMap(int top, int left);
void DrawOverMap(int top, int left);
void DeinitMap();
void NewMap(int kind);
int BuildHouse(int kind, int blockrow, int blockcol, int top, int left);

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

inline bool OnMap(int x, int y) { return x >= 0 && x < MAP_WIDTH && y >= 0 && y < MAP_HEIGHT; }

// The pieces a town is built from, in their summer form.
constexpr int TILE_GRASS = 0;              // grass is 0 or 1
constexpr int TILE_SNOW = 4;               // snow is 4 or 5
constexpr int TILE_MARBLE_FLOOR = 7;
constexpr int TILE_HOUSE_CORNER_LEFT = 21;
constexpr int TILE_HOUSE_CORNER_RIGHT = 22;
constexpr int TILE_HOUSE_SIDE_LEFT = 23;
constexpr int TILE_HOUSE_SIDE_RIGHT = 24;
constexpr int TILE_HOUSE_BOTTOM_LEFT = 25;
constexpr int TILE_HOUSE_BOTTOM = 26;
constexpr int TILE_HOUSE_BOTTOM_RIGHT = 27;
constexpr int TILE_HOUSE_WINDOW = 37;
constexpr int TILE_HOUSE_TOP = 38;
constexpr int TILE_INN_CORNER = 39;        // top-left corner of the inn
constexpr int TILE_TAVERN_CORNER = 67;     // top-left corner of the tavern
constexpr int TILE_TOWN_WALL_BOTTOM_LEFT = 84;
constexpr int TILE_TOWN_WALL_BOTTOM_RIGHT = 85;
constexpr int TILE_TOWN_WALL_TOP_LEFT = 86;
constexpr int TILE_TOWN_WALL_TOP_RIGHT = 87;
constexpr int TILE_GATE_TOP_LEFT = 88;
constexpr int TILE_GATE_BOTTOM_LEFT = 89;
constexpr int TILE_GATE_TOP_RIGHT = 90;
constexpr int TILE_GATE_BOTTOM_RIGHT = 91;
constexpr int TILE_TOWN_CORNER_LEFT_BOTTOM = 92;
constexpr int TILE_TOWN_CORNER_LEFT_TOP = 93;
constexpr int TILE_TOWN_CORNER_RIGHT_BOTTOM = 94;
constexpr int TILE_TOWN_CORNER_RIGHT_TOP = 95;
constexpr int TILE_TOWN_JOIN_LEFT = 96;
constexpr int TILE_TOWN_SIDE_LEFT = 97;
constexpr int TILE_TOWN_JOIN_RIGHT = 98;
constexpr int TILE_TOWN_SIDE_RIGHT = 99;
constexpr int TILE_PATH_TURN_SE = 119;     // east end of a row's path
constexpr int TILE_PATH_TURN_SW = 120;     // west end of a row's path
constexpr int TILE_PATH_BRANCH_UP = 121;   // a door path joins the row's path
constexpr int TILE_PATH_EW = 126;
constexpr int TILE_PATH_NS = 127;

// Winter offsets: a piece's winter twin is its summer TileId plus these.
constexpr int WINTER_HOUSE_WALL = 8;       // 21..27
constexpr int WINTER_HOUSE_DOOR = -1;      // 116 -> 115
constexpr int WINTER_INN = 1;              // every inn tile
constexpr int WINTER_TOWN_WALL = 12;       // every town-wall piece
constexpr int WINTER_PATH = 16;            // 117..131

// The town's blocks: 5 rows of 15 map rows, 11 columns of 22 map columns.
constexpr int BLOCK_ROWS = 5;
constexpr int BLOCK_COLS = 11;
constexpr int BLOCK_HEIGHT = 15;
constexpr int BLOCK_WIDTH = 22;
// The two gates in the bottom wall: their left columns.
constexpr int GATE_WEST = 10;
constexpr int GATE_EAST = 229;

// The inn and the tavern are laid from fixed plans; both doors are in column 5 of the bottom row.
constexpr int TEMPLATE_DOOR_COLUMN = 5;

// Areas are built in winter after this day.
constexpr int LAST_SUMMER_DAY = 180;
bool IsWinter();

extern int worldmap[MAP_HEIGHT][MAP_WIDTH];
extern int overmap[MAP_HEIGHT][MAP_WIDTH];
extern SDL_Surface *tileimages[NUM_TILES];
extern SDL_Surface *tileoverimages[NUM_OVERLAYS];
extern HouseRecord houses[BLOCK_ROWS][BLOCK_COLS];
extern int snowfactor;

class StateWalker;
// Both grids, a map row to a line, each cell's ground then its overlay.
void WalkGrids(StateWalker &w);

void InitMap();
void DrawMap(int top, int left);
void DrawOverMap(int top, int left);

// The ground layer: the frame's background (the fill colour, and the ground tiles of the
// view drawn over it) kept drawn between frames. A view cell is drawn again only when the
// TileId it shows differs from the one drawn there before, so a moved view, another map,
// winter and doors opened or closed all come out right without being announced.
// DrawGround copies the layer onto the screen, bringing stale cells up to date first.
void DrawGround(int top, int left);
// Marks every cell of the layer stale, to be drawn again at the next DrawGround; the
// layer itself is kept (pictures reloaded, a new game, a new map).
void ForgetGround();
// True: every frame is drawn from scratch, tile by tile, as if there were no layer
// (the frame tests compare the two ways).
extern bool draw_from_scratch;
void DeinitMap();
void NewMap(int kind);
int BuildHouse(int kind, int blockrow, int blockcol, int top, int left);

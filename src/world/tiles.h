// The world's fixed tables: ground and overlay tile pictures, tile classes and the world map.
// Both the game and the picture generator read these.
#pragma once

#include <array>

#include "shell/layout.h" // the view's size and its cells'

constexpr int MAP_WIDTH = 242;
constexpr int MAP_HEIGHT = 75;
constexpr int WORLD_COLS = 8;
constexpr int WORLD_ROWS = 6;

constexpr int NUM_TILES = 153;
constexpr int NUM_OVERLAYS = 8;

// Tile classes, tested by range of TileId.
constexpr int TILE_FLOOR_LAST = 20;       // 0..20 open ground and floors
constexpr int TILE_WALL_FIRST = 21;       // 21..111 walls and furniture
constexpr int TILE_WALL_LAST = 111;
constexpr int TILE_DOOR_FIRST = 112;      // 112..116 closed doors
constexpr int TILE_DOOR_LAST = 116;
constexpr int TILE_PATH_FIRST = 117;      // 117..147 paths
constexpr int TILE_PATH_LAST = 147;
constexpr int TILE_OPEN_DOOR_FIRST = 148; // 148..152 open doors
constexpr int TILE_OPEN_DOOR_LAST = 152;

// Doors, closed and open.
constexpr int TILE_INN_DOOR = 112;
constexpr int TILE_INN_DOOR_SNOW = 113;
constexpr int TILE_TAVERN_DOOR = 114;
constexpr int TILE_HOUSE_DOOR_SNOW = 115;
constexpr int TILE_HOUSE_DOOR = 116;
constexpr int TILE_INN_DOOR_OPEN = 148;
constexpr int TILE_INN_DOOR_SNOW_OPEN = 149;
constexpr int TILE_TAVERN_DOOR_OPEN = 150;
constexpr int TILE_HOUSE_DOOR_SNOW_OPEN = 151;
constexpr int TILE_HOUSE_DOOR_OPEN = 152;

// Overlays.
constexpr int OVER_NONE = 0;
constexpr int OVER_TREE = 1;
constexpr int OVER_PINE = 2;
constexpr int OVER_TREE2 = 3;
constexpr int OVER_PINE2 = 4;
constexpr int OVER_STUMP = 5;
constexpr int OVER_GATE_LEFT = 6;
constexpr int OVER_GATE_RIGHT = 7;

enum MapArea {
    AREA_TOWN = 0,
    AREA_WILDERNESS = 1,
    AREA_GRASSLAND = 2,
};

// Picture files, relative to "images/tiles/" under the data root.
extern const std::array<const char *, NUM_TILES> tile_images;
extern const std::array<const char *, NUM_OVERLAYS> tile_over_images;

// Plans of the inn and the tavern, row by row; each has its door in column 5 of its last row.
constexpr int INN_HEIGHT = 9;
constexpr int INN_WIDTH = 12;
constexpr int TAVERN_HEIGHT = 8;
constexpr int TAVERN_WIDTH = 10;
extern const int innmap[INN_HEIGHT][INN_WIDTH];
extern const int tavernmap[TAVERN_HEIGHT][TAVERN_WIDTH];

// Kind of every world cell, hugemap[areay][areax].
extern const int hugemap[WORLD_ROWS][WORLD_COLS];

// Walls, furniture and closed doors: where nobody is placed.
inline bool IsBlockingTile(int t) { return t >= TILE_WALL_FIRST && t <= TILE_DOOR_LAST; }
inline bool IsWallTile(int t) { return t >= TILE_WALL_FIRST && t <= TILE_WALL_LAST; }
inline bool IsClosedDoorTile(int t) { return t >= TILE_DOOR_FIRST && t <= TILE_DOOR_LAST; }

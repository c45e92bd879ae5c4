#include "world/tiles.h"

const std::array<const char *, NUM_TILES> tile_images = {
    "grass/grass-tile.png", // 0
    "grass/grass-tile2.png", // 1
    "grass/grass-tile3.png", // 2
    "grass/grass-tile4.png", // 3
    "snow/snow-tile.png", // 4
    "snow/snow-tile2.png", // 5
    "sand/sand-tile.png", // 6
    "structures/buildings/floor-marble.png", // 7
    "structures/tavern/tavern-floor.png", // 8
    "structures/tavern/tavern-floor-reflect.png", // 9
    "structures/tavern/bar-stool.png", // 10
    "structures/tavern/table-and-chairs-tl.png", // 11
    "structures/tavern/table-and-chairs-tr.png", // 12
    "structures/tavern/table-and-chairs-bl.png", // 13
    "structures/tavern/table-and-chairs-br.png", // 14
    "structures/inn/inn-floor.png", // 15
    "structures/inn/inn-floor.png", // 16
    "structures/inn/inn-window-light-left.png", // 17
    "structures/inn/inn-window-light-left.png", // 18
    "structures/inn/inn-window-light-right.png", // 19
    "structures/inn/inn-window-light-right.png", // 20
    "structures/buildings/brick-corner-left.png", // 21
    "structures/buildings/brick-corner-right.png", // 22
    "structures/buildings/brick-marble-left.png", // 23
    "structures/buildings/brick-marble-right.png", // 24
    "structures/buildings/brick-grass-left.png", // 25
    "structures/buildings/brick-grass.png", // 26
    "structures/buildings/brick-grass-right.png", // 27
    "structures/buildings/brick-grass-window.png", // 28
    "structures/buildings/brick-corner-left-snow.png", // 29
    "structures/buildings/brick-corner-right-snow.png", // 30
    "structures/buildings/brick-marble-left-snow.png", // 31
    "structures/buildings/brick-marble-right-snow.png", // 32
    "structures/buildings/brick-snow-left.png", // 33
    "structures/buildings/brick-snow.png", // 34
    "structures/buildings/brick-snow-right.png", // 35
    "structures/buildings/brick-snow-window.png", // 36
    "structures/buildings/brick-window.png", // 37
    "structures/buildings/brick.png", // 38
    "structures/inn/inn-wall-left-corner.png", // 39
    "structures/inn/inn-wall-left-corner-snow.png", // 40
    "structures/inn/inn-wall-right-corner.png", // 41
    "structures/inn/inn-wall-right-corner-snow.png", // 42
    "structures/inn/inn-wall-grass.png", // 43
    "structures/inn/inn-wall-snow.png", // 44
    "structures/inn/inn-wall-left.png", // 45
    "structures/inn/inn-wall-left-snow.png", // 46
    "structures/inn/inn-wall-right.png", // 47
    "structures/inn/inn-wall-right-snow.png", // 48
    "structures/inn/inn-wall-left-vert.png", // 49
    "structures/inn/inn-wall-left-vert-snow.png", // 50
    "structures/inn/inn-wall-right-vert.png", // 51
    "structures/inn/inn-wall-right-vert-snow.png", // 52
    "structures/inn/inn-wall.png", // 53
    "structures/inn/inn-wall.png", // 54
    "structures/inn/inn-window-inside-left.png", // 55
    "structures/inn/inn-window-inside-left.png", // 56
    "structures/inn/inn-window-inside-right.png", // 57
    "structures/inn/inn-window-inside-right.png", // 58
    "structures/inn/inn-window-left.png", // 59
    "structures/inn/inn-window-left-snow.png", // 60
    "structures/inn/inn-window-right.png", // 61
    "structures/inn/inn-window-right-snow.png", // 62
    "structures/inn/inn-fire-left.png", // 63
    "structures/inn/inn-fire-left.png", // 64
    "structures/inn/inn-fire-right.png", // 65
    "structures/inn/inn-fire-right.png", // 66
    "structures/tavern/tavern-wall-left-corner.png", // 67
    "structures/tavern/brick-tavern-inside.png", // 68
    "structures/tavern/brick-tavern-inside-torch.png", // 69
    "structures/tavern/tavern-wall-right-corner.png", // 70
    "structures/tavern/brick-wood-left.png", // 71
    "structures/tavern/brick-wood-right.png", // 72
    "structures/tavern/bar-left-corner.png", // 73
    "structures/tavern/bar-top.png", // 74
    "structures/tavern/bar-right-corner.png", // 75
    "structures/tavern/bar-left.png", // 76
    "structures/tavern/bar-right.png", // 77
    "structures/tavern/bar-left-end.png", // 78
    "structures/tavern/bar-right-end.png", // 79
    "structures/tavern/tavern-wall-left-grass.png", // 80
    "structures/tavern/tavern-wall-grass.png", // 81
    "structures/tavern/tavern-sign-grass.png", // 82
    "structures/tavern/tavern-wall-right-grass.png", // 83
    "structures/walls/stonewall-grass-bottom-left.png", // 84
    "structures/walls/stonewall-grass-bottom-right.png", // 85
    "structures/walls/stonewall-grass-top-left.png", // 86
    "structures/walls/stonewall-grass-top-right.png", // 87
    "structures/walls/stonewall-ns-gate-tl.png", // 88
    "structures/walls/stonewall-ns-gate-bl.png", // 89
    "structures/walls/stonewall-ns-gate-tr.png", // 90
    "structures/walls/stonewall-ns-gate-br.png", // 91
    "structures/walls/stonewall-grass-left-corner-bottom.png", // 92
    "structures/walls/stonewall-grass-left-corner-top.png", // 93
    "structures/walls/stonewall-grass-right-corner-bottom.png", // 94
    "structures/walls/stonewall-grass-right-corner-top.png", // 95
    "structures/walls/stonewall-grass-left-join.png", // 96
    "structures/walls/stonewall-grass-left-ns.png", // 97
    "structures/walls/stonewall-grass-right-join.png", // 98
    "structures/walls/stonewall-grass-right-ns.png", // 99
    "structures/walls/stonewall-snow-bottom-left.png", // 100
    "structures/walls/stonewall-snow-bottom-right.png", // 101
    "structures/walls/stonewall-snow-top-left.png", // 102
    "structures/walls/stonewall-snow-top-right.png", // 103
    "structures/walls/stonewall-snow-left-corner-bottom.png", // 104
    "structures/walls/stonewall-snow-left-corner-top.png", // 105
    "structures/walls/stonewall-snow-right-corner-bottom.png", // 106
    "structures/walls/stonewall-snow-right-corner-top.png", // 107
    "structures/walls/stonewall-snow-left-join.png", // 108
    "structures/walls/stonewall-snow-left-ns.png", // 109
    "structures/walls/stonewall-snow-right-join.png", // 110
    "structures/walls/stonewall-snow-right-ns.png", // 111
    "structures/inn/inn-door.png", // 112
    "structures/inn/inn-door-snow.png", // 113
    "structures/buildings/door.png", // 114
    "structures/buildings/door-snow.png", // 115
    "structures/buildings/door.png", // 116
    "path/path-grass-turn-ne.png", // 117
    "path/path-grass-turn-nw.png", // 118
    "path/path-grass-turn-se.png", // 119
    "path/path-grass-turn-sw.png", // 120
    "path/path-grass-branch-up.png", // 121
    "path/path-grass-corner-bl.png", // 122
    "path/path-grass-corner-br.png", // 123
    "path/path-grass-corner-tl.png", // 124
    "path/path-grass-corner-tr.png", // 125
    "path/path-grass-ew.png", // 126
    "path/path-grass-ns.png", // 127
    "path/path-grass-bottom.png", // 128
    "path/path-grass-left.png", // 129
    "path/path-grass-right.png", // 130
    "path/path-grass-top.png", // 131
    "path/path-middle.png", // 132
    "path/path-snow-turn-ne.png", // 133
    "path/path-snow-turn-nw.png", // 134
    "path/path-snow-turn-se.png", // 135
    "path/path-snow-turn-sw.png", // 136
    "path/path-snow-branch-up.png", // 137
    "path/path-snow-corner-bl.png", // 138
    "path/path-snow-corner-br.png", // 139
    "path/path-snow-corner-tl.png", // 140
    "path/path-snow-corner-tr.png", // 141
    "path/path-snow-ew.png", // 142
    "path/path-snow-ns.png", // 143
    "path/path-snow-bottom.png", // 144
    "path/path-snow-left.png", // 145
    "path/path-snow-right.png", // 146
    "path/path-snow-top.png", // 147
    "structures/inn/inn-door-open.png", // 148
    "structures/inn/inn-door-open-snow.png", // 149
    "structures/tavern/tavern-door-open.png", // 150
    "structures/buildings/door-open-marble-snow.png", // 151
    "structures/buildings/door-open-marble.png", // 152
};

const std::array<const char *, NUM_OVERLAYS> tile_over_images = {
    "blank.png",
    "tree.png",
    "pine.png",
    "tree2.png",
    "pine2.png",
    "stump.png",
    "structures/walls/stonewall-ns-gate-ml.png",
    "structures/walls/stonewall-ns-gate-mr.png",
};

const int hugemap[WORLD_ROWS][WORLD_COLS] = {
    {0, 1, 1, 1, 0, 8, 7, 7},
    {1, 1, 1, 1, 2, 8, 8, 7},
    {1, 1, 2, 2, 2, 0, 8, 8},
    {2, 2, 2, 1, 1, 2, 2, 2},
    {3, 3, 4, 4, 1, 2, 5, 5},
    {3, 4, 4, 4, 1, 2, 5, 5},
};

// The inn and the tavern are built from these plans (the inn in winter one tile on).
const int innmap[INN_HEIGHT][INN_WIDTH] = {
    {39, 53, 55, 57, 53, 63, 65, 53, 55, 57, 53, 41},
    {49, 15, 17, 19, 15, 15, 15, 15, 17, 19, 15, 51},
    {49, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 51},
    {49, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 51},
    {49, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 51},
    {49, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 51},
    {49, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 51},
    {49, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 51},
    {45, 43, 59, 61, 47, 112, 45, 43, 59, 61, 43, 47},
};

const int tavernmap[TAVERN_HEIGHT][TAVERN_WIDTH] = {
    {67, 68, 69, 68, 69, 68, 69, 68, 69, 70},
    {71, 8, 9, 8, 9, 8, 9, 8, 9, 72},
    {71, 73, 74, 74, 74, 74, 74, 74, 75, 72},
    {71, 76, 10, 8, 10, 8, 10, 10, 77, 72},
    {71, 78, 10, 8, 8, 8, 8, 10, 79, 72},
    {71, 11, 12, 8, 11, 12, 8, 11, 12, 72},
    {71, 13, 14, 8, 13, 14, 8, 13, 14, 72},
    {80, 81, 81, 82, 83, 114, 80, 81, 81, 83},
};

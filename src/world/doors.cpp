#include "world/doors.h"

#include <cstdio>

#include "creatures/monster.h"
#include "player/player.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

struct DoorPair {
    int closed;
    int open;
};

constexpr DoorPair door_pairs[] = {
    {TILE_HOUSE_DOOR, TILE_HOUSE_DOOR_OPEN},
    {TILE_HOUSE_DOOR_SNOW, TILE_HOUSE_DOOR_SNOW_OPEN},
    {TILE_TAVERN_DOOR, TILE_TAVERN_DOOR_OPEN},
    {TILE_INN_DOOR, TILE_INN_DOOR_OPEN},
    {TILE_INN_DOOR_SNOW, TILE_INN_DOOR_SNOW_OPEN},
};

// A creature in the doorway keeps a door as it is; a corpse does not.
bool BlocksDoorway(int i, int x, int y)
{
    return monsters[i].x == x && monsters[i].y == y && monsters[i].kind != KIND_DEAD;
}

} // namespace

int OpenFormOfDoor(int closed)
{
    for (const DoorPair &d : door_pairs)
        if (d.closed == closed)
            return d.open;
    return -1;
}

int ClosedFormOfDoor(int open)
{
    for (const DoorPair &d : door_pairs)
        if (d.open == open)
            return d.closed;
    return -1;
}

void OpenDoor(bool gotdir, int dy, int dx)
{
    mode = MODE_NORMAL;
    if (!gotdir)
        return;
    const int x = player.x + dx;
    const int y = player.y + dy;
    // Beyond the edge of the map there is no door to open.
    if (OnMap(x, y)) {
        bool blocked = false;
        for (int i = 0; i < MonsterSlotsInUse(); i++)
            if (BlocksDoorway(i, x, y))
                blocked = true;
        int open = OpenFormOfDoor(worldmap[y][x]);
        if (!blocked && open >= 0) {
            worldmap[y][x] = open;
            player.acted = 1;
        }
    }
    xchange = 0;
    ychange = 0;
}

void CloseDoor(bool gotdir, int dy, int dx)
{
    mode = MODE_NORMAL;
    if (!gotdir)
        return;
    const int x = player.x + dx;
    const int y = player.y + dy;
    if (OnMap(x, y)) {
        bool blocked = false;
        for (int i = 0; i < MonsterSlotsInUse(); i++) {
            if (!BlocksDoorway(i, x, y))
                continue;
            int kind = monsters[i].kind;
            const char *name = kind >= 0 && kind < NUM_MONSTER_KINDS ? monster_names[kind] : "";
            std::snprintf(line, sizeof line, "The %s is in your way!", name);
            AddHistory(line);
            blocked = true;
        }
        int closed = ClosedFormOfDoor(worldmap[y][x]);
        if (!blocked && closed >= 0) {
            worldmap[y][x] = closed;
            player.acted = 1;
        }
    }
    xchange = 0;
    ychange = 0;
}

void ChangeMapArea()
{
    ChangeMapArea(ychange, xchange);
}

bool ChangeMapArea(int dy, int dx)
{
    PlayerRecord &p = player;
    const bool east = p.x > MAP_WIDTH - 1;
    const bool west = p.x < 0;
    const bool north = p.y < 0;
    const bool south = p.y > MAP_HEIGHT - 1;

    // A step across the edge of the world is taken back whole, on both axes, and costs
    // no turn; no area changes, even when the other axis could have crossed into one.
    if ((east && p.areax >= WORLD_COLS - 1) || (west && p.areax <= 0) || (north && p.areay <= 0) ||
        (south && p.areay >= WORLD_ROWS - 1)) {
        p.x -= dx;
        p.y -= dy;
        p.acted = 0;
        mode = MODE_NORMAL;
        // Whatever the step was, the player ends on the map.
        if (p.x < 0)
            p.x = 0;
        if (p.x > MAP_WIDTH - 1)
            p.x = MAP_WIDTH - 1;
        if (p.y < 0)
            p.y = 0;
        if (p.y > MAP_HEIGHT - 1)
            p.y = MAP_HEIGHT - 1;
        return false;
    }

    bool newarea = false;
    if (east) {
        p.areax += 1;
        p.viewx = 0;
        p.x = 0;
        newarea = true;
        mode = MODE_NORMAL;
    }
    if (west) {
        p.areax -= 1;
        p.viewx = MAP_WIDTH - VIEW_COLS;
        p.x = MAP_WIDTH - 1;
        newarea = true;
        mode = MODE_NORMAL;
    }
    if (north) {
        p.areay -= 1;
        p.viewy = MAP_HEIGHT - VIEW_ROWS;
        p.y = MAP_HEIGHT - 1;
        newarea = true;
        mode = MODE_NORMAL;
    }
    if (south) {
        p.areay += 1;
        p.viewy = 0;
        p.y = 0;
        newarea = true;
        mode = MODE_NORMAL;
    }
    if (!newarea)
        return false;

    p.acted = 1;
    p.area = hugemap[p.areay][p.areax];
    NewMap(p.area);
    if (p.area == AREA_TOWN) {
        // Whatever edge was crossed, a town is entered through the passage of a gate.
        if (p.x > MAP_WIDTH / 2 - 1) {
            p.viewx = MAP_WIDTH - VIEW_COLS;
            p.x = GATE_EAST + 2;
        } else {
            p.viewx = 0;
            p.x = GATE_WEST + 1;
        }
        p.viewy = MAP_HEIGHT - VIEW_ROWS;
        p.y = MAP_HEIGHT - 1;
    }
    // The arrival square is settled before anyone is placed, so nobody (a corner guard
    // least of all) is kept off a square the player only passed through.
    NewMonsters(p.area);
    if (p.area == AREA_TOWN)
        MoveMonstersOffPlayer();
    return true;
}

#include "keep/invariants.h"

#include <cstdio>
#include <cstring>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "world/level.h"
#include "world/tiles.h"

bool CheckGame(char *why, size_t size)
{
    auto fail = [&](const char *what, int a, int b) {
        std::snprintf(why, size, "%s (%d, %d)", what, a, b);
        return false;
    };
    if (done < STATE_QUIT || done > STATE_DEAD)
        return fail("done out of range", done, 0);
    if (mode < MODE_NORMAL || mode > MODE_TRAVELLING)
        return fail("mode out of range", mode, 0);
    if (oldmode < MODE_NORMAL || oldmode > MODE_HISTORY)
        return fail("oldmode out of range", oldmode, 0);
    if (!OnMap(player.x, player.y))
        return fail("player off the map", player.x, player.y);
    if (player.viewx < 0 || player.viewx > MAP_WIDTH - VIEW_COLS || player.viewy < 0 || player.viewy > MAP_HEIGHT - VIEW_ROWS)
        return fail("view off the map", player.viewx, player.viewy);
    if (player.areax < 0 || player.areax >= WORLD_COLS || player.areay < 0 || player.areay >= WORLD_ROWS)
        return fail("world cell off the world", player.areax, player.areay);
    if (curmonsters < 0 || curmonsters > MONSTER_LIMIT)
        return fail("curmonsters out of range", curmonsters, 0);
    for (int i = 0; i < curmonsters; i++) {
        const MonsterRecord &m = monsters[i];
        if (!m.alive)
            continue;
        if (!OnMap(m.x, m.y))
            return fail("monster off the map", i, m.x * 1000 + m.y);
        if (m.kind <= 0 || m.kind >= NUM_MONSTER_KINDS)
            return fail("live monster of no kind", i, m.kind);
        if (IsWallTile(worldmap[m.y][m.x]))
            return fail("monster in a wall", i, worldmap[m.y][m.x]);
        for (int j = i + 1; j < curmonsters; j++)
            if (monsters[j].alive && monsters[j].x == m.x && monsters[j].y == m.y)
                return fail("two monsters on one cell", i, j);
    }
    if (cursmallitems < 0 || cursmallitems > MAX_MAP_ITEMS)
        return fail("cursmallitems out of range", cursmallitems, 0);
    int occupied = 0;
    int lastkind = 0;
    bool seenempty = false;
    for (int i = 0; i < INVENTORY_SLOTS; i++) {
        int k = user_inventory[i].getType();
        if (k < 0 || k >= NUM_ITEM_KINDS)
            return fail("inventory slot of no kind", i, k);
        if (k == 0) {
            seenempty = true;
            continue;
        }
        if (seenempty)
            return fail("inventory: an item after an empty slot", i, k);
        if (k <= lastkind)
            return fail("inventory not sorted", i, k);
        if (user_amounts[k] <= 0)
            return fail("inventory: carried kind with no count", i, k);
        lastkind = k;
        occupied++;
    }
    if (occupied != curitems)
        return fail("curitems disagrees with the slots", curitems, occupied);
    int counted = 0;
    for (int k = 0; k < NUM_ITEM_KINDS; k++)
        if (user_amounts[k] != 0)
            counted++;
    if (counted != curitems)
        return fail("user_amounts disagrees with curitems", counted, curitems);
    if (curhistory < -1 || curhistory > HISTORY_LINES - 1)
        return fail("curhistory out of range", curhistory, 0);
    for (int k = 0; k <= curhistory; k++)
        if (std::memchr(history[k].text, '\0', HISTORY_TEXT) == nullptr)
            return fail("history line not terminated", k, 0);
    if (gametime < 0 || gametime > TURNS_PER_DAY - 1)
        return fail("gametime out of range", gametime, 0);
    return true;
}

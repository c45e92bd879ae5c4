#include "player/go.h"

#include <cstdio>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "screens/menu.h"
#include "keep/record.h"
#include "keep/state.h"
#include "world/doors.h"
#include "world/level.h"
#include "world/look.h"

namespace {

bool Shifted(const SDL_Event *ev)
{
    return (ev->key.keysym.mod & KMOD_SHIFT) != 0;
}

int MapItemCount()
{
    if (cursmallitems < 0)
        return 0;
    return cursmallitems < MAX_MAP_ITEMS ? cursmallitems : MAX_MAP_ITEMS;
}

void Step(int dy, int dx)
{
    ychange = dy;
    xchange = dx;
    player.acted = 1;
}

// Return: everything lying here goes into the pack, if it fits.
void PickUp()
{
    for (int i = 0; i < MapItemCount(); i++) {
        if (items[i].getx() != player.x || items[i].gety() != player.y)
            continue;
        // An item the pack cannot take stays where it lies.
        if (AddItem(items[i].getType(), true))
            items[i].MoveInventory();
        player.acted = 1;
    }
}

// d: the drop screen, unless there is no room for an item here.
void Drop(bool &dropallowed)
{
    for (int i = 0; i < MapItemCount(); i++) {
        if (items[i].getx() == player.x && items[i].gety() == player.y) {
            std::snprintf(line, sizeof line, "There's no room to drop anything here.");
            AddHistory(line);
            dropallowed = false;
        }
    }
    // With the map's item table full, whatever was dropped would be lost.
    if (dropallowed && !MapItemRoom()) {
        std::snprintf(line, sizeof line, "There's no room to drop anything here.");
        AddHistory(line);
        dropallowed = false;
    }
    if (!dropallowed)
        return;
    SortInventory(user_inventory, INVENTORY_SLOTS);
    displayitem = 0;
    mode = MODE_INVENTORY;
    showmode = 1;
    player.acted = 1;
}

void Help()
{
    oldmode = MODE_NORMAL;
    mode = MODE_HELP;
}

void HandlePlayerKey(const SDL_Event *ev, bool &dropallowed)
{
    switch (ev->key.keysym.sym) {
    case SDLK_RETURN:
        PickUp();
        break;
    case SDLK_ESCAPE:
        ClearStuff();
        break;
    case SDLK_SLASH:
        if (Shifted(ev))
            Help();
        break;
    case SDLK_QUESTION:
        Help();
        break;
    case SDLK_c:
        if (Shifted(ev)) {
            mode = MODE_STATS;
        } else {
            ClearStuff();
            GetDirection();
            CloseDoor(player.gotdir != 0, ychange, xchange);
        }
        break;
    case SDLK_d:
        Drop(dropallowed);
        break;
    case SDLK_g:
        if (!player.poisoned) {
            ClearStuff();
            GetDirection();
            if (player.gotdir)
                mode = MODE_GOING;
        }
        break;
    case SDLK_h:
        if (player.chp < player.mhp && !player.poisoned) {
            ClearStuff();
            mode = MODE_RESTING;
        }
        break;
    case SDLK_i:
        SortInventory(user_inventory, INVENTORY_SLOTS);
        displayitem = 0;
        mode = MODE_INVENTORY;
        showmode = 0;
        break;
    case SDLK_l:
        ClearStuff();
        cursorx = player.x;
        cursory = player.y;
        mode = MODE_LOOKING;
        break;
    case SDLK_n:
        if (Shifted(ev)) {
            mode = MODE_HISTORY;
            oldmode = MODE_NORMAL;
        }
        break;
    case SDLK_o:
        ClearStuff();
        GetDirection();
        OpenDoor(player.gotdir != 0, ychange, xchange);
        break;
    case SDLK_q:
        if (Shifted(ev)) {
            SetDone(STATE_MENU);
            selectmenu = 0;
        }
        break;
    case SDLK_KP7: Step(-1, -1); break;
    case SDLK_KP8:
    case SDLK_UP: Step(-1, 0); break;
    case SDLK_KP9: Step(-1, 1); break;
    case SDLK_KP4:
    case SDLK_LEFT: Step(0, -1); break;
    case SDLK_KP5:
    case SDLK_CLEAR: player.acted = 1; break; // Clear: keypad 5 without NumLock on some systems
    case SDLK_KP6:
    case SDLK_RIGHT: Step(0, 1); break;
    case SDLK_KP1: Step(1, -1); break;
    case SDLK_KP2:
    case SDLK_DOWN: Step(1, 0); break;
    case SDLK_KP3: Step(1, 1); break;
    // The diagonals on a keyboard without a keypad (and on the keypad with NumLock off).
    case SDLK_HOME: Step(-1, -1); break;
    case SDLK_PAGEUP: Step(-1, 1); break;
    case SDLK_END: Step(1, -1); break;
    case SDLK_PAGEDOWN: Step(1, 1); break;
    case SDLK_KP_ENTER:
        player.viewy = player.y - 6;
        player.viewx = player.x - 10;
        FixScreen();
        break;
    default:
        break;
    }
}

void TickPoison()
{
    if (player.poisoned) {
        player.chp -= 1;
        if (player.poisoncount < GROWTH_MAX)
            player.poisoncount += 1;
        if (player.chp >= 0 && player.poisoncount == player.poisontime && player.poisontime != 0) {
            player.feelbetter = 1;
            player.poisontime = 0;
            player.poisoncount = 0;
            player.poisoned = 0;
        }
    } else {
        player.poisoncount = 0;
        player.poisontime = 0;
    }
}

} // namespace

void Regenerate()
{
    if (player.chp < player.mhp) {
        player.regencount += 1;
        if (player.regencount >= player.regenrate) {
            player.chp += 1;
            player.regencount = 0;
        }
    }
}

void ProcessPlayer(SDL_Event *ev)
{
    ychange = 0;
    xchange = 0;
    player.acted = 0;
    bool dropallowed = true;

    DrainKeys(ev, [&](SDLKey) { HandlePlayerKey(ev, dropallowed); });

    if (!player.acted)
        return;
    ClearStuff();
    movePlayer(ychange, xchange);
    // A step refused by a wall, a tree or a "no" gives the turn back: no poison, no healing.
    if (!player.acted)
        return;
    TickPoison();
    Regenerate();
}

void ProcessResting(SDL_Event *ev)
{
    DrainKeys(ev, [](SDLKey key) {
        if (key == SDLK_ESCAPE)
            mode = MODE_NORMAL;
    });
    player.acted = 1;
    Regenerate();
    // The frame that finds the player whole costs no turn.
    if (player.chp >= player.mhp) {
        mode = MODE_NORMAL;
        player.acted = 0;
    }
}

void ProcessGoing(SDL_Event *ev)
{
    // Only a step taken below spends a turn.
    player.acted = 0;
    // Any key but F1 stops; a key held from before goes on.
    DrainKeys(ev, [](SDLKey) {
        if (!KeyRepeated())
            mode = MODE_NORMAL;
    });
    // Going without a way to go (a step in the same frame took the direction) ends.
    if (!player.gotdir || (xchange == 0 && ychange == 0)) {
        mode = MODE_NORMAL;
        return;
    }

    const int tx = player.x + xchange;
    const int ty = player.y + ychange;
    const int count = MonsterSlotsInUse();
    for (int i = 0; i < count; i++) {
        if (monsters[i].kind != KIND_DEAD && monsters[i].x == tx && monsters[i].y == ty) {
            mode = MODE_NORMAL;
            return;
        }
    }
    // Going ends on an item lying on the map (a carried one is at -1, -1, on no cell).
    if (OnMap(tx, ty)) {
        for (const ItemClass &it : items) {
            if (it.getx() == tx && it.gety() == ty) {
                mode = MODE_NORMAL;
                break;
            }
        }
    }
    movePlayer(ychange, xchange);
    if (player.acted)
        Regenerate();
}

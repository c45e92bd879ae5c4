#include "player/go.h"

#include <cstdio>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "keep/record.h"
#include "keep/state.h"
#include "player/player.h"
#include "player/travel.h"
#include "screens/menu.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/doors.h"
#include "world/level.h"
#include "world/look.h"

namespace {

bool Shifted(const InputEvent *ev)
{
    return (ev->mod & MOD_SHIFT) != 0;
}

int MapItemCount()
{
    if (cursmallitems < 0)
        return 0;
    return cursmallitems < MAX_MAP_ITEMS ? cursmallitems : MAX_MAP_ITEMS;
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

void HandlePlayerKey(const InputEvent *ev, bool &dropallowed)
{
    switch (ev->key) {
    case KEY_RETURN:
        PickUp();
        break;
    case KEY_ESCAPE:
        ClearStuff();
        break;
    case KEY_SLASH:
        if (Shifted(ev))
            Help();
        break;
    case KEY_QUESTION:
        Help();
        break;
    case KEY_C:
        if (Shifted(ev)) {
            mode = MODE_STATS;
        } else {
            ClearStuff();
            GetDirection();
            CloseDoor(player.gotdir != 0, ychange, xchange);
        }
        break;
    case KEY_D:
        Drop(dropallowed);
        break;
    case KEY_G:
        if (!player.poisoned) {
            ClearStuff();
            GetDirection();
            if (player.gotdir)
                mode = MODE_GOING;
        }
        break;
    case KEY_H:
        if (player.chp < player.mhp && !player.poisoned) {
            ClearStuff();
            mode = MODE_RESTING;
        }
        break;
    case KEY_I:
        SortInventory(user_inventory, INVENTORY_SLOTS);
        displayitem = 0;
        mode = MODE_INVENTORY;
        showmode = 0;
        break;
    case KEY_L:
        ClearStuff();
        cursorx = player.x;
        cursory = player.y;
        mode = MODE_LOOKING;
        break;
    case KEY_N:
        if (Shifted(ev)) {
            mode = MODE_HISTORY;
            oldmode = MODE_NORMAL;
        }
        break;
    case KEY_O:
        ClearStuff();
        GetDirection();
        OpenDoor(player.gotdir != 0, ychange, xchange);
        break;
    case KEY_Q:
        if (Shifted(ev)) {
            SetDone(STATE_MENU);
            selectmenu = 0;
        }
        break;
    case KEY_KP7: StepPlayer(-1, -1); break;
    case KEY_KP8:
    case KEY_UP: StepPlayer(-1, 0); break;
    case KEY_KP9: StepPlayer(-1, 1); break;
    case KEY_KP4:
    case KEY_LEFT: StepPlayer(0, -1); break;
    case KEY_KP5:
    case KEY_CLEAR: player.acted = 1; break; // Clear: keypad 5 without NumLock on some systems
    case KEY_KP6:
    case KEY_RIGHT: StepPlayer(0, 1); break;
    case KEY_KP1: StepPlayer(1, -1); break;
    case KEY_KP2:
    case KEY_DOWN: StepPlayer(1, 0); break;
    case KEY_KP3: StepPlayer(1, 1); break;
    // The diagonals on a keyboard without a keypad (and on the keypad with NumLock off).
    case KEY_HOME: StepPlayer(-1, -1); break;
    case KEY_PAGEUP: StepPlayer(-1, 1); break;
    case KEY_END: StepPlayer(1, -1); break;
    case KEY_PAGEDOWN: StepPlayer(1, 1); break;
    case KEY_KP_ENTER:
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

void StepPlayer(int dy, int dx)
{
    ychange = dy;
    xchange = dx;
    player.acted = 1;
}

bool CreatureStandsAt(int x, int y)
{
    const int count = MonsterSlotsInUse();
    for (int i = 0; i < count; i++)
        if (monsters[i].kind != KIND_DEAD && monsters[i].x == x && monsters[i].y == y)
            return true;
    return false;
}

AheadStop WhatLiesAhead(int x, int y)
{
    if (CreatureStandsAt(x, y))
        return AHEAD_CREATURE;
    // An item lying on the map (a carried one is at -1, -1, on no cell).
    if (OnMap(x, y)) {
        for (const ItemClass &it : items)
            if (it.getx() == x && it.gety() == y)
                return AHEAD_ITEM;
    }
    return AHEAD_CLEAR;
}

void StopOnAnyKey(InputEvent *ev)
{
    DrainInput(ev, [](GameKey) {
        if (!KeyRepeated())
            mode = MODE_NORMAL;
    }, [](const InputEvent &e) {
        if (e.type == INPUT_POINTER_DOWN)
            mode = MODE_NORMAL;
    });
}

void WalkOn(int dy, int dx)
{
    movePlayer(dy, dx);
    if (player.acted)
        Regenerate();
}

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

void ProcessPlayer(InputEvent *ev)
{
    ychange = 0;
    xchange = 0;
    player.acted = 0;
    bool dropallowed = true;

    DrainInput(ev, [&](GameKey) { HandlePlayerKey(ev, dropallowed); }, [](const InputEvent &e) {
        int x, y;
        if (e.type != INPUT_POINTER_DOWN || !CellAtPixel(e.x, e.y, &x, &y))
            return;
        if (e.button == BUTTON_RIGHT)
            LookAtCell(x, y);
        else
            ActOnCell(x, y);
    });
    // A click on the map counts as the frame's last key.
    TakeCellAction();

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

void ProcessResting(InputEvent *ev)
{
    DrainInput(ev, [](GameKey key) {
        if (key == KEY_ESCAPE)
            mode = MODE_NORMAL;
    }, [](const InputEvent &e) {
        if (e.type == INPUT_POINTER_DOWN) // a click or a tap wakes the player too
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

void ProcessGoing(InputEvent *ev)
{
    // Only a step taken below spends a turn.
    player.acted = 0;
    // Any key but F1 stops; a key held from before goes on.
    StopOnAnyKey(ev);
    // Going without a way to go (a step in the same frame took the direction) ends.
    if (!player.gotdir || (xchange == 0 && ychange == 0)) {
        mode = MODE_NORMAL;
        return;
    }
    switch (WhatLiesAhead(player.x + xchange, player.y + ychange)) {
    case AHEAD_CREATURE:
        mode = MODE_NORMAL;
        return;
    case AHEAD_ITEM: // going ends on the item
        mode = MODE_NORMAL;
        break;
    case AHEAD_CLEAR:
        break;
    }
    WalkOn(ychange, xchange);
}

#include "items/inventory.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "keep/record.h"
#include "keep/state.h"
#include "player/player.h"
#include "shell/dice.h"
#include "shell/font.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "world/level.h"

ItemClass user_inventory[INVENTORY_SLOTS];
int user_amounts[NUM_ITEM_KINDS];
int curitems;
int displayitem;
int showmode;

// How often a starting item that ends its walk on a wall is drawn anew before the
// map is searched for an open cell.
constexpr int START_ITEM_REDRAWS = 100;

void WalkInventory(StateWalker &w)
{
    w.Section("pack");
    w.Int(curitems, 0, INVENTORY_SLOTS);
    for (ItemClass &it : user_inventory)
        it.Walk(w);
    w.Section("amounts");
    for (int &n : user_amounts)
        w.Int(n, 0, GROWTH_MAX);
}

void ClearInventory()
{
    curitems = 0;
    cursmallitems = 0;
    for (int &n : user_amounts)
        n = 0;
    for (ItemClass &it : user_inventory)
        it.SetItem(0, 0, 0);
    for (ItemClass &it : items)
        it.SetItem(0, 0, 0);
}

// Walk down and to the right off walls, furniture and closed doors, stopping at the
// last row and column. True when the walk ends on an open cell.
static bool WalkOffWalls(int &col, int &row)
{
    while (IsBlockingTile(worldmap[row][col]) && row < MAP_HEIGHT - 1 && col < MAP_WIDTH - 1) {
        row += 1;
        col += 1;
    }
    return !IsBlockingTile(worldmap[row][col]);
}

// The first open cell of the map inside its border, row by row.
static bool FirstOpenCell(int &col, int &row)
{
    for (int r = 1; r < MAP_HEIGHT; r++) {
        for (int c = 1; c < MAP_WIDTH; c++) {
            if (!IsBlockingTile(worldmap[r][c])) {
                col = c;
                row = r;
                return true;
            }
        }
    }
    return false;
}

void NewInventory()
{
    for (const KitItem &k : starting_kit)
        for (int i = 0; i < k.amount; i++)
            AddItem(k.kind, false);

    for (int n = 0; n < 20; n++) {
        int kind = RandNum(1, 110);
        int col = RandNum(1, 241);
        int row = RandNum(1, 74);
        bool open = WalkOffWalls(col, row);
        // A walk that ends on the bottom or right edge still inside a wall: draw the
        // cell again.
        for (int tries = 0; !open && tries < START_ITEM_REDRAWS; tries++) {
            col = RandNum(1, 241);
            row = RandNum(1, 74);
            open = WalkOffWalls(col, row);
        }
        if (!open)
            open = FirstOpenCell(col, row);
        if (open)
            PlaceMapItem(col, row, kind);
    }
}

bool AddItem(int kind, bool announce)
{
    bool taken = false;
    if (kind < 0)
        kind = RandNum(1, 110);
    if (kind > 0 && kind < NUM_ITEM_KINDS) {
        if (user_amounts[kind] != 0) {
            user_amounts[kind] = std::min(user_amounts[kind] + 1, GROWTH_MAX);
            taken = true;
            if (announce) {
                std::snprintf(line, sizeof line, "You have a %s.", item_names[kind]);
                AddHistory(line);
            }
        } else if (curitems > INVENTORY_SLOTS - 1) {
            std::snprintf(line, sizeof line, "You can't carry a %s.", item_names[kind]);
            AddHistory(line);
        } else {
            user_amounts[kind] = 1;
            user_inventory[curitems] = ItemClass(kind);
            taken = true;
            if (announce) {
                std::snprintf(line, sizeof line, "You have a %s.", item_names[kind]);
                AddHistory(line);
            }
            curitems += 1;
        }
    }
    SortInventory(user_inventory, INVENTORY_SLOTS);
    return taken;
}

void DropItem(int slot, int)
{
    if (slot >= 0 && slot < INVENTORY_SLOTS) {
        int kind = user_inventory[slot].getType();
        if (kind > 0 && kind < NUM_ITEM_KINDS) {
            if (!MapItemRoom()) {
                // Nothing leaves the pack when the map cannot hold it.
                std::snprintf(line, sizeof line, "There's no room to drop anything here.");
                AddHistory(line);
            } else {
                user_amounts[kind] -= 1;
                if (user_amounts[kind] < 1) {
                    user_amounts[kind] = 0;
                    user_inventory[slot] = ItemClass(0);
                    curitems -= 1;
                }
                std::snprintf(line, sizeof line, "You drop a %s.", item_names[kind]);
                AddHistory(line);
                PlaceMapItem(player.x, player.y, kind);
            }
        }
    }
    SortInventory(user_inventory, INVENTORY_SLOTS);
}

void SortInventory(ItemClass *inv, int n)
{
    // Ascending by kind...
    for (int last = n - 1; last >= 0; last--)
        for (int i = 1; i <= last; i++)
            if (inv[i - 1].getType() > inv[i].getType())
                inv[i - 1].SwapItem(inv[i]);
    // ...then the empty pockets to the end, the others keeping their order.
    for (int last = n - 1; last >= 0; last--)
        for (int i = 1; i <= last; i++)
            if (inv[i - 1].getType() == 0)
                inv[i - 1].SwapItem(inv[i]);
}

static SDL_Surface *SmallPicture(int kind)
{
    return kind >= 0 && kind < NUM_ITEM_KINDS ? small_items_list[kind] : nullptr;
}

void DrawItems(int top, int left)
{
    for (int i = 0; i < cursmallitems && i < MAX_MAP_ITEMS; i++) {
        int x = items[i].getx();
        int y = items[i].gety();
        if (x >= left && x < left + VIEW_COLS && y >= top && y < top + VIEW_ROWS)
            DrawIMG(SmallPicture(items[i].getType()), (x - left) * TILE_SIZE, (y - top) * TILE_SIZE);
    }
}

// The kind in a slot and how many of it are carried; an empty or unknown slot holds none.
static int SlotKind(int slot)
{
    if (slot < 0 || slot >= INVENTORY_SLOTS)
        return 0;
    int kind = user_inventory[slot].getType();
    return kind >= 0 && kind < NUM_ITEM_KINDS ? kind : 0;
}

// The slots stand in five rows of five, each with its letter to the left.
constexpr int SLOT_LEFT = 55, SLOT_TOP = 75, SLOT_WIDTH = 90, SLOT_HEIGHT = 70, LETTER_OFFSET = 20;
constexpr int INVENTORY_TEXT_X = 490;

int InventorySlotAt(int x, int y)
{
    const int col = (x - (SLOT_LEFT - LETTER_OFFSET)) / SLOT_WIDTH;
    const int row = (y - SLOT_TOP) / SLOT_HEIGHT;
    if (x < SLOT_LEFT - LETTER_OFFSET || y < SLOT_TOP || col > 4 || row > 4)
        return -1;
    return row * 5 + col;
}

void ShowInventory(int slot, int show)
{
    for (int i = 0; i < INVENTORY_SLOTS; i++) {
        int ox = SLOT_LEFT + SLOT_WIDTH * (i % 5);
        int oy = SLOT_TOP + SLOT_HEIGHT * (i / 5);
        int kind = SlotKind(i);
        DrawIMG(small_items_list[kind], ox + 15, oy + 15);
        if (i == slot)
            DrawIMG(highlighter, ox, oy);
        ShowLetter(ox - 20, oy, i);
        if (user_amounts[kind] > 1)
            drawNum(ox + 3, oy + 3, user_amounts[kind]);
    }

    centerString(490, 30, show == 1 ? "Drop Which Item?" : "INVENTORY");
    drawString(INVENTORY_TEXT_X, 100, "ESC - Return to game");
    drawString(490, 115, "Press a letter or use the arrow keys");
    drawString(490, 130, show == 1 ? "and spacebar to drop the item." : "and spacebar to view more details.");
    drawString(490, 180, "? for Help");

    int kind = SlotKind(slot);
    drawString(510, 240, "ITEM DETAILS");
    drawString(490, 265, item_names[kind]);
    drawString(490, 280, "Quantity: ");
    drawNum(570, 280, user_amounts[kind]);
}

void ShowLetter(int x, int y, int index)
{
    char letter[2] = {'Z', '\0'};
    if (index >= 0 && index < INVENTORY_SLOTS)
        letter[0] = static_cast<char>('A' + index);
    drawString(x, y, letter);
}

void ShowItem(int slot, int)
{
    int kind = SlotKind(slot);
    DrawIMG(items_list[kind], 100, 120);
    ShowLetter(80, 100, slot);
    drawString(150, 75, "ITEM PROPERTIES");
    drawString(170, 100, item_names[kind]);
    drawString(170, 115, "Quantity: ");
    drawNum(250, 115, user_amounts[kind]);
    drawString(500, 100, "ESC - Return to Inventory");
    drawString(500, 120, "? for Help");
}

void ProcessInventory(InputEvent *ev)
{
    player.acted = 0; // browsing costs no turn
    DrainInput(ev, [&](GameKey key) {
        if (key >= KEY_A && key <= KEY_Y) {
            displayitem = key - KEY_A;
            mode = MODE_ITEM;
            return;
        }
        switch (key) {
        case KEY_ESCAPE:
            mode = MODE_NORMAL;
            break;
        case KEY_SPACE:
            mode = MODE_ITEM;
            break;
        case KEY_SLASH:
        case KEY_QUESTION:
            oldmode = MODE_INVENTORY;
            mode = MODE_HELP;
            break;
        case KEY_RIGHT:
        case KEY_KP6:
            displayitem += 1;
            if (displayitem > 24)
                displayitem = 0;
            break;
        case KEY_LEFT:
        case KEY_KP4:
            displayitem -= 1;
            if (displayitem < 0)
                displayitem = 24;
            break;
        case KEY_DOWN:
        case KEY_KP2:
            displayitem += 5;
            if (displayitem > 24)
                displayitem -= 25;
            break;
        case KEY_UP:
        case KEY_KP8:
            displayitem -= 5;
            if (displayitem < 0)
                displayitem += 25;
            break;
        default:
            break;
        }
    }, [](const InputEvent &e) {
        if (e.type != INPUT_POINTER_DOWN || mode != MODE_INVENTORY)
            return;
        const int slot = InventorySlotAt(e.x, e.y);
        if (slot >= 0) {
            displayitem = slot;
            mode = MODE_ITEM;
        } else if (e.x >= INVENTORY_TEXT_X && e.y >= 100 && e.y < 100 + LINE_HEIGHT) {
            mode = MODE_NORMAL; // "ESC - Return to game"
        }
    });
    // Choosing a slot on the drop screen drops one of it and goes back to play.
    if (showmode == 1 && mode == MODE_ITEM) {
        DropItem(displayitem, 1);
        mode = MODE_NORMAL;
    }
}

void ProcessItem(InputEvent *ev)
{
    ProcessPageKeys(ev, MODE_INVENTORY, MODE_ITEM);
}

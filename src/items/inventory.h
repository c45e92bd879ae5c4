// The inventory, and the inventory and item screens.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

#include "items/item.h"

constexpr int INVENTORY_SLOTS = 25;

// What every new hero carries: kinds and how many of each.
struct KitItem {
    int kind;
    int amount;
};
constexpr KitItem starting_kit[] = {{1, 1}, {23, 5}, {31, 1}, {33, 1}};

extern ItemClass user_inventory[INVENTORY_SLOTS];
extern int user_amounts[NUM_ITEM_KINDS];
extern int curitems;
extern int displayitem;
extern int showmode;

// curitems, the slots, then the count of every kind.
void WalkInventory(StateWalker &w);

void ClearInventory();
void NewInventory();
// Returns true when the item was taken into the inventory.
bool AddItem(int kind, bool announce);
void DropItem(int slot, int count);
void SortInventory(ItemClass *inv, int n);
void DrawItems(int top, int left);

// The slot shown at pixel (x, y) of the inventory screen, or -1.
int InventorySlotAt(int x, int y);
void ShowInventory(int slot, int show);
void ShowLetter(int x, int y, int index);
void ShowItem(int slot, int show);
void ProcessInventory(InputEvent *ev);
void ProcessItem(InputEvent *ev);

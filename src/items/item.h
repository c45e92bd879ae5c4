// Items: the value class, the map's item table and the item pictures.
#pragma once

#include <SDL/SDL.h>

#include "items/itemdata.h"

class StateWalker;

class ItemClass {
public:
    ItemClass() : type(0), x(-2), y(-2) {}
    explicit ItemClass(int kind) : type(kind), x(-1), y(-1) {}
    ItemClass(int kind, int col, int row) : type(kind), x(col), y(row) {}

    void Place(int col, int row) { x = col; y = row; }
    void SetItem(int col, int row, int kind) { x = col; y = row; type = kind; }
    void SwapItem(ItemClass &other);
    void MoveInventory() { x = -1; y = -1; }
    int getx() const { return x; }
    int gety() const { return y; }
    int getType() const { return type; }
    // Kind, column and row: an item on the map, carried (-1, -1) or never placed (-2, -2).
    void Walk(StateWalker &w);

private:
    int type;
    int x;
    int y;
};

constexpr int MAX_MAP_ITEMS = 120;

extern ItemClass items[MAX_MAP_ITEMS];
extern int cursmallitems;
extern SDL_Surface *items_list[NUM_ITEM_KINDS];
extern SDL_Surface *small_items_list[NUM_ITEM_KINDS];
extern SDL_Surface *highlighter;

// cursmallitems, then every entry of the map's item table.
void WalkMapItems(StateWalker &w);

void LoadItems();
void FreeItems();

// Every item laid on the map goes through here. Appends at cursmallitems while the
// table has room, else reuses an entry that was picked up (at -1, -1).
// Returns false, placing nothing, when no entry is free.
bool PlaceMapItem(int x, int y, int kind);
// True when PlaceMapItem would find an entry.
bool MapItemRoom();

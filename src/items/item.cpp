#include "items/item.h"

ItemClass items[MAX_MAP_ITEMS];
int cursmallitems;
SDL_Surface *items_list[NUM_ITEM_KINDS];
SDL_Surface *small_items_list[NUM_ITEM_KINDS];
SDL_Surface *highlighter;

void ItemClass::SwapItem(ItemClass &other)
{
    ItemClass t = *this;
    *this = other;
    other = t;
}
void ItemClass::RandLoc() {}
void LoadItems() {}
void FreeItems() {}
bool PlaceMapItem(int, int, int) { return false; }
bool MapItemRoom() { return false; }

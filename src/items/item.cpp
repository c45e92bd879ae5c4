#include "items/item.h"

#include "items/inventory.h"
#include "keep/state.h"
#include "shell/global.h"
#include "shell/pictures.h"
#include "world/tiles.h"

ItemClass items[MAX_MAP_ITEMS];
int cursmallitems;
SDL_Surface *items_list[NUM_ITEM_KINDS];
SDL_Surface *small_items_list[NUM_ITEM_KINDS];
SDL_Surface *highlighter;

void ItemClass::Walk(StateWalker &w)
{
    w.Int(type, 0, NUM_ITEM_KINDS - 1);
    w.Int(x, -2, MAP_WIDTH - 1);
    w.Int(y, -2, MAP_HEIGHT - 1);
}

void WalkMapItems(StateWalker &w)
{
    w.Section("items");
    w.Int(cursmallitems, 0, MAX_MAP_ITEMS);
    for (int i = 0; i < MAX_MAP_ITEMS; i++) {
        if (i % 10 == 0)
            w.Section("item");
        items[i].Walk(w);
    }
}

void ItemClass::SwapItem(ItemClass &other)
{
    ItemClass t = *this;
    *this = other;
    other = t;
}

void LoadItems()
{
    showmode = 0;
    for (int k = 0; k < NUM_ITEM_KINDS; k++)
        items_list[k] = LoadPictureIn(DIR_ITEMS, item_images[k]);
    for (int k = 0; k < NUM_ITEM_KINDS; k++)
        small_items_list[k] = LoadPictureIn(DIR_SMALLITEMS, item_images[k]);
    highlighter = LoadPicture(PIC_HIGHLIGHTER);
}

void FreeItems()
{
    for (int k = 0; k < NUM_ITEM_KINDS; k++) {
        FreePicture(items_list[k]);
        FreePicture(small_items_list[k]);
    }
    FreePicture(highlighter);
}

// The entry a new map item goes into: the next unused one while the table has room,
// else the first one whose item was picked up. -1 when every entry lies on the map.
static int FreeMapEntry()
{
    if (cursmallitems < MAX_MAP_ITEMS)
        return cursmallitems;
    for (int i = 0; i < MAX_MAP_ITEMS; i++)
        if (items[i].getx() == -1 && items[i].gety() == -1)
            return i;
    return -1;
}

bool PlaceMapItem(int x, int y, int kind)
{
    int i = FreeMapEntry();
    if (i < 0)
        return false;
    items[i].SetItem(x, y, kind);
    if (i == cursmallitems)
        cursmallitems += 1;
    return true;
}

bool MapItemRoom()
{
    return FreeMapEntry() >= 0;
}

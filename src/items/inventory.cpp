#include "items/inventory.h"

ItemClass user_inventory[INVENTORY_SLOTS];
int user_amounts[NUM_ITEM_KINDS];
int curitems;
int displayitem;
int showmode;

void ClearInventory() {}
void NewInventory() {}
bool AddItem(int, bool) { return false; }
void DropItem(int, int) {}
void SortInventory(ItemClass *, int) {}
void DrawItems(int, int) {}
void ShowInventory(int, int) {}
void ShowLetter(int, int, int) {}
void ShowItem(int, int) {}
void ProcessInventory(SDL_Event *ev) { while (SDL_PollEvent(ev)) {} }
void ProcessItem(SDL_Event *ev) { while (SDL_PollEvent(ev)) {} }

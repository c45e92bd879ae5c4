#include "world/look.h"

SDL_Surface *mapcursor;
int cursorx;
int cursory;
int displaymonster;

void LoadCursor() {}
void DrawCursor(int, int) {}
void ProcessLooking(SDL_Event *) {}
void DrawLookDescriptions() {}
void ShowMonsterDetails(int) {}
void ProcessMonsterDetails(SDL_Event *) {}

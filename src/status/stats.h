// The status column, the bottom message strip and the death announcement.
#pragma once

#include <SDL/SDL.h>

extern SDL_Surface *bottombar;
extern SDL_Surface *statsbar;
extern int statcount;
extern int bobcount;

void LoadStats();
void DrawStats();
void Message(int x, int y, const char *text, int n);

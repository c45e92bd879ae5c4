#include "status/stats.h"

#include "shell/font.h"

SDL_Surface *bottombar;
SDL_Surface *statsbar;
int statcount;
int bobcount;

void LoadStats() {}
void DrawStats() {}
void Message(int x, int y, const char *text, int n) { drawString(x, y + 15 * n, text); }

// The bitmap font: one row of 8 x 12 glyph cells.
#pragma once

#include <SDL/SDL.h>

constexpr int FONT_CELL_W = 8;
constexpr int FONT_CELL_H = 12;
constexpr int FONT_GLYPHS = 80;

extern SDL_Surface *font_image;

// Glyph number of a byte, or -1 when the byte has none.
int GlyphOf(unsigned char c);

void LoadFont();
void FreeFont();
void drawString(int x, int y, const char *text);
void centerString(int width, int y, const char *text);
void drawNum(int x, int y, int n);

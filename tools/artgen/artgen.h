// The picture and sound generator: every file the game loads, drawn by our own code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

constexpr int SAMPLE_RATE = 44100;
constexpr int TILE = 30;

// The one colour of the font: light, for the dark bars and screens it is drawn on.
constexpr Colour FONT_INK = 0xF0E6C8;

// Writers (output.cpp). Each creates the directories it needs.
void WritePng(const Image &img, const std::string &path);
void WriteJpeg(const Image &img, const std::string &path, int quality);
// A PNG whose magenta pixels are transparent (for the desktop's icons).
void WritePngKeyed(const Image &img, const std::string &path);
void WriteBmp(const Image &img, const std::string &path);
void WriteWav(const std::vector<std::int16_t> &samples, const std::string &path);

// The font (font.cpp): the 640 x 12 glyph strip, and text drawn with it in any colour.
constexpr int GLYPH_W = 8;
constexpr int GLYPH_H = 12;
constexpr int GLYPH_COUNT = 80;
extern const char glyph_order[GLYPH_COUNT + 1]; // the characters of the cells, in order
Image DrawFontStrip(Colour ink);
void DrawText(Image &img, int x, int y, const std::string &text, Colour ink);

// Ground and overlay tiles (tiles.cpp), by file name under "images/tiles/".
// Returns false for a name it cannot draw.
bool DrawTilePicture(const std::string &file, Image &out);

// Creatures (creatures.cpp), by file name under "images/monsters/", and the player.
bool DrawCreaturePicture(const std::string &file, Image &out);
Image DrawPlayerBody();
Image DrawPlayerClothes();

// Items (items.cpp), by file name, at 60 (items/) or 30 (smallitems/) pixels.
bool DrawItemPicture(const std::string &file, int size, Image &out);

// The single pictures (screens.cpp).
Image DrawLogo();
Image DrawBackground();
Image DrawTombstone();
Image DrawLoadBox();
// The shield of the window icon (32 px) and of the desktop's icons, at any size.
Image DrawIcon(int size = 32);
Image DrawCrow();
Image DrawCloud();
Image DrawMapCursor();
Image DrawHighlighter();
Image DrawBottomBar();
Image DrawStatsBar();

// Sounds (sounds.cpp), 16-bit mono samples at SAMPLE_RATE.
std::vector<std::int16_t> MakeCrowSound();
std::vector<std::int16_t> MakeDieSound();


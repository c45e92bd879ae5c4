// The frame's present on the desktop: only the rows that differ from the frame on the
// display are sent, in a few rectangles, and a frame identical to it is not sent at all
// (the idle title would otherwise cost a tenth of a core in presenting alone); once a
// second the whole frame goes, so that an uncovered window is repainted.
#pragma once

#include <cstddef>

#include <SDL/SDL.h>

// Where two rows of n bytes first and last differ, compared eight bytes at a time; n
// when the rows are the same. The present uses them to cut each changed row.
size_t FirstDifferentByte(const Uint8 *a, const Uint8 *b, size_t n);
size_t LastDifferentByte(const Uint8 *a, const Uint8 *b, size_t n);
// Shows the screen: all of it (whole), or what changed since the last present.
void PresentDesktopScreen(SDL_Surface *screen, bool whole);

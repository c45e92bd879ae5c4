// Small routines every screen uses: blits, presenting, directions, the view clamp,
// screenshots, the page keys, and loading a picture from the data tree.
#pragma once

#include <SDL/SDL.h>

#include "shell/input.h"
#include "shell/main.h" // done

extern int xchange;
extern int ychange;
// The keys held when the last modal wait that was kept ended (KEY_COUNT entries).
extern const unsigned char *keys;

// The directory the pictures are read from, found by the platform as it starts: "data"
// beside the program in the build tree, the installed data directory, or the page's own.
extern char dataroot[4096];

void DrawIMG(SDL_Surface *img, int x, int y);
void DrawIMGPart(SDL_Surface *img, int sx, int sy, int w, int h, int x, int y);
// The whole picture on the display at once: a prompt before a modal wait.
void UpdateScreen();
// The frame's present: only what changed since the last frame shown is sent.
void PresentScreen();
void GetDirection();
void FixScreen();

// The keys of a page that only shows something (item and creature details, the
// character sheet, help, history): Escape goes to back, F1 takes a screenshot, and
// "/" or "?" open the help page, remembering helpfrom, unless helpfrom is NO_HELP.
// Looking costs no turn. Drains the queue.
constexpr int NO_HELP = -1;
void ProcessPageKeys(InputEvent *ev, int back, int helpfrom);

// Loads a picture from "<dataroot>/<relpath>", in the screen's format and, when keyed,
// with magenta transparent. On any failure prints "Couldn't load image <file name>:
// <error>" to stderr and returns null.
SDL_Surface *LoadPicture(const char *relpath, bool keyed = true);
// Same, for "<dataroot>/<dir><file>"; the name printed is the file name.
SDL_Surface *LoadPictureIn(const char *dir, const char *file, bool keyed = true);
// Per-surface alpha; does nothing for a picture that failed to load.
void SetPictureAlpha(SDL_Surface *img, int alpha);
void FreePicture(SDL_Surface *&img);

// Small routines every screen uses: blits, presenting, the modal key wait, directions,
// the view clamp, screenshots, and loading a picture from the data tree.
#pragma once

#include <cstddef>

#include <SDL/SDL.h>

#include "shell/main.h"   // done
#include "keep/record.h" // ReadEvent

extern int xchange;
extern int ychange;
extern Uint8 *keys;

// The directory the pictures are read from: "data" beside the program in the build
// tree, or the installed data directory (INSTALLED_DATA_FROM_PROGRAM, relative to the
// program's directory). "data" until InitDataRoot has run.
extern char dataroot[4096];
// Finds the data root from the program's own path; when neither directory exists it
// prints one line naming both and keeps "data" beside the program.
void InitDataRoot();

// Called by GetInput once the queue has been drained and the wait is about to begin;
// tests and the soak use it to answer the wait. Null in the game.
extern void (*input_wait_hook)();

void DrawIMG(SDL_Surface *img, int x, int y);
void DrawIMGPart(SDL_Surface *img, int sx, int sy, int w, int h, int x, int y);
void UpdateScreen();
// Where two rows of n bytes first and last differ, compared eight bytes at a time; n
// when the rows are the same. The present uses them to cut each changed row.
size_t FirstDifferentByte(const Uint8 *a, const Uint8 *b, size_t n);
size_t LastDifferentByte(const Uint8 *a, const Uint8 *b, size_t n);
// The frame's present: only the rows that differ from the frame on the display are sent,
// in a few rectangles, and a frame identical to it is not sent at all (the idle title
// would otherwise cost a tenth of a core in presenting alone); once a second the whole
// frame goes, so that an uncovered window is repainted.
void PresentScreen();
// The modal wait. A repeat of a held key never answers it, except a cursor key's repeat
// when repeat_answers is set (the yes/no question: a walk held into a townsperson answers
// "no"). The key that answers does not act again until it is let go.
Uint8 *GetInput(bool repeat_answers = false);
void GetDirection();
void FixScreen();
void TakeScreenshot();

// The keys of a page that only shows something (item and creature details, the
// character sheet, help, history): Escape goes to back, F1 takes a screenshot, and
// "/" or "?" open the help page, remembering helpfrom, unless helpfrom is NO_HELP.
// Looking costs no turn. Drains the queue.
constexpr int NO_HELP = -1;
void ProcessPageKeys(SDL_Event *ev, int back, int helpfrom);

// What every key handler does with the queue: drains it; a quit request (the window's
// close button) ends the game, key releases are passed over, F1 takes a screenshot, and
// every other key press is handed to the screen's own keys, onkey(key), in order.
template <typename OnKey> void DrainKeys(SDL_Event *ev, OnKey onkey)
{
    while (ReadEvent(ev)) {
        if (ev->type == SDL_QUIT) {
            done = STATE_QUIT;
            continue;
        }
        if (ev->type != SDL_KEYDOWN)
            continue;
        if (ev->key.keysym.sym == SDLK_F1)
            TakeScreenshot();
        else
            onkey(ev->key.keysym.sym);
    }
}
int all_filter(const SDL_Event *ev);

// Held keys. SDL repeats the key pressed last while it is held (after KEY_REPEAT_DELAY ms,
// every KEY_REPEAT_INTERVAL ms): a repeat is a key-down of a key that is already down.
// Only the cursor keys act again on a repeat; every other key acts once a press.
constexpr int KEY_REPEAT_DELAY = 500;
constexpr int KEY_REPEAT_INTERVAL = 50;
void StartKeyRepeat();
// The keys that walk and move cursors: arrows, keypad 1 to 9, Home, End, PgUp, PgDn and
// Clear (keypad 5 without NumLock on some systems).
bool CursorKey(SDLKey key);
// Called by ReadEvent for every event it reads (and records): keeps the held keys and
// returns false for a repeat that is not handed on (a key that acts once a press, or the
// answer of the last modal wait still held).
bool PassKeyEvent(const SDL_Event *ev);
// The last event ReadEvent handed on was a cursor key's repeat.
bool KeyRepeated();
// No key counts as held any more (tests that threw events away).
void ForgetHeldKeys();

// Loads a picture from "<dataroot>/<relpath>", converts it to the display format and,
// when keyed, gives it the colour key magenta. On any failure prints
// "Couldn't load image <file name>: <error>" to stderr and returns null.
SDL_Surface *LoadPicture(const char *relpath, bool keyed = true);
// Same, for "<dataroot>/<dir><file>"; the name printed is the file name.
SDL_Surface *LoadPictureIn(const char *dir, const char *file, bool keyed = true);
// Per-surface alpha; does nothing for a picture that failed to load.
void SetPictureAlpha(SDL_Surface *img, int alpha);
void FreePicture(SDL_Surface *&img);

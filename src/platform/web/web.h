// The game in a browser page. The web build (Emscripten, its SDL 1.2 emulation) differs
// from the desktop in a few places, and they are all held here and in web.cpp:
//
// - the hooks below, which the game calls at a handful of moments and which do nothing
//   on the desktop;
// - the SDL 1.2 calls that the emulation lacks or does otherwise, filled in at the end of
//   this file for the web build only (the web build includes this header first in every
//   unit of the game).
//
// The page itself (its HTML and its script) and its build are in web/.
#pragma once

#ifdef __EMSCRIPTEN__

// Before start-up: the player's folder (the page's own storage in the browser, read back
// from it) becomes the working directory, and the page learns the game's keys.
void StartWebPage();
// After the saved game was written, moved aside or removed: the page's storage is
// brought up to date with the player's folder.
void StoreWebFiles();
// The loading screen is shown: the browser gets the moment it needs to paint it.
void ShowWebProgress();
// The program ends with this status: in the page, the exit hook runs and the page says
// that the game has ended (a page's program does not end by returning from main).
int EndWebPage(int status);

#else

inline void StartWebPage() {}
inline void StoreWebFiles() {}
inline void ShowWebProgress() {}
inline int EndWebPage(int status) { return status; }

#endif

#ifdef __EMSCRIPTEN__
// What the emulation's SDL 1.2 lacks, in SDL 1.2's own words. The headers come first, so
// that these names are replaced in the game's code only.
#include <SDL/SDL.h>
#include <dlfcn.h>
#include <time.h>

// Keys are read by their SDL 1.2 names; the emulation keeps the array under SDL 2's name.
#define SDL_GetKeyState(numkeys) SDL_GetKeyboardState(numkeys)
// There are no event filters. None is needed: nothing joins the queue while the game
// drains it, since the page's events only arrive while the game waits.
#define SDL_GetEventFilter() static_cast<SDL_EventFilter>(nullptr)
#define SDL_SetEventFilter(filter) static_cast<void>(filter)
// A picture in the display's format: every surface there is already of that format, so
// the picture itself is handed back (and counted once more, as it is freed once more).
SDL_Surface *ShareSurface(SDL_Surface *surface);
#define SDL_DisplayFormat(surface) ShareSurface(surface)
// Colour keys are not honoured by the emulation's blits: the key's pixels are made
// transparent once, when the key is given.
int KeyOutColour(SDL_Surface *surface, Uint32 flag, Uint32 key);
#define SDL_SetColorKey(surface, flag, key) KeyOutColour(surface, flag, key)
// The full-screen switch is the browser's full screen.
int SwitchFullScreen(SDL_Surface *surface);
#define SDL_WM_ToggleFullScreen(surface) SwitchFullScreen(surface)
// A screenshot is handed to the player as a download of the file's name.
int DownloadBMP(SDL_Surface *surface, SDL_RWops *file, int freefile);
#define SDL_SaveBMP_RW(surface, file, freefile) DownloadBMP(surface, file, freefile)
// No libraries are loaded at run time in a page (and asking aborts it).
#define dlopen(name, flags) (static_cast<void>(name), static_cast<void>(flags), static_cast<void *>(nullptr))
#endif

// The game's edge to the machine: everything that talks to the system the game runs on
// (its window or page, keyboard and mouse, clock, sound, files, signals) goes through
// these few calls. Each platform implements them in a folder of its own, and the build
// picks one: desktop/ (SDL 1.2 on the player's desktop), web/ (a browser page, built with
// Emscripten) and null/ (no window, no sound, no clock of its own: for the tests).
//
// The game draws onto `screen`, an 800 x 600 SDL 1.2 surface, on every platform; the
// platform opens it, shows it and loads pictures into its format.
#pragma once

#include <cstddef>

#include <SDL/SDL.h>

#include "platform/keys.h"

// ---- Start and end ----

// Before anything else: the data tree is found (dataroot), the player's folder becomes
// the working directory, quit requests are caught.
void StartPlatform();
// What opening the screen came to.
enum ScreenOutcome {
    SCREEN_OPENED,
    SCREEN_NO_VIDEO,    // the video system would not start
    SCREEN_NO_DISPLAY,  // there is no display to show a window on
    SCREEN_NO_MODE,     // no 800 x 600 x 16 picture could be had
};
// Opens the screen (full screen when asked), with the game's title and icon (a BMP,
// magenta transparent; none when it cannot be read). Sets `screen`.
ScreenOutcome OpenPlatformScreen(bool fullscreen, const char *title, const char *iconpath);
// The sound device; false when there is none (the game then plays silently).
bool OpenPlatformAudio();
// The program is ending: sounds, pictures and the screen are let go of.
void StopPlatform();
// The program ends with this status (the page cannot simply return from main).
int LeavePlatform(int status);

// ---- The screen ----

// Shows what was drawn on `screen`: the whole picture (a prompt before a modal wait), or
// only what changed since the last frame shown.
void ShowPlatformScreen(bool whole);
// Into the full screen or out of it: true when it worked.
bool TogglePlatformFullScreen();
// The loading screen was drawn: the platform gets the moment it may need to show it.
void ShowPlatformProgress();
// The mouse pointer shown or hidden.
void ShowPlatformPointer(bool shown);

// ---- Input and the clock ----

// The next event from the keyboard, the mouse or the window, if any. Keys come as
// presses and releases only: the game makes its own repeats of a held key.
bool PollPlatformEvent(InputEvent *ev);
// Which keys the keyboard holds down now (held[k] non-zero), KEY_COUNT entries.
void ReadPlatformKeys(unsigned char *held);
// Milliseconds since some start, wrapping at 2^32.
unsigned PlatformTicks();
// Waits about this long (the page gives the browser its turn meanwhile).
void PlatformDelay(unsigned ms);
// A request from outside to end the game (SIGTERM, SIGINT, SIGHUP on the desktop) came
// since the last time this was asked.
bool PlatformQuitRequested();
// Called when the platform must end the program at once (the display went away, the
// page is being closed): the game keeps what it can. May be called while the game waits
// for a key.
void SetPlatformKeeper(void (*keep)());

// ---- Files ----

// Loads a picture (PNG, JPEG or BMP) in the screen's format; when keyed, magenta is
// transparent. Null with why filled when it cannot.
SDL_Surface *LoadPlatformPicture(const char *path, bool keyed, char *why, size_t size);
// A sound of the data tree (WAV); null when there is no sound device or no such file.
struct PlatformSound;
PlatformSound *LoadPlatformSound(const char *path);
void PlayPlatformSound(PlatformSound *sound);
void FreePlatformSound(PlatformSound *sound);
// Writes the screen as a BMP picture of this name, in the player's folder (the page
// hands it to the player as a download). False when it could not.
bool WritePlatformScreenshot(const char *name);
// A file of the player's folder (the working directory) was written, moved or removed.
void NotePlayerFileChanged();
// One game per player folder: takes the lock of the working folder (LOCK_FILE), or finds
// it already held by this run; the lock goes with the process, however it ends. False
// only when another running copy of the game holds it. A folder where no lock can be
// made (read-only, a file system without locks) counts as free: nothing can be kept there
// anyway, or nothing else can lock it. (The page's tabs settle it in the page itself.)
constexpr const char *LOCK_FILE = "quorvane.lock";
bool LockPlayerFolder();

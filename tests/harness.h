// Drives the real game in tests: SDL's dummy drivers, pushed key events, frames run
// without pacing, modal waits answered from a script, and the screen read back.
#pragma once

#include <SDL/SDL.h>

#include <initializer_list>
#include <string>

namespace qt {

// Once per process: dummy drivers, the data root beside the test program, StartGame.
void Boot();

// A fresh game from a seed, as "New Game" on the title makes it; ends in play, normal mode.
void NewSeededGame(unsigned seed);

// Push one key press (down and up) with the given modifiers.
void Key(SDLKey key, SDLMod mod = KMOD_NONE);
void Keys(std::initializer_list<SDLKey> keys);
void Quit();

// Run n frames of the outer loop (whatever state the game is in).
void Frame(int n = 1);

// Answers for the modal waits to come, in order. A wait with no scripted answer
// gets Escape and is counted in UnexpectedWaits().
void ScriptWaits(std::initializer_list<SDLKey> answers);
int WaitsSeen();
int UnexpectedWaits();
void ResetWaits();
// Put the scripted answers back in charge of the waits (after a test installed its own hook).
void UseScriptedWaits();

// The screen shows text drawn in the game's own font with its top-left corner at (x, y).
bool TextAt(int x, int y, const char *text);
// No glyph pixel of the font anywhere in the rectangle (the area is free of text).
bool NoTextIn(int x, int y, int w, int h);
Uint32 PixelAt(int x, int y);

// The history as text, newest last.
std::string HistoryLineText(int fromNewest);
bool HistoryHas(const char *text);
int HistoryCount(const char *text);

// Throw away pending events.
void Drain();

} // namespace qt

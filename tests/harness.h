// Drives the real game in tests: the platform without a machine (no window, no sound),
// pushed key events, frames run without pacing, modal waits answered from a script, and the screen read back.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace qt {

// Once per process: dummy drivers, the data root beside the test program, StartGame.
void Boot();

// A fresh game from a seed, as "New Game" on the title makes it; ends in play, normal mode.
void NewSeededGame(unsigned seed);

// Push one key press (down and up) with the given modifiers.
void Key(GameKey key, int mod = MOD_NONE);
void Keys(std::initializer_list<GameKey> keys);
// A key held as SDL sends it: one key-down, a key-down for each repeat, the key-up.
void KeyDown(GameKey key, int mod = MOD_NONE);
void KeyUp(GameKey key, int mod = MOD_NONE);
void Quit();
// The pointer moved to pixel (x, y) of the picture; a click there (pressed and let go).
void PointTo(int x, int y);
void Click(int x, int y, int button = BUTTON_LEFT);
// The middle pixel of the map view's cell (x, y) of the area (the view where it is now).
int CellPixelX(int x);
int CellPixelY(int y);

// Run n frames of the outer loop (whatever state the game is in).
void Frame(int n = 1);

// Answers for the modal waits to come, in order. A wait with no scripted answer
// gets Escape and is counted in UnexpectedWaits().
void ScriptWaits(std::initializer_list<GameKey> answers);
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

// ---- Set-ups and steps shared by the play tests ----

constexpr int PX = 100; // where the player stands in a field
constexpr int PY = 40;

// Nobody about and nothing lying around.
void Deserted();
// A new game, then an open field of the given area kind (plain grass, no trees, nobody
// about, nothing lying around): the player at (PX, PY) with 100 hit points, strength 3,
// no bonuses or conditions, at peace, the view around him.
void Field(unsigned seed, int area = 1);
// The player at (x, y) of world cell (ax, ay), its area freshly built, nobody about and
// nothing lying around, the view around him; a field also loses its trees.
void StandIn(unsigned seed, int ax, int ay, int x, int y, bool field = false);
// A creature made as the game makes it, in the next slot (the slot is returned).
int Put(int kind, int x, int y);
// A creature that stays where it is put and never strikes first.
int PlaceCreature(int kind, int x, int y, int hostility);
// One player turn after another: the creatures act in the frame after each.
void Turn(int n = 1);
// A key, then frames; the mode the game is in after them.
int Press(GameKey key, int frames = 1, int mod = MOD_NONE);
// Several numbers of the game's state compared at once.
using Row = std::vector<long long>;
// Slot i stands at (x, y).
testing::AssertionResult At(int i, int x, int y);

struct Text {
    int x, y;
    const char *text;
};
// The screen shows each text at its place.
void ExpectTexts(std::initializer_list<Text> texts, const std::string &context = std::string());

} // namespace qt

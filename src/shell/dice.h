// The game's own dice. Every roll of the game comes from here, on every platform alike,
// so that one seed builds one world everywhere and a recorded game replays anywhere.
// For every seed they give the very sequence the GNU C library's rand() gives after
// srand(seed) (an additive feedback generator over 31 words), which the game's worlds
// and its recordings were first made with.
#pragma once

class StateWalker;

// A new sequence, as srand(seed) starts one (a seed of 0 is taken as 1).
void SeedDice(unsigned seed);
// The next number of the sequence, 0..2147483647, as rand() gives it.
int RollDice();
// A uniform number from low to high, both included (ends given the other way round name
// the same numbers): low + RollDice() modulo the span.
int RandNum(int low, int high);

// The dice's state, for the saved game: a resumed game rolls on as if never left.
void WalkDice(StateWalker &w);

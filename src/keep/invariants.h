// The rules a game in progress keeps at every moment: the self-play holds the game to
// them after every frame, and a saved game that breaks one is refused.
#pragma once

#include <cstddef>

// True when the game in memory keeps every rule; otherwise why names the first one
// broken, with the numbers that break it.
bool CheckGame(char *why, size_t size);

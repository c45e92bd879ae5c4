// The game's state, described once: every number and text that makes up a game in
// progress, walked in one fixed order. The digest and the saved game both walk it, so a
// field is either part of both or of neither.
//
// Each unit lists the fields it owns beside their definitions (WalkPlayer, WalkGrids,
// WalkMonsters, WalkMapItems, WalkInventory, WalkHistory, WalkClock, WalkCrow,
// WalkStates, WalkClouds); WalkGame calls them in order.
#pragma once

#include <climits>
#include <cstddef>
#include <string>
#include <vector>

// The largest number any count that grows in play reaches: experience, hit points,
// strength, defence, the fighting bonuses and practice, the regeneration and poison
// counters, an item's amount, the days. Each stops growing there, so any sum of a few of
// them fits an int with room to spare, and a saved game holds none beyond it.
constexpr int GROWTH_MAX = 1000000;

class StateWalker {
public:
    virtual ~StateWalker() = default;
    // The name of the group of fields that follows (a line of the saved game).
    virtual void Section(const char *name) = 0;
    // A number that a saved game may hold only within low..high (both included).
    virtual void Int(int &value, int low = INT_MIN, int high = INT_MAX) = 0;
    virtual void Byte(unsigned char &value, int low = 0, int high = UCHAR_MAX) = 0;
    // A text of at most size - 1 characters, ended by a zero.
    virtual void Text(char *text, size_t size) = 0;
    // A pointer into a table of names (nullptr for none), held as the name's text, of at
    // most 63 characters. On reading, the pointer is found again in the table, and the
    // same entry of the partner table (attacks beside names) is taken for *partner.
    virtual void Name(const char *&name, const char *&partner, const char *const *names,
                      const char *const *partners, int count) = 0;
    // A rule between fields that a saved game must keep (false: the game is refused).
    virtual void Check(bool ok, const char *what) = 0;
};

// The whole game, in the order the digest has always taken it.
void WalkGame(StateWalker &w);

// A 64-bit digest of the game: player, both grids, creatures, items on the map,
// inventory, history, clock, sky layer, the state and the play mode.
unsigned long long DigestGame();

// The digest of a kept game: the game's digest and the dice's state.
unsigned long long DigestKeptGame();

// The whole game and the dice, copied in memory as they stand (cheap enough for every
// frame), to be put back later.
struct GameSnapshot {
    std::vector<int> numbers;
    std::vector<const char *> names;
    std::string texts;
};
void TakeSnapshot(GameSnapshot &s);
void RestoreSnapshot(const GameSnapshot &s);

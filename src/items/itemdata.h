// The 111 kinds of item: names and picture files.
// Both the game and the picture generator read these.
#pragma once

#include <array>

constexpr int NUM_ITEM_KINDS = 111;

// Kinds the rules name.
constexpr int ITEM_EMPTY = 0;
constexpr int ITEM_CORPSE = 16;
constexpr int ITEM_WOOD = 35;

extern const std::array<const char *, NUM_ITEM_KINDS> item_names;
extern const std::array<const char *, NUM_ITEM_KINDS> item_images; // under "images/items/" and "images/smallitems/"

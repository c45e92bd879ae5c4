// The contact sheet: every picture at twice its size with its name, and assembled samples
// of the buildings, the town wall and gate, paths, a forest and a winter street.
#pragma once

#include <string>
#include <vector>

#include "artgen.h"

// What a picture is shown on: its own pixels, grass (sprites, as on the map) or the dark
// fill of the game's screens.
enum class Backdrop { None, Grass, Dark };

struct SheetEntry {
    std::string name;
    Image img;
    Backdrop backdrop;
};

Image DrawContactSheet(const std::vector<SheetEntry> &entries);

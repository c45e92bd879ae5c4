// The layout and the pace the whole game shares: the screen, the view of the map, the
// frame's slot, the line where prompts and the newest messages stand, the length of a
// day and the box creatures are placed in. Read by the game, the picture generator and
// the tests.
#pragma once

// The window: 800 x 600 at 16 bits a pixel.
constexpr int SCREEN_WIDTH = 800;
constexpr int SCREEN_HEIGHT = 600;
constexpr int SCREEN_DEPTH = 16;

// The view of the map: 22 x 15 cells of 30 pixels, left of the status column and above
// the message strip.
constexpr int TILE_SIZE = 30;
constexpr int VIEW_COLS = 22;
constexpr int VIEW_ROWS = 15;

// One frame's slot: at most 25 frames a second.
constexpr int FRAME_MS = 40;
constexpr int FRAMES_PER_SECOND = 1000 / FRAME_MS;

// The bottom strip: prompts, look texts and the newest messages, one line every 15
// pixels down from here.
constexpr int PROMPT_X = 5;
constexpr int PROMPT_Y = 465;
constexpr int LINE_HEIGHT = 15;

// A day is 3000 turns (0..2999).
constexpr int TURNS_PER_DAY = 3000;

// Creatures put somewhere at random stand within this box of the map (both ends included).
constexpr int PLACE_LEFT = 3;
constexpr int PLACE_RIGHT = 239;
constexpr int PLACE_TOP = 3;
constexpr int PLACE_BOTTOM = 72;

// Walking by pointing at the map: a click (or a tap) on a cell, and travel to a far one.
#pragma once

#include "platform/keys.h"
#include "world/tiles.h"

// A left click or tap on the map cell (x, y) of the current area, in normal play; ignored
// in every other mode. It is carried out once the frame's keys are read, as the frame's
// last key would be: the player's own cell waits a turn (keypad 5), one of the eight cells
// around him is one step (an attack, the townsperson's question, a door opened, the edge
// of the area crossed), a farther one starts travel there.
void ActOnCell(int x, int y);
// Called by ProcessPlayer after the frame's keys: the click, if there was one.
void TakeCellAction();
// Travel ends where the player stands (any key ends it by itself).
void StopTravel();
// Travel's frame: a step a frame along the way, through the keys' step, until the player
// arrives or something stops him as it stops going, or a creature comes into view or
// next to him.
void ProcessTravelling(InputEvent *ev);

// The way found last: the cells of its steps in order, the first step first and the
// cell made for last.
struct WayCell {
    short x;
    short y;
};
constexpr int MAX_WAY = MAP_WIDTH * MAP_HEIGHT;
constexpr int NO_WAY = -1;
extern WayCell way[MAX_WAY];
extern int waylength;
// The shortest way from (fromx, fromy) to (tox, toy) over the cells the player can step
// onto, in the eight directions he walks: no walls and furniture, no trees that keep him
// out, no creatures; a closed door is on the way (the step into it opens it). The cell made
// for may hold a creature, not a wall. Fills way and returns its number of steps (0 from a
// cell to itself), or NO_WAY. Rolls no dice.
int FindWay(int fromx, int fromy, int tox, int toy);

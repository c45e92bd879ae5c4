// Doors, and travel between map areas.
#pragma once

void OpenDoor(bool gotdir, int dy, int dx);
void CloseDoor(bool gotdir, int dy, int dx);
// Leaves the map area across the edge the last direction step (ychange, xchange) crossed.
void ChangeMapArea();
// The same for the step (dy, dx) just taken. Returns true when a new map area was entered;
// a step off the edge of the world is taken back whole and returns false.
bool ChangeMapArea(int dy, int dx);

// The two forms of a door; -1 for a tile that is not a door of that form.
int OpenFormOfDoor(int closed);
int ClosedFormOfDoor(int open);

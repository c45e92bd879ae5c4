// Doors, and travel between map areas.
#pragma once

void OpenDoor(bool gotdir, int dy, int dx);
void CloseDoor(bool gotdir, int dy, int dx);
void ChangeMapArea();

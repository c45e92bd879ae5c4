#include "world/doors.h"

void OpenDoor(bool, int, int) {}
void CloseDoor(bool, int, int) {}
void ChangeMapArea() {}

// The options screen: window or full screen.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

void DrawOptions();
void ProcessOptions(InputEvent *ev);

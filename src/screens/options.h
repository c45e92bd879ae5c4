// The options screen: window or full screen.
#pragma once

#include "platform/keys.h"

#include <SDL/SDL.h>

void DrawOptions();
void ProcessOptions(InputEvent *ev);

// The options screen: window or full screen.
#pragma once

#include <SDL/SDL.h>

void DrawOptions();
void ProcessOptions(SDL_Event *ev);

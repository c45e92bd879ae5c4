// The help page.
#pragma once

#include <SDL/SDL.h>

void ShowHelp();
void ProcessHelp(SDL_Event *ev);

// The command keys of normal play, resting and going.
#pragma once

#include <SDL/SDL.h>

void ProcessPlayer(SDL_Event *ev);
void ProcessResting(SDL_Event *ev);
void ProcessGoing(SDL_Event *ev);
// One turn of regeneration.
void Regenerate();

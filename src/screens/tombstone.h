// Death and the tombstone.
#pragma once

#include <SDL/SDL.h>

extern SDL_Surface *tombstone;

void LoadTombstone();
void DrawTombstone();
void ProcessDead(SDL_Event *ev);

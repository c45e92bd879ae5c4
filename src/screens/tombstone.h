// Death and the tombstone.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

extern SDL_Surface *tombstone;

void LoadTombstone();
void DrawTombstone();
void ProcessDead(InputEvent *ev);

// Death and the tombstone.
#pragma once

#include "platform/keys.h"

#include <SDL/SDL.h>

extern SDL_Surface *tombstone;

void LoadTombstone();
void DrawTombstone();
void ProcessDead(InputEvent *ev);

// The command keys of normal play, resting and going.
#pragma once

#include "platform/keys.h"

#include <SDL/SDL.h>

void ProcessPlayer(InputEvent *ev);
void ProcessResting(InputEvent *ev);
void ProcessGoing(InputEvent *ev);
// One turn of regeneration.
void Regenerate();

// The help page.
#pragma once

#include "platform/keys.h"

#include <SDL/SDL.h>

void ShowHelp();
void ProcessHelp(InputEvent *ev);

// The help page.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

void ShowHelp();
void ProcessHelp(InputEvent *ev);

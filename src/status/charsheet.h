// The character sheet.
#pragma once

#include "platform/keys.h"

#include <SDL/SDL.h>

// The rating word of a skill value.
const char *SkillWord(int value);

void DrawCharacterStats();
void ProcessStats(InputEvent *ev);

// The character sheet.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

// The rating word of a skill value.
const char *SkillWord(int value);

void DrawCharacterStats();
void ProcessStats(InputEvent *ev);

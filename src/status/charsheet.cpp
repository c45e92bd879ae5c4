#include "status/charsheet.h"

const char *SkillWord(int) { return "Poor"; }
void DrawCharacterStats() {}
void ProcessStats(SDL_Event *ev) { while (SDL_PollEvent(ev)) {} }

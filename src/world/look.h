// Look mode and the monster-details screen.
#pragma once

#include "platform/keys.h"

#include <SDL/SDL.h>

extern SDL_Surface *mapcursor;
extern int cursorx;
extern int cursory;
extern int displaymonster;

void LoadCursor();
void DrawCursor(int top, int left);
void ProcessLooking(InputEvent *ev);
// The look descriptions on the bottom lines; called by DrawStats in look mode.
void DrawLookDescriptions();
void ShowMonsterDetails(int slot);
void ProcessMonsterDetails(InputEvent *ev);

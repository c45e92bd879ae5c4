// Look mode and the monster-details screen.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

extern SDL_Surface *mapcursor;
extern int cursorx;
extern int cursory;
extern int displaymonster;

void LoadCursor();
void DrawCursor(int top, int left);
void ProcessLooking(InputEvent *ev);
// A right click or long press on the map cell (x, y) in the view, in normal play or look
// mode: look mode with the cursor there, its descriptions on the bottom lines, or at once
// the details page of the creature standing there (Escape goes back to looking at the
// cell). Costs no turn.
void LookAtCell(int x, int y);
// The look descriptions on the bottom lines; called by DrawStats in look mode.
void DrawLookDescriptions();
void ShowMonsterDetails(int slot);
void ProcessMonsterDetails(InputEvent *ev);

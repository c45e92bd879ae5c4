// The loading screen and the title menu.
#pragma once

#include <SDL/SDL.h>

#include "platform/keys.h"

extern SDL_Surface *logo;
extern SDL_Surface *background;
extern SDL_Surface *loadboxes[8];
extern int fadeimg;
extern int fadecount;
extern int selectmenu;
extern bool played;

extern const char *const credit_line;

void LoadMenu();
void DrawBoxes(int n);
void DrawMenu();
void ProcessMenu(InputEvent *ev);

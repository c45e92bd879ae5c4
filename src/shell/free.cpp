#include "shell/free.h"

SDL_Surface *crow_bird;
int birdx;
int birdy;
Cloud clouds[5];

void LoadFree() {}
void NewFree() {}
void MoveFree() {}
void DrawFree() {}

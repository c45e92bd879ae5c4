// The sky layer: a crow crossing the view and five drifting clouds.
#pragma once

#include <SDL/SDL.h>

struct Cloud {
    SDL_Surface *image;
    int drift;  // drifting coordinate, changed by step every map frame
    int fixed;  // fixed coordinate
    int step;   // +1 or -1
};

extern SDL_Surface *crow_bird;
extern int birdx;
extern int birdy;
extern Cloud clouds[5];

class StateWalker;
void WalkCrow(StateWalker &w);
void WalkClouds(StateWalker &w);

void LoadFree();
void NewFree();
void MoveFree();
void DrawFree();

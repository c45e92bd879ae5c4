#include "player/go.h"

#include "shell/main.h"

void ProcessPlayer(SDL_Event *ev)
{
    while (SDL_PollEvent(ev)) {
        if (ev->type == SDL_QUIT)
            done = STATE_QUIT;
        else if (ev->type == SDL_KEYDOWN && ev->key.keysym.sym == SDLK_q && (ev->key.keysym.mod & KMOD_SHIFT))
            SetDone(STATE_MENU);
    }
}
void ProcessResting(SDL_Event *ev) { ProcessPlayer(ev); }
void ProcessGoing(SDL_Event *ev) { ProcessPlayer(ev); }
void Regenerate() {}

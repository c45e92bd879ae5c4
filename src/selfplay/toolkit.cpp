#include "selfplay/toolkit.h"

#include <cstring>

#include "creatures/monster.h"

static void PushKeyEvent(Uint8 type, SDLKey key, SDLMod mod)
{
    SDL_Event ev;
    std::memset(&ev, 0, sizeof ev);
    ev.type = ev.key.type = type;
    ev.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    ev.key.keysym.sym = key;
    ev.key.keysym.mod = mod;
    SDL_PushEvent(&ev);
}

void PushKeyDown(SDLKey key, SDLMod mod)
{
    PushKeyEvent(SDL_KEYDOWN, key, mod);
}

void PushKeyUp(SDLKey key, SDLMod mod)
{
    PushKeyEvent(SDL_KEYUP, key, mod);
}

void PushKey(SDLKey key, SDLMod mod)
{
    PushKeyDown(key, mod);
    PushKeyUp(key, mod);
}

SDLKey PadKey(int dx, int dy)
{
    static const SDLKey pad[3][3] = {
        {SDLK_KP7, SDLK_KP8, SDLK_KP9}, {SDLK_KP4, SDLK_KP5, SDLK_KP6}, {SDLK_KP1, SDLK_KP2, SDLK_KP3}};
    return pad[std::clamp(dy, -1, 1) + 1][std::clamp(dx, -1, 1) + 1];
}

SDLKey ArrowKey(int dx, int dy)
{
    if (dx == 0 && dy < 0)
        return SDLK_UP;
    if (dx == 0 && dy > 0)
        return SDLK_DOWN;
    if (dy == 0 && dx < 0)
        return SDLK_LEFT;
    if (dy == 0 && dx > 0)
        return SDLK_RIGHT;
    return SDLK_UNKNOWN;
}

int CreatureAt(int x, int y)
{
    for (int i = 0; i < MonsterSlotsInUse(); i++)
        if (monsters[i].alive && monsters[i].x == x && monsters[i].y == y)
            return i;
    return -1;
}

void DistanceMap::Clear()
{
    std::fill(&dist[0][0], &dist[0][0] + MAP_HEIGHT * MAP_WIDTH, FAR);
    head = tail = 0;
}

void DistanceMap::Goal(int x, int y)
{
    if (OnMap(x, y) && dist[y][x] == FAR) {
        dist[y][x] = 0;
        queue[tail++] = y * MAP_WIDTH + x;
    }
}

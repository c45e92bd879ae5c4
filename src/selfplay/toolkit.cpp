#include "selfplay/toolkit.h"

#include <cstring>

#include "creatures/monster.h"
#include "shell/input.h"

static void PushKeyEvent(int type, GameKey key, int mod)
{
    InputEvent ev;
    ev.type = type;
    ev.key = key;
    ev.mod = mod;
    PushInput(ev);
}

void PushKeyDown(GameKey key, int mod)
{
    PushKeyEvent(INPUT_KEYDOWN, key, mod);
}

void PushKeyUp(GameKey key, int mod)
{
    PushKeyEvent(INPUT_KEYUP, key, mod);
}

void PushKey(GameKey key, int mod)
{
    PushKeyDown(key, mod);
    PushKeyUp(key, mod);
}

GameKey PadKey(int dx, int dy)
{
    static const GameKey pad[3][3] = {
        {KEY_KP7, KEY_KP8, KEY_KP9}, {KEY_KP4, KEY_KP5, KEY_KP6}, {KEY_KP1, KEY_KP2, KEY_KP3}};
    return pad[std::clamp(dy, -1, 1) + 1][std::clamp(dx, -1, 1) + 1];
}

GameKey ArrowKey(int dx, int dy)
{
    if (dx == 0 && dy < 0)
        return KEY_UP;
    if (dx == 0 && dy > 0)
        return KEY_DOWN;
    if (dy == 0 && dx < 0)
        return KEY_LEFT;
    if (dy == 0 && dx > 0)
        return KEY_RIGHT;
    return KEY_UNKNOWN;
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

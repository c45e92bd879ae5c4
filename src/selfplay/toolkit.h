// What every player of the game needs, whoever plays it: the self-play, the player of the
// shelf of recorded games (tools/scenarios) and the tests. Keys are pushed into the game's
// queue as a keyboard would send them; the game is read where it keeps its state.
#pragma once

#include <algorithm>

#include "platform/keys.h"

#include "world/level.h"
#include "world/tiles.h"

// A press and its release, in the game's queue; or either alone (a key held down: a repeat is
// another press while it is down).
void PushKey(GameKey key, int mod = MOD_NONE);
void PushKeyDown(GameKey key, int mod = MOD_NONE);
void PushKeyUp(GameKey key, int mod = MOD_NONE);

// The keypad key for a step (dx, dy each -1, 0 or 1; keypad 5 stays), and the arrow for a
// straight step (KEY_UNKNOWN for a diagonal or none).
GameKey PadKey(int dx, int dy);
GameKey ArrowKey(int dx, int dy);

// The slot of the live creature at (x, y), or -1.
int CreatureAt(int x, int y);

// A player's own dice (xorshift), so that its choices never disturb the game's.
struct Dice {
    unsigned long long state = 1;
    unsigned Roll(unsigned n)
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<unsigned>(state % n);
    }
};

// Distances over the map to the nearest of some goal cells, in steps of the eight ways.
class DistanceMap {
public:
    static constexpr short FAR = 0x7fff;

    void Clear();
    // A goal: distance 0 (a cell off the map is passed over).
    void Goal(int x, int y);
    // Spreads from the goals over the cells passable(x, y) accepts, nearest first; stops
    // early once (stopx, stopy) has its distance.
    template <typename Passable> void Spread(Passable passable, int stopx = -1, int stopy = -1)
    {
        for (; head < tail; head++) {
            const int cx = queue[head] % MAP_WIDTH, cy = queue[head] / MAP_WIDTH;
            const short next = static_cast<short>(dist[cy][cx] + 1);
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    const int nx = cx + dx, ny = cy + dy;
                    if (!OnMap(nx, ny) || dist[ny][nx] != FAR || !passable(nx, ny))
                        continue;
                    dist[ny][nx] = next;
                    queue[tail++] = ny * MAP_WIDTH + nx;
                }
            if (OnMap(stopx, stopy) && dist[stopy][stopx] != FAR) {
                head++;
                return;
            }
        }
    }
    short At(int x, int y) const { return OnMap(x, y) ? dist[y][x] : FAR; }

private:
    short dist[MAP_HEIGHT][MAP_WIDTH];
    int queue[MAP_HEIGHT * MAP_WIDTH];
    int head = 0;
    int tail = 0;
};

#include "player/travel.h"

#include <cstdlib>
#include <cstring>

#include "creatures/monster.h"
#include "player/go.h"
#include "player/player.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "world/level.h"

WayCell way[MAX_WAY];
int waylength;

namespace {

// The eight steps.
constexpr int DIRECTIONS = 8;
constexpr int step_dx[DIRECTIONS] = {0, 1, 0, -1, 1, 1, -1, -1};
constexpr int step_dy[DIRECTIONS] = {-1, 0, 1, 0, -1, 1, 1, -1};

// The search's grids have a border of one cell round the map, so that a step from any map
// cell lands in the grid; cell (x, y) is at (y + 1) * GRID_WIDTH + x + 1. A cell counts as
// reached, or as held by a creature, when its mark is the search's own, so no grid is
// cleared between two searches; the border is reached in every search before it begins.
constexpr int GRID_WIDTH = MAP_WIDTH + 2;
constexpr int GRID_CELLS = (MAP_HEIGHT + 2) * GRID_WIDTH;
constexpr int step_offset[DIRECTIONS] = {-GRID_WIDTH, 1, GRID_WIDTH, -1, 1 - GRID_WIDTH, 1 + GRID_WIDTH,
                                         GRID_WIDTH - 1, -GRID_WIDTH - 1};
constexpr unsigned short NOT_COUNTED = 0xffff; // the steps of a border cell
unsigned short reached[GRID_CELLS];
unsigned short held[GRID_CELLS];
unsigned short steps[GRID_CELLS]; // steps from the cell to the goal, where reached
unsigned short searchmark;
int queue[MAX_WAY];

int GridCell(int x, int y) { return (y + 1) * GRID_WIDTH + x + 1; }
int MapX(int cell) { return cell % GRID_WIDTH - 1; }
int MapY(int cell) { return cell / GRID_WIDTH - 1; }

void NewSearch()
{
    searchmark += 1;
    if (searchmark == 0) {
        std::memset(reached, 0, sizeof reached);
        std::memset(held, 0, sizeof held);
        searchmark = 1;
    }
    for (int x = 0; x < GRID_WIDTH; x++) {
        reached[x] = reached[GRID_CELLS - 1 - x] = searchmark;
        steps[x] = steps[GRID_CELLS - 1 - x] = NOT_COUNTED;
    }
    for (int y = 1; y <= MAP_HEIGHT; y++) {
        reached[y * GRID_WIDTH] = reached[y * GRID_WIDTH + GRID_WIDTH - 1] = searchmark;
        steps[y * GRID_WIDTH] = steps[y * GRID_WIDTH + GRID_WIDTH - 1] = NOT_COUNTED;
    }
}

bool OpenToWay(int cell)
{
    const int x = MapX(cell);
    const int y = MapY(cell);
    return !IsWallTile(worldmap[y][x]) && !TreeBlocksPlayer(x, y) && held[cell] != searchmark;
}

// The click waiting for the end of the frame's keys.
bool clicked;
int clickx;
int clicky;

// Where travel makes for, and the next step of the way there.
int travelx;
int travely;
int waystep;

// Who was in view, and who next to the player, when travel last looked around.
constexpr unsigned char SEEN_IN_VIEW = 1;
constexpr unsigned char SEEN_NEAR = 2;
unsigned char seen[MAX_MONSTERS];
int seenkind[MAX_MONSTERS];

// How a creature stands to the player: in the view, next to him.
unsigned char Sighting(const MonsterRecord &m)
{
    if (m.kind == KIND_DEAD)
        return 0;
    unsigned char s = 0;
    if (m.x >= player.viewx && m.x < player.viewx + VIEW_COLS && m.y >= player.viewy &&
        m.y < player.viewy + VIEW_ROWS)
        s |= SEEN_IN_VIEW;
    if (std::abs(m.x - player.x) <= 1 && std::abs(m.y - player.y) <= 1)
        s |= SEEN_NEAR;
    return s;
}

// Notes who is in view and who is near; true when someone is that was not at the last look.
bool SomeoneCameNear()
{
    bool came = false;
    const int count = MonsterSlotsInUse();
    for (int i = 0; i < MAX_MONSTERS; i++) {
        unsigned char now = i < count ? Sighting(monsters[i]) : 0;
        // A slot taken by another creature holds a newcomer.
        unsigned char before = seenkind[i] == monsters[i].kind ? seen[i] : 0;
        if (now & ~before)
            came = true;
        seen[i] = now;
        seenkind[i] = monsters[i].kind;
    }
    return came;
}

void StartTravel(int x, int y)
{
    ClearStuff();
    travelx = x;
    travely = y;
    waystep = 0;
    SomeoneCameNear();
    mode = MODE_TRAVELLING;
}

} // namespace

int FindWay(int fromx, int fromy, int tox, int toy)
{
    waylength = 0;
    if (!OnMap(fromx, fromy) || !OnMap(tox, toy))
        return NO_WAY;
    if (fromx == tox && fromy == toy)
        return 0;
    if (IsWallTile(worldmap[toy][tox]) || TreeBlocksPlayer(tox, toy))
        return NO_WAY;
    NewSearch();
    const int count = MonsterSlotsInUse();
    for (int i = 0; i < count; i++) {
        const MonsterRecord &m = monsters[i];
        if (m.kind != KIND_DEAD && OnMap(m.x, m.y))
            held[GridCell(m.x, m.y)] = searchmark;
    }

    // Outwards from the goal, ring by ring, so that every cell reached knows how many steps
    // it lies from it; the search ends as soon as it reaches the player.
    const int start = GridCell(fromx, fromy);
    const int goal = GridCell(tox, toy);
    int head = 0;
    int tail = 0;
    reached[goal] = searchmark;
    steps[goal] = 0;
    queue[tail++] = goal;
    bool found = false;
    while (head < tail && !found) {
        const int cell = queue[head++];
        const unsigned short next = static_cast<unsigned short>(steps[cell] + 1);
        for (int d = 0; d < DIRECTIONS; d++) {
            const int n = cell + step_offset[d];
            if (reached[n] == searchmark)
                continue;
            reached[n] = searchmark;
            steps[n] = next;
            if (n == start) {
                found = true;
                break;
            }
            if (OpenToWay(n))
                queue[tail++] = n;
        }
    }
    if (!found)
        return NO_WAY;

    // Back from the player, a step nearer the goal each time: of the cells as near, the one
    // straight towards the goal, else the first found. Every ring nearer than the player's
    // was searched whole.
    int cell = start;
    int x = fromx;
    int y = fromy;
    while (cell != goal) {
        const int towardx = (tox > x) - (tox < x);
        const int towardy = (toy > y) - (toy < y);
        int best = -1;
        for (int d = 0; d < DIRECTIONS; d++) {
            const int n = cell + step_offset[d];
            if (reached[n] != searchmark || steps[n] + 1 != steps[cell])
                continue;
            if (n != goal && !OpenToWay(n))
                continue;
            const bool straight = step_dx[d] == towardx && step_dy[d] == towardy;
            if (best < 0 || straight)
                best = d;
            if (straight)
                break;
        }
        if (best < 0) { // not to be: the ring nearer always holds the step the search came by
            waylength = 0;
            return NO_WAY;
        }
        cell += step_offset[best];
        x += step_dx[best];
        y += step_dy[best];
        way[waylength].x = static_cast<short>(x);
        way[waylength].y = static_cast<short>(y);
        waylength++;
    }
    return waylength;
}

void ActOnCell(int x, int y)
{
    if (done != STATE_PLAYING || mode != MODE_NORMAL)
        return;
    clicked = true;
    clickx = x;
    clicky = y;
}

void TakeCellAction()
{
    if (!clicked)
        return;
    clicked = false;
    // A key of the same frame may have left play or normal mode.
    if (done != STATE_PLAYING || mode != MODE_NORMAL)
        return;
    const int dx = clickx - player.x;
    const int dy = clicky - player.y;
    // The player's own cell and the eight around him (beyond the map's edge too): the keys' step.
    if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
        StepPlayer(dy, dx);
        return;
    }
    if (!OnMap(clickx, clicky))
        return;
    if (FindWay(player.x, player.y, clickx, clicky) == NO_WAY) {
        AddHistory("You find no way there.");
        return;
    }
    // Poison keeps the player from going on by himself: a click is one step of the way,
    // a turn of its own.
    if (player.poisoned) {
        StepPlayer(way[0].y - player.y, way[0].x - player.x);
        return;
    }
    StartTravel(clickx, clicky);
}

void StopTravel()
{
    if (mode == MODE_TRAVELLING)
        mode = MODE_NORMAL;
}

void ProcessTravelling(InputEvent *ev)
{
    // Only a step taken below spends a turn.
    player.acted = 0;
    StopOnAnyKey(ev);
    if (mode != MODE_TRAVELLING)
        return;
    if (SomeoneCameNear()) {
        mode = MODE_NORMAL;
        return;
    }
    // A way that no longer leads on from where the player stands (another search took its
    // table) is found afresh.
    if (waystep >= waylength || std::abs(way[waystep].x - player.x) > 1 || std::abs(way[waystep].y - player.y) > 1) {
        waystep = 0;
        if (FindWay(player.x, player.y, travelx, travely) <= 0) {
            mode = MODE_NORMAL;
            return;
        }
    }
    const WayCell next = way[waystep];
    const AheadStop ahead = WhatLiesAhead(next.x, next.y);
    if (ahead == AHEAD_CREATURE) {
        mode = MODE_NORMAL;
        return;
    }
    const int areax = player.areax;
    const int areay = player.areay;
    WalkOn(next.y - player.y, next.x - player.x);
    // A step that did not stand (a door opened, a step taken back) ends travel.
    if (player.x != next.x || player.y != next.y || player.areax != areax || player.areay != areay) {
        mode = MODE_NORMAL;
        return;
    }
    waystep++;
    if (player.x == travelx && player.y == travely) {
        AddHistory("You have arrived.");
        mode = MODE_NORMAL;
        return;
    }
    // Travel ends on an item; it goes on where the view scrolled, which ends going.
    mode = ahead == AHEAD_ITEM ? MODE_NORMAL : MODE_TRAVELLING;
}

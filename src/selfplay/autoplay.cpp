#include "selfplay/autoplay.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

#include <SDL/SDL.h>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "keep/invariants.h"
#include "keep/record.h"
#include "keep/save.h"
#include "player/player.h"
#include "screens/menu.h"
#include "selfplay/toolkit.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/sound.h"
#include "world/level.h"
#include "world/look.h"

namespace {

// Our own dice, so that the keys do not disturb the game's.
Dice dice;

unsigned Roll(unsigned n) { return dice.Roll(n); }

int spaces_pushed; // Space presses pushed for the frame about to run

void Push(GameKey key, int mod)
{
    PushKey(key, mod);
    if (key == KEY_SPACE)
        spaces_pushed++;
}

void Push(GameKey key) { Push(key, MOD_NONE); }

// ---------------------------------------------------------------------------------
// Random keys: every key of every screen, in any order.

const GameKey moves[] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_KP1, KEY_KP2, KEY_KP3,
                        KEY_KP4, KEY_KP5, KEY_KP6, KEY_KP7, KEY_KP8, KEY_KP9};
const GameKey others[] = {KEY_RETURN, KEY_ESCAPE, KEY_SPACE, KEY_KP_ENTER, KEY_SLASH, KEY_QUESTION,
                         KEY_Y, KEY_N};

GameKey AnyMove() { return moves[Roll(sizeof moves / sizeof moves[0])]; }

GameKey AnyLetter() { return static_cast<GameKey>(KEY_A + Roll(26)); }

// A key a player might press now.
void PushPlayKey()
{
    unsigned r = Roll(100);
    int mod = Roll(4) == 0 ? MOD_LSHIFT : MOD_NONE;
    if (r < 45)
        Push(AnyMove(), MOD_NONE);
    else if (r < 75)
        Push(AnyLetter(), mod);
    else if (r < 98)
        Push(others[Roll(sizeof others / sizeof others[0])], mod);
    else if (Roll(10) == 0)
        Push(KEY_Q, MOD_LSHIFT); // back to the title now and then
    else if (Roll(25) == 0)
        Push(KEY_F1, MOD_NONE);
    else
        Push(AnyMove(), MOD_NONE);
}

void PushMenuKey()
{
    unsigned r = Roll(10);
    if (r < 3)
        Push(KEY_UP, MOD_NONE);
    else if (r < 6)
        Push(KEY_DOWN, MOD_NONE);
    else if (r < 9) {
        if (selectmenu != 3) // "Exit" would end the run early
            Push(KEY_SPACE, MOD_NONE);
    } else if (played) {
        Push(KEY_ESCAPE, MOD_NONE);
    } else {
        Push(KEY_RETURN, MOD_NONE);
    }
}

// Answers a modal wait (direction, yes/no, level-up, death) with a random key.
void AnswerWait()
{
    unsigned r = Roll(10);
    if (r < 5)
        Push(AnyMove(), MOD_NONE);
    else if (r < 7)
        Push(Roll(2) ? KEY_Y : KEY_N, MOD_NONE);
    else if (r < 9)
        Push(Roll(2) ? KEY_SPACE : KEY_ESCAPE, MOD_NONE);
    else
        Push(AnyLetter(), MOD_NONE);
}

void PushKeysFor(int state)
{
    unsigned n = Roll(4); // several keys in one frame happen too
    if (state == STATE_MENU && n > 1)
        n = 1; // a move and a space in one frame could choose "Exit" and end the run
    for (unsigned i = 0; i < n; i++) {
        switch (state) {
        case STATE_PLAYING: PushPlayKey(); break;
        case STATE_MENU: PushMenuKey(); break;
        case STATE_OPTIONS: Push(Roll(3) ? (Roll(2) ? KEY_UP : KEY_DOWN) : (Roll(2) ? KEY_ESCAPE : KEY_RETURN), MOD_NONE); break;
        case STATE_DEAD: Push(Roll(2) ? KEY_SPACE : KEY_ESCAPE, MOD_NONE); break;
        default: break;
        }
    }
}

// Keys that lead back to the title and out through "Exit".
void PushWindDownKeys()
{
    switch (done) {
    case STATE_PLAYING:
        // Escape leaves every screen; only normal play takes shift-q (elsewhere q is a letter).
        if (mode == MODE_NORMAL)
            Push(KEY_Q, MOD_LSHIFT);
        else
            Push(KEY_ESCAPE, MOD_NONE);
        break;
    case STATE_DEAD: Push(KEY_SPACE, MOD_NONE); break;
    case STATE_OPTIONS: Push(KEY_ESCAPE, MOD_NONE); break;
    case STATE_MENU:
        if (fadeimg > 199 && selectmenu == 3)
            Push(KEY_SPACE, MOD_NONE);
        else
            Push(KEY_UP, MOD_NONE);
        break;
    default: break;
    }
}

long PeakResidentKiB()
{
    struct rusage ru;
    if (getrusage(RUSAGE_SELF, &ru) != 0)
        return 0;
    return ru.ru_maxrss;
}

// ---------------------------------------------------------------------------------
// What the run did.

constexpr int AREA_KINDS = 9; // the kinds on the world table are 0..8 (no 6)
constexpr int PLAY_MODES = MODE_HISTORY + 1;
constexpr int STATES = STATE_DEAD + 1;

enum Task { TASK_WANDER, TASK_SCREENS, TASK_DOORS, TASK_ITEMS, TASK_JOURNEY, TASK_HUNT, TASK_DIE, TASKS };
const char *const task_names[TASKS] = {"random keys", "screens", "doors", "items", "journeys", "hunting", "seeking death"};
const char *const mode_names[PLAY_MODES] = {"normal", "resting", "going", "looking", "character", "inventory",
                                            "item", "creature", "help", "history"};

struct Tally {
    long deaths;     // times the tombstone came up
    long titles;     // returns to the title
    long games;      // new games started
    long died;       // games that ended under the tombstone
    long crossings;
    long entered[AREA_KINDS];
    long ways[4];    // north, south, west, east
    long slain;
    long levelups;
    long modeframes[PLAY_MODES];
    long stateframes[STATES];
    long taskframes[TASKS];
};
Tally tally;

// The game as the frame found it, to see what the frame changed.
struct Before {
    int state;
    int areax;
    int areay;
    int level;
    int count;
    bool newgame; // the frame chooses "New Game" on the title
    unsigned char alive[MAX_MONSTERS];
};

// ---------------------------------------------------------------------------------
// Purposeful play: an agent with one task at a time.

struct Agent {
    int task;
    long left;          // frames before the task is given up
    int phase;
    int tx, ty;         // a journey's world cell
    int nexttarget;     // next entry of the journeys' list
    long gameframes;    // frames played in this game
    long dieafter;      // frames after which the game is played to its end
    bool gamedied;
    bool resume;        // after the tombstone's Escape: "Continue" the dead game
    bool options;       // the title is left for the options page this time
    long visits;        // item visits begun
    int state;          // the game state of the frame before
    int waited;         // frames spent in this state
    int blocked;        // walking steps in a row that found no way
    int brave;          // steps left that may fight through whoever is in the way
    bool random;        // the keys of this frame are random ones
    GameKey answer;      // what a modal wait of this frame is answered with
    long areas;         // map areas seen: a new one makes every walking plan stale
};
Agent agent;

// World cells whose kinds and places make journeys go every way and into every kind.
const int journey_targets[][2] = {{7, 0}, {6, 5}, {0, 5}, {4, 0}, {6, 2}, {2, 4}, {5, 2},
                                  {7, 4}, {0, 0}, {3, 5}, {5, 0}, {1, 3}, {7, 5}, {6, 0}};
constexpr int JOURNEY_TARGETS = sizeof journey_targets / sizeof journey_targets[0];

int Sign(int v) { return (v > 0) - (v < 0); }

int Distance(int x1, int y1, int x2, int y2) { return std::max(std::abs(x1 - x2), std::abs(y1 - y2)); }

// The key for a step; straight steps use the arrows or the keypad.
GameKey KeyFor(int dx, int dy)
{
    if (Roll(2) == 0 && ArrowKey(dx, dy) != KEY_UNKNOWN)
        return ArrowKey(dx, dy);
    return PadKey(dx, dy);
}

void Step(int dx, int dy) { Push(KeyFor(dx, dy)); }

bool Friendly(const MonsterRecord &m) { return m.hostility == FRIENDLY && player.peace; }

bool Hurt(int percent) { return player.chp * 100 < player.mhp * percent; }

// What fighting creature m to its death is likely to cost the player, in hit points.
int FightCost(const MonsterRecord &m)
{
    const double hit = (player.tohit + 2.0) / (player.tohit + 3.0);
    const double blow = std::max(((1 + std::max(player.str, 1)) / 2.0 + player.todam) * hit, 0.1);
    return static_cast<int>(m.chp / blow * (m.mindamage + m.maxdamage) / 3.0 + 0.5);
}

// A creature beside the player that attacks it, and that the player can afford to answer.
int AdjacentFoe(int budget)
{
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        const MonsterRecord &m = monsters[i];
        if (m.alive && m.hostility == HOSTILE && FightCost(m) <= budget && Distance(m.x, m.y, player.x, player.y) == 1)
            return i;
    }
    return -1;
}

// ---- Walking plans: distances to a goal over the map, made once per goal and area.

enum Goal { GOAL_NONE, GOAL_EDGE, GOAL_DOORSTEP, GOAL_ITEM, GOAL_CELL };
constexpr short FAR = DistanceMap::FAR;
DistanceMap field;
struct FieldKey {
    int goal, a, b;
    long areas;
    bool operator==(const FieldKey &o) const { return goal == o.goal && a == o.a && b == o.b && areas == o.areas; }
};
FieldKey fieldkey = {GOAL_NONE, 0, 0, -1};
long fieldsmade;

bool IsGoal(int goal, int a, int b, int x, int y)
{
    switch (goal) {
    case GOAL_EDGE:
        return (a > 0 && x == MAP_WIDTH - 1) || (a < 0 && x == 0) || (b > 0 && y == MAP_HEIGHT - 1) || (b < 0 && y == 0);
    case GOAL_DOORSTEP:
        return y > 0 && IsClosedDoorTile(worldmap[y - 1][x]);
    case GOAL_CELL:
        return x == a && y == b;
    default:
        return false;
    }
}

// Breadth-first from every goal cell over everything but walls (a closed door opens
// when walked into), eight ways.
void MakeField(int goal, int a, int b)
{
    FieldKey key = {goal, a, b, agent.areas};
    if (key == fieldkey)
        return;
    fieldkey = key;
    fieldsmade++;
    field.Clear();
    auto seed = [&](int x, int y) {
        if (OnMap(x, y) && !IsWallTile(worldmap[y][x]))
            field.Goal(x, y);
    };
    if (goal == GOAL_ITEM) {
        for (int i = 0; i < std::min(std::max(cursmallitems, 0), MAX_MAP_ITEMS); i++)
            if (items[i].getType() > 0)
                seed(items[i].getx(), items[i].gety());
    } else if (goal == GOAL_CELL) {
        seed(a, b);
    } else {
        for (int y = 0; y < MAP_HEIGHT; y++)
            for (int x = 0; x < MAP_WIDTH; x++)
                if (IsGoal(goal, a, b, x, y))
                    seed(x, y);
    }
    // Walking to one cell needs the distances only up to the player's.
    auto open = [](int x, int y) { return !IsWallTile(worldmap[y][x]); };
    if (goal == GOAL_CELL)
        field.Spread(open, player.x, player.y);
    else
        field.Spread(open);
}

short FieldHere() { return field.At(player.x, player.y); }

// A creature in a cell the walk would take: fight it, or walk around it.
bool WillStrike(int slot, int budget)
{
    const MonsterRecord &m = monsters[slot];
    if (Friendly(m))
        return agent.answer == KEY_Y && FightCost(m) <= budget;
    return FightCost(m) <= budget;
}

// A creature too strong to fight that would strike whoever stands on (x, y) next turn.
bool Threatened(int x, int y, int budget, int except)
{
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        const MonsterRecord &m = monsters[i];
        if (i != except && m.alive && m.hostility == HOSTILE && FightCost(m) > budget && Distance(m.x, m.y, x, y) <= 1)
            return true;
    }
    return false;
}

// One step down the field, striking weak creatures in the way and keeping out of the
// reach of strong ones: a hunter that is outwalked never lands a blow. Stuck behind
// one for long, the walker fights its way through for a while.
void StepDownField(int budget)
{
    const short here = FieldHere();
    const bool brave = agent.brave > 0;
    int safedx = 0, safedy = 0, anydx = 0, anydy = 0;
    short safe = FAR, any = FAR;
    const unsigned turn = Roll(8); // which of equal steps is taken varies
    static const int dirs[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    for (int k = 0; k < 8; k++) {
        const int dx = dirs[(k + turn) % 8][0], dy = dirs[(k + turn) % 8][1];
        const int nx = player.x + dx, ny = player.y + dy;
        if (!OnMap(nx, ny) || field.At(nx, ny) == FAR)
            continue;
        const int m = CreatureAt(nx, ny);
        if (m >= 0 && !WillStrike(m, brave ? 1000000 : budget))
            continue;
        const short f = field.At(nx, ny);
        if (f < any) {
            any = f;
            anydx = dx;
            anydy = dy;
        }
        if (f < safe && !Threatened(nx, ny, budget, m)) {
            safe = f;
            safedx = dx;
            safedy = dy;
        }
    }
    if (agent.brave > 0)
        agent.brave--;
    if (safe < here || (any < here && (brave || Threatened(player.x, player.y, budget, -1)) && safe >= FAR)) {
        agent.blocked = 0;
        Step(safe < here ? safedx : anydx, safe < here ? safedy : anydy);
        return;
    }
    if (++agent.blocked > 30 && agent.blocked % 30 == 1)
        agent.brave = 20;
    if (safe < FAR && Threatened(player.x, player.y, budget, -1))
        Step(safedx, safedy); // out of reach, the long way round
    else
        Push(KEY_KP5); // let whoever is in the way move on
}

// ---- The world table: routes between world cells.

// From a town the only way out is its gate, in the bottom wall.
bool LegAllowed(int x, int y, int dx, int dy)
{
    if (x + dx < 0 || x + dx >= WORLD_COLS || y + dy < 0 || y + dy >= WORLD_ROWS)
        return false;
    return hugemap[y][x] != AREA_TOWN || (dx == 0 && dy == 1);
}

// The first leg of a shortest route from the player's world cell to the nearest cell
// that `want` accepts; false when there is none or the player is in one.
template <typename Want>
bool FirstLeg(Want want, int *ldx, int *ldy, int *tx = nullptr, int *ty = nullptr)
{
    static const int legs[4][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}};
    int from[WORLD_ROWS * WORLD_COLS];
    int queue[WORLD_ROWS * WORLD_COLS];
    std::fill(from, from + WORLD_ROWS * WORLD_COLS, -1);
    const int start = player.areay * WORLD_COLS + player.areax;
    if (want(player.areax, player.areay))
        return false;
    from[start] = start;
    int tail = 0;
    queue[tail++] = start;
    for (int head = 0; head < tail; head++) {
        const int cx = queue[head] % WORLD_COLS, cy = queue[head] / WORLD_COLS;
        for (const auto &l : legs) {
            if (!LegAllowed(cx, cy, l[0], l[1]))
                continue;
            const int n = (cy + l[1]) * WORLD_COLS + cx + l[0];
            if (from[n] >= 0)
                continue;
            from[n] = queue[head];
            if (want(cx + l[0], cy + l[1])) {
                if (tx)
                    *tx = cx + l[0];
                if (ty)
                    *ty = cy + l[1];
                int c = n;
                while (from[c] != start)
                    c = from[c];
                *ldx = c % WORLD_COLS - player.areax;
                *ldy = c / WORLD_COLS - player.areay;
                return true;
            }
            queue[tail++] = n;
        }
    }
    return false;
}

// ---- The tasks. Each returns false once it is over.

// The nearest creature that `pick` accepts, within reach; -1 for none.
template <typename Pick>
int NearestCreature(Pick pick, int reach)
{
    int found = -1, best = reach + 1;
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        const MonsterRecord &m = monsters[i];
        if (!m.alive || !pick(m))
            continue;
        const int d = Distance(m.x, m.y, player.x, player.y);
        if (d < best) {
            best = d;
            found = i;
        }
    }
    return found;
}

// The hit points the player would give for a fight it picks.
int Strength()
{
    return player.chp / 2;
}

// Toward the next world cell of the route; true while under way. Weak creatures in
// the way are struck down, strong ones walked around and outrun.
bool WalkLeg(int ldx, int ldy)
{
    MakeField(GOAL_EDGE, ldx, ldy);
    const int foe = AdjacentFoe(Strength());
    if (foe >= 0) {
        Step(monsters[foe].x - player.x, monsters[foe].y - player.y);
        return true;
    }
    // Rest when hurt and nobody is after the player; in a peaceful town, rest whole first.
    const bool safe = NearestCreature([](const MonsterRecord &m) { return m.hostility == HOSTILE; }, 14) < 0;
    const bool intown = player.area == AREA_TOWN && player.peace;
    if ((Hurt(40) || (intown && Hurt(100))) && safe && !player.poisoned) {
        Push(KEY_H);
        return true;
    }
    if (FieldHere() == 0) {
        Step(ldx, ldy); // over the edge
        return true;
    }
    if (FieldHere() == FAR)
        return false;
    // In open land, now and then go instead of walking.
    if (player.area != AREA_TOWN && !player.poisoned && Roll(12) == 0) {
        agent.answer = KeyFor(ldx, ldy);
        Push(KEY_G);
        return true;
    }
    StepDownField(Strength());
    return agent.blocked < 300;
}

bool Journey()
{
    int ldx = 0, ldy = 0;
    const int tx = agent.tx, ty = agent.ty;
    if (!FirstLeg([&](int x, int y) { return x == tx && y == ty; }, &ldx, &ldy))
        return false;
    return WalkLeg(ldx, ldy);
}

// Toward creature `slot`, striking it once beside it.
void Approach(int slot, int budget)
{
    const MonsterRecord &m = monsters[slot];
    const int dx = Sign(m.x - player.x), dy = Sign(m.y - player.y);
    if (Distance(m.x, m.y, player.x, player.y) == 1) {
        Step(dx, dy);
        return;
    }
    if (player.area != AREA_TOWN) {
        // No walls out of town: straight at it, around whoever stands between.
        const int tries[3][2] = {{dx, dy}, {dx, 0}, {0, dy}};
        for (const auto &t : tries) {
            if (t[0] == 0 && t[1] == 0)
                continue;
            const int nx = player.x + t[0], ny = player.y + t[1];
            if (!OnMap(nx, ny) || IsWallTile(worldmap[ny][nx]))
                continue;
            const int other = CreatureAt(nx, ny);
            if (other >= 0 && !WillStrike(other, budget))
                continue;
            Step(t[0], t[1]);
            return;
        }
        Push(KEY_KP5);
        return;
    }
    // In town the walls are in the way: a plan to where it stands, made again once it has
    // moved off it (at once when near, otherwise after a few cells) or the player off the plan.
    const int moved = Distance(fieldkey.a, fieldkey.b, m.x, m.y);
    const int near = Distance(player.x, player.y, m.x, m.y);
    if (fieldkey.goal != GOAL_CELL || fieldkey.areas != agent.areas || FieldHere() == FAR || moved > 3 ||
        (moved > 0 && near < 8)) {
        fieldkey.goal = GOAL_NONE;
        MakeField(GOAL_CELL, m.x, m.y);
    }
    StepDownField(budget);
}

// Out of town, fights what a fighter of this level can take on; rests when hurt.
bool Hunt()
{
    if (player.area == AREA_TOWN && player.peace)
        return WalkLeg(0, 1); // townsfolk are left in peace: out through the gate
    agent.answer = KEY_Y;
    if (Hurt(50)) {
        // Hurt: rest if nobody is after the player, else make for the nearest town to rest there.
        const bool safe = NearestCreature([](const MonsterRecord &m) { return m.hostility == HOSTILE; }, 14) < 0;
        int ldx = 0, ldy = 0;
        if (safe && !player.poisoned) {
            Push(KEY_H);
            return true;
        }
        if (FirstLeg([](int x, int y) { return hugemap[y][x] == AREA_TOWN; }, &ldx, &ldy)) {
            agent.answer = KEY_N;
            return WalkLeg(ldx, ldy);
        }
    }
    const int foe = AdjacentFoe(player.chp * 2 / 3);
    if (foe >= 0) {
        Approach(foe, player.chp);
        return true;
    }
    const int strength = Strength();
    const int prey = NearestCreature([&](const MonsterRecord &m) { return FightCost(m) <= strength; }, 40);
    if (prey >= 0) {
        Approach(prey, strength);
        return true;
    }
    // Nothing near: go somewhere.
    if (!player.poisoned) {
        agent.answer = AnyMove();
        Push(KEY_G);
    } else {
        Step(static_cast<int>(Roll(3)) - 1, static_cast<int>(Roll(3)) - 1);
    }
    return true;
}

// Seeks out the strongest creature of a town or a wood and fights it, never resting.
bool SeekDeath()
{
    agent.answer = KEY_Y;
    if (player.area != AREA_TOWN && player.area != AREA_WILDERNESS) {
        int ldx = 0, ldy = 0;
        if (FirstLeg([](int x, int y) { return hugemap[y][x] == AREA_WILDERNESS; }, &ldx, &ldy)) {
            agent.answer = KEY_N;
            WalkLeg(ldx, ldy);
            return true;
        }
    }
    int strongest = -1;
    for (int i = 0; i < MonsterSlotsInUse(); i++) {
        const MonsterRecord &m = monsters[i];
        if (!m.alive)
            continue;
        if (strongest < 0 || m.maxdamage > monsters[strongest].maxdamage ||
            (m.maxdamage == monsters[strongest].maxdamage &&
             Distance(m.x, m.y, player.x, player.y) <
                 Distance(monsters[strongest].x, monsters[strongest].y, player.x, player.y)))
            strongest = i;
    }
    if (strongest < 0) {
        Push(KEY_KP5);
        return true;
    }
    Approach(strongest, 1000000);
    return true;
}

// Every screen of play, and back.
struct ScriptKey {
    GameKey key;
    int mod;
};
constexpr GameKey LOOK_CURSOR = KEY_UNKNOWN; // moves the look cursor onto a creature
const ScriptKey screen_tour[] = {
    {KEY_I, MOD_NONE},      {KEY_SPACE, MOD_NONE},  {KEY_QUESTION, MOD_NONE}, {KEY_ESCAPE, MOD_NONE},
    {KEY_ESCAPE, MOD_NONE}, {KEY_RIGHT, MOD_NONE},  {KEY_B, MOD_NONE},        {KEY_ESCAPE, MOD_NONE},
    {KEY_ESCAPE, MOD_NONE}, {KEY_C, MOD_LSHIFT},    {KEY_SLASH, MOD_LSHIFT},  {KEY_ESCAPE, MOD_NONE},
    {KEY_ESCAPE, MOD_NONE}, {KEY_N, MOD_LSHIFT},    {KEY_ESCAPE, MOD_NONE},   {KEY_QUESTION, MOD_NONE},
    {KEY_ESCAPE, MOD_NONE}, {KEY_L, MOD_NONE},      {LOOK_CURSOR, MOD_NONE},   {KEY_Y, MOD_NONE},
    {KEY_QUESTION, MOD_NONE}, {KEY_ESCAPE, MOD_NONE}, {KEY_ESCAPE, MOD_NONE}, {KEY_ESCAPE, MOD_NONE},
    {KEY_KP_ENTER, MOD_NONE},
};
constexpr int TOUR_KEYS = sizeof screen_tour / sizeof screen_tour[0];

bool Screens()
{
    if (agent.phase == 0 && mode != MODE_NORMAL) {
        Push(KEY_ESCAPE);
        return true;
    }
    if (agent.phase >= TOUR_KEYS)
        return false;
    const ScriptKey &k = screen_tour[agent.phase];
    if (k.key != LOOK_CURSOR) {
        Push(k.key, k.mod);
        agent.phase++;
        return true;
    }
    // The cursor walks to the nearest creature in view.
    const int seen = NearestCreature(
        [](const MonsterRecord &m) {
            return m.x >= player.viewx && m.x < player.viewx + VIEW_COLS && m.y >= player.viewy && m.y < player.viewy + VIEW_ROWS;
        },
        MAP_WIDTH);
    if (mode != MODE_LOOKING || seen < 0 || (cursorx == monsters[seen].x && cursory == monsters[seen].y) ||
        ++agent.blocked > 30) {
        agent.phase++;
        return true;
    }
    Step(Sign(monsters[seen].x - cursorx), Sign(monsters[seen].y - cursory));
    return true;
}

// A house door: opened, walked through, closed behind, opened again, out, closed.
struct DoorKey {
    GameKey key;
    GameKey answer; // the direction asked for
};
const DoorKey door_visit[] = {
    {KEY_O, KEY_KP8},   {KEY_KP8, KEY_N}, {KEY_KP8, KEY_N}, {KEY_C, KEY_KP2},
    {KEY_KP2, KEY_N},   {KEY_KP2, KEY_N}, {KEY_KP2, KEY_N}, {KEY_C, KEY_UP},
};
constexpr int DOOR_KEYS = sizeof door_visit / sizeof door_visit[0];

bool Doors()
{
    if (player.area != AREA_TOWN)
        return false;
    if (agent.phase == 0) {
        MakeField(GOAL_DOORSTEP, 0, 0);
        if (FieldHere() == FAR)
            return false;
        if (FieldHere() > 0) {
            StepDownField(0);
            return agent.blocked < 60;
        }
    }
    if (agent.phase >= DOOR_KEYS)
        return false;
    const DoorKey &k = door_visit[agent.phase++];
    agent.answer = k.answer;
    Push(k.key);
    return true;
}

// An item on the map: walked to, picked up, and one of the pack dropped a step away.
bool Items()
{
    switch (agent.phase) {
    case 0:
        MakeField(GOAL_ITEM, static_cast<int>(agent.visits), 0);
        if (FieldHere() == FAR)
            return false;
        if (FieldHere() > 0) {
            StepDownField(Strength());
            return agent.blocked < 60;
        }
        Push(KEY_RETURN);
        agent.phase++;
        return true;
    case 1:
        Step(static_cast<int>(Roll(3)) - 1, static_cast<int>(Roll(3)) - 1);
        agent.phase++;
        return true;
    case 2:
        Push(KEY_D);
        agent.phase++;
        return true;
    case 3:
        if (mode == MODE_INVENTORY)
            Push(static_cast<GameKey>(KEY_A + Roll(static_cast<unsigned>(std::max(curitems, 1)))));
        agent.phase++;
        return true;
    default:
        return false;
    }
}

void ChooseTask()
{
    agent.phase = 0;
    agent.blocked = 0;
    // Between two tasks, as often as not, a burst of random keys.
    if (agent.task != TASK_WANDER && Roll(2) == 0) {
        agent.task = TASK_WANDER;
        agent.left = 20 + Roll(180);
        return;
    }
    if (agent.gameframes > agent.dieafter) {
        agent.task = TASK_DIE;
        agent.left = 3000;
        return;
    }
    const unsigned r = Roll(100);
    if (r < 20) {
        agent.task = TASK_SCREENS;
        agent.left = 200;
    } else if (r < 30 && player.area == AREA_TOWN) {
        agent.task = TASK_DOORS;
        agent.left = 600;
    } else if (r < 38) {
        agent.task = TASK_ITEMS;
        agent.left = 400;
        agent.visits++;
    } else if (r < 75) {
        agent.task = TASK_JOURNEY;
        agent.left = 8000;
        // Half the journeys make for the nearest land of a kind not yet entered, if any.
        int ldx = 0, ldy = 0;
        if (Roll(2) == 0 && FirstLeg([](int x, int y) { return tally.entered[hugemap[y][x]] == 0; }, &ldx, &ldy,
                                     &agent.tx, &agent.ty))
            return;
        const int *t = journey_targets[agent.nexttarget++ % JOURNEY_TARGETS];
        if (t[0] == player.areax && t[1] == player.areay)
            t = journey_targets[agent.nexttarget++ % JOURNEY_TARGETS];
        agent.tx = t[0];
        agent.ty = t[1];
    } else {
        agent.task = TASK_HUNT;
        agent.left = 300 + Roll(1200);
    }
}

bool TaskStep()
{
    switch (agent.task) {
    case TASK_SCREENS: return Screens();
    case TASK_DOORS: return Doors();
    case TASK_ITEMS: return Items();
    case TASK_JOURNEY: return Journey();
    case TASK_HUNT: return Hunt();
    case TASK_DIE: return SeekDeath();
    default: return false;
    }
}

void PlayPurposefully()
{
    agent.gameframes++;
    // Resting and going run by themselves; a key would stop them.
    if (mode == MODE_RESTING || mode == MODE_GOING) {
        agent.left--;
        return;
    }
    if (agent.left <= 0)
        ChooseTask();
    if (agent.task == TASK_WANDER)
        return;
    agent.left--;
    // Screens other than the map are left, but for the tour and the drop screen.
    const bool dropping = agent.task == TASK_ITEMS && mode == MODE_INVENTORY;
    if (agent.task != TASK_SCREENS && !dropping && mode != MODE_NORMAL) {
        Push(KEY_ESCAPE);
        return;
    }
    if (!TaskStep())
        agent.left = 0;
}

// The title: "Continue" a game under way, else "New Game"; the options page now and then.
void ChooseOnTitle()
{
    if (fadeimg <= 199)
        return;
    if (agent.waited == 1)
        agent.options = Roll(12) == 0; // this visit looks at the options first
    int want = played && (!agent.gamedied || agent.resume) ? 0 : 1;
    if (agent.options)
        want = 2;
    if (selectmenu == want) {
        Push(KEY_SPACE);
        agent.options = false;
        agent.resume = false;
    } else if (selectmenu == 3 || selectmenu < want) {
        Push(KEY_DOWN);
    } else {
        Push(KEY_UP);
    }
}

void PushAgentKeys()
{
    agent.random = false;
    agent.answer = KEY_N;
    if (agent.task == TASK_WANDER && agent.left > 0) {
        agent.random = true;
        agent.left--;
        PushKeysFor(done);
        return;
    }
    if (done != agent.state) {
        agent.state = done;
        agent.waited = 0;
    }
    agent.waited++;
    switch (done) {
    case STATE_MENU: ChooseOnTitle(); break;
    case STATE_OPTIONS:
        if (agent.waited > 3)
            Push(KEY_ESCAPE);
        break;
    case STATE_DEAD:
        if (agent.waited > 5) {
            agent.resume = Roll(10) == 0; // Escape, and the dead game is continued
            Push(agent.resume ? KEY_ESCAPE : KEY_SPACE);
        }
        break;
    case STATE_PLAYING:
        PlayPurposefully();
        break;
    default: break;
    }
}

void AnswerForAgent()
{
    if (agent.random)
        AnswerWait();
    else
        Push(agent.answer);
}

void NoteNewGame()
{
    tally.games++;
    agent.gameframes = 0;
    agent.dieafter = 4000 + Roll(6000);
    agent.gamedied = false;
    agent.left = 0;
    agent.areas++;
}

void Remember(Before &b)
{
    b.state = done;
    b.areax = player.areax;
    b.areay = player.areay;
    b.level = player.level;
    b.count = MonsterSlotsInUse();
    for (int i = 0; i < b.count; i++)
        b.alive[i] = monsters[i].alive;
    b.newgame = done == STATE_MENU && fadeimg > 199 && selectmenu == 1 && spaces_pushed > 0;
}

void Count(const Before &b)
{
    if (b.newgame && done == STATE_PLAYING) {
        NoteNewGame();
    } else if (b.state == STATE_PLAYING) {
        if (player.areax != b.areax || player.areay != b.areay) {
            tally.crossings++;
            tally.entered[hugemap[player.areay][player.areax]]++;
            tally.ways[player.areay < b.areay ? 0 : player.areay > b.areay ? 1 : player.areax < b.areax ? 2 : 3]++;
            agent.areas++;
        } else {
            for (int i = 0; i < std::min(b.count, MonsterSlotsInUse()); i++)
                if (b.alive[i] && !monsters[i].alive)
                    tally.slain++;
        }
        if (player.level > b.level)
            tally.levelups += player.level - b.level;
    }
    if (done != b.state) {
        if (done == STATE_DEAD) {
            tally.deaths++;
            if (!agent.gamedied)
                tally.died++;
            agent.gamedied = true;
        }
        if (done == STATE_MENU)
            tally.titles++;
    }
    if (done == STATE_PLAYING && mode >= 0 && mode < PLAY_MODES)
        tally.modeframes[mode]++;
    else if (done >= 0 && done < STATES)
        tally.stateframes[done]++;
    tally.taskframes[agent.random ? TASK_WANDER : agent.task]++;
}

// ---- The report and the aims of a run.

constexpr long AIM_FRAMES = 100000; // the aims below are for a run this long
constexpr long AIM_CROSSINGS = 100;
constexpr long AIM_DEATHS = 10;
// Every kind on the world table: towns, wilderness, grassland and the lands without a builder.
const int reachable_kinds[] = {AREA_TOWN, AREA_WILDERNESS, AREA_GRASSLAND, 3, 4, 5, 7, 8};

void PrintTally()
{
    char text[512];
    int n = std::snprintf(text, sizeof text, "autoplay: %ld map crossings (north %ld, south %ld, west %ld, east %ld), entering",
                          tally.crossings, tally.ways[0], tally.ways[1], tally.ways[2], tally.ways[3]);
    for (int k : reachable_kinds)
        if (n > 0 && n < static_cast<int>(sizeof text))
            n += std::snprintf(text + n, sizeof text - static_cast<size_t>(n), " kind %d: %ld%s", k, tally.entered[k],
                               k == 8 ? "" : ",");
    std::printf("%s\n", text);
    std::printf("autoplay: %ld games started, %ld of them died; %ld creatures slain, %ld level-ups\n", tally.games,
                tally.died, tally.slain, tally.levelups);
    n = std::snprintf(text, sizeof text, "autoplay: frames in play by mode:");
    for (int m = 0; m < PLAY_MODES; m++)
        if (n > 0 && n < static_cast<int>(sizeof text))
            n += std::snprintf(text + n, sizeof text - static_cast<size_t>(n), " %s %ld%s", mode_names[m],
                               tally.modeframes[m], m + 1 < PLAY_MODES ? "," : "");
    std::printf("%s; on the title %ld, options %ld, tombstone %ld\n", text, tally.stateframes[STATE_MENU],
                tally.stateframes[STATE_OPTIONS], tally.stateframes[STATE_DEAD]);
    n = std::snprintf(text, sizeof text, "autoplay: frames by purpose:");
    for (int t = 0; t < TASKS; t++)
        if (n > 0 && n < static_cast<int>(sizeof text))
            n += std::snprintf(text + n, sizeof text - static_cast<size_t>(n), " %s %ld%s", task_names[t],
                               tally.taskframes[t], t + 1 < TASKS ? "," : "");
    std::printf("%s; %ld walking plans made\n", text, fieldsmade);
}

// True when the run met every aim; with say, prints each one it fell short of.
bool CheckAims(unsigned seed, long frames, bool say)
{
    bool met = true;
    auto shortfall = [&](const char *what, long got, long wanted) {
        if (say)
            std::printf("autoplay: seed %u: aim not met: %s %ld, wanted at least %ld in %ld frames\n", seed, what, got, wanted,
                    frames);
        met = false;
    };
    const long crossings = AIM_CROSSINGS * frames / AIM_FRAMES;
    const long deaths = AIM_DEATHS * frames / AIM_FRAMES;
    if (tally.crossings < crossings)
        shortfall("map crossings", tally.crossings, crossings);
    if (tally.died < deaths)
        shortfall("deaths", tally.died, deaths);
    // The far kinds lie a dozen areas of wild land from the first town: only a full-length run must reach them.
    for (int k : reachable_kinds) {
        if (frames >= AIM_FRAMES && tally.entered[k] == 0) {
            char what[64];
            std::snprintf(what, sizeof what, "areas of kind %d entered", k);
            shortfall(what, 0, 1);
        }
    }
    for (int m = 0; m < PLAY_MODES; m++) {
        if (tally.modeframes[m] == 0) {
            char what[64];
            std::snprintf(what, sizeof what, "frames in mode %s", mode_names[m]);
            shortfall(what, 0, 1);
        }
    }
    return met;
}

} // namespace

static unsigned long long MixSeed(unsigned seed)
{
    unsigned long long z = seed + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return (z ^ (z >> 31)) | 1;
}

int RunAutoplay(unsigned seed, long frames, bool verbose)
{
    dice.state = MixSeed(seed);
    tally = Tally();
    agent = Agent();
    agent.areas = 1;
    fieldkey.goal = GOAL_NONE;
    fieldsmade = 0;
    const char *check = std::getenv("QUORVANE_AUTOPLAY_CHECK");
    const bool checking = check && std::strcmp(check, "1") == 0;
    skip_pacing = true;
    void (*previous)() = input_wait_hook;
    input_wait_hook = AnswerForAgent;
    char why[256];
    long frame = 0;
    int status = 0;
    Before before;
    for (; frame < frames && done != STATE_QUIT; frame++) {
        spaces_pushed = 0;
        PushAgentKeys();
        Remember(before);
        const int areax = player.areax;
        const int areay = player.areay;
        RunStateFrame();
        Count(before);
        // At every crossing, where the player's game is kept, it must come back whole
        // from its saved text (in memory: the self-play writes no file).
        if (done == STATE_PLAYING && (player.areax != areax || player.areay != areay) &&
            !CheckKeptGame(why, sizeof why)) {
            std::printf("autoplay: seed %u, frame %ld: the kept game: %s\n", seed, frame, why);
            status = 1;
            break;
        }
        if (!CheckGame(why, sizeof why)) {
            std::printf("autoplay: seed %u, frame %ld: %s\n", seed, frame, why);
            status = 1;
            break;
        }
    }
    // Steer back to the title and leave through "Exit".
    agent.random = true;
    if (status == 0) {
        long bound = 2000;
        while (done != STATE_QUIT && bound-- > 0) {
            PushWindDownKeys();
            RunStateFrame();
        }
        if (done != STATE_QUIT) {
            std::printf("autoplay: seed %u: could not get back to the title and out (state %d, mode %d, selection %d)\n",
                        seed, done, mode, selectmenu);
            status = 1;
        }
    }
    input_wait_hook = previous;
    const bool met = status != 0 || !checking || CheckAims(seed, frame, false);
    if (!met)
        status = 1;
    if (verbose) {
        std::printf("autoplay: seed %u, %ld frames, %ld deaths, %ld returns to the title, sounds loaded %d of 2, peak memory %ld KiB%s\n",
                    seed, frame, tally.deaths, tally.titles, CountSoundsLoaded(), PeakResidentKiB(), status ? ", FAILED" : "");
        PrintTally();
    }
    if (!met)
        CheckAims(seed, frame, true);
    if (status != 0 && RecordingPath())
        std::printf("autoplay: replay it with QUORVANE_REPLAY=%s\n", RecordingPath());
    std::fflush(stdout);
    return status;
}

// Plays the games of the shelf of recordings (tests/recordings) the way a player would:
// it looks at the map, walks where it means to go one key at a time, and answers the
// game's questions, through the game's own outer loop with QUORVANE_RECORD on, so that
// what it leaves is an ordinary recording.
//
//   quorvane_scenarios <name> <file>     plays one game into <file>
//   quorvane_scenarios --list            names the games
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <SDL/SDL.h>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "keep/record.h"
#include "platform/platform.h"
#include "player/player.h"
#include "screens/menu.h"
#include "selfplay/toolkit.h"
#include "shell/dice.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"
#include "world/tiles.h"

namespace {

GameKey answer = KEY_SPACE; // what the next modal wait is answered with

void Answer()
{
    PushKey(answer);
}

// A pause between keys, as a player's hand makes.
void Frames(int n)
{
    for (int i = 0; i < n && done != STATE_QUIT; i++)
        RunStateFrame();
}

void Press(GameKey key, int mod = MOD_NONE, int pause = 3)
{
    PushKey(key, mod);
    Frames(pause);
}

bool Passable(int x, int y)
{
    if (!OnMap(x, y) || IsWallTile(worldmap[y][x]))
        return false;
    int over = overmap[y][x];
    if ((over == OVER_TREE || over == OVER_PINE) && player.size > TREE_BLOCKING_SIZE)
        return false;
    return CreatureAt(x, y) < 0;
}

// The first step of a shortest walk to the nearest square that `goal` accepts (goal
// squares need not be passable: a creature, a door). False when none can be reached.
template <typename Goal>
bool FirstStep(Goal goal, int *dx, int *dy)
{
    static DistanceMap way;
    way.Clear();
    for (int y = 0; y < MAP_HEIGHT; y++)
        for (int x = 0; x < MAP_WIDTH; x++)
            if (goal(x, y))
                way.Goal(x, y);
    way.Spread(Passable, player.x, player.y);
    short best = DistanceMap::FAR;
    for (int sy = -1; sy <= 1; sy++)
        for (int sx = -1; sx <= 1; sx++) {
            const short d = way.At(player.x + sx, player.y + sy);
            if ((sx != 0 || sy != 0) && d < best) {
                best = d;
                *dx = sx;
                *dy = sy;
            }
        }
    return best != DistanceMap::FAR;
}

// Walks towards what goal accepts until done() holds; false if the way is lost.
template <typename Goal, typename Done>
bool WalkUntil(Goal goal, Done finished, int steps = 2000)
{
    while (steps-- > 0 && done == STATE_PLAYING) {
        if (finished())
            return true;
        if (mode != MODE_NORMAL)
            Press(KEY_ESCAPE);
        int dx = 0, dy = 0;
        if (!FirstStep(goal, &dx, &dy))
            return false;
        answer = KEY_Y; // "Are you sure?": yes, that one
        Press(PadKey(dx, dy), MOD_NONE, 2);
    }
    return finished();
}

// Crosses into the next map area in direction (dx, dy).
bool Travel(int dx, int dy)
{
    const int ax = player.areax, ay = player.areay;
    auto edge = [&](int x, int y) {
        return Passable(x, y) && ((dx > 0 && x == MAP_WIDTH - 1) || (dx < 0 && x == 0) || (dy > 0 && y == MAP_HEIGHT - 1) ||
                                  (dy < 0 && y == 0));
    };
    auto atedge = [&] { return edge(player.x, player.y) || player.areax != ax || player.areay != ay; };
    if (!WalkUntil(edge, atedge, 3000)) {
        std::printf("travel %d,%d: no way from %d,%d in area %d,%d (mode %d, state %d)\n", dx, dy, player.x, player.y,
                    player.areax, player.areay, mode, done);
        return false;
    }
    for (int tries = 0; tries < 5 && player.areax == ax && player.areay == ay && done == STATE_PLAYING; tries++)
        Press(PadKey(dx, dy));
    return player.areax != ax || player.areay != ay;
}

bool NextToMonster(bool hostileonly)
{
    for (int i = 0; i < curmonsters; i++) {
        const MonsterRecord &m = monsters[i];
        if (m.alive && (!hostileonly || m.hostility != FRIENDLY) && std::abs(m.x - player.x) <= 1 && std::abs(m.y - player.y) <= 1)
            return true;
    }
    return false;
}

// Fights creatures that `pick` accepts, one after another, until `finished` holds.
template <typename Pick, typename Done>
bool Fight(Pick pick, Done finished, int steps = 4000)
{
    auto target = [&](int x, int y) {
        int i = CreatureAt(x, y);
        return i >= 0 && pick(monsters[i]);
    };
    return WalkUntil(target, finished, steps);
}

bool AnyCreature(const MonsterRecord &) { return true; }

// What a level-one fighter can take on out in the wild.
bool WeakCreature(const MonsterRecord &m) { return m.maxdamage <= 3 && m.hostility != FRIENDLY; }


// Back to the title and out through "Exit", as a player leaves.
void LeaveGame()
{
    answer = KEY_SPACE;
    for (int bound = 400; done != STATE_QUIT && bound > 0; bound--) {
        if (done == STATE_PLAYING)
            Press(mode == MODE_NORMAL ? KEY_Q : KEY_ESCAPE, mode == MODE_NORMAL ? MOD_LSHIFT : MOD_NONE);
        else if (done == STATE_DEAD || done == STATE_OPTIONS)
            Press(KEY_ESCAPE);
        else if (selectmenu != 3)
            Press(KEY_UP);
        else
            Press(KEY_SPACE);
    }
}

void NewGameFromTitle()
{
    Frames(60); // the logo fades in
    while (done == STATE_MENU && selectmenu != 1)
        Press(KEY_DOWN);
    Press(KEY_SPACE);
}

// --- The games ---------------------------------------------------------------------

// The first town: a door opened and walked through and closed, an item picked up and
// dropped, the inventory, the help page, the history and the character sheet.
bool TownWalk()
{
    auto closeddoor = [](int x, int y) { return IsClosedDoorTile(worldmap[y][x]); };
    int ddx = 0, ddy = 0;
    auto besidedoor = [&] {
        for (int d = 0; d < 4; d++) {
            ddx = (d == 0) - (d == 1);
            ddy = (d == 2) - (d == 3);
            if (OnMap(player.x + ddx, player.y + ddy) && closeddoor(player.x + ddx, player.y + ddy))
                return true;
        }
        return false;
    };
    auto doorstep = [&](int x, int y) {
        for (int d = 0; d < 4; d++) {
            int nx = x + (d == 0) - (d == 1), ny = y + (d == 2) - (d == 3);
            if (OnMap(nx, ny) && closeddoor(nx, ny))
                return Passable(x, y);
        }
        return false;
    };
    bool ok = WalkUntil(doorstep, besidedoor, 600);
    Press(PadKey(ddx, ddy)); // opens the door
    Press(PadKey(ddx, ddy)); // into the doorway
    Press(PadKey(ddx, ddy)); // and in
    answer = PadKey(-ddx, -ddy);
    Press(KEY_C, MOD_NONE, 5); // the door behind closed again
    ok = ok && closeddoor(player.x - ddx, player.y - ddy);
    // The nearest item on the map: picked up, looked at, dropped.
    auto item = [](int x, int y) {
        for (int i = 0; i < cursmallitems; i++)
            if (items[i].getType() > 0 && items[i].getx() == x && items[i].gety() == y)
                return true;
        return false;
    };
    auto onitem = [&] { return item(player.x, player.y); };
    ok = WalkUntil(item, onitem, 600) && ok;
    Press(KEY_RETURN);
    Press(KEY_I, MOD_NONE, 10);
    Press(KEY_SPACE, MOD_NONE, 10);
    Press(KEY_ESCAPE);
    Press(KEY_ESCAPE);
    Press(KEY_D, MOD_NONE, 5);
    Press(KEY_A, MOD_NONE, 5);
    for (GameKey page : {KEY_QUESTION, KEY_N, KEY_C}) {
        Press(page, page == KEY_QUESTION ? MOD_NONE : MOD_LSHIFT, 20);
        Press(KEY_ESCAPE);
    }
    return ok && curhistory >= 0;
}

// Out of the town to the creatures of the wild: fights until a level is gained.
bool FightToLevel()
{
    const int level = player.level;
    const int skill = player.skill[0];
    auto grown = [&] { return player.level > level || done != STATE_PLAYING; };
    auto hurt = [] { return player.chp * 3 < player.mhp * 2; };
    // Out through the gate to fight; back into the town to rest when hurt.
    for (int trip = 0; trip < 12 && !grown(); trip++) {
        if (!Travel(0, 1))
            return false;
        Fight(WeakCreature, [&] { return grown() || hurt(); }, 400);
        if (grown() || !Travel(0, -1))
            break;
        for (int i = 0; i < 4 && player.chp < player.mhp && done == STATE_PLAYING; i++) {
            Press(KEY_H, MOD_NONE, 200);
            if (mode == MODE_RESTING)
                Press(KEY_ESCAPE);
        }
    }
    Frames(10);
    return player.level > level && player.skill[0] > skill;
}

// Through the wild and the grassland into the far kinds of land and back into a town.
bool Journey()
{
    static const int route[][2] = {{0, 1}, {0, 1}, {0, 1}, {0, 1}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {0, -1}, {0, -1}, {0, -1}, {0, -1}};
    for (const auto &leg : route) {
        if (!Travel(leg[0], leg[1]))
            return false;
        std::printf("now in area %d,%d (kind %d), frame %ld, hp %d/%d\n", player.areax, player.areay, player.area, FramesRun(), player.chp, player.mhp);
        Frames(10);
    }
    return player.area == AREA_TOWN;
}

// Hurt in a fight, then rest until whole, then go along the road.
bool RestAndGo()
{
    if (!Travel(0, 1))
        return false;
    Fight(AnyCreature, [] { return player.chp < player.mhp * 2 / 3 || done != STATE_PLAYING; });
    WalkUntil([](int, int) { return false; }, [] { return !NextToMonster(true); }, 1);
    answer = KEY_ESCAPE;
    Press(KEY_H, MOD_NONE, 400);
    Press(KEY_ESCAPE);
    for (GameKey dir : {KEY_KP6, KEY_KP2, KEY_KP4}) {
        answer = dir;
        Press(KEY_G, MOD_NONE, 120);
        Press(KEY_ESCAPE);
    }
    return done == STATE_PLAYING;
}

// Out of the town to a poisonous creature, fought until it poisons; then back through
// the gate and a walk through the streets with the poison working.
bool PoisonedWalk()
{
    auto poisonous = [](const MonsterRecord &m) { return m.attacktype == ATTACK_POISON; };
    for (int trip = 0; trip < 10 && !player.poisoned && done == STATE_PLAYING; trip++) {
        if (!Travel(0, 1))
            return false;
        Fight(poisonous, [] { return player.poisoned || player.chp * 2 < player.mhp || done != STATE_PLAYING; }, 400);
        if (!Travel(0, -1))
            return false;
        if (!player.poisoned)
            Press(KEY_H, MOD_NONE, 300);
    }
    const bool poisoned = player.poisoned;
    for (int i = 0; i < 40 && done == STATE_PLAYING; i++)
        Press(i / 10 % 2 ? KEY_KP4 : KEY_KP6, MOD_NONE, 2);
    return poisoned && done == STATE_PLAYING;
}

// Picks fights until killed; the tombstone; Escape to the title, and "Continue"?
bool Death()
{
    for (int leg = 0; leg < 8 && done == STATE_PLAYING; leg++) {
        Fight(AnyCreature, [] { return done != STATE_PLAYING; }, 1500);
        if (done == STATE_PLAYING)
            Travel(0, 1);
    }
    const bool died = done == STATE_DEAD;
    Frames(40);
    Press(KEY_ESCAPE, MOD_NONE, 30); // from the tombstone to the title
    if (done == STATE_MENU) {
        while (selectmenu != 0)
            Press(KEY_UP);
        Press(KEY_SPACE, MOD_NONE, 20); // "Continue"
    }
    return died;
}

struct Scenario {
    const char *name;
    unsigned seed;
    bool (*play)();
};

const Scenario scenarios[] = {
    {"town-walk", 11, TownWalk},
    {"fight-level", 22, FightToLevel},
    {"journey", 13, Journey},
    {"rest-go", 14, RestAndGo},
    {"poisoned", 32, PoisonedWalk},
    {"death", 16, Death},
};

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const Scenario &s : scenarios)
            std::printf("%s\n", s.name);
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorvane_scenarios <name> <file> | --list\n");
        return 2;
    }
    const Scenario *game = nullptr;
    for (const Scenario &s : scenarios)
        if (std::strcmp(s.name, argv[1]) == 0)
            game = &s;
    if (!game) {
        std::fprintf(stderr, "quorvane_scenarios: no game called %s\n", argv[1]);
        return 2;
    }
    setenv("QUORVANE_RECORD", argv[2], 1);
    unsetenv("QUORVANE_REPLAY");
    unsigned seed = game->seed;
    if (const char *other = std::getenv("SCENARIO_SEED")) // for finding a seed that plays the game out
        seed = static_cast<unsigned>(std::strtoul(other, nullptr, 10));
    int status = StartRecordedGame(&seed);
    if (status >= 0)
        return status;
    SeedDice(seed);
    StartPlatform();
    StartGame();
    skip_pacing = true;
    input_wait_hook = Answer;
    NewGameFromTitle();
    bool ok = game->play();
    long frames = FramesRun();
    LeaveGame();
    FinishRecordedGame();
    std::printf("%s: %s, %ld frames, level %d, area %d,%d, %s\n", game->name, ok ? "played" : "FAILED", frames,
                player.level, player.areax, player.areay, done == STATE_QUIT ? "left through Exit" : "did not get out");
    return ok ? 0 : 1;
}

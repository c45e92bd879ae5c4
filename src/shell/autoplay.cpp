#include "shell/autoplay.h"

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

#include <SDL/SDL.h>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "shell/menu.h"
#include "shell/sound.h"
#include "world/level.h"

namespace {

// Our own generator, so that the keys do not disturb the game's dice.
unsigned long long dice = 1;

unsigned Roll(unsigned n)
{
    dice ^= dice << 13;
    dice ^= dice >> 7;
    dice ^= dice << 17;
    return static_cast<unsigned>(dice % n);
}

void Push(SDLKey key, SDLMod mod)
{
    SDL_Event ev;
    std::memset(&ev, 0, sizeof ev);
    ev.type = SDL_KEYDOWN;
    ev.key.type = SDL_KEYDOWN;
    ev.key.state = SDL_PRESSED;
    ev.key.keysym.sym = key;
    ev.key.keysym.mod = mod;
    SDL_PushEvent(&ev);
    ev.type = SDL_KEYUP;
    ev.key.type = SDL_KEYUP;
    ev.key.state = SDL_RELEASED;
    SDL_PushEvent(&ev);
}

const SDLKey moves[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_KP1, SDLK_KP2, SDLK_KP3,
                        SDLK_KP4, SDLK_KP5, SDLK_KP6, SDLK_KP7, SDLK_KP8, SDLK_KP9};
const SDLKey others[] = {SDLK_RETURN, SDLK_ESCAPE, SDLK_SPACE, SDLK_KP_ENTER, SDLK_SLASH, SDLK_QUESTION,
                         SDLK_y, SDLK_n};

SDLKey AnyMove() { return moves[Roll(sizeof moves / sizeof moves[0])]; }

SDLKey AnyLetter() { return static_cast<SDLKey>(SDLK_a + Roll(26)); }

// A key a player might press now.
void PushPlayKey()
{
    unsigned r = Roll(100);
    SDLMod mod = Roll(4) == 0 ? KMOD_LSHIFT : KMOD_NONE;
    if (r < 45)
        Push(AnyMove(), KMOD_NONE);
    else if (r < 75)
        Push(AnyLetter(), mod);
    else if (r < 98)
        Push(others[Roll(sizeof others / sizeof others[0])], mod);
    else if (Roll(10) == 0)
        Push(SDLK_q, KMOD_LSHIFT); // back to the title now and then
    else if (Roll(25) == 0)
        Push(SDLK_F1, KMOD_NONE);
    else
        Push(AnyMove(), KMOD_NONE);
}

void PushMenuKey()
{
    unsigned r = Roll(10);
    if (r < 3)
        Push(SDLK_UP, KMOD_NONE);
    else if (r < 6)
        Push(SDLK_DOWN, KMOD_NONE);
    else if (r < 9) {
        if (selectmenu != 3) // "Exit" would end the run early
            Push(SDLK_SPACE, KMOD_NONE);
    } else if (played) {
        Push(SDLK_ESCAPE, KMOD_NONE);
    } else {
        Push(SDLK_RETURN, KMOD_NONE);
    }
}

// Answers a modal wait (direction, yes/no, level-up, death) with a random key.
void AnswerWait()
{
    unsigned r = Roll(10);
    if (r < 5)
        Push(AnyMove(), KMOD_NONE);
    else if (r < 7)
        Push(Roll(2) ? SDLK_y : SDLK_n, KMOD_NONE);
    else if (r < 9)
        Push(Roll(2) ? SDLK_SPACE : SDLK_ESCAPE, KMOD_NONE);
    else
        Push(AnyLetter(), KMOD_NONE);
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
        case STATE_OPTIONS: Push(Roll(3) ? (Roll(2) ? SDLK_UP : SDLK_DOWN) : (Roll(2) ? SDLK_ESCAPE : SDLK_RETURN), KMOD_NONE); break;
        case STATE_DEAD: Push(Roll(2) ? SDLK_SPACE : SDLK_ESCAPE, KMOD_NONE); break;
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
            Push(SDLK_q, KMOD_LSHIFT);
        else
            Push(SDLK_ESCAPE, KMOD_NONE);
        break;
    case STATE_DEAD: Push(SDLK_SPACE, KMOD_NONE); break;
    case STATE_OPTIONS: Push(SDLK_ESCAPE, KMOD_NONE); break;
    case STATE_MENU:
        if (fadeimg > 199 && selectmenu == 3)
            Push(SDLK_SPACE, KMOD_NONE);
        else
            Push(SDLK_UP, KMOD_NONE);
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

} // namespace

bool CheckInvariants(char *why, int size)
{
    auto fail = [&](const char *what, int a, int b) {
        std::snprintf(why, static_cast<size_t>(size), "%s (%d, %d)", what, a, b);
        return false;
    };
    if (done < STATE_QUIT || done > STATE_DEAD)
        return fail("done out of range", done, 0);
    if (mode < MODE_NORMAL || mode > MODE_HISTORY)
        return fail("mode out of range", mode, 0);
    if (oldmode < MODE_NORMAL || oldmode > MODE_HISTORY)
        return fail("oldmode out of range", oldmode, 0);
    if (!OnMap(player.x, player.y))
        return fail("player off the map", player.x, player.y);
    if (player.viewx < 0 || player.viewx > MAP_WIDTH - VIEW_COLS || player.viewy < 0 || player.viewy > MAP_HEIGHT - VIEW_ROWS)
        return fail("view off the map", player.viewx, player.viewy);
    if (player.areax < 0 || player.areax >= WORLD_COLS || player.areay < 0 || player.areay >= WORLD_ROWS)
        return fail("world cell off the world", player.areax, player.areay);
    if (curmonsters < 0 || curmonsters > MONSTER_LIMIT)
        return fail("curmonsters out of range", curmonsters, 0);
    for (int i = 0; i < curmonsters; i++) {
        const MonsterRecord &m = monsters[i];
        if (!m.alive)
            continue;
        if (!OnMap(m.x, m.y))
            return fail("monster off the map", i, m.x * 1000 + m.y);
        if (m.kind <= 0 || m.kind >= NUM_MONSTER_KINDS)
            return fail("live monster of no kind", i, m.kind);
        if (IsWallTile(worldmap[m.y][m.x]))
            return fail("monster in a wall", i, worldmap[m.y][m.x]);
        for (int j = i + 1; j < curmonsters; j++)
            if (monsters[j].alive && monsters[j].x == m.x && monsters[j].y == m.y)
                return fail("two monsters on one cell", i, j);
    }
    if (cursmallitems < 0 || cursmallitems > MAX_MAP_ITEMS)
        return fail("cursmallitems out of range", cursmallitems, 0);
    int occupied = 0;
    int lastkind = 0;
    bool seenempty = false;
    for (int i = 0; i < INVENTORY_SLOTS; i++) {
        int k = user_inventory[i].getType();
        if (k < 0 || k >= NUM_ITEM_KINDS)
            return fail("inventory slot of no kind", i, k);
        if (k == 0) {
            seenempty = true;
            continue;
        }
        if (seenempty)
            return fail("inventory: an item after an empty slot", i, k);
        if (k <= lastkind)
            return fail("inventory not sorted", i, k);
        if (user_amounts[k] <= 0)
            return fail("inventory: carried kind with no count", i, k);
        lastkind = k;
        occupied++;
    }
    if (occupied != curitems)
        return fail("curitems disagrees with the slots", curitems, occupied);
    int counted = 0;
    for (int k = 0; k < NUM_ITEM_KINDS; k++)
        if (user_amounts[k] != 0)
            counted++;
    if (counted != curitems)
        return fail("user_amounts disagrees with curitems", counted, curitems);
    if (curhistory < -1 || curhistory > HISTORY_LINES - 1)
        return fail("curhistory out of range", curhistory, 0);
    for (int k = 0; k <= curhistory; k++)
        if (std::memchr(history[k].text, '\0', HISTORY_TEXT) == nullptr)
            return fail("history line not terminated", k, 0);
    if (gametime < 0 || gametime > 2999)
        return fail("gametime out of range", gametime, 0);
    return true;
}

static unsigned long long MixSeed(unsigned seed)
{
    unsigned long long z = seed + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return (z ^ (z >> 31)) | 1;
}

int RunAutoplay(unsigned seed, long frames, bool verbose)
{
    dice = MixSeed(seed);
    skip_pacing = true;
    void (*previous)() = input_wait_hook;
    input_wait_hook = AnswerWait;
    long deaths = 0, titles = 0;
    int laststate = done;
    char why[256];
    long frame = 0;
    int status = 0;
    for (; frame < frames && done != STATE_QUIT; frame++) {
        PushKeysFor(done);
        RunStateFrame();
        if (done != laststate) {
            if (done == STATE_DEAD)
                deaths++;
            if (done == STATE_MENU)
                titles++;
            laststate = done;
        }
        if (!CheckInvariants(why, sizeof why)) {
            std::printf("autoplay: seed %u, frame %ld: %s\n", seed, frame, why);
            status = 1;
            break;
        }
    }
    // Steer back to the title and leave through "Exit".
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
    if (verbose)
        std::printf("autoplay: seed %u, %ld frames, %ld deaths, %ld returns to the title, sounds loaded %d of 2, peak memory %ld KiB%s\n",
                    seed, frame, deaths, titles, CountSoundsLoaded(), PeakResidentKiB(), status ? ", FAILED" : "");
    std::fflush(stdout);
    return status;
}

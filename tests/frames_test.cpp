// The map view drawn the quick way (the ground layer, blank overlays skipped) shows the same
// pixels as the view drawn tile by tile from scratch, frame after frame of random play in
// every kind of area, summer and winter, through doors, gates, look mode and the sky.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "creatures/monster.h"
#include "harness.h"
#include "player/player.h"
#include "selfplay/toolkit.h"
#include "shell/global.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int FRAMES = 150;
#else
constexpr int FRAMES = 900;
#endif

Dice dice;

unsigned Roll(unsigned n) { return dice.Roll(n); }

const GameKey moves[] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_KP1, KEY_KP3, KEY_KP7, KEY_KP9, KEY_KP5};
// Mostly walking; opening and closing doors, looking around, centring the view, leaving screens.
const GameKey others[] = {KEY_O, KEY_C, KEY_L, KEY_KP_ENTER, KEY_ESCAPE, KEY_RETURN, KEY_G};

GameKey AnyMove() { return moves[Roll(sizeof moves / sizeof moves[0])]; }

void AnswerWithMove() { qt::Key(AnyMove()); }

std::vector<Uint8> Pixels()
{
    SDL_LockSurface(screen);
    const Uint8 *p = static_cast<const Uint8 *>(screen->pixels);
    std::vector<Uint8> copy(p, p + static_cast<size_t>(screen->pitch) * static_cast<size_t>(screen->h));
    SDL_UnlockSurface(screen);
    return copy;
}

// The first pixel that differs, as "x,y", or "" when the two frames are the same.
std::string FirstDifference(const std::vector<Uint8> &a, const std::vector<Uint8> &b)
{
    for (size_t i = 0; i < a.size(); i++) {
        if (a[i] != b[i]) {
            size_t row = i / static_cast<size_t>(screen->pitch);
            size_t col = (i % static_cast<size_t>(screen->pitch)) / screen->format->BytesPerPixel;
            return std::to_string(col) + "," + std::to_string(row);
        }
    }
    return "";
}

struct Start {
    const char *what;
    int areax, areay;
    int day;
    int x, y;
};
constexpr int AT_DOOR = -1;

// World cells: (0,0) the first town, (1,0) a wilderness beside it, (4,1) grassland.
const Start starts[] = {
    {"town in summer, at a house door", 0, 0, 1, AT_DOOR, 0},
    {"town in winter, at a house door", 0, 0, 200, AT_DOOR, 0},
    {"wilderness, walking west into the town's gate", 1, 0, 1, 1, 40},
    {"grassland, walking west into a wilderness", 4, 1, 1, 1, 30},
    {"wilderness in winter", 1, 1, 250, 120, 40},
};

TEST(Frames, TheQuickViewIsThePictureDrawnFromScratch)
{
    for (unsigned n = 0; n < sizeof starts / sizeof starts[0]; n++) {
        const Start &s = starts[n];
        const unsigned seed = 12 + n;
        qt::NewSeededGame(seed);
        dice.state = seed * 7919ULL + 1;
        input_wait_hook = AnswerWithMove;
        gamedays = s.day;
        player.areax = s.areax;
        player.areay = s.areay;
        player.area = hugemap[s.areay][s.areax];
        NewMap(player.area);
        NewMonsters(player.area);
        player.mhp = player.chp = 100000;
        if (s.x == AT_DOOR) {
            // Just below the door of the first house of the second row.
            const HouseRecord &h = houses[1][0];
            player.x = h.x + h.doorx;
            player.y = h.y + h.height;
        } else {
            player.x = s.x;
            player.y = s.y;
        }
        player.viewx = player.x - 10;
        player.viewy = player.y - 7;
        FixScreen();
        for (int frame = 0; frame < FRAMES && done == STATE_PLAYING; frame++) {
            if (Roll(3) != 0)
                qt::Key(AnyMove());
            else
                qt::Key(others[Roll(sizeof others / sizeof others[0])]);
            qt::Frame();
            bool onmap = mode == MODE_NORMAL || mode == MODE_LOOKING || mode == MODE_GOING || mode == MODE_RESTING;
            if (done != STATE_PLAYING || !onmap)
                continue;
            DrawPlayView();
            std::vector<Uint8> quick = Pixels();
            draw_from_scratch = true;
            DrawPlayView();
            draw_from_scratch = false;
            std::string at = FirstDifference(quick, Pixels());
            ASSERT_EQ(at, "") << "seed " << seed << ", " << s.what << ", frame " << frame
                              << ": the quick view differs at pixel " << at;
        }
    }
    qt::UseScriptedWaits();
}

} // namespace

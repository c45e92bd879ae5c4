// The mouse, and a finger in the page, as the game takes them: a click chooses on the
// title and the options, picks an inventory slot, leaves a page, answers a question and
// "Which direction?", and on the map waits, steps, travels, stops travel and looks.
#include <gtest/gtest.h>

#include "creatures/monster.h"
#include "harness.h"
#include "items/inventory.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/global.h"
#include "shell/input.h"
#include "shell/main.h"
#include "world/look.h"

namespace {

using qt::PX;
using qt::PY;

void OnTitle(bool withgame)
{
    qt::Boot();
    qt::Drain();
    played = withgame;
    done = STATE_MENU;
    selectmenu = 1;
    fadeimg = 255;
    fadecount = 0;
}

} // namespace

TEST(Pointer, TheTitleAndTheOptionsByPointingAndClicking)
{
    OnTitle(false);
    qt::PointTo(350, 462); // over "Options"
    qt::Frame(1);
    EXPECT_EQ(selectmenu, 2);
    qt::PointTo(350, 432); // "Continue" is not there without a game
    qt::Frame(1);
    EXPECT_EQ(selectmenu, 2);
    qt::Click(350, 462);
    qt::Frame(1);
    EXPECT_EQ(done, STATE_OPTIONS);
    qt::Click(350, 462); // "Return to Menu"
    qt::Frame(1);
    EXPECT_EQ(done, STATE_MENU);
    qt::Click(600, 200); // nowhere near the menu
    qt::Frame(1);
    EXPECT_EQ(done, STATE_MENU);
    qt::Click(350, 447); // "New Game"
    qt::Frame(1);
    EXPECT_EQ(qt::Row({done, mode, played}), qt::Row({STATE_PLAYING, MODE_NORMAL, 1}));
}

TEST(Pointer, TheInventoryItsSlotsItsPagesAndTheDropScreen)
{
    qt::Field(41);
    AddItem(5, false);
    AddItem(9, false);
    EXPECT_EQ(qt::Press(KEY_I), MODE_INVENTORY);
    // The second row's third slot, letter H.
    qt::Click(35 + 90 * 2 + 40, 75 + 70 + 30);
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, displayitem}), qt::Row({MODE_ITEM, 7}));
    qt::Click(700, 500); // anywhere on a page leaves it
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_INVENTORY);
    qt::Click(520, 105); // "ESC - Return to game"
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);

    // The drop screen: a click on a slot drops one of it.
    const int before = curitems;
    EXPECT_EQ(qt::Press(KEY_D), MODE_INVENTORY);
    qt::Click(35 + 40, 75 + 30); // slot A
    qt::Frame(2);
    EXPECT_EQ(qt::Row({mode, curitems}), qt::Row({MODE_NORMAL, before - 1}));
}

TEST(Pointer, AClickOnTheMapWaitsStepsOrTravelsAndAnyClickStopsTravel)
{
    qt::Field(42);
    int t = gametime;
    qt::Click(qt::CellPixelX(PX), qt::CellPixelY(PY)); // on the player: a turn
    qt::Frame(2);
    EXPECT_EQ(qt::Row({player.x, player.y, gametime}), qt::Row({PX, PY, t + 1}));
    qt::Click(qt::CellPixelX(PX + 1), qt::CellPixelY(PY + 1)); // the next cell: a step
    qt::Frame(2);
    EXPECT_EQ(qt::Row({player.x, player.y, gametime}), qt::Row({PX + 1, PY + 1, t + 2}));
    qt::Click(qt::CellPixelX(PX + 9), qt::CellPixelY(PY + 1)); // farther: travel
    qt::Frame(3);
    EXPECT_EQ(mode, MODE_TRAVELLING);
    const int x = player.x;
    EXPECT_GT(x, PX + 1);
    qt::Click(700, 300); // a click anywhere stops it, even on the status column
    qt::Frame(3);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_LE(player.x, x + 1);
    // A click on the status column and the message strip does nothing else.
    t = gametime;
    qt::Click(700, 300);
    qt::Click(300, 520);
    qt::Frame(2);
    EXPECT_EQ(qt::Row({mode, gametime}), qt::Row({MODE_NORMAL, t}));
}

TEST(Pointer, TheRightButtonLooksAndShowsACreaturesPage)
{
    qt::Field(43);
    const int slot = qt::PlaceCreature(5, PX + 3, PY - 2, HOSTILE);
    const int t = gametime;
    qt::Click(qt::CellPixelX(PX + 3), qt::CellPixelY(PY - 2), BUTTON_RIGHT);
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, displaymonster, gametime}), qt::Row({MODE_MONSTER_DETAILS, slot, t}));
    qt::Click(400, 300);
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, cursorx, cursory}), qt::Row({MODE_LOOKING, PX + 3, PY - 2}));
    // In look mode a click looks at another cell.
    qt::Click(qt::CellPixelX(PX - 4), qt::CellPixelY(PY + 2));
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, cursorx, cursory}), qt::Row({MODE_LOOKING, PX - 4, PY + 2}));
    EXPECT_EQ(qt::Press(KEY_ESCAPE), MODE_NORMAL);
}

TEST(Pointer, AClickAnswersTheDirectionAndTheWaits)
{
    qt::Field(44);
    static int cx, cy;
    input_wait_hook = [] { qt::Click(cx, cy); };
    struct {
        int dx, dy;
        int gotdir;
    } cases[] = {{1, 0, 1}, {-1, -1, 1}, {0, 1, 1}, {0, 0, 0}, {3, 0, 0}};
    for (const auto &c : cases) {
        mode = MODE_GOING;
        cx = qt::CellPixelX(player.x + c.dx);
        cy = qt::CellPixelY(player.y + c.dy);
        GetDirection();
        EXPECT_EQ(qt::Row({player.gotdir, xchange, ychange}), qt::Row({c.gotdir, c.gotdir ? c.dx : 0, c.gotdir ? c.dy : 0}))
            << c.dx << "," << c.dy;
        EXPECT_EQ(mode, c.gotdir ? MODE_GOING : MODE_NORMAL);
    }
    // The level-up notice goes on at a click, or a tap.
    mode = MODE_NORMAL;
    const int level = player.level;
    player.exp = level_gains[level];
    cx = 400, cy = 300;
    qt::Frame(1);
    EXPECT_EQ(player.level, level + 1);
    qt::UseScriptedWaits();
}

TEST(Pointer, AClickOnTheTombstoneGivesTheGameUp)
{
    qt::Field(45);
    player.chp = -1;
    qt::ScriptWaits({KEY_SPACE, KEY_SPACE});
    qt::Frame(2);
    ASSERT_EQ(done, STATE_DEAD);
    qt::Click(400, 300);
    qt::Frame(1);
    EXPECT_EQ(qt::Row({done, played}), qt::Row({STATE_MENU, 0}));
}


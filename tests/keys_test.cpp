// Held keys and keyboards without a keypad: a held direction key walks, held cursor keys
// move the cursors, every other key acts once a press; Home, PgUp, End and PgDn are the
// diagonals and Clear waits. Keys go in as SDL sends them: a key-down, a key-down for each
// repeat, the key-up.
#include <gtest/gtest.h>

#include <vector>

#include "creatures/monster.h"
#include "harness.h"
#include "items/inventory.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/global.h"
#include "shell/main.h"
#include "world/level.h"
#include "world/look.h"

namespace {

using V = std::vector<int>;
V Place() { return {player.x, player.y}; }

// An open field, the player at (100, 30).
void Field()
{
    qt::StandIn(5, 4, 1, 100, 30, true);
    qt::Drain();
}

// A key pressed and held for a frame.
void Hold(GameKey key)
{
    qt::KeyDown(key);
    qt::Frame(1);
}

// Repeats of a held key, one a frame.
void Repeat(GameKey key, int frames)
{
    for (int i = 0; i < frames; i++) {
        qt::KeyDown(key);
        qt::Frame(1);
    }
}

int waits;
void AnswerWithRepeat() { waits += 1, qt::KeyDown(KEY_RIGHT); }

} // namespace

TEST(HeldKeys, AHeldDirectionKeyWalksAStepARepeatAndOneTurnAFrame)
{
    Field();
    const int t0 = gametime;
    qt::KeyDown(KEY_RIGHT);
    qt::Frame(1);
    Repeat(KEY_RIGHT, 4);
    qt::Frame(1);
    EXPECT_EQ(Place(), V({105, 30}));
    EXPECT_EQ(gametime, t0 + 5);
    // Repeats that pile up in one frame still make one turn; the key-up ends the walk.
    qt::KeyDown(KEY_RIGHT), qt::KeyDown(KEY_RIGHT), qt::KeyDown(KEY_RIGHT);
    qt::Frame(2);
    qt::KeyUp(KEY_RIGHT);
    qt::Frame(3);
    EXPECT_EQ(Place(), V({106, 30}));
    EXPECT_EQ(gametime, t0 + 6);
    // A held diagonal without a keypad, and a held wait.
    Hold(KEY_PAGEDOWN);
    Repeat(KEY_PAGEDOWN, 2);
    qt::KeyUp(KEY_PAGEDOWN);
    Hold(KEY_CLEAR);
    Repeat(KEY_CLEAR, 2);
    qt::KeyUp(KEY_CLEAR);
    qt::Frame(2);
    EXPECT_EQ(Place(), V({109, 33}));
    EXPECT_EQ(gametime, t0 + 12);
}

TEST(HeldKeys, CommandKeysAnswersAndEscapeActOnceAPress)
{
    Field();
    // A held i opens the inventory once; its repeats do not reopen it after Escape.
    qt::KeyDown(KEY_I);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_INVENTORY);
    qt::Key(KEY_ESCAPE);
    Repeat(KEY_I, 3);
    EXPECT_EQ(mode, MODE_NORMAL);
    qt::KeyUp(KEY_I);
    EXPECT_EQ(qt::Press(KEY_I), MODE_INVENTORY); // pressed again, it acts again
    // A held letter picks one pocket; a held Escape leaves one screen.
    qt::Key(KEY_ESCAPE);
    qt::Frame(1);
    qt::Press(KEY_I);
    qt::KeyDown(KEY_ESCAPE);
    qt::Frame(1);
    qt::Press(KEY_L);
    Repeat(KEY_ESCAPE, 3);
    EXPECT_EQ(mode, MODE_LOOKING);
    qt::KeyUp(KEY_ESCAPE);

    // A held y over a creature opens its details once.
    const int slot = qt::PlaceCreature(11, 101, 30, HOSTILE);
    cursorx = 101, cursory = 30;
    qt::KeyDown(KEY_Y);
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, displaymonster}), qt::Row({MODE_MONSTER_DETAILS, slot}));
    qt::Key(KEY_ESCAPE);
    Repeat(KEY_Y, 3);
    EXPECT_EQ(mode, MODE_LOOKING);
    qt::KeyUp(KEY_Y);
    qt::Key(KEY_ESCAPE);
    qt::Frame(1);

    // A held g asks its way once; the answer, held, neither stops the going nor walks after it.
    monsters[slot].x = 80;
    input_wait_hook = [] { qt::KeyDown(KEY_DOWN); };
    Hold(KEY_G);
    EXPECT_EQ(mode, MODE_GOING);
    Repeat(KEY_DOWN, 3);
    EXPECT_EQ(qt::Row({mode, player.y}), qt::Row({MODE_GOING, 33}));
    qt::KeyUp(KEY_G);
    qt::KeyUp(KEY_DOWN);
    qt::Key(KEY_ESCAPE);
    qt::Frame(1);
    Repeat(KEY_DOWN, 2);
    EXPECT_EQ(qt::Row({mode, player.y}), qt::Row({MODE_NORMAL, 36}));
    qt::UseScriptedWaits();
}

TEST(HeldKeys, AWalkHeldIntoAPeacefulTownspersonAnswersNoAndMovesNobody)
{
    Field();
    player.peace = 1;
    const int slot = qt::PlaceCreature(21, 102, 30, FRIENDLY);
    waits = 0;
    input_wait_hook = AnswerWithRepeat; // the key is still held when the question comes
    qt::KeyDown(KEY_RIGHT);
    qt::Frame(1);
    Repeat(KEY_RIGHT, 6);
    EXPECT_EQ(waits, 1); // asked once, answered by the held key; its repeats walk no more
    EXPECT_EQ(Place(), V({101, 30}));
    EXPECT_TRUE(qt::At(slot, 102, 30));
    EXPECT_EQ(qt::Row({monsters[slot].chp, monsters[slot].hostility, player.peace}), qt::Row({50, FRIENDLY, 1}));
    // Let go and pressed again, the key asks again.
    qt::KeyUp(KEY_RIGHT);
    qt::Frame(1);
    qt::Key(KEY_RIGHT);
    qt::Frame(1);
    EXPECT_EQ(waits, 2);
    qt::UseScriptedWaits();
    qt::Drain();
    EXPECT_EQ(Place(), V({101, 30}));
}

TEST(HeldKeys, HeldCursorKeysMoveTheCursorsOfTheTitleOptionsLookAndInventory)
{
    qt::NewSeededGame(8);
    done = STATE_MENU, selectmenu = 0;
    qt::KeyDown(KEY_DOWN);
    qt::Frame(1);
    Repeat(KEY_DOWN, 2);
    EXPECT_EQ(selectmenu, 3);
    qt::KeyUp(KEY_DOWN);
    qt::KeyDown(KEY_SPACE); // "Exit" is not chosen twice over: a held space is one choice
    qt::Frame(1);
    EXPECT_EQ(done, STATE_QUIT);
    qt::KeyUp(KEY_SPACE);
    qt::Drain();

    done = STATE_OPTIONS, selectmenu = 0;
    Hold(KEY_UP);
    Repeat(KEY_UP, 2);
    EXPECT_EQ(selectmenu, 1);
    qt::KeyUp(KEY_UP);
    qt::Key(KEY_ESCAPE);
    qt::Frame(1);

    done = STATE_PLAYING, mode = MODE_INVENTORY, displayitem = 0;
    Hold(KEY_RIGHT);
    Repeat(KEY_RIGHT, 3);
    EXPECT_EQ(displayitem, 4);
    qt::KeyUp(KEY_RIGHT);

    Field();
    qt::Press(KEY_L);
    Hold(KEY_UP);
    Repeat(KEY_UP, 3);
    qt::KeyUp(KEY_UP);
    Hold(KEY_HOME);
    Repeat(KEY_HOME, 1);
    qt::KeyUp(KEY_HOME);
    qt::Frame(1);
    EXPECT_EQ(qt::Row({cursorx, cursory, mode}), qt::Row({98, 24, MODE_LOOKING}));
}

TEST(NoKeypad, HomePgUpEndAndPgDnAreTheDiagonalsOfPlayLookAndTheDirectionQuestion)
{
    const struct {
        GameKey key;
        int dx, dy;
    } cases[] = {{KEY_HOME, -1, -1}, {KEY_PAGEUP, 1, -1}, {KEY_END, -1, 1}, {KEY_PAGEDOWN, 1, 1}};
    Field();
    for (const auto &c : cases) {
        player.x = 100, player.y = 30;
        const int t0 = gametime;
        qt::Press(c.key, 2);
        EXPECT_EQ(Place(), V({100 + c.dx, 30 + c.dy})) << c.key;
        EXPECT_EQ(gametime, t0 + 1) << c.key;

        player.x = 100, player.y = 30;
        qt::Press(KEY_L);
        qt::Press(c.key);
        EXPECT_EQ(qt::Row({cursorx, cursory}), qt::Row({100 + c.dx, 30 + c.dy})) << c.key;
        qt::Press(KEY_ESCAPE);

        qt::ScriptWaits({c.key});
        qt::Press(KEY_G);
        EXPECT_EQ(qt::Row({player.gotdir, xchange, ychange, mode}), qt::Row({1, c.dx, c.dy, MODE_GOING})) << c.key;
        qt::Press(KEY_ESCAPE, 2);
    }
    // Clear (keypad 5 without NumLock on some systems) waits a turn; keypad Enter does not.
    player.x = 100, player.y = 30;
    const int t0 = gametime;
    qt::Press(KEY_CLEAR, 2);
    EXPECT_EQ(qt::Row({player.x, player.y, gametime}), qt::Row({100, 30, t0 + 1}));
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

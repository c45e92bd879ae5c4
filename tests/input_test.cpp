// Keys and the mouse as the machine hands them over (not pushed into the game's own
// queue): the game's own repeat of a held key at one pace on every platform, the keys
// the keyboard holds when a question is answered, and the pointer shown while the mouse
// is used.
#include <gtest/gtest.h>

#include <cstring>

#include "harness.h"
#include "items/inventory.h"
#include "platform/null/null.h"
#include "player/player.h"
#include "shell/global.h"
#include "shell/input.h"
#include "shell/main.h"

namespace {

void Machine(int type, GameKey key, int x = 0, int y = 0)
{
    InputEvent ev;
    ev.type = type;
    ev.key = key;
    ev.x = x;
    ev.y = y;
    ev.button = type == INPUT_POINTER_DOWN || type == INPUT_POINTER_UP ? BUTTON_LEFT : BUTTON_NONE;
    PushNullPlatformEvent(ev);
    if (type == INPUT_KEYDOWN || type == INPUT_KEYUP)
        null_keys_held[key] = type == INPUT_KEYDOWN;
}

// Frames with the clock moved on by ms before each.
void Wait(unsigned ms, int frames = 1)
{
    for (int i = 0; i < frames; i++) {
        null_clock += ms;
        qt::Frame(1);
    }
}

struct ManualClock {
    ManualClock() { null_clock_manual = true, null_clock = 1000; }
    ~ManualClock()
    {
        null_clock_manual = false;
        std::memset(null_keys_held, 0, sizeof null_keys_held);
        qt::Drain();
    }
};

} // namespace

TEST(Input, AHeldKeyRepeatsAfterHalfASecondThenEveryFiftiethAndStopsWhenLetGo)
{
    qt::Field(51);
    ManualClock clock;
    Machine(INPUT_KEYDOWN, KEY_DOWN);
    Wait(0, 2);
    EXPECT_EQ(player.y, qt::PY + 1) << "the press";
    Wait(100, 4); // 400 ms held: no repeat yet
    EXPECT_EQ(player.y, qt::PY + 1);
    Wait(100, 2); // the first repeat at 500 ms, the next at 600 (one a frame at most)
    EXPECT_EQ(player.y, qt::PY + 3);
    Wait(50, 4); // one repeat every 50 ms
    EXPECT_EQ(player.y, qt::PY + 7);
    Machine(INPUT_KEYUP, KEY_DOWN);
    Wait(50, 4);
    EXPECT_EQ(player.y, qt::PY + 7) << "let go";

    // A held key that acts once a press repeats too, and acts once.
    Machine(INPUT_KEYDOWN, KEY_I);
    Wait(100, 10);
    EXPECT_EQ(qt::Row({mode, displayitem}), qt::Row({MODE_INVENTORY, 0}));
    Machine(INPUT_KEYUP, KEY_I);
    Machine(INPUT_KEYDOWN, KEY_ESCAPE);
    Machine(INPUT_KEYUP, KEY_ESCAPE);
    Wait(40, 2);
    EXPECT_EQ(mode, MODE_NORMAL);
}

TEST(Input, TheKeyboardsHeldKeysDecideTheDirection)
{
    qt::Field(52);
    ManualClock clock;
    // Right held from before the prompt, then another key: east, as the keys read held.
    Machine(INPUT_KEYDOWN, KEY_RIGHT);
    qt::Frame(1);
    null_keys_held[KEY_RIGHT] = 1;
    input_wait_hook = [] { Machine(INPUT_KEYDOWN, KEY_X); };
    mode = MODE_GOING;
    GetDirection();
    EXPECT_EQ(qt::Row({player.gotdir, xchange, ychange, mode}), qt::Row({1, 1, 0, MODE_GOING}));
    qt::UseScriptedWaits();
}

TEST(Input, ThePointerShowsWhileTheMouseIsUsedAndHidesAtAKey)
{
    qt::Field(53);
    ManualClock clock;
    Machine(INPUT_POINTER_MOVE, KEY_UNKNOWN, 100, 100);
    qt::Frame(1);
    EXPECT_TRUE(null_pointer_shown);
    Machine(INPUT_KEYDOWN, KEY_KP5);
    Machine(INPUT_KEYUP, KEY_KP5);
    qt::Frame(1);
    EXPECT_FALSE(null_pointer_shown);
    // A click from the machine acts as a pushed one does: on the player, a turn.
    const int t = gametime;
    Machine(INPUT_POINTER_DOWN, KEY_UNKNOWN, qt::CellPixelX(player.x), qt::CellPixelY(player.y));
    Machine(INPUT_POINTER_UP, KEY_UNKNOWN, qt::CellPixelX(player.x), qt::CellPixelY(player.y));
    qt::Frame(2);
    EXPECT_TRUE(null_pointer_shown);
    EXPECT_EQ(gametime, t + 2); // keypad 5 and the click
}

// The message history and its screen, the help page and the tombstone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "creatures/monster.h"
#include "harness.h"
#include "player/player.h"
#include "shell/history.h"
#include "shell/main.h"
#include "shell/menu.h"

TEST(History, HoldsTheLastTwoHundredLinesWithTheirStamps)
{
    qt::NewSeededGame(11);
    EXPECT_EQ(curhistory, -1);
    for (int i = 0; i < 205; i++) {
        gametime = i;
        std::string text = "line " + std::to_string(i);
        AddHistory(text.c_str());
    }
    EXPECT_EQ(curhistory, 199);
    EXPECT_EQ(std::string(history[0].text), "line 5");
    EXPECT_EQ(history[0].stamp, 5);
    EXPECT_EQ(std::string(history[199].text), "line 204");
    EXPECT_EQ(history[199].stamp, 204);
}

TEST(History, ALongTextIsCutTo1023Bytes)
{
    qt::NewSeededGame(11);
    std::string longtext(1100, 'x');
    AddHistory(longtext.c_str());
    EXPECT_EQ(std::string(history[curhistory].text).size(), 1023u);
}

TEST(History, BottomLinesShowTheStampOnlyBesideTheFirstLineOfATurn)
{
    qt::NewSeededGame(11);
    mode = MODE_HISTORY; // a screen with no map, so only the strip is under test
    gametime = 7;
    AddHistory("First of turn seven");
    AddHistory("Second of turn seven");
    gametime = 9;
    AddHistory("Turn nine");
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(280, 480, "7"));
    EXPECT_TRUE(qt::TextAt(320, 480, "First of turn seven"));
    EXPECT_TRUE(qt::TextAt(320, 495, "Second of turn seven"));
    EXPECT_TRUE(qt::NoTextIn(280, 495, 32, 12)) << "no stamp beside a second line of the same turn";
    EXPECT_TRUE(qt::TextAt(280, 510, "9"));
    EXPECT_TRUE(qt::TextAt(320, 510, "Turn nine"));
    EXPECT_TRUE(qt::NoTextIn(280, 525, 380, 27)) << "lines 4 and 5 stay empty";
}

TEST(History, TopVisibleLineHidesAStampItSharesWithAnOlderLine)
{
    qt::NewSeededGame(11);
    mode = MODE_HISTORY;
    gametime = 3;
    AddHistory("Old line of turn three");
    AddHistory("Top visible of turn three");
    gametime = 4;
    for (int i = 0; i < 4; i++)
        AddHistory("Later");
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(320, 480, "Top visible of turn three"));
    EXPECT_TRUE(qt::NoTextIn(280, 480, 32, 12));
    EXPECT_TRUE(qt::TextAt(280, 495, "4"));
}

TEST(History, TheHistoryScreenListsTheNewestTwentyFourAndEscapeReturns)
{
    qt::NewSeededGame(11);
    for (int i = 0; i < 30; i++) {
        gametime = 100 + i;
        std::string text = "Entry " + std::to_string(i);
        AddHistory(text.c_str());
    }
    gametime = 130;
    oldmode = MODE_NORMAL;
    mode = MODE_HISTORY;
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(302, 25, "HISTORY"));
    EXPECT_TRUE(qt::TextAt(90, 65, "Entry 6"));
    EXPECT_TRUE(qt::TextAt(50, 65, "106"));
    EXPECT_TRUE(qt::TextAt(90, 410, "Entry 29"));
    EXPECT_TRUE(qt::TextAt(500, 85, "ESC - Return"));
    EXPECT_TRUE(qt::TextAt(500, 105, "? - Access Help"));
    qt::Key(SDLK_QUESTION); // ignored here
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_HISTORY);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(gametime, 130) << "reading the history costs no turn";
}

TEST(Help, PageTextsAndReturnToTheScreenItCameFrom)
{
    qt::NewSeededGame(12);
    oldmode = MODE_LOOKING;
    mode = MODE_HELP;
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(330 - 4 * 13, 25, "GAME CONTROLS"));
    EXPECT_TRUE(qt::TextAt(20, 95, "c"));
    EXPECT_TRUE(qt::TextAt(50, 95, "close *"));
    EXPECT_TRUE(qt::TextAt(280, 95, "Character Stats"));
    EXPECT_TRUE(qt::TextAt(280, 275, "Quit and Save"));
    EXPECT_TRUE(qt::TextAt(218, 395, "Enter"));
    EXPECT_TRUE(qt::TextAt(178, 415, "Arrow Keys"));
    EXPECT_TRUE(qt::TextAt(532, 145, "Direction"));
    EXPECT_TRUE(qt::TextAt(500, 225, "currently shown"));
    EXPECT_TRUE(qt::TextAt(690, 560, "? for Help")) << "the status column stays beside the page";
    qt::Key(SDLK_QUESTION);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_HELP);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_LOOKING);
}

namespace {
// Text centred on the window, as the tombstone draws it.
bool Centred(int y, const char *text)
{
    return qt::TextAt(400 - 4 * static_cast<int>(std::strlen(text)), y, text);
}

void Die()
{
    done = STATE_DEAD;
    qt::Drain();
}
} // namespace

TEST(Tombstone, NamesTheKillerThePoisonOrNothing)
{
    qt::NewSeededGame(13);
    monsters[5].name = "Goblin";
    player.killer = 5;
    Die();
    qt::Frame(1);
    EXPECT_TRUE(Centred(345, "Here lies an adventurer,"));
    EXPECT_TRUE(Centred(360, "Killed by a Goblin"));

    monsters[0].name = "Bunny"; // slot 0 is a real monster
    player.killer = 0;
    qt::Frame(1);
    EXPECT_TRUE(Centred(360, "Killed by a Bunny"));

    player.killer = NO_KILLER;
    player.poisoned = 1;
    qt::Frame(1);
    EXPECT_TRUE(Centred(360, "Killed by poison"));

    player.poisoned = 0;
    qt::Frame(1);
    EXPECT_TRUE(Centred(345, "Here lies an adventurer,"));
    EXPECT_TRUE(qt::NoTextIn(0, 360, 800, 12));
}

TEST(Tombstone, SpaceGivesTheGameUpAndEscapeKeepsIt)
{
    qt::NewSeededGame(13);
    player.killer = NO_KILLER;
    Die();
    selectmenu = 2;
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(done, STATE_MENU);
    EXPECT_TRUE(played);
    EXPECT_EQ(selectmenu, 2);
    EXPECT_EQ(fadeimg, 255);

    Die();
    qt::Keys({SDLK_SPACE, SDLK_ESCAPE}); // both are applied, in order
    qt::Frame(1);
    EXPECT_EQ(done, STATE_MENU);
    EXPECT_FALSE(played);
    EXPECT_EQ(selectmenu, 1);
    qt::Frame(1); // the finished title at once, without "Continue"
    EXPECT_TRUE(qt::TextAt(340, 445, "New Game"));
    EXPECT_FALSE(qt::TextAt(340, 430, "Continue"));
}

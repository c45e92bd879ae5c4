// What the status column and the message strip show, the way into death, the message
// history and its screen, the help page and the tombstone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "creatures/monster.h"
#include "harness.h"
#include "items/item.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

void QuietGame(unsigned seed)
{
    qt::NewSeededGame(seed);
    qt::Deserted();
}

} // namespace

// --- The status column ------------------------------------------------------------------------

TEST(StatusColumn, ShowsTheNumbersAndTheTimeAndListsEveryConditionAndTheActivityWithItsPrompt)
{
    QuietGame(1);
    player.chp = 17, player.mhp = 23, player.str = 3, player.exp = 42, player.level = 2;
    gametime = 123;
    qt::Frame(1);
    const char *lines[] = {"CHP: 17", "MHP: 23", "STR: 3", "DEF: 0", "EXP: 42", "Level: 2", "Time: 123"};
    for (int i = 0; i < 7; i++)
        EXPECT_TRUE(qt::TextAt(690, 10 + 15 * i, lines[i])) << lines[i];
    EXPECT_TRUE(qt::TextAt(690, 560, "? for Help"));

    player.visible = 0, player.blind = 1, player.confused = 1, player.poisoned = 1, player.poisontime = 100;
    player.chp = 1, mode = MODE_RESTING;
    qt::Frame(1);
    const char *conditions[] = {"Invisible", "Blind", "Confused", "Poisoned", "Resting"};
    for (int i = 0; i < 5; i++)
        EXPECT_TRUE(qt::TextAt(690, 145 + 15 * i, conditions[i])) << conditions[i];
    EXPECT_TRUE(qt::TextAt(5, 480, "Press Esc to stop Resting"));
    player.visible = 1, player.blind = 0, player.confused = 0, player.poisoned = 0;

    // Going without a direction shows the word but not the prompt; looking says so.
    for (int gotdir : {0, 1}) {
        mode = MODE_GOING, player.gotdir = gotdir, xchange = ychange = 0;
        qt::Frame(1);
        EXPECT_TRUE(qt::TextAt(690, 145, "Going"));
        EXPECT_EQ(qt::TextAt(5, 480, "Press any key to stop going"), gotdir == 1);
    }
    mode = MODE_LOOKING;
    UpdateGame();
    EXPECT_TRUE(qt::TextAt(690, 145, "Looking"));
    mode = MODE_NORMAL;
}

// --- The message strip ------------------------------------------------------------------------

TEST(MessageStrip, ShowsTheFiveNewestLinesWithTheTurnBesideTheFirstOfEachTurn)
{
    QuietGame(5);
    const char *texts[] = {"Oldest line", "First of turn 7", "Second of turn 7", "Turn 8", "Turn 9 a", "Turn 9 b"};
    const int stamps[] = {6, 7, 7, 8, 9, 9};
    for (int i = 0; i < 6; i++) {
        gametime = stamps[i];
        AddHistory(texts[i]);
    }
    qt::Frame(1);
    for (int k = 1; k <= 5; k++)
        EXPECT_TRUE(qt::TextAt(320, PROMPT_Y + LINE_HEIGHT * k, texts[k])) << texts[k];
    EXPECT_FALSE(qt::TextAt(320, 480, texts[0]));
    // The top line's turn shows: the line before it belongs to another turn.
    EXPECT_TRUE(qt::TextAt(280, 480, "7"));
    EXPECT_TRUE(qt::NoTextIn(280, 495, 32, 12));
    qt::ExpectTexts({{280, 510, "8"}, {280, 525, "9"}});
    EXPECT_TRUE(qt::NoTextIn(280, 540, 32, 12));
}

// --- Death ------------------------------------------------------------------------------------

TEST(Death, AtZeroHitPointsThePlayerLivesOnAndARecoveryIsLoggedOnce)
{
    QuietGame(7);
    player.chp = 0, player.feelbetter = 1;
    qt::Frame(3);
    EXPECT_EQ(qt::Row({done, qt::WaitsSeen()}), qt::Row({STATE_PLAYING, 0}));
    EXPECT_EQ(qt::HistoryCount("You feel better."), 1);
    EXPECT_FALSE(player.feelbetter);
}

// --- Prompts at the bottom left ---------------------------------------------------------------

TEST(Prompts, TheDirectionQuestionAndTheFriendlyQuestionStandOnThePromptLines)
{
    QuietGame(10);
    qt::ScriptWaits({KEY_ESCAPE});
    qt::Press(KEY_O);
    EXPECT_TRUE(qt::TextAt(5, 480, "Which direction?"));

    player.x = 20, player.y = 60;
    worldmap[60][20] = worldmap[60][21] = TILE_GRASS;
    player.viewx = 10, player.viewy = 54;
    MonsterRecord &m = monsters[curmonsters++];
    m.kind = KIND_TOWN_GUARD, m.name = monster_names[KIND_TOWN_GUARD], m.alive = 1;
    m.x = 21, m.y = 60;
    m.move = MOVE_ROOTED, m.hostility = FRIENDLY;
    qt::ScriptWaits({KEY_N});
    qt::Press(KEY_KP6);
    // The question stays on the screen until the next frame is drawn.
    std::string friendly = std::string("The ") + monster_names[KIND_TOWN_GUARD] + " is friendly.";
    qt::ExpectTexts({{5, 480, friendly.c_str()}, {5, 495, "Are you sure? (y/n)"}});
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

// --- The history, help and the tombstone ------------------------------------------------------

TEST(History, HoldsTheLastTwoHundredLinesWithTheirStampsEachCutTo1023Bytes)
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
    std::string longtext(1100, 'x');
    AddHistory(longtext.c_str());
    EXPECT_EQ(std::string(history[curhistory].text).size(), 1023u);
}

TEST(History, TopVisibleLineHidesAStampItSharesWithAnOlderLine)
{
    qt::NewSeededGame(11);
    mode = MODE_HISTORY, gametime = 3;
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
    gametime = 130, oldmode = MODE_NORMAL, mode = MODE_HISTORY;
    qt::Frame(1);
    qt::ExpectTexts({{302, 25, "HISTORY"}, {90, 65, "Entry 6"}, {50, 65, "106"}, {90, 410, "Entry 29"},
                     {500, 85, "ESC - Return"}, {500, 105, "? - Access Help"}});
    qt::Key(KEY_QUESTION); // ignored here
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_HISTORY);
    EXPECT_EQ(qt::Press(KEY_ESCAPE), MODE_NORMAL);
    EXPECT_EQ(gametime, 130) << "reading the history costs no turn";
}

TEST(Help, PageTextsAndReturnToTheScreenItCameFrom)
{
    qt::NewSeededGame(12);
    oldmode = MODE_LOOKING, mode = MODE_HELP;
    qt::Frame(1);
    qt::ExpectTexts({{330 - 4 * 13, 25, "GAME CONTROLS"}, {20, 95, "c"}, {50, 95, "close *"},
                     {280, 95, "Character Stats"}, {280, 275, "Quit and Save"}, {218, 395, "Enter"},
                     {178, 415, "Arrow Keys"}, {114, 355, "Home PgUp End PgDn"}, {280, 355, "Diagonals"},
                     {194, 375, "Keypad 5"}, {280, 375, "Wait"}, {532, 145, "Direction"},
                     {500, 225, "currently shown"}});
    EXPECT_TRUE(qt::TextAt(690, 560, "? for Help")) << "the status column stays beside the page";
    EXPECT_EQ(qt::Press(KEY_QUESTION), MODE_HELP);
    EXPECT_EQ(qt::Press(KEY_ESCAPE), MODE_LOOKING);
}

namespace {
// Text centred on the window, as the tombstone draws it.
bool Centred(int y, const char *text) { return qt::TextAt(400 - 4 * static_cast<int>(std::strlen(text)), y, text); }

void Die()
{
    done = STATE_DEAD;
    qt::Drain();
}
} // namespace

TEST(Tombstone, NamesTheKillerThePoisonOrNothingAndSpaceGivesTheGameUpAndEscapeKeepsIt)
{
    qt::NewSeededGame(13);
    monsters[5].name = "Goblin", player.killer = 5;
    Die();
    qt::Frame(1);
    EXPECT_TRUE(Centred(345, "Here lies an adventurer,"));
    EXPECT_TRUE(Centred(360, "Killed by a Goblin"));

    monsters[0].name = "Bunny"; // slot 0 is a real monster
    player.killer = 0;
    qt::Frame(1);
    EXPECT_TRUE(Centred(360, "Killed by a Bunny"));

    player.killer = NO_KILLER, player.poisoned = 1;
    qt::Frame(1);
    EXPECT_TRUE(Centred(360, "Killed by poison"));

    player.poisoned = 0;
    qt::Frame(1);
    EXPECT_TRUE(Centred(345, "Here lies an adventurer,"));
    EXPECT_TRUE(qt::NoTextIn(0, 360, 800, 12));

    player.killer = NO_KILLER;
    Die();
    selectmenu = 2;
    qt::Press(KEY_ESCAPE);
    EXPECT_EQ(done, STATE_MENU);
    EXPECT_TRUE(played);
    EXPECT_EQ(qt::Row({selectmenu, fadeimg}), qt::Row({2, 255}));

    Die();
    qt::Keys({KEY_SPACE, KEY_ESCAPE}); // both are applied, in order
    qt::Frame(1);
    EXPECT_EQ(done, STATE_MENU);
    EXPECT_FALSE(played);
    EXPECT_EQ(selectmenu, 1);
    qt::Frame(1); // the finished title at once, without "Continue"
    EXPECT_TRUE(qt::TextAt(340, 445, "New Game"));
    EXPECT_FALSE(qt::TextAt(340, 430, "Continue"));
}


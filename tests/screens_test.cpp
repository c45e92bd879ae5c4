// The full screens: the pack grid and an item's details, the character sheet, the way
// back from help, and the sky over the map.
#include <gtest/gtest.h>

#include <cstdlib>

#include "harness.h"
#include "items/inventory.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/font.h"
#include "shell/free.h"
#include "shell/main.h"
#include "shell/sound.h"
#include "status/charsheet.h"
#include "world/look.h"

namespace {

#define NEED_FONT()                                                                 \
    do {                                                                            \
        if (!font_image)                                                            \
            GTEST_SKIP() << "the font picture is not built yet";                    \
    } while (0)

class Screens : public ::testing::Test {
protected:
    void SetUp() override { qt::NewSeededGame(4321); }
    void TearDown() override { qt::Drain(); }
};

void OpenInventory(int show)
{
    SortInventory(user_inventory, INVENTORY_SLOTS);
    displayitem = 0;
    showmode = show;
    mode = MODE_INVENTORY;
}

// Highlight slot `from`, press `key`, and tell where the highlight went.
int MoveFrom(int from, SDLKey key)
{
    OpenInventory(0);
    displayitem = from;
    qt::Key(key);
    qt::Frame(1);
    return displayitem;
}

} // namespace

TEST_F(Screens, InventoryKeysWrapAroundTheGrid)
{
    EXPECT_EQ(MoveFrom(24, SDLK_RIGHT), 0);  // Y to A
    EXPECT_EQ(MoveFrom(0, SDLK_LEFT), 24);   // A to Y
    EXPECT_EQ(MoveFrom(20, SDLK_DOWN), 0);   // U to A
    EXPECT_EQ(MoveFrom(24, SDLK_DOWN), 4);   // Y to E
    EXPECT_EQ(MoveFrom(0, SDLK_UP), 20);     // A to U
    EXPECT_EQ(MoveFrom(4, SDLK_UP), 24);     // E to Y
    EXPECT_EQ(MoveFrom(7, SDLK_KP6), 8);
    EXPECT_EQ(MoveFrom(7, SDLK_KP4), 6);
    EXPECT_EQ(MoveFrom(7, SDLK_KP2), 12);
    EXPECT_EQ(MoveFrom(7, SDLK_KP8), 2);
    EXPECT_EQ(mode, MODE_INVENTORY);
}

TEST_F(Screens, ALetterOpensThatSlotsDetailsAndEscapeGoesBackStepByStep)
{
    OpenInventory(0);
    qt::Key(SDLK_c);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_ITEM);
    EXPECT_EQ(displayitem, 2);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_INVENTORY);
    EXPECT_EQ(displayitem, 2);
    qt::Key(SDLK_SPACE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_ITEM);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    // Browsing dropped nothing.
    EXPECT_EQ(curitems, 4);
}

TEST_F(Screens, AnEmptySlotOpensItsDetailsInViewMode)
{
    OpenInventory(0);
    qt::Key(SDLK_y);
    qt::Frame(2);
    EXPECT_EQ(mode, MODE_ITEM);
    EXPECT_EQ(displayitem, 24);
    NEED_FONT();
    EXPECT_TRUE(qt::TextAt(170, 100, "This pocket is empty."));
    EXPECT_TRUE(qt::TextAt(170, 115, "Quantity: "));
    EXPECT_TRUE(qt::TextAt(250, 115, "0"));
    EXPECT_TRUE(qt::TextAt(80, 100, "Y"));
}

TEST_F(Screens, HelpReturnsToTheScreenItWasOpenedFrom)
{
    // From the drop screen, with its selection and mode kept.
    OpenInventory(1);
    qt::Keys({SDLK_DOWN, SDLK_RIGHT, SDLK_QUESTION});
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_HELP);
    EXPECT_EQ(oldmode, MODE_INVENTORY);
    qt::Frame(3);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_INVENTORY);
    EXPECT_EQ(displayitem, 6);
    EXPECT_EQ(showmode, 1);
    EXPECT_EQ(curitems, 4);

    // From an item's details.
    OpenInventory(0);
    qt::Key(SDLK_b);
    qt::Frame(1);
    qt::Key(SDLK_SLASH);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_HELP);
    EXPECT_EQ(oldmode, MODE_ITEM);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_ITEM);
    EXPECT_EQ(displayitem, 1);

    // From the character sheet.
    mode = MODE_STATS;
    qt::Key(SDLK_QUESTION);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_HELP);
    EXPECT_EQ(oldmode, MODE_STATS);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_STATS);
}

TEST_F(Screens, TheInventoryGridShowsItsTitlesCountsAndTheHighlightedItem)
{
    OpenInventory(0);
    displayitem = 1;
    qt::Frame(1);
    NEED_FONT();
    EXPECT_TRUE(qt::TextAt(245 - 4 * 9, 30, "INVENTORY"));
    EXPECT_TRUE(qt::TextAt(490, 100, "ESC - Return to game"));
    EXPECT_TRUE(qt::TextAt(490, 115, "Press a letter or use the arrow keys"));
    EXPECT_TRUE(qt::TextAt(490, 130, "and spacebar to view more details."));
    EXPECT_TRUE(qt::TextAt(490, 180, "? for Help"));
    EXPECT_TRUE(qt::TextAt(510, 240, "ITEM DETAILS"));
    EXPECT_TRUE(qt::TextAt(490, 265, "Piece of Cheese"));
    EXPECT_TRUE(qt::TextAt(490, 280, "Quantity: "));
    EXPECT_TRUE(qt::TextAt(570, 280, "5"));
    // Letters beside the cells; the five cheeses counted on theirs, single items not.
    EXPECT_TRUE(qt::TextAt(35, 75, "A"));
    EXPECT_TRUE(qt::TextAt(125, 75, "B"));
    EXPECT_TRUE(qt::TextAt(395, 355, "Y"));
    EXPECT_TRUE(qt::TextAt(148, 78, "5"));
    EXPECT_FALSE(qt::TextAt(58, 78, "1"));

    showmode = 1;
    displayitem = 0;
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(245 - 4 * 16, 30, "Drop Which Item?"));
    EXPECT_TRUE(qt::TextAt(490, 130, "and spacebar to drop the item."));
    EXPECT_TRUE(qt::TextAt(490, 265, "Level I Mages"));
    EXPECT_TRUE(qt::TextAt(570, 280, "1"));
}

TEST_F(Screens, TheItemScreenShowsTheItem)
{
    OpenInventory(0);
    qt::Key(SDLK_b);
    qt::Frame(2);
    NEED_FONT();
    EXPECT_TRUE(qt::TextAt(150, 75, "ITEM PROPERTIES"));
    EXPECT_TRUE(qt::TextAt(80, 100, "B"));
    EXPECT_TRUE(qt::TextAt(170, 100, "Piece of Cheese"));
    EXPECT_TRUE(qt::TextAt(170, 115, "Quantity: "));
    EXPECT_TRUE(qt::TextAt(250, 115, "5"));
    EXPECT_TRUE(qt::TextAt(500, 100, "ESC - Return to Inventory"));
    EXPECT_TRUE(qt::TextAt(500, 120, "? for Help"));
}

TEST_F(Screens, SkillWordsFollowTheirBands)
{
    EXPECT_STREQ(SkillWord(0), "Poor");
    EXPECT_STREQ(SkillWord(4), "Poor");
    EXPECT_STREQ(SkillWord(5), "Fair");
    EXPECT_STREQ(SkillWord(7), "Fair");
    EXPECT_STREQ(SkillWord(8), "Good");
    EXPECT_STREQ(SkillWord(10), "Good");
    EXPECT_STREQ(SkillWord(11), "Very Good");
    EXPECT_STREQ(SkillWord(13), "Very Good");
    EXPECT_STREQ(SkillWord(14), "Excellent");
    EXPECT_STREQ(SkillWord(16), "Excellent");
    EXPECT_STREQ(SkillWord(17), "Superb");
    EXPECT_STREQ(SkillWord(20), "Superb");
}

TEST_F(Screens, TheCharacterSheetShowsTheCharacter)
{
    player.level = 1;
    player.exp = 12;
    player.skill[0] = 10;
    player.skill[1] = 11;
    player.visible = 1;
    player.blind = 1;
    player.confused = 0;
    player.poisoned = 1;
    player.tohit = 3;
    mode = MODE_STATS;
    qt::Frame(1);
    NEED_FONT();
    EXPECT_TRUE(qt::TextAt(120, 80, "CHARACTER"));
    EXPECT_TRUE(qt::TextAt(160, 190, "Level: 1"));
    EXPECT_TRUE(qt::TextAt(160, 205, "EXP: 12"));
    EXPECT_TRUE(qt::TextAt(160, 220, "EXP to Advance: 35"));
    EXPECT_TRUE(qt::TextAt(300, 100, "+ To Hit: 3"));
    EXPECT_TRUE(qt::TextAt(120, 250, "SKILLS"));
    EXPECT_TRUE(qt::TextAt(100, 265, "Fighting:"));
    EXPECT_TRUE(qt::TextAt(180, 265, "Good"));
    EXPECT_TRUE(qt::TextAt(100, 280, "Riding:"));
    EXPECT_TRUE(qt::TextAt(180, 280, "Very Good"));
    EXPECT_TRUE(qt::TextAt(300, 160, "Blind"));
    EXPECT_TRUE(qt::TextAt(300, 175, "Poisoned"));
    EXPECT_TRUE(qt::TextAt(500, 100, "ESC - Return to game"));
    EXPECT_TRUE(qt::TextAt(500, 120, "? for Help"));
    // The sheet covers the whole window: no status column.
    EXPECT_FALSE(qt::TextAt(690, 560, "? for Help"));

    player.blind = 0;
    player.poisoned = 0;
    player.skill[0] = 4;
    player.skill[1] = 17;
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(180, 265, "Poor"));
    EXPECT_TRUE(qt::TextAt(180, 280, "Superb"));
    EXPECT_TRUE(qt::NoTextIn(300, 160, 100, 60));
}

TEST_F(Screens, TheLastLevelHasNothingLeftToAdvanceTo)
{
    player.level = MAX_LEVEL;
    player.exp = 600;
    mode = MODE_STATS;
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_STATS);
    NEED_FONT();
    EXPECT_TRUE(qt::TextAt(160, 220, "EXP to Advance: MAX"));
    player.level = 6;
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(160, 220, "EXP to Advance: 550"));
}

TEST_F(Screens, TheCharacterSheetCostsNoTurn)
{
    int t0 = gametime;
    player.acted = 1;
    mode = MODE_STATS;
    qt::Frame(20);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(gametime, t0 + 1);
}

TEST_F(Screens, TheCrowFliesOnEveryMapFrameOnly)
{
    EXPECT_EQ(birdx, 0);
    qt::Frame(4);
    EXPECT_EQ(birdx, 60);
    // The pack and the sheet do not move the sky.
    OpenInventory(0);
    qt::Frame(10);
    mode = MODE_STATS;
    qt::Frame(10);
    EXPECT_EQ(birdx, 60);
    mode = MODE_LOOKING;
    cursorx = player.x;
    cursory = player.y;
    qt::Frame(2);
    EXPECT_EQ(birdx, 90);
}

TEST_F(Screens, TheCrowCallsOnceOnTheFifteenthMapFrameOfEachGame)
{
    if (!crow)
        GTEST_SKIP() << "the crow's call is not built yet";
    for (int game = 0; game < 2; game++) {
        qt::NewSeededGame(50 + game);
        int calls = crow_plays;
        qt::Frame(14);
        EXPECT_EQ(crow_plays, calls);
        qt::Frame(1);
        EXPECT_EQ(crow_plays, calls + 1);
        qt::Frame(100);
        EXPECT_EQ(crow_plays, calls + 1);
    }
}

TEST_F(Screens, TheSkyIsPlacedWithItsDrawsInOrder)
{
    std::srand(2024);
    NewFree();
    std::srand(2024);
    for (const Cloud &c : clouds) {
        int drift = RandNum(1, 600);
        int fixed = RandNum(1, 800);
        int step = RandNum(1, 2);
        EXPECT_EQ(c.drift, drift);
        EXPECT_EQ(c.fixed, fixed);
        EXPECT_EQ(c.step, step == 2 ? -1 : 1);
    }
    EXPECT_EQ(birdx, 0);
    EXPECT_EQ(birdy, RandNum(30, 400));
    int d0 = clouds[0].drift;
    MoveFree();
    EXPECT_EQ(clouds[0].drift, d0 + clouds[0].step);
    EXPECT_EQ(birdx, 15);
}

TEST_F(Screens, TheSkyLeavesTheScreensClipAsItWas)
{
    qt::Frame(3);
    SDL_Rect clip;
    SDL_GetClipRect(screen, &clip);
    EXPECT_EQ(clip.x, 0);
    EXPECT_EQ(clip.y, 0);
    EXPECT_EQ(clip.w, screen->w);
    EXPECT_EQ(clip.h, screen->h);
}

TEST_F(Screens, ScreensDrawWithoutTheirPictures)
{
    SDL_Surface *hl = highlighter, *small = small_items_list[23], *large = items_list[23];
    SDL_Surface *bird = crow_bird, *cloud = clouds[2].image, *cur = mapcursor;
    highlighter = small_items_list[23] = items_list[23] = nullptr;
    crow_bird = clouds[2].image = mapcursor = nullptr;
    const int modes[] = {MODE_NORMAL, MODE_LOOKING, MODE_INVENTORY, MODE_ITEM, MODE_STATS, MODE_HELP};
    for (int m : modes) {
        mode = m;
        displayitem = 1;
        cursorx = player.x;
        cursory = player.y;
        qt::Frame(20);
        EXPECT_EQ(done, STATE_PLAYING);
    }
    highlighter = hl;
    small_items_list[23] = small;
    items_list[23] = large;
    crow_bird = bird;
    clouds[2].image = cloud;
    mapcursor = cur;
}

TEST_F(Screens, ShiftCOpensTheSheetAndHelpComesBackToIt)
{
    int t0 = gametime;
    qt::Key(SDLK_c, KMOD_LSHIFT);
    qt::Frame(2);
    EXPECT_EQ(mode, MODE_STATS);
    if (font_image) {
        EXPECT_TRUE(qt::TextAt(160, 220, "EXP to Advance: 35"));
    }
    qt::Key(SDLK_QUESTION);
    qt::Frame(2);
    EXPECT_EQ(mode, MODE_HELP);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_STATS);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(gametime, t0);
}

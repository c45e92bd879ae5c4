// The full screens: the pack grid and an item's details, the character sheet, the way
// back from help, and the sky over the map.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

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

class Screens : public ::testing::Test {
protected:
    void SetUp() override { qt::NewSeededGame(4321); }
    void TearDown() override { qt::Drain(); }
};

// Press a key, run the frames, and tell the mode the game is in after them.
int Press(SDLKey key, int frames = 1)
{
    qt::Key(key);
    qt::Frame(frames);
    return mode;
}

void OpenInventory(int show, int item = 0)
{
    SortInventory(user_inventory, INVENTORY_SLOTS);
    displayitem = item;
    showmode = show;
    mode = MODE_INVENTORY;
}

struct Text {
    int x, y;
    const char *text;
};

void ExpectTexts(std::initializer_list<Text> texts)
{
    for (const Text &t : texts)
        EXPECT_TRUE(qt::TextAt(t.x, t.y, t.text)) << t.text << " at " << t.x << "," << t.y;
}

} // namespace

TEST_F(Screens, InventoryKeysWrapAroundTheGrid)
{
    struct Case {
        int from;
        SDLKey key;
        int to;
    };
    const Case cases[] = {
        {24, SDLK_RIGHT, 0}, {0, SDLK_LEFT, 24}, {20, SDLK_DOWN, 0}, {24, SDLK_DOWN, 4}, // Y-A, A-Y, U-A, Y-E
        {0, SDLK_UP, 20},    {4, SDLK_UP, 24},   {7, SDLK_KP6, 8},   {7, SDLK_KP4, 6},   // A-U, E-Y
        {7, SDLK_KP2, 12},   {7, SDLK_KP8, 2},
    };
    for (const Case &c : cases) {
        OpenInventory(0, c.from);
        Press(c.key);
        EXPECT_EQ(displayitem, c.to) << "from " << c.from << " key " << c.key;
        EXPECT_EQ(mode, MODE_INVENTORY);
    }
}

TEST_F(Screens, ALetterOpensThatSlotsDetailsAndEscapeGoesBackStepByStep)
{
    OpenInventory(0);
    EXPECT_EQ(Press(SDLK_c), MODE_ITEM);
    EXPECT_EQ(displayitem, 2);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_INVENTORY);
    EXPECT_EQ(displayitem, 2);
    EXPECT_EQ(Press(SDLK_SPACE), MODE_ITEM);
    Press(SDLK_ESCAPE);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_NORMAL);
    EXPECT_EQ(curitems, 4); // browsing dropped nothing

    // An item's details, then an empty slot's, in view mode.
    OpenInventory(0);
    Press(SDLK_b, 2);
    if (font_image) {
        ExpectTexts({{150, 75, "ITEM PROPERTIES"}, {80, 100, "B"}, {170, 100, "Piece of Cheese"},
                     {170, 115, "Quantity: "}, {250, 115, "5"}, {500, 100, "ESC - Return to Inventory"},
                     {500, 120, "? for Help"}});
    }
    OpenInventory(0);
    EXPECT_EQ(Press(SDLK_y, 2), MODE_ITEM);
    EXPECT_EQ(displayitem, 24);
    if (font_image) {
        ExpectTexts({{170, 100, "This pocket is empty."}, {170, 115, "Quantity: "}, {250, 115, "0"},
                     {80, 100, "Y"}});
    }
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
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_INVENTORY);
    EXPECT_EQ(displayitem, 6);
    EXPECT_EQ(showmode, 1);
    EXPECT_EQ(curitems, 4);

    // From an item's details.
    OpenInventory(0);
    Press(SDLK_b);
    EXPECT_EQ(Press(SDLK_SLASH), MODE_HELP);
    EXPECT_EQ(oldmode, MODE_ITEM);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_ITEM);
    EXPECT_EQ(displayitem, 1);

    // From the character sheet.
    mode = MODE_STATS;
    EXPECT_EQ(Press(SDLK_QUESTION), MODE_HELP);
    EXPECT_EQ(oldmode, MODE_STATS);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_STATS);
}

TEST_F(Screens, TheInventoryGridShowsItsTitlesCountsAndTheHighlightedItem)
{
    OpenInventory(0, 1);
    qt::Frame(1);
    if (!font_image)
        GTEST_SKIP() << "the font picture is not built yet";
    ExpectTexts({{245 - 4 * 9, 30, "INVENTORY"}, {490, 100, "ESC - Return to game"},
                 {490, 115, "Press a letter or use the arrow keys"},
                 {490, 130, "and spacebar to view more details."}, {490, 180, "? for Help"},
                 {510, 240, "ITEM DETAILS"}, {490, 265, "Piece of Cheese"}, {490, 280, "Quantity: "},
                 {570, 280, "5"},
                 // Letters beside the cells; the five cheeses counted on theirs, single items not.
                 {35, 75, "A"}, {125, 75, "B"}, {395, 355, "Y"}, {148, 78, "5"}});
    EXPECT_FALSE(qt::TextAt(58, 78, "1"));

    OpenInventory(1);
    qt::Frame(1);
    ExpectTexts({{245 - 4 * 16, 30, "Drop Which Item?"}, {490, 130, "and spacebar to drop the item."},
                 {490, 265, "Level I Mages"}, {570, 280, "1"}});
}

TEST_F(Screens, TheCharacterSheetShowsTheCharacterAndItsSkillBands)
{
    const char *words[] = {"Poor", "Fair", "Good", "Very Good", "Excellent", "Superb"};
    const int lowest[] = {0, 5, 8, 11, 14, 17, 21};
    for (int b = 0; b < 6; b++) {
        EXPECT_STREQ(SkillWord(lowest[b]), words[b]);
        EXPECT_STREQ(SkillWord(lowest[b + 1] - 1), words[b]);
    }

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
    if (!font_image)
        GTEST_SKIP() << "the font picture is not built yet";
    ExpectTexts({{120, 80, "CHARACTER"}, {160, 190, "Level: 1"}, {160, 205, "EXP: 12"},
                 {160, 220, "EXP to Advance: 35"}, {300, 100, "+ To Hit: 3"}, {120, 250, "SKILLS"},
                 {100, 265, "Fighting:"}, {180, 265, "Good"}, {100, 280, "Riding:"}, {180, 280, "Very Good"},
                 {300, 160, "Blind"}, {300, 175, "Poisoned"}, {500, 100, "ESC - Return to game"},
                 {500, 120, "? for Help"}});
    // The sheet covers the whole window: no status column.
    EXPECT_FALSE(qt::TextAt(690, 560, "? for Help"));

    player.blind = 0;
    player.poisoned = 0;
    player.skill[0] = 4;
    player.skill[1] = 17;
    qt::Frame(1);
    ExpectTexts({{180, 265, "Poor"}, {180, 280, "Superb"}});
    EXPECT_TRUE(qt::NoTextIn(300, 160, 100, 60));
}

TEST_F(Screens, TheLastLevelHasNothingLeftToAdvanceTo)
{
    player.level = MAX_LEVEL;
    player.exp = 600;
    mode = MODE_STATS;
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_STATS);
    if (!font_image)
        GTEST_SKIP() << "the font picture is not built yet";
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
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_NORMAL);
    EXPECT_EQ(gametime, t0 + 1);
}

TEST_F(Screens, TheCrowFliesOnEveryMapFrameOnlyAndTheClipIsLeftAsItWas)
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

    SDL_Rect clip;
    SDL_GetClipRect(screen, &clip);
    EXPECT_EQ(clip.x, 0);
    EXPECT_EQ(clip.y, 0);
    EXPECT_EQ(clip.w, screen->w);
    EXPECT_EQ(clip.h, screen->h);
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

TEST_F(Screens, TheSkyIsPlacedInsideItsBoundsAndDrifts)
{
    for (unsigned seed = 1; seed <= 20; seed++) {
        std::srand(seed);
        NewFree();
        for (const Cloud &c : clouds) {
            EXPECT_TRUE(c.drift >= 1 && c.drift <= 600 && c.fixed >= 1 && c.fixed <= 800) << seed;
            EXPECT_TRUE(c.step == 1 || c.step == -1) << seed;
        }
        EXPECT_EQ(birdx, 0);
        EXPECT_TRUE(birdy >= 30 && birdy <= 400) << seed;
    }
    int d0 = clouds[0].drift;
    MoveFree();
    EXPECT_EQ(clouds[0].drift, d0 + clouds[0].step);
    EXPECT_EQ(birdx, 15);
}

TEST_F(Screens, ScreensDrawWithoutTheirPictures)
{
    SDL_Surface **pics[] = {&highlighter, &small_items_list[23], &items_list[23],
                            &crow_bird,   &clouds[2].image,      &mapcursor};
    SDL_Surface *kept[6];
    for (int i = 0; i < 6; i++) {
        kept[i] = *pics[i];
        *pics[i] = nullptr;
    }
    for (int m : {MODE_NORMAL, MODE_LOOKING, MODE_INVENTORY, MODE_ITEM, MODE_STATS, MODE_HELP}) {
        mode = m;
        displayitem = 1;
        cursorx = player.x;
        cursory = player.y;
        qt::Frame(20);
        EXPECT_EQ(done, STATE_PLAYING);
    }
    for (int i = 0; i < 6; i++)
        *pics[i] = kept[i];
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
    EXPECT_EQ(Press(SDLK_QUESTION, 2), MODE_HELP);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_STATS);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_NORMAL);
    EXPECT_EQ(gametime, t0);
}

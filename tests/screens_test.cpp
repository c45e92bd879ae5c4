// The full screens: the pack grid and an item's details, the character sheet, the way
// back from help, the sky over the map, and looking about with a monster's details.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "creatures/monster.h"
#include "harness.h"
#include "items/inventory.h"
#include "player/player.h"
#include "shell/free.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "shell/sound.h"
#include "status/charsheet.h"
#include "status/stats.h"
#include "world/level.h"
#include "world/look.h"

namespace {

using qt::ExpectTexts;
using qt::Press;

class Screens : public ::testing::Test {
protected:
    void SetUp() override { qt::NewSeededGame(4321); }
    void TearDown() override { qt::Drain(); }
};

void OpenInventory(int show, int item = 0)
{
    SortInventory(user_inventory, INVENTORY_SLOTS);
    displayitem = item, showmode = show, mode = MODE_INVENTORY;
}

} // namespace

TEST_F(Screens, InventoryKeysWrapAroundTheGrid)
{
    const struct { int from; GameKey key; int to; } cases[] = {
        {24, KEY_RIGHT, 0}, {0, KEY_LEFT, 24}, {20, KEY_DOWN, 0}, {24, KEY_DOWN, 4}, // Y-A, A-Y, U-A, Y-E
        {0, KEY_UP, 20},    {4, KEY_UP, 24},   {7, KEY_KP6, 8},   {7, KEY_KP4, 6},   // A-U, E-Y
        {7, KEY_KP2, 12},   {7, KEY_KP8, 2},   {23, KEY_RIGHT, 24}, {1, KEY_LEFT, 0}, // and one short of each wrap
        {19, KEY_DOWN, 24}, {5, KEY_UP, 0},
    };
    for (const auto &c : cases) {
        OpenInventory(0, c.from);
        Press(c.key);
        EXPECT_EQ(displayitem, c.to) << "from " << c.from << " key " << c.key;
        EXPECT_EQ(mode, MODE_INVENTORY);
    }
}

TEST_F(Screens, ALetterOpensThatSlotsDetailsAndEscapeGoesBackStepByStep)
{
    OpenInventory(0);
    EXPECT_EQ(qt::Row({Press(KEY_C), displayitem, Press(KEY_ESCAPE)}), qt::Row({MODE_ITEM, 2, MODE_INVENTORY}));
    EXPECT_EQ(qt::Row({displayitem, Press(KEY_SPACE)}), qt::Row({2, MODE_ITEM}));
    Press(KEY_ESCAPE);
    EXPECT_EQ(Press(KEY_ESCAPE), MODE_NORMAL);
    EXPECT_EQ(curitems, 4); // browsing dropped nothing

    // An item's details, then an empty slot's, in view mode.
    OpenInventory(0);
    Press(KEY_B, 2);
    ExpectTexts({{150, 75, "ITEM PROPERTIES"}, {80, 100, "B"}, {170, 100, "Piece of Cheese"},
                 {170, 115, "Quantity: "}, {250, 115, "5"}, {500, 100, "ESC - Return to Inventory"},
                 {500, 120, "? for Help"}});
    OpenInventory(0);
    EXPECT_EQ(qt::Row({Press(KEY_Y, 2), displayitem}), qt::Row({MODE_ITEM, 24}));
    ExpectTexts({{170, 100, "This pocket is empty."}, {170, 115, "Quantity: "}, {250, 115, "0"},
                 {80, 100, "Y"}});
}

TEST_F(Screens, HelpReturnsToTheScreenItWasOpenedFrom)
{
    // From the drop screen, with its selection and mode kept.
    OpenInventory(1);
    qt::Keys({KEY_DOWN, KEY_RIGHT, KEY_QUESTION});
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, oldmode}), qt::Row({MODE_HELP, MODE_INVENTORY}));
    qt::Frame(3);
    EXPECT_EQ(qt::Row({Press(KEY_ESCAPE), displayitem, showmode, curitems}), qt::Row({MODE_INVENTORY, 6, 1, 4}));

    // From an item's details.
    OpenInventory(0);
    Press(KEY_B);
    EXPECT_EQ(qt::Row({Press(KEY_SLASH), oldmode}), qt::Row({MODE_HELP, MODE_ITEM}));
    EXPECT_EQ(qt::Row({Press(KEY_ESCAPE), displayitem}), qt::Row({MODE_ITEM, 1}));

    // From the character sheet.
    mode = MODE_STATS;
    EXPECT_EQ(qt::Row({Press(KEY_QUESTION), oldmode}), qt::Row({MODE_HELP, MODE_STATS}));
    EXPECT_EQ(Press(KEY_ESCAPE), MODE_STATS);
}

TEST_F(Screens, TheInventoryGridShowsItsTitlesCountsAndTheHighlightedItem)
{
    OpenInventory(0, 1);
    qt::Frame(1);
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

    player.level = 1, player.exp = 12, player.skill[0] = 10, player.skill[1] = 11;
    player.visible = 1, player.blind = 1, player.confused = 0, player.poisoned = 1;
    player.tohit = 3, mode = MODE_STATS;
    qt::Frame(1);
    ExpectTexts({{120, 80, "CHARACTER"}, {160, 190, "Level: 1"}, {160, 205, "EXP: 12"},
                 {160, 220, "EXP to Advance: 35"}, {300, 100, "+ To Hit: 3"}, {120, 250, "SKILLS"},
                 {100, 265, "Fighting:"}, {180, 265, "Good"}, {100, 280, "Riding:"}, {180, 280, "Very Good"},
                 {300, 160, "Blind"}, {300, 175, "Poisoned"}, {500, 100, "ESC - Return to game"},
                 {500, 120, "? for Help"}});
    // The sheet covers the whole window: no status column.
    EXPECT_FALSE(qt::TextAt(690, 560, "? for Help"));

    player.blind = 0, player.poisoned = 0, player.skill[0] = 4, player.skill[1] = 17;
    qt::Frame(1);
    ExpectTexts({{180, 265, "Poor"}, {180, 280, "Superb"}});
    EXPECT_TRUE(qt::NoTextIn(300, 160, 100, 60));
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
    mode = MODE_LOOKING, cursorx = player.x, cursory = player.y;
    qt::Frame(2);
    EXPECT_EQ(birdx, 90);

    SDL_Rect clip;
    SDL_GetClipRect(screen, &clip);
    EXPECT_EQ(qt::Row({clip.x, clip.y, clip.w, clip.h}), qt::Row({0, 0, screen->w, screen->h}));
}

TEST_F(Screens, TheCrowCallsOnceOnTheFifteenthMapFrameOfEachGame)
{
    for (int game = 0; game < 2; game++) {
        qt::NewSeededGame(50 + game);
        const int calls = crow_plays;
        for (int frames : {14, 1, 100}) {
            qt::Frame(frames);
            EXPECT_EQ(crow_plays, calls + (frames != 14)) << "game " << game << " after " << frames << " more frames";
        }
    }
}

// ---- Looking about ----

namespace {

// The look cursor's cell in these tests; the player stands a little to the west.
constexpr int CX = 70;
constexpr int CY = 30;

class Look : public ::testing::Test {
protected:
    void SetUp() override
    {
        qt::NewSeededGame(99);
        qt::Deserted(); // nobody about but what each test puts there
        player.x = 65, player.y = 30, player.visible = 1, player.blind = 0;
        player.viewx = 55, player.viewy = 22, worldmap[CY][CX] = overmap[CY][CX] = 0;
        cursorx = CX, cursory = CY, mode = MODE_LOOKING;
    }
    // Each test starts from a new game, which lays both map grids anew.
    void TearDown() override { qt::Drain(); }
};

void PutMonster(int slot, int kind, int x, int y)
{
    const int count = curmonsters;
    curmonsters = slot;
    qt::PlaceCreature(kind, x, y, FRIENDLY);
    curmonsters = std::max(count, slot + 1);
}

// The n-th look line (from 1) on the bottom strip.
bool LookLineIs(int n, const char *text) { return qt::TextAt(PROMPT_X, PROMPT_Y + LINE_HEIGHT * n, text); }

// This frame draws exactly these look lines (their words read where the font is built).
void ExpectLook(std::initializer_list<const char *> lines, int at = 0)
{
    qt::Frame(1);
    bobcount = 0;
    DrawLookDescriptions();
    ASSERT_EQ(bobcount, static_cast<int>(lines.size())) << "case " << at;
    int n = 1;
    for (const char *text : lines)
        EXPECT_TRUE(LookLineIs(n++, text)) << "case " << at << ": " << text;
}

} // namespace

TEST_F(Look, TheCursorMovesWithArrowsAndKeypadStaysInsideTheViewAndCostsNoTurn)
{
    qt::Keys({KEY_KP9, KEY_KP9, KEY_RIGHT, KEY_KP1, KEY_KP5});
    qt::Frame(1);
    EXPECT_EQ(qt::Row({cursorx, cursory, mode}), qt::Row({CX + 2, CY - 1, MODE_LOOKING}));

    for (GameKey k : {KEY_LEFT, KEY_UP, KEY_KP7, KEY_RIGHT, KEY_DOWN, KEY_KP3}) { // one step past each side
        const int far = k == KEY_RIGHT || k == KEY_DOWN || k == KEY_KP3;
        cursorx = player.viewx + 21 * far, cursory = player.viewy + 14 * far;
        Press(k);
        EXPECT_EQ(qt::Row({cursorx, cursory}), qt::Row({player.viewx + 21 * far, player.viewy + 14 * far})) << k;
    }
    EXPECT_EQ(Press(KEY_ESCAPE), MODE_NORMAL);

    mode = MODE_LOOKING;
    int t0 = gametime;
    player.acted = 1; // the step that came before
    qt::Frame(30);
    qt::Keys({KEY_LEFT, KEY_LEFT});
    qt::Frame(30);
    EXPECT_EQ(gametime, t0 + 1);
}

TEST_F(Look, WhatTheCursorDescribes)
{
    // A monster on an item comes first; a corpse slot is not described.
    PutMonster(0, 11, CX, CY); // a Goblin
    PlaceMapItem(CX, CY, 31);  // on a Lantern
    ExpectLook({"You see a Goblin.", "View Details? (y/n)", "You see a Lantern."});
    monsters[0].kind = KIND_DEAD, cursmallitems = 0;
    ExpectLook({});

    // Doors and trees are named; a stump says nothing.
    struct Case { int *cell; int tile; const char *text; };
    int &ground = worldmap[CY][CX], &over = overmap[CY][CX];
    const Case cases[] = {
        {&ground, 112, "You see the entrance to the Inn."},    {&ground, 148, "You see the entrance to the Inn."},
        {&ground, 113, "You see the entrance to the Inn."},    {&ground, 149, "You see the entrance to the Inn."},
        {&ground, 114, "You see the entrance to the Tavern."}, {&ground, 150, "You see the entrance to the Tavern."},
        {&ground, 116, "You see the entrance to a House."},    {&ground, 152, "You see the entrance to a House."},
        {&ground, 115, "You see the entrance to a House."},    {&ground, 151, "You see the entrance to a House."},
        {&over, 1, "You see a Tree."},      {&over, 3, "You see a Tree."},
        {&over, 2, "You see a Pine Tree."}, {&over, 4, "You see a Pine Tree."},
        {&over, 5, nullptr},
    };
    for (const Case &c : cases) {
        ground = over = 0;
        *c.cell = c.tile;
        if (c.text)
            ExpectLook({c.text}, c.tile);
        else
            ExpectLook({}, c.tile);
    }

    // The player sees himself only when visible.
    cursorx = player.x, cursory = player.y;
    worldmap[player.y][player.x] = overmap[player.y][player.x] = 0, player.visible = 0;
    ExpectLook({});
    player.visible = 1;
    ExpectLook({"You see yourself."});
}

TEST_F(Look, YOpensTheHigherOfTwoMonstersOnTheCellAndEscapeKeepsTheCursor)
{
    // Over nothing or a corpse, y does nothing.
    EXPECT_EQ(Press(KEY_Y), MODE_LOOKING);
    PutMonster(0, 11, CX, CY);
    monsters[0].kind = KIND_DEAD;
    EXPECT_EQ(Press(KEY_Y), MODE_LOOKING);

    PutMonster(2, 5, CX, CY);
    PutMonster(5, 11, CX, CY);
    PutMonster(7, 7, CX + 1, CY);
    int t0 = gametime;
    EXPECT_EQ(qt::Row({Press(KEY_Y, 5), displaymonster}), qt::Row({MODE_MONSTER_DETAILS, 5}));
    EXPECT_EQ(qt::Row({Press(KEY_X), Press(KEY_ESCAPE)}), qt::Row({MODE_MONSTER_DETAILS, MODE_LOOKING}));
    EXPECT_EQ(qt::Row({cursorx, cursory, gametime}), qt::Row({CX, CY, t0}));
}

TEST_F(Look, HelpFromLookingAndDetailsComesBack)
{
    qt::Keys({KEY_LEFT, KEY_QUESTION});
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, oldmode}), qt::Row({MODE_HELP, MODE_LOOKING}));
    qt::Frame(5);
    EXPECT_EQ(qt::Row({Press(KEY_ESCAPE), cursorx, cursory}), qt::Row({MODE_LOOKING, CX - 1, CY}));

    PutMonster(0, 11, CX - 1, CY);
    Press(KEY_Y);
    EXPECT_EQ(qt::Row({Press(KEY_SLASH), oldmode}), qt::Row({MODE_HELP, MODE_MONSTER_DETAILS}));
    EXPECT_EQ(qt::Row({Press(KEY_ESCAPE), displaymonster}), qt::Row({MODE_MONSTER_DETAILS, 0}));
}

TEST_F(Look, ACreatureThatCannotAttackSaysNothingOfItsAttitudeOrBreeding)
{
    PutMonster(0, 11, CX, CY);
    MonsterRecord &m = monsters[0];
    m.attacktype = ATTACK_NONE, m.hostility = HOSTILE, m.multiplies = 1, displaymonster = 0;
    mode = MODE_MONSTER_DETAILS;
    qt::Frame(1);
    ExpectTexts({{150, 75, "MONSTER DETAILS"}, {170, 100, "Goblin"}, {170, 220, "It cannot attack."},
                 {170, 205, "Does not move."}, {500, 100, "ESC - Return to Looking"}, {500, 120, "? for Help"}});
    EXPECT_TRUE(qt::NoTextIn(170, 235, 300, 27));
}

TEST_F(Look, ACursorWithoutItsPictureStillShows)
{
    SDL_Surface *pic = mapcursor;
    mapcursor = nullptr;
    player.blind = 1; // nothing but the fill under the cursor
    qt::Frame(1);
    int px = (CX - player.viewx) * 30, py = (CY - player.viewy) * 30;
    EXPECT_NE(qt::PixelAt(px, py), qt::PixelAt(px + 15, py + 15));
    mapcursor = pic;
}

TEST_F(Look, TheLookKeyStartsOnThePlayerInPlay)
{
    mode = MODE_NORMAL, player.x = 70, player.y = 30, worldmap[30][70] = 0, overmap[30][70] = 0;
    PutMonster(0, 11, 71, 30);
    int t0 = gametime;
    EXPECT_EQ(qt::Row({Press(KEY_L, 2), cursorx, cursory}), qt::Row({MODE_LOOKING, 70, 30}));
    EXPECT_TRUE(qt::TextAt(690, 145, "Looking"));
    EXPECT_TRUE(LookLineIs(1, "You see yourself."));
    Press(KEY_RIGHT, 2);
    EXPECT_TRUE(LookLineIs(1, "You see a Goblin."));
    EXPECT_TRUE(LookLineIs(2, "View Details? (y/n)"));
    EXPECT_EQ(Press(KEY_Y, 2), MODE_MONSTER_DETAILS);
    Press(KEY_ESCAPE);
    EXPECT_EQ(qt::Row({Press(KEY_ESCAPE), gametime}), qt::Row({MODE_NORMAL, t0}));
}

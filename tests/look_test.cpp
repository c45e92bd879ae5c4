// Looking about: the cursor, what it describes, and a monster's details.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "creatures/monster.h"
#include "harness.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/font.h"
#include "shell/main.h"
#include "status/stats.h"
#include "world/level.h"
#include "world/look.h"

namespace {

// The look cursor's cell in these tests; the player stands a little to the west.
constexpr int CX = 70;
constexpr int CY = 30;

class Look : public ::testing::Test {
protected:
    void SetUp() override
    {
        qt::NewSeededGame(99);
        player.x = 65;
        player.y = 30;
        player.visible = 1;
        player.blind = 0;
        player.viewx = 55;
        player.viewy = 22;
        // Nothing about but what each test puts there.
        std::memset(monsters, 0, sizeof monsters);
        curmonsters = 0;
        cursmallitems = 0;
        worldmap[CY][CX] = 0;
        overmap[CY][CX] = 0;
        cursorx = CX;
        cursory = CY;
        mode = MODE_LOOKING;
    }
    // Each test starts from a new game, which lays both map grids anew.
    void TearDown() override { qt::Drain(); }
};

void PutMonster(int slot, int kind, int x, int y)
{
    MonsterRecord &m = monsters[slot];
    std::memset(&m, 0, sizeof m);
    m.kind = kind;
    m.alive = 1;
    m.name = monster_names[kind];
    m.attack = monster_attacks[kind];
    m.x = x;
    m.y = y;
    m.chp = m.mhp = monstermhp[kind];
    m.maxdamage = monstermax[kind];
    m.size = monstersize[kind];
    m.exp = monsterexp[kind];
    m.move = monstermove[kind];
    m.attacktype = monsterattacktype[kind];
    m.hostility = monsterhostility[kind];
    m.multiplies = can_multiply[kind];
    if (slot >= curmonsters)
        curmonsters = slot + 1;
}

// Press a key, run the frames, and tell the mode the game is in after them.
int Press(SDLKey key, int frames = 1)
{
    qt::Key(key);
    qt::Frame(frames);
    return mode;
}

// The n-th look line (from 1) on the bottom strip.
bool LookLineIs(int n, const char *text)
{
    return qt::TextAt(5, 465 + 15 * n, text);
}

// This frame draws exactly these look lines (their words read where the font is built).
void ExpectLook(std::initializer_list<const char *> lines, int at = 0)
{
    qt::Frame(1);
    bobcount = 0;
    DrawLookDescriptions();
    ASSERT_EQ(bobcount, static_cast<int>(lines.size())) << "case " << at;
    int n = 1;
    for (const char *text : lines) {
        if (font_image) {
            EXPECT_TRUE(LookLineIs(n++, text)) << "case " << at << ": " << text;
        }
    }
}

struct Text {
    int x, y;
    const char *text;
};

void ExpectTexts(std::initializer_list<Text> texts)
{
    for (const Text &t : texts)
        EXPECT_TRUE(qt::TextAt(t.x, t.y, t.text)) << t.text;
}

} // namespace

TEST_F(Look, TheCursorMovesWithArrowsAndKeypadAndStaysInsideTheView)
{
    qt::Keys({SDLK_KP9, SDLK_KP9, SDLK_RIGHT, SDLK_KP1, SDLK_KP5});
    qt::Frame(1);
    EXPECT_EQ(cursorx, CX + 2);
    EXPECT_EQ(cursory, CY - 1);
    EXPECT_EQ(mode, MODE_LOOKING);

    cursorx = player.viewx;
    cursory = player.viewy;
    qt::Keys({SDLK_LEFT, SDLK_UP, SDLK_KP7});
    qt::Frame(1);
    EXPECT_EQ(cursorx, player.viewx);
    EXPECT_EQ(cursory, player.viewy);
    cursorx = player.viewx + 21;
    cursory = player.viewy + 14;
    qt::Keys({SDLK_KP3, SDLK_RIGHT, SDLK_DOWN});
    qt::Frame(1);
    EXPECT_EQ(cursorx, player.viewx + 21);
    EXPECT_EQ(cursory, player.viewy + 14);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_NORMAL);
}

TEST_F(Look, LookingCostsNoTurn)
{
    int t0 = gametime;
    player.acted = 1; // the step that came before
    qt::Frame(30);
    qt::Keys({SDLK_LEFT, SDLK_LEFT});
    qt::Frame(30);
    EXPECT_EQ(gametime, t0 + 1);
}

TEST_F(Look, WhatTheCursorDescribes)
{
    // A monster on an item comes first; a corpse slot is not described.
    PutMonster(0, 11, CX, CY); // a Goblin
    PlaceMapItem(CX, CY, 31);  // on a Lantern
    ExpectLook({"You see a Goblin.", "View Details? (y/n)", "You see a Lantern."});
    monsters[0].kind = KIND_DEAD;
    cursmallitems = 0;
    ExpectLook({});

    // Doors and trees are named; a stump says nothing.
    struct Case {
        int *cell;
        int tile;
        const char *text;
    };
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
    cursorx = player.x;
    cursory = player.y;
    worldmap[player.y][player.x] = overmap[player.y][player.x] = 0;
    player.visible = 0;
    ExpectLook({});
    player.visible = 1;
    ExpectLook({"You see yourself."});
}

TEST_F(Look, YOpensTheHigherOfTwoMonstersOnTheCellAndEscapeKeepsTheCursor)
{
    // Over nothing or a corpse, y does nothing.
    EXPECT_EQ(Press(SDLK_y), MODE_LOOKING);
    PutMonster(0, 11, CX, CY);
    monsters[0].kind = KIND_DEAD;
    EXPECT_EQ(Press(SDLK_y), MODE_LOOKING);

    PutMonster(2, 5, CX, CY);
    PutMonster(5, 11, CX, CY);
    PutMonster(7, 7, CX + 1, CY);
    int t0 = gametime;
    EXPECT_EQ(Press(SDLK_y, 5), MODE_MONSTER_DETAILS);
    EXPECT_EQ(displaymonster, 5);
    EXPECT_EQ(Press(SDLK_x), MODE_MONSTER_DETAILS);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_LOOKING);
    EXPECT_EQ(cursorx, CX);
    EXPECT_EQ(cursory, CY);
    EXPECT_EQ(gametime, t0);
}

TEST_F(Look, HelpFromLookingAndDetailsComesBack)
{
    qt::Keys({SDLK_LEFT, SDLK_QUESTION});
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_HELP);
    EXPECT_EQ(oldmode, MODE_LOOKING);
    qt::Frame(5);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_LOOKING);
    EXPECT_EQ(cursorx, CX - 1);
    EXPECT_EQ(cursory, CY);

    PutMonster(0, 11, CX - 1, CY);
    Press(SDLK_y);
    EXPECT_EQ(Press(SDLK_SLASH), MODE_HELP);
    EXPECT_EQ(oldmode, MODE_MONSTER_DETAILS);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_MONSTER_DETAILS);
    EXPECT_EQ(displaymonster, 0);
}

TEST_F(Look, TheDetailsNameTheVerbAndWhatFollowsIt)
{
    PutMonster(0, 11, CX, CY);
    MonsterRecord &m = monsters[0];
    m.attack = "bites";
    m.attacktype = ATTACK_PLAIN;
    m.hostility = HOSTILE;
    m.multiplies = 1;
    m.move = MOVE_ROAM;
    m.chp = 7;
    displaymonster = 0;
    mode = MODE_MONSTER_DETAILS;
    qt::Frame(1);
    if (!font_image)
        GTEST_SKIP() << "the font picture is not built yet";
    ExpectTexts({{150, 75, "MONSTER DETAILS"}, {170, 100, "Goblin"}, {170, 115, "CHP: 7"},
                 {170, 205, "Moves erratically."}, {170, 220, "It bites to "}, {266, 220, "attack."},
                 {170, 235, "It is hostile."}, {170, 250, "Multiplies explosively."},
                 {500, 100, "ESC - Return to Looking"}, {500, 120, "? for Help"}});

    m.attacktype = ATTACK_POISON;
    m.hostility = NEUTRAL;
    m.move = MOVE_LURK;
    qt::Frame(1);
    ExpectTexts({{266, 220, "poison."}, {170, 235, "It is neutral."},
                 {170, 205, "Does not deign to attack intruders."}});

    // One that cannot attack says nothing of its attitude or breeding.
    m.attacktype = ATTACK_NONE;
    m.hostility = HOSTILE;
    m.move = MOVE_ROOTED;
    qt::Frame(1);
    ExpectTexts({{170, 220, "It cannot attack."}, {170, 205, "Does not move."}});
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
    mode = MODE_NORMAL;
    player.x = 70;
    player.y = 30;
    worldmap[30][70] = 0;
    overmap[30][70] = 0;
    PutMonster(0, 11, 71, 30);
    int t0 = gametime;
    EXPECT_EQ(Press(SDLK_l, 2), MODE_LOOKING);
    EXPECT_EQ(cursorx, 70);
    EXPECT_EQ(cursory, 30);
    if (font_image) {
        EXPECT_TRUE(qt::TextAt(690, 145, "Looking"));
        EXPECT_TRUE(LookLineIs(1, "You see yourself."));
    }
    Press(SDLK_RIGHT, 2);
    if (font_image) {
        EXPECT_TRUE(LookLineIs(1, "You see a Goblin."));
        EXPECT_TRUE(LookLineIs(2, "View Details? (y/n)"));
    }
    EXPECT_EQ(Press(SDLK_y, 2), MODE_MONSTER_DETAILS);
    Press(SDLK_ESCAPE);
    EXPECT_EQ(Press(SDLK_ESCAPE), MODE_NORMAL);
    EXPECT_EQ(gametime, t0);
}

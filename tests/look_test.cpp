// Looking about: the cursor, what it describes, and a monster's details.
#include <gtest/gtest.h>

#include <cstring>

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

int saved_ground[MAP_HEIGHT][MAP_WIDTH];
int saved_over[MAP_HEIGHT][MAP_WIDTH];

// The look cursor's cell in these tests; the player stands a little to the west.
constexpr int CX = 70;
constexpr int CY = 30;

class Look : public ::testing::Test {
protected:
    void SetUp() override
    {
        qt::NewSeededGame(99);
        std::memcpy(saved_ground, worldmap, sizeof worldmap);
        std::memcpy(saved_over, overmap, sizeof overmap);
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
    void TearDown() override
    {
        std::memcpy(worldmap, saved_ground, sizeof worldmap);
        std::memcpy(overmap, saved_over, sizeof overmap);
        qt::Drain();
    }
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

// Draws the look lines of this frame and tells how many there were.
int LookLines()
{
    qt::Frame(1);
    bobcount = 0;
    DrawLookDescriptions();
    return bobcount;
}

// The n-th look line (from 1) on the bottom strip.
bool LookLineIs(int n, const char *text)
{
    return qt::TextAt(5, 465 + 15 * n, text);
}

#define NEED_FONT()                                                                 \
    do {                                                                            \
        if (!font_image)                                                            \
            GTEST_SKIP() << "the font picture is not built yet";                    \
    } while (0)

} // namespace

TEST_F(Look, TheCursorStaysInsideTheView)
{
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
}

TEST_F(Look, TheCursorMovesWithArrowsAndKeypad)
{
    qt::Keys({SDLK_KP9, SDLK_KP9, SDLK_RIGHT, SDLK_KP1, SDLK_KP5});
    qt::Frame(1);
    EXPECT_EQ(cursorx, CX + 2);
    EXPECT_EQ(cursory, CY - 1);
    EXPECT_EQ(mode, MODE_LOOKING);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
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

TEST_F(Look, AMonsterOnAnItemIsDescribedBeforeTheItem)
{
    PutMonster(0, 11, CX, CY);        // a Goblin
    PlaceMapItem(CX, CY, 31);          // on a Lantern
    EXPECT_EQ(LookLines(), 3);
    NEED_FONT();
    EXPECT_TRUE(LookLineIs(1, "You see a Goblin."));
    EXPECT_TRUE(LookLineIs(2, "View Details? (y/n)"));
    EXPECT_TRUE(LookLineIs(3, "You see a Lantern."));
}

TEST_F(Look, ThePlayerSeesHimselfOnlyWhenVisible)
{
    cursorx = player.x;
    cursory = player.y;
    worldmap[player.y][player.x] = 0;
    overmap[player.y][player.x] = 0;
    EXPECT_EQ(LookLines(), 1);
    player.visible = 0;
    EXPECT_EQ(LookLines(), 0);
    player.visible = 1;
    EXPECT_EQ(LookLines(), 1);
    NEED_FONT();
    EXPECT_TRUE(LookLineIs(1, "You see yourself."));
}

TEST_F(Look, ACorpseSlotIsNotDescribed)
{
    PutMonster(0, 11, CX, CY);
    monsters[0].kind = KIND_DEAD;
    EXPECT_EQ(LookLines(), 0);
}

TEST_F(Look, DoorsAndTreesAreNamed)
{
    struct Case {
        int ground;
        const char *text;
    };
    const Case doors[] = {
        {112, "You see the entrance to the Inn."},   {148, "You see the entrance to the Inn."},
        {113, "You see the entrance to the Inn."},   {149, "You see the entrance to the Inn."},
        {114, "You see the entrance to the Tavern."}, {150, "You see the entrance to the Tavern."},
        {116, "You see the entrance to a House."},   {152, "You see the entrance to a House."},
        {115, "You see the entrance to a House."},   {151, "You see the entrance to a House."},
    };
    for (const Case &c : doors) {
        worldmap[CY][CX] = c.ground;
        EXPECT_EQ(LookLines(), 1) << c.ground;
        if (font_image) {
            EXPECT_TRUE(LookLineIs(1, c.text)) << c.ground;
        }
    }
    worldmap[CY][CX] = 0;
    const Case trees[] = {
        {1, "You see a Tree."}, {3, "You see a Tree."}, {2, "You see a Pine Tree."}, {4, "You see a Pine Tree."},
    };
    for (const Case &c : trees) {
        overmap[CY][CX] = c.ground;
        EXPECT_EQ(LookLines(), 1) << c.ground;
        if (font_image) {
            EXPECT_TRUE(LookLineIs(1, c.text)) << c.ground;
        }
    }
    overmap[CY][CX] = 5; // a stump says nothing
    EXPECT_EQ(LookLines(), 0);
}

TEST_F(Look, YOpensTheHigherOfTwoMonstersOnTheCell)
{
    PutMonster(2, 5, CX, CY);
    PutMonster(5, 11, CX, CY);
    PutMonster(7, 7, CX + 1, CY);
    qt::Key(SDLK_y);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_MONSTER_DETAILS);
    EXPECT_EQ(displaymonster, 5);
}

TEST_F(Look, YOverNothingOrACorpseDoesNothing)
{
    qt::Key(SDLK_y);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_LOOKING);
    PutMonster(0, 11, CX, CY);
    monsters[0].kind = KIND_DEAD;
    qt::Key(SDLK_y);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_LOOKING);
}

TEST_F(Look, DetailsReturnToLookingWithTheCursorKept)
{
    PutMonster(0, 11, CX, CY);
    int t0 = gametime;
    qt::Key(SDLK_y);
    qt::Frame(5);
    EXPECT_EQ(mode, MODE_MONSTER_DETAILS);
    qt::Key(SDLK_x);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_MONSTER_DETAILS);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_LOOKING);
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
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_LOOKING);
    EXPECT_EQ(cursorx, CX - 1);
    EXPECT_EQ(cursory, CY);

    PutMonster(0, 11, CX - 1, CY);
    qt::Key(SDLK_y);
    qt::Frame(1);
    qt::Key(SDLK_SLASH);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_HELP);
    EXPECT_EQ(oldmode, MODE_MONSTER_DETAILS);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_MONSTER_DETAILS);
    EXPECT_EQ(displaymonster, 0);
}

TEST_F(Look, TheDetailsNameTheVerbAndWhatFollowsIt)
{
    PutMonster(0, 11, CX, CY);
    monsters[0].attack = "bites";
    monsters[0].attacktype = ATTACK_PLAIN;
    monsters[0].hostility = HOSTILE;
    monsters[0].multiplies = 1;
    monsters[0].move = MOVE_ROAM;
    monsters[0].chp = 7;
    displaymonster = 0;
    mode = MODE_MONSTER_DETAILS;
    qt::Frame(1);
    NEED_FONT();
    EXPECT_TRUE(qt::TextAt(150, 75, "MONSTER DETAILS"));
    EXPECT_TRUE(qt::TextAt(170, 100, "Goblin"));
    EXPECT_TRUE(qt::TextAt(170, 115, "CHP: 7"));
    EXPECT_TRUE(qt::TextAt(170, 205, "Moves erratically."));
    EXPECT_TRUE(qt::TextAt(170, 220, "It bites to "));
    EXPECT_TRUE(qt::TextAt(266, 220, "attack."));
    EXPECT_TRUE(qt::TextAt(170, 235, "It is hostile."));
    EXPECT_TRUE(qt::TextAt(170, 250, "Multiplies explosively."));
    EXPECT_TRUE(qt::TextAt(500, 100, "ESC - Return to Looking"));
    EXPECT_TRUE(qt::TextAt(500, 120, "? for Help"));

    monsters[0].attacktype = ATTACK_POISON;
    monsters[0].hostility = NEUTRAL;
    monsters[0].move = MOVE_LURK;
    qt::Frame(1);
    EXPECT_TRUE(qt::TextAt(266, 220, "poison."));
    EXPECT_TRUE(qt::TextAt(170, 235, "It is neutral."));
    EXPECT_TRUE(qt::TextAt(170, 205, "Does not deign to attack intruders."));
}

TEST_F(Look, AMonsterThatCannotAttackSaysNothingOfAttitudeOrBreeding)
{
    PutMonster(0, 11, CX, CY);
    monsters[0].attacktype = ATTACK_NONE;
    monsters[0].hostility = HOSTILE;
    monsters[0].multiplies = 1;
    monsters[0].move = MOVE_ROOTED;
    displaymonster = 0;
    mode = MODE_MONSTER_DETAILS;
    qt::Frame(1);
    NEED_FONT();
    EXPECT_TRUE(qt::TextAt(170, 220, "It cannot attack."));
    EXPECT_TRUE(qt::TextAt(170, 205, "Does not move."));
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
    qt::Key(SDLK_l);
    qt::Frame(2);
    EXPECT_EQ(mode, MODE_LOOKING);
    EXPECT_EQ(cursorx, 70);
    EXPECT_EQ(cursory, 30);
    if (font_image) {
        EXPECT_TRUE(qt::TextAt(690, 145, "Looking"));
        EXPECT_TRUE(LookLineIs(1, "You see yourself."));
    }
    qt::Key(SDLK_RIGHT);
    qt::Frame(2);
    if (font_image) {
        EXPECT_TRUE(LookLineIs(1, "You see a Goblin."));
        EXPECT_TRUE(LookLineIs(2, "View Details? (y/n)"));
    }
    qt::Key(SDLK_y);
    qt::Frame(2);
    EXPECT_EQ(mode, MODE_MONSTER_DETAILS);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(gametime, t0);
}

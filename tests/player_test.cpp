// The player: a new character, walking, the command keys, resting, going, poison and growth.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "creatures/monster.h"
#include "harness.h"
#include "items/item.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/main.h"
#include "world/level.h"
#include "world/look.h"

namespace {

using V = std::vector<int>;
const char *const no_room = "There's no room to drop anything here.";

using qt::PlaceCreature;
void At(int x, int y) { player.x = x, player.y = y; }
V Place() { return {player.x, player.y}; }
V View() { return {player.viewx, player.viewy}; }
void Poison(int time) { player.poisoned = time > 0, player.poisontime = time; }

// A grassland without trees, nobody about, nothing lying around; the player at (x, y),
// the view origin at (vx, vy).
void StandInField(unsigned seed, int x = 100, int y = 30, int vx = 90, int vy = 24)
{
    qt::StandIn(seed, 4, 1, x, y, true);
    player.viewx = vx, player.viewy = vy;
}

// One key in normal play, and the frame in which its turn (if any) is counted.
void Press(GameKey key, int mod = MOD_NONE) { qt::Press(key, 2, mod); }

// g, the direction, and frames until going ends (at most n).
void Go(GameKey direction, int n = 20)
{
    qt::ScriptWaits({direction});
    qt::Press(KEY_G);
    for (int i = 0; i < n && mode == MODE_GOING; i++)
        qt::Frame(1);
}

} // namespace

// --- A new character --------------------------------------------------------------------------

TEST(NewCharacter, StartsWithRolledNumbersInTheNorthWestOfTheStartingTown)
{
    for (unsigned seed = 100; seed < 115; seed++) {
        qt::NewSeededGame(seed);
        EXPECT_EQ(player.chp, player.mhp);
        EXPECT_TRUE(player.mhp >= 18 && player.mhp <= 30) << player.mhp;
        EXPECT_TRUE(player.str >= 2 && player.str <= 4) << player.str;
        EXPECT_EQ(V({player.skill[0], player.skill[1]}), V({player.str > 2 ? 4 : 0, 0}));
        EXPECT_EQ(V({player.level, player.exp, player.killer, player.area}), V({1, 0, NO_KILLER, AREA_TOWN}));
        EXPECT_EQ(player.x, 5);
        EXPECT_GE(player.y, 5);
        EXPECT_FALSE(IsBlockingTile(worldmap[player.y][player.x]));
        EXPECT_EQ(player.viewx + player.viewy + player.areax + player.areay, 0);
    }
}

// --- Walking ----------------------------------------------------------------------------------

TEST(Walking, EveryDirectionKeyIsAStepAndATurnAndTwoInOneFrameMakeOne)
{
    const struct {
        GameKey key;
        int dx, dy;
    } cases[] = {{KEY_KP7, -1, -1}, {KEY_KP8, 0, -1}, {KEY_UP, 0, -1},   {KEY_KP9, 1, -1}, {KEY_KP4, -1, 0},
                 {KEY_LEFT, -1, 0}, {KEY_KP5, 0, 0},  {KEY_KP6, 1, 0},   {KEY_RIGHT, 1, 0}, {KEY_KP1, -1, 1},
                 {KEY_KP2, 0, 1},   {KEY_DOWN, 0, 1}, {KEY_KP3, 1, 1}};
    StandInField(1);
    for (const auto &c : cases) {
        At(100, 30);
        int time = gametime;
        Press(c.key);
        EXPECT_EQ(Place(), V({100 + c.dx, 30 + c.dy})) << c.key;
        EXPECT_EQ(gametime, time + 1) << c.key;
    }
    At(100, 30);
    int time = gametime;
    qt::Key(KEY_KP6);
    qt::Press(KEY_KP2, 2);
    EXPECT_EQ(Place(), V({100, 31}));
    EXPECT_EQ(gametime, time + 1);
}

TEST(Walking, TheViewScrollsAtItsMarginsAndKeypadEnterCentresIt)
{
    const struct {
        V view;
        GameKey key;
        V after2; // after one step the view has not moved
    } cases[] = {
        {{90, 20}, KEY_DOWN, {90, 30}},   // down to view row 11 stays, to 12 scrolls 10
        {{90, 27}, KEY_UP, {90, 17}},     // up to view row 2 stays, to 1 scrolls 10
        {{83, 24}, KEY_RIGHT, {100, 24}}, // right to view column 18 stays, to 19 scrolls 17
        {{97, 24}, KEY_LEFT, {80, 24}},   // left to view column 2 stays, to 1 scrolls 17
    };
    for (const auto &c : cases) {
        StandInField(3, 100, 30, c.view[0], c.view[1]);
        Press(c.key);
        EXPECT_EQ(View(), c.view);
        Press(c.key);
        EXPECT_EQ(View(), c.after2);
    }
    // A diagonal scrolls both ways; at the map's corner the view stops at the edge.
    StandInField(3, 230, 70, 212, 59);
    Press(KEY_KP3);
    EXPECT_EQ(View(), V({MAP_WIDTH - VIEW_COLS, MAP_HEIGHT - VIEW_ROWS}));
    At(100, 30);
    Press(KEY_KP_ENTER);
    EXPECT_EQ(View(), V({90, 24}));
}

TEST(Walking, WallsRefuseTheStepWithoutATurnButTheViewStillScrollsAndTreesDoNot)
{
    StandInField(4, 100, 30, 82, 24);
    worldmap[30][101] = TILE_HOUSE_TOP;
    int time = gametime;
    Press(KEY_KP6);
    EXPECT_EQ(qt::Row({player.x, gametime, player.viewx}), qt::Row({100, time, 99}));
    // Trees do not stop a player of ordinary size.
    overmap[31][100] = OVER_TREE;
    Press(KEY_KP2);
    EXPECT_EQ(player.y, 31);

    // A confused player walled in cannot leave the spot.
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy)
                worldmap[31 + dy][100 + dx] = TILE_HOUSE_TOP;
    player.confused = 1;
    for (int i = 0; i < 20; i++) {
        Press(KEY_KP6);
        ASSERT_EQ(Place(), V({100, 31}));
    }
}

TEST(Walking, SteppingOntoACreatureStrikesOnceAndStaysPut)
{
    StandInField(6);
    PlaceCreature(KIND_BUNNY, 101, 30, NEUTRAL);
    // Another one on the player's own square: still one blow and one step back.
    PlaceCreature(KIND_BUNNY, 100, 30, NEUTRAL);
    int time = gametime;
    qt::Press(KEY_KP6);
    EXPECT_EQ(Place(), V({100, 30}));
    qt::Frame(1);
    EXPECT_EQ(gametime, time + 1);
}

// --- The other command keys -------------------------------------------------------------------

TEST(Commands, ScreensOpenWithoutATurnAndShiftQLeavesForTheTitle)
{
    StandInField(9);
    int time = gametime;
    const struct {
        GameKey key;
        int mod;
        int mode;
    } cases[] = {{KEY_SLASH, MOD_LSHIFT, MODE_HELP}, {KEY_SLASH, MOD_NONE, MODE_NORMAL},
                 {KEY_N, MOD_RSHIFT, MODE_HISTORY},  {KEY_N, MOD_NONE, MODE_NORMAL},
                 {KEY_C, MOD_LSHIFT, MODE_STATS},    {KEY_I, MOD_NONE, MODE_INVENTORY},
                 {KEY_L, MOD_NONE, MODE_LOOKING},    {KEY_Q, MOD_NONE, MODE_NORMAL}};
    for (const auto &c : cases) {
        qt::Key(c.key, c.mod);
        qt::Frame(1);
        EXPECT_EQ(mode, c.mode) << c.key;
        mode = MODE_NORMAL;
    }
    EXPECT_EQ(V({cursorx, cursory}), V({100, 30}));
    qt::Frame(1);
    EXPECT_EQ(qt::Row({gametime, done}), qt::Row({time, STATE_PLAYING}));
    qt::Press(KEY_Q, 1, MOD_LSHIFT);
    EXPECT_EQ(qt::Row({done, selectmenu}), qt::Row({STATE_MENU, 0}));
}

TEST(Commands, DropIsRefusedOncePerItemOnTheCellOrOnceWhenTheMapHoldsNoMore)
{
    StandInField(11);
    items[0] = ItemClass(1, 100, 30);
    items[1] = ItemClass(2, 100, 30);
    cursmallitems = 2;
    int time = gametime;
    int before = qt::HistoryCount(no_room);
    Press(KEY_D);
    EXPECT_EQ(qt::HistoryCount(no_room), before + 2);

    // A full item table: refused before the drop screen opens, so nothing can be lost.
    for (int i = 0; i < MAX_MAP_ITEMS; i++)
        items[i] = ItemClass(1 + i % 20, i, 60);
    cursmallitems = MAX_MAP_ITEMS;
    Press(KEY_D);
    EXPECT_EQ(qt::Row({qt::HistoryCount(no_room), mode, gametime}), qt::Row({before + 3, MODE_NORMAL, time}));
}

// --- Resting ----------------------------------------------------------------------------------

TEST(Resting, NeedsWoundsAndNoPoisonAndEndsOnEscapeOrWhenWholeAfterTheTurnsStillToCount)
{
    StandInField(16);
    EXPECT_EQ(qt::Press(KEY_H, 2), MODE_NORMAL);
    player.chp = player.mhp - 5;
    Poison(100);
    EXPECT_EQ(qt::Press(KEY_H, 2), MODE_NORMAL);
    Poison(0);
    EXPECT_EQ(qt::Press(KEY_H, 2), MODE_RESTING);
    EXPECT_EQ(qt::Press(KEY_ESCAPE, 2), MODE_NORMAL);
    EXPECT_LT(player.chp, player.mhp);

    player.chp = player.mhp - 1, player.regencount = 5;
    ASSERT_EQ(qt::Press(KEY_H), MODE_RESTING);
    int time = gametime;
    qt::Frame(14);
    EXPECT_EQ(mode, MODE_RESTING);
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, player.chp}), qt::Row({MODE_NORMAL, player.mhp}));
    qt::Frame(3);
    // Fifteen frames of rest; the one that found the player whole cost no turn.
    EXPECT_EQ(gametime, time + 14);
}

// --- Going ------------------------------------------------------------------------------------

TEST(Going, StopsBeforeACreatureAndOnAnItemAndOpensADoorInTheWay)
{
    StandInField(18);
    PlaceCreature(KIND_TOWN_GUARD, 104, 30, NEUTRAL);
    Go(KEY_KP6);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(Place(), V({103, 30}));

    items[0] = ItemClass(7, 103, 34);
    cursmallitems = 1;
    Go(KEY_DOWN);
    EXPECT_EQ(qt::Row({mode, player.y}), qt::Row({MODE_NORMAL, 34}));

    // The door is opened; the next step walks through.
    worldmap[31][103] = TILE_HOUSE_DOOR;
    Go(KEY_KP8);
    EXPECT_EQ(qt::Row({mode, player.y, worldmap[31][103]}), qt::Row({MODE_NORMAL, 32, TILE_HOUSE_DOOR_OPEN}));
    Press(KEY_KP8);
    EXPECT_EQ(player.y, 31);
}

TEST(Going, EndsWhenTheViewScrollsOrAKeyIsPressed)
{
    StandInField(21, 100, 30, 83, 24);
    Go(KEY_KP6);
    EXPECT_EQ(qt::Row({mode, player.x, player.viewx}), qt::Row({MODE_NORMAL, 102, 100}));

    player.viewx = 90;
    Go(KEY_KP4, 1);
    ASSERT_EQ(mode, MODE_GOING);
    EXPECT_EQ(qt::Press(KEY_SPACE), MODE_NORMAL);
}

TEST(Going, CannotStartWhilePoisonedOrWithoutADirection)
{
    StandInField(22);
    Poison(50);
    qt::Press(KEY_G);
    EXPECT_EQ(qt::Row({mode, qt::WaitsSeen()}), qt::Row({MODE_NORMAL, 0}));
    Poison(0);
    Go(KEY_KP5, 0);
    EXPECT_EQ(qt::Row({mode, qt::UnexpectedWaits()}), qt::Row({MODE_NORMAL, 0}));
}

// --- Poison -----------------------------------------------------------------------------------

TEST(Poison, WearsOffWithOneFeelBetterLine)
{
    StandInField(23);
    player.mhp = player.chp = 20;
    Poison(3);
    Press(KEY_KP5);
    Press(KEY_KP5);
    EXPECT_EQ(player.chp, 18);
    EXPECT_TRUE(player.poisoned);
    Press(KEY_KP5);
    EXPECT_EQ(player.chp, 17);
    EXPECT_FALSE(player.poisoned);
    for (int i = 0; i < 5; i++)
        Press(KEY_KP5);
    EXPECT_EQ(qt::HistoryCount("You feel better."), 1);
    EXPECT_EQ(player.chp, 17);
}

TEST(Poison, ThatEndsOnTheTurnOfDeathStaysAndNobodyFeelsBetter)
{
    StandInField(24);
    player.chp = 0;
    Poison(1);
    qt::ScriptWaits({KEY_SPACE, KEY_SPACE});
    Press(KEY_KP5);
    EXPECT_EQ(player.chp, -1);
    EXPECT_TRUE(player.poisoned);
    EXPECT_EQ(done, STATE_DEAD);
    EXPECT_FALSE(qt::HistoryHas("You feel better."));
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

TEST(Poison, AndHealingRunOnlyForATurnThatWasTaken)
{
    // Against a wall to the east, a peaceful townsman to the south answered "no", going into the wall:
    // none of these takes a turn, so neither poison nor healing may run for them.
    StandInField(25);
    worldmap[30][101] = TILE_WALL_FIRST;
    PlaceCreature(18, 100, 31, FRIENDLY); // a Townsman
    player.mhp = 20, player.chp = 10, player.regenrate = 2;
    for (bool poisoned : {true, false}) {
        Poison(poisoned ? 30 : 0);
        const V before = {player.chp, player.poisoncount, player.poisontime, player.regencount, gametime};
        for (int i = 0; i < 40; i++)
            Press(KEY_KP6);
        qt::ScriptWaits({KEY_N, KEY_N, KEY_N});
        for (int i = 0; i < 3; i++)
            Press(KEY_KP2);
        if (!poisoned)
            Go(KEY_KP6, 5);
        EXPECT_EQ(V({player.chp, player.poisoncount, player.poisontime, player.regencount, gametime}), before)
            << (poisoned ? "poisoned" : "hurt");
        EXPECT_EQ(Place(), V({100, 30}));
    }
    // One real step still heals: two steps at a rate of two give one point.
    Press(KEY_KP8);
    Press(KEY_KP8);
    EXPECT_EQ(qt::Row({player.chp, qt::UnexpectedWaits()}), qt::Row({11, 0}));
}

TEST(Going, StartedInTheFrameOfAStepSpendsOnlyThatStepAndEnds)
{
    // The step comes first: "g" after it would drain anything pressed later.
    StandInField(27);
    const int time = gametime;
    qt::ScriptWaits({KEY_KP6});
    qt::Key(KEY_KP4);
    qt::Press(KEY_G, 50);
    EXPECT_LE(gametime, time + 1);
    EXPECT_EQ(qt::Row({mode, qt::UnexpectedWaits()}), qt::Row({MODE_NORMAL, 0}));
}

// --- Growth -----------------------------------------------------------------------------------

TEST(Growth, TwoThresholdsPassedAtOnceBringTwoLevelsEachWithItsMessageAndWaitOnItsOwnFrame)
{
    StandInField(26);
    int mhp = player.mhp, chp = player.chp;
    player.exp = 80; // past two thresholds at once
    qt::ScriptWaits({KEY_SPACE, KEY_SPACE});
    qt::Frame(1);
    EXPECT_EQ(V({player.level, player.mhp, player.chp, qt::WaitsSeen()}), V({2, mhp + 5, chp + 5, 1}));
    EXPECT_EQ(qt::HistoryLineText(0), "Welcome to level 2");
    qt::Frame(1);
    EXPECT_EQ(V({player.level, player.mhp}), V({3, mhp + 5 + 7}));
    EXPECT_EQ(qt::HistoryLineText(0), "Welcome to level 3");
    qt::Frame(2);
    EXPECT_EQ(V({player.level, qt::WaitsSeen(), qt::UnexpectedWaits()}), V({3, 2, 0}));
}

TEST(Growth, PracticeRaisesFightingWithABonusEvenAtTheTop)
{
    StandInField(27);
    for (int skill : {0, 20}) {
        player.skill[0] = skill, player.practice[0] = 80;
        qt::Frame(1);
        EXPECT_EQ(qt::Row({player.skill[0], skill ? 0 : player.practice[0]}), qt::Row({skill ? 20 : 1, 0}));
        EXPECT_EQ(player.tohit + player.todam, skill ? 2 : 1);
    }
}

TEST(Growth, OnceThePeaceIsBrokenEveryFriendlySlotInTownTurnsHostile)
{
    qt::NewSeededGame(28);
    std::fill(std::begin(monsters), std::end(monsters), MonsterRecord{});
    curmonsters = 0, monsters[70].hostility = FRIENDLY;
    qt::Frame(1);
    EXPECT_EQ(monsters[70].hostility, FRIENDLY);
    player.peace = 0;
    qt::Frame(1);
    for (const MonsterRecord &m : monsters)
        EXPECT_EQ(m.hostility, HOSTILE);
}

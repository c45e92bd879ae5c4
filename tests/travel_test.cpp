// Pointing at the map: a click on a cell (a wait, a step, travel) and a look at a cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "creatures/monster.h"
#include "harness.h"
#include "items/item.h"
#include "keep/save.h"
#include "player/player.h"
#include "player/travel.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "world/level.h"
#include "world/look.h"

namespace {

using V = std::vector<int>;
using qt::PX; // the player stands at (PX, PY) = (100, 40) in a field, the view at (90, 33)
using qt::PY;
const char *const arrived = "You have arrived.";
const char *const no_way = "You find no way there.";

V Place() { return {player.x, player.y}; }
void Wall(int x, int y) { worldmap[y][x] = TILE_HOUSE_TOP; }
void WallColumn(int x, int top, int bottom)
{
    for (int y = top; y <= bottom; y++)
        Wall(x, y);
}
// Walls all round (x, y), the cell itself left open.
void WallRound(int x, int y)
{
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy)
                Wall(x + dx, y + dy);
}

// A click on (x, y) and the frames that follow while the player travels (at most n), then
// the frame that counts the last step's turn. The cells the player stood on, frame by frame,
// each with the view's origin.
std::vector<V> Travel(int x, int y, int n = 100)
{
    std::vector<V> cells;
    ActOnCell(x, y);
    qt::Frame(1);
    for (int i = 0; i < n && mode == MODE_TRAVELLING; i++) {
        qt::Frame(1);
        cells.push_back({player.x, player.y, player.viewx, player.viewy});
    }
    qt::Frame(1);
    return cells;
}

// A click on a cell, then the frame that carries it out and the one that counts its turn.
void Click(int x, int y)
{
    ActOnCell(x, y);
    qt::Frame(2);
}

} // namespace

// --- Travel ---------------------------------------------------------------------------------

TEST(Travel, GoesRoundWallsByTheShortestWayAStepATurnPastTheViewsScrollAndSaysItArrived)
{
    qt::Field(1);
    WallColumn(103, 35, 45); // round either end: 6 steps to its end, 6 on to the goal
    const int time = gametime;
    const std::vector<V> cells = Travel(106, 40);
    ASSERT_EQ(cells.size(), 12u);
    V from = {PX, PY};
    bool scrolled = false;
    for (const V &c : cells) {
        EXPECT_EQ(std::max(std::abs(c[0] - from[0]), std::abs(c[1] - from[1])), 1) << c[0] << "," << c[1];
        EXPECT_FALSE(IsBlockingTile(worldmap[c[1]][c[0]])) << c[0] << "," << c[1];
        scrolled = scrolled || c[3] != PY - 7; // rounding the wall, near the view's edge
        from = c;
    }
    EXPECT_TRUE(scrolled);
    EXPECT_EQ(Place(), V({106, 40}));
    EXPECT_EQ(gametime, time + 12);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(qt::HistoryLineText(0), arrived);
    // The status column and the prompt line say so while it lasts.
    ActOnCell(PX, PY);
    qt::Frame(2);
    EXPECT_EQ(mode, MODE_TRAVELLING);
    EXPECT_TRUE(qt::TextAt(PROMPT_X, PROMPT_Y + LINE_HEIGHT, "Press any key to stop travelling"));
}

TEST(Travel, FindsNoWayIntoAWallOrAWalledInCellAndSpendsNoTurn)
{
    qt::Field(2);
    Wall(106, 38);
    WallRound(106, 42);
    for (V goal : {V{106, 38}, V{106, 42}}) {
        const int time = gametime;
        EXPECT_EQ(FindWay(PX, PY, goal[0], goal[1]), NO_WAY);
        EXPECT_TRUE(Travel(goal[0], goal[1]).empty());
        EXPECT_EQ(qt::Row({player.x, player.y, gametime, mode}), qt::Row({PX, PY, time, MODE_NORMAL}));
        EXPECT_EQ(qt::HistoryLineText(0), no_way);
    }
    EXPECT_EQ(FindWay(PX, PY, PX, PY), 0);
}

TEST(Travel, StopsAtAClosedDoorItOpensAndTheNextClickGoesThrough)
{
    qt::Field(3);
    WallRound(106, 40);
    worldmap[40][105] = TILE_HOUSE_DOOR;
    const int time = gametime;
    Travel(106, 40);
    EXPECT_EQ(Place(), V({104, 40}));
    EXPECT_EQ(worldmap[40][105], TILE_HOUSE_DOOR_OPEN);
    EXPECT_EQ(gametime, time + 5); // four steps and the door
    EXPECT_FALSE(qt::HistoryHas(arrived));
    Travel(106, 40);
    EXPECT_EQ(Place(), V({106, 40}));
    EXPECT_EQ(qt::HistoryLineText(0), arrived);
}

TEST(Travel, KeepsToTheGroundTheStepAllowsAndAvoidsCreatures)
{
    // Trees keep out only a walker too big to pass between them, on the way as on a step.
    // (Walls, furniture and closed doors are the land's only other hindrances.)
    qt::Field(4);
    for (int y = 35; y <= 45; y++)
        overmap[y][103] = OVER_TREE;
    EXPECT_EQ(FindWay(PX, PY, 106, 40), 6);
    player.size = TREE_BLOCKING_SIZE + 1;
    EXPECT_EQ(FindWay(PX, PY, 106, 40), 12); // round an end of the trees, at row 34 or 46
    for (int i = 0; i < waylength; i++)
        EXPECT_NE(overmap[way[i].y][way[i].x], OVER_TREE) << way[i].x << "," << way[i].y;

    // A creature in the only gap is gone round; one on the goal does not hide it.
    qt::Field(4);
    WallColumn(103, 36, 44);
    worldmap[40][103] = 0;
    EXPECT_EQ(FindWay(PX, PY, 106, 40), 6);
    qt::PlaceCreature(11, 103, 40, NEUTRAL);
    EXPECT_EQ(FindWay(PX, PY, 106, 40), 10); // round an end of the wall, at row 35 or 45
    qt::PlaceCreature(11, 106, 40, NEUTRAL);
    EXPECT_EQ(FindWay(PX, PY, 106, 40), 10);
}

TEST(Travel, StopsWhenACreatureComesIntoViewOrNextToThePlayer)
{
    // Someone in view from the start does not stop it.
    qt::Field(5);
    qt::PlaceCreature(11, 92, 35, NEUTRAL);
    Travel(108, 40);
    EXPECT_EQ(Place(), V({108, 40}));

    // Someone who comes into view stops it before the next step.
    qt::Field(5);
    ActOnCell(108, 40);
    qt::Frame(4); // the start, three steps
    ASSERT_EQ(Place(), V({103, 40}));
    qt::PlaceCreature(11, 95, 45, NEUTRAL);
    qt::Frame(2);
    EXPECT_EQ(qt::Row({player.x, mode}), qt::Row({103, MODE_NORMAL}));

    // So does someone in view the player comes next to.
    qt::Field(5);
    qt::PlaceCreature(11, 105, 41, NEUTRAL);
    Travel(108, 40);
    EXPECT_EQ(Place(), V({104, 40}));
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_FALSE(qt::HistoryHas(arrived));
}

TEST(Travel, StopsOnSomethingLyingOnTheWay)
{
    qt::Field(6);
    items[0] = ItemClass(31, 104, 40);
    cursmallitems = 1;
    Travel(108, 40);
    EXPECT_EQ(Place(), V({104, 40}));
    EXPECT_EQ(mode, MODE_NORMAL);
}

TEST(Travel, EndsAtTheEdgeOfTheAreaAndAClickBeyondItCrossesAsTheKeyDoes)
{
    qt::StandIn(7, 4, 1, MAP_WIDTH - 6, 40, true);
    Travel(MAP_WIDTH - 1, 40);
    EXPECT_EQ(qt::Row({player.x, player.areax}), qt::Row({MAP_WIDTH - 1, 4}));
    Click(MAP_WIDTH, 40);
    EXPECT_EQ(qt::Row({player.x, player.areax}), qt::Row({0, 5}));
}

TEST(Travel, GoesOnWhenAnotherSearchTookTheWaysTable)
{
    qt::Field(15);
    ActOnCell(108, 40);
    qt::Frame(2);
    FindWay(0, 0, 5, 5);
    qt::Frame(20);
    EXPECT_EQ(Place(), V({108, 40}));
}

TEST(Travel, AnyKeyStopsItAndDoesNothingElseAsDoesStopTravel)
{
    qt::Field(8);
    ActOnCell(108, 40);
    qt::Frame(3);
    EXPECT_EQ(qt::Press(KEY_I, 2), MODE_NORMAL); // not the inventory
    EXPECT_EQ(Place(), V({102, 40}));

    ActOnCell(108, 40);
    qt::Frame(2);
    StopTravel();
    qt::Frame(2);
    EXPECT_EQ(qt::Row({player.x, mode}), qt::Row({103, MODE_NORMAL}));
}

TEST(Travel, ASaveTakenOnTheWayHoldsAGameInNormalPlay)
{
    qt::Field(9);
    player.area = hugemap[player.areay][player.areax]; // the field is the world's own land
    ActOnCell(108, 40);
    qt::Frame(3);
    const std::string text = WriteGameText();
    ASSERT_EQ(mode, MODE_TRAVELLING);
    char why[256] = "";
    ASSERT_TRUE(ReadGameText(text, why, sizeof why)) << why;
    EXPECT_EQ(qt::Row({player.x, player.y, mode}), qt::Row({102, 40, MODE_NORMAL}));
    done = STATE_PLAYING;
    qt::Frame(3);
    EXPECT_EQ(Place(), V({102, 40}));
}

TEST(Travel, FindingTheWayRollsNoDice)
{
    qt::Field(10);
    WallColumn(103, 35, 45);
    std::srand(77);
    const int roll = std::rand();
    std::srand(77);
    FindWay(PX, PY, 106, 40);
    FindWay(PX, PY, 200, 70);
    EXPECT_EQ(std::rand(), roll);
}

// --- A click near the player ----------------------------------------------------------------

TEST(CellClick, OnThePlayerWaitsATurnAsKeypadFiveDoes)
{
    auto after = [](bool click) {
        qt::Field(11);
        player.chp = 50, player.poisoned = 1, player.poisontime = 9;
        if (click)
            Click(PX, PY);
        else
            qt::Press(KEY_KP5, 2);
        return qt::Row({gametime, player.x, player.y, player.chp, player.poisoncount, player.regencount});
    };
    const qt::Row clicked = after(true);
    EXPECT_EQ(clicked, after(false));
    EXPECT_EQ(clicked[4], 1);
}

TEST(CellClick, OnANeighbourStepsOpensAttacksAndAsksTheTownspersonFirst)
{
    qt::Field(12, AREA_TOWN);
    const int time = gametime;
    Click(PX + 1, PY - 1);
    EXPECT_EQ(qt::Row({player.x, player.y, gametime}), qt::Row({PX + 1, PY - 1, time + 1}));

    worldmap[PY][PX] = TILE_HOUSE_DOOR;
    Click(PX, PY);
    EXPECT_EQ(worldmap[PY][PX], TILE_HOUSE_DOOR_OPEN);
    EXPECT_EQ(Place(), V({PX + 1, PY - 1}));

    const int hostile = qt::PlaceCreature(11, PX + 2, PY - 1, HOSTILE);
    Click(PX + 2, PY - 1);
    EXPECT_EQ(Place(), V({PX + 1, PY - 1}));
    EXPECT_TRUE(qt::HistoryHas("You hit the Goblin.") || qt::HistoryHas("You miss the Goblin."));
    monsters[hostile].kind = KIND_DEAD, monsters[hostile].alive = 0;

    qt::PlaceCreature(11, PX + 1, PY - 2, FRIENDLY);
    qt::ScriptWaits({KEY_N});
    const int asked = gametime;
    Click(PX + 1, PY - 2);
    EXPECT_EQ(qt::Row({qt::WaitsSeen(), gametime, player.peace}), qt::Row({1, asked, 1}));
    qt::ScriptWaits({KEY_Y});
    Click(PX + 1, PY - 2);
    EXPECT_EQ(qt::Row({qt::WaitsSeen(), player.peace, player.y}), qt::Row({2, 0, PY - 1}));
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

TEST(CellClick, FarWhilePoisonedIsOneStepOfTheWayAndElsewhereThanInPlayNothing)
{
    qt::Field(13);
    player.poisoned = 1, player.poisontime = 30;
    Click(108, 40);
    EXPECT_EQ(qt::Row({player.x, player.poisoncount, mode}), qt::Row({101, 1, MODE_NORMAL}));

    mode = MODE_LOOKING;
    Click(102, 40);
    mode = MODE_NORMAL;
    qt::Frame(2);
    EXPECT_EQ(player.x, 101);
}

// --- A look at a cell -----------------------------------------------------------------------

TEST(LookAtCell, ShowsWhatLooksAtTheCellShowsOrTheCreaturesPageAndCostsNoTurn)
{
    qt::Field(14);
    const int time = gametime;
    items[0] = ItemClass(31, 103, 38);
    cursmallitems = 1;
    LookAtCell(103, 38);
    qt::Frame(2);
    EXPECT_EQ(qt::Row({mode, cursorx, cursory}), qt::Row({MODE_LOOKING, 103, 38}));
    EXPECT_TRUE(qt::TextAt(PROMPT_X, PROMPT_Y + LINE_HEIGHT, "You see a Lantern."));

    const int goblin = qt::PlaceCreature(11, 104, 36, HOSTILE);
    LookAtCell(104, 36); // from look mode too
    qt::Frame(1);
    EXPECT_EQ(qt::Row({mode, displaymonster}), qt::Row({MODE_MONSTER_DETAILS, goblin}));
    EXPECT_TRUE(qt::TextAt(150, 75, "MONSTER DETAILS"));
    EXPECT_TRUE(qt::TextAt(170, 100, "Goblin"));
    EXPECT_EQ(qt::Press(KEY_ESCAPE), MODE_LOOKING);
    EXPECT_EQ(qt::Row({cursorx, cursory}), qt::Row({104, 36}));
    EXPECT_EQ(qt::Press(KEY_ESCAPE), MODE_NORMAL);

    // Beyond the view there is nothing to look at.
    LookAtCell(player.viewx + VIEW_COLS, PY);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(gametime, time);
}

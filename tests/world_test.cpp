// The world as a player meets it: the town, the wilds, doors, and walking from area to area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "creatures/monster.h"
#include "harness.h"
#include "player/player.h"
#include "shell/dice.h"
#include "shell/global.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

using V = std::vector<int>;

using qt::PlaceCreature;
using qt::StandIn;

void SetView(int x, int y)
{
    player.viewx = x - 10, player.viewy = y - 6;
    FixScreen();
}
void StandInField(unsigned seed, int x, int y) { StandIn(seed, 4, 1, x, y, true); }
void Press(GameKey key) { qt::Press(key, 2); }

V View() { return {player.viewx, player.viewy}; }
V Where() { return {player.areax, player.areay, player.x, player.y}; }
V Ground() { return V(&worldmap[0][0], &worldmap[0][0] + MAP_WIDTH * MAP_HEIGHT); }
V Overlays() { return V(&overmap[0][0], &overmap[0][0] + MAP_WIDTH * MAP_HEIGHT); }
int CountTile(int tile, int top, int bottom)
{
    const int *first = &worldmap[0][0];
    return int(std::count(first + top * MAP_WIDTH, first + (bottom + 1) * MAP_WIDTH, tile));
}

bool InGatePassage(int x, int y)
{
    return y >= MAP_HEIGHT - 2 && ((x >= GATE_WEST + 1 && x <= GATE_WEST + 2) || (x >= GATE_EAST + 1 && x <= GATE_EAST + 2));
}

} // namespace

// --- The town ---------------------------------------------------------------------------------

TEST(Town, HasOneInnAndOneTavernInTheirRowsAndTheSameSeedBuildsTheSameTown)
{
    const int all = MAP_HEIGHT - 1;
    for (unsigned seed = 1; seed <= 4; seed++) {
        qt::NewSeededGame(seed);
        EXPECT_EQ(CountTile(TILE_INN_CORNER, 0, all), 1) << seed;
        EXPECT_EQ(CountTile(TILE_INN_CORNER, 0, BLOCK_HEIGHT - 1), 1) << seed;
        EXPECT_EQ(CountTile(TILE_TAVERN_CORNER, 0, all), 1) << seed;
        EXPECT_EQ(CountTile(TILE_TAVERN_CORNER, BLOCK_HEIGHT, 2 * BLOCK_HEIGHT - 1), 1) << seed;
        EXPECT_EQ(V({CountTile(TILE_INN_DOOR, 0, all), CountTile(TILE_TAVERN_DOOR, 0, all), CountTile(TILE_HOUSE_DOOR, 0, all)}),
                  V({1, 1, 53}));
    }
    qt::NewSeededGame(42);
    V ground = Ground(), over = Overlays();
    int y = player.y;
    qt::NewSeededGame(42);
    EXPECT_TRUE(ground == Ground() && over == Overlays());
    EXPECT_EQ(y, player.y);
    qt::NewSeededGame(43);
    EXPECT_FALSE(ground == Ground());
}

TEST(Town, EveryDoorOfTheUpperRowsHasAPathDownToItsRowsPath)
{
    for (unsigned seed = 11; seed <= 13; seed++) {
        qt::NewSeededGame(seed);
        for (int r = 0; r < BLOCK_ROWS - 1; r++) {
            const int pathrow = BLOCK_HEIGHT * r + BLOCK_HEIGHT - 1;
            const int first = houses[r][0].x + houses[r][0].doorx;
            const int last = houses[r][BLOCK_COLS - 1].x + houses[r][BLOCK_COLS - 1].doorx;
            for (const HouseRecord &h : houses[r]) {
                const int col = h.x + h.doorx;
                ASSERT_TRUE(IsClosedDoorTile(worldmap[h.y + h.height - 1][col])) << seed << ": " << r << "," << col;
                for (int y = h.y + h.height; y < pathrow; y++)
                    ASSERT_EQ(worldmap[y][col], TILE_PATH_NS) << seed << ": " << col << "," << y;
            }
            // Turns at both ends, a branch wherever a door path comes down, plain path between.
            EXPECT_EQ(worldmap[pathrow][first], TILE_PATH_TURN_SW);
            EXPECT_EQ(worldmap[pathrow][last], TILE_PATH_TURN_SE);
            int branches = 0;
            for (int x = first + 1; x < last; x++) {
                bool doorpath = worldmap[pathrow - 1][x] == TILE_PATH_NS;
                EXPECT_EQ(worldmap[pathrow][x], doorpath ? TILE_PATH_BRANCH_UP : TILE_PATH_EW) << x << "," << pathrow;
                branches += doorpath;
            }
            EXPECT_EQ(branches, BLOCK_COLS - 2);
        }
        // The bottom row of blocks has no paths.
        for (int y = BLOCK_HEIGHT * 4; y < MAP_HEIGHT; y++)
            for (int x = 0; x < MAP_WIDTH; x++)
                ASSERT_FALSE(worldmap[y][x] >= TILE_PATH_FIRST && worldmap[y][x] <= TILE_PATH_LAST);
    }
}

TEST(Town, IsWalledAllRoundAndLeftThroughTheGates)
{
    qt::NewSeededGame(3);
    for (int x = 0; x < MAP_WIDTH; x++) {
        EXPECT_TRUE(IsWallTile(worldmap[0][x])) << x;
        for (int y : {MAP_HEIGHT - 1, MAP_HEIGHT - 2})
            EXPECT_EQ(IsBlockingTile(worldmap[y][x]), !InGatePassage(x, y)) << x << "," << y;
    }
    for (int y = 0; y < MAP_HEIGHT; y++)
        EXPECT_TRUE(IsWallTile(worldmap[y][0]) && IsWallTile(worldmap[y][MAP_WIDTH - 1])) << y;
    EXPECT_EQ(overmap[MAP_HEIGHT - 2][GATE_EAST + 1], OVER_GATE_LEFT);
    EXPECT_EQ(overmap[MAP_HEIGHT - 2][GATE_EAST + 2], OVER_GATE_RIGHT);

    // Out through the west gate into the wilderness south of the town.
    for (MonsterRecord &m : monsters)
        m.alive = 0;
    player.x = GATE_WEST + 1, player.y = MAP_HEIGHT - 2;
    SetView(player.x, player.y);
    Press(KEY_DOWN);
    Press(KEY_DOWN);
    EXPECT_EQ(Where(), V({0, 1, GATE_WEST + 1, 0}));
    EXPECT_EQ(player.area, AREA_WILDERNESS);
}

TEST(Town, AWinterTownIsTheSummerTownInItsWinterTwins)
{
    qt::NewSeededGame(5);
    SeedDice(77);
    NewMap(AREA_TOWN);
    V summer = Ground(), over = Overlays();
    auto house = [](int type) {
        for (auto &row : houses)
            for (const HouseRecord &h : row)
                if (h.type == type)
                    return h;
        return HouseRecord{};
    };
    const HouseRecord inn = house(HOUSE_INN), tavern = house(HOUSE_TAVERN);
    auto inside = [](const HouseRecord &h, int x, int y) {
        return x >= h.x && x < h.x + h.width && y >= h.y && y < h.y + h.height;
    };

    gamedays = LAST_SUMMER_DAY + 1;
    SeedDice(77);
    NewMap(AREA_TOWN);
    gamedays = LAST_SUMMER_DAY;
    EXPECT_TRUE(over == Overlays());
    int branches = 0;
    for (int y = 0; y < MAP_HEIGHT; y++) {
        for (int x = 0; x < MAP_WIDTH; x++) {
            const int s = summer[y * MAP_WIDTH + x];
            int twin = s; // house floors, top walls, windows, the tavern and the gates stay
            if (inside(inn, x, y))
                twin = s + WINTER_INN;
            else if (inside(tavern, x, y))
                twin = s;
            else if ((s == 0 || s == 1) && !InGatePassage(x, y))
                twin = s + TILE_SNOW;
            else if (s >= TILE_HOUSE_CORNER_LEFT && s <= TILE_HOUSE_BOTTOM_RIGHT)
                twin = s + WINTER_HOUSE_WALL;
            else if (s == TILE_HOUSE_DOOR)
                twin = TILE_HOUSE_DOOR_SNOW;
            else if ((s >= 84 && s <= 87) || (s >= 92 && s <= 99))
                twin = s + WINTER_TOWN_WALL; // the straight pieces too: 84 shows 96
            else if (s >= 117 && s <= 131)
                twin = s + WINTER_PATH;
            ASSERT_EQ(worldmap[y][x], twin) << x << "," << y;
            branches += worldmap[y][x] == TILE_PATH_BRANCH_UP + WINTER_PATH;
        }
    }
    // Door paths meet the row paths in winter too.
    EXPECT_EQ(branches, 4 * (BLOCK_COLS - 2));
}

TEST(Town, APlayerPutOnASideWallIsMovedSouthToTheLastRow)
{
    qt::NewSeededGame(8);
    for (int x : {0, MAP_WIDTH - 1}) {
        player.x = x, player.y = x ? 0 : 5;
        NewMap(AREA_TOWN);
        EXPECT_EQ(player.y, MAP_HEIGHT - 1) << x;
    }
}

// --- The wilds --------------------------------------------------------------------------------

TEST(Wilds, GrasslandKeepsTheTreesAndAnAreaWithoutABuilderKeepsEverything)
{
    StandIn(4, 3, 1, MAP_WIDTH - 1, 30);
    overmap[30][MAP_WIDTH - 1] = OVER_NONE;
    V ground = Ground(), over = Overlays();
    EXPECT_GT(std::count(over.begin(), over.end(), OVER_TREE), 100);
    EXPECT_EQ(std::count(over.begin(), over.end(), OVER_STUMP), 0);
    Press(KEY_RIGHT);
    ASSERT_EQ(player.area, AREA_GRASSLAND);
    // The trees stand on the new grass, but for those a large creature was born on.
    V now = Overlays();
    int big = 0, cleared = 0;
    for (int i = 0; i < curmonsters; i++)
        big += monsters[i].alive && monsters[i].size > 50;
    for (size_t i = 0; i < over.size(); i++) {
        EXPECT_TRUE(now[i] == over[i] || now[i] == OVER_NONE) << i;
        cleared += now[i] != over[i];
    }
    EXPECT_LE(cleared, big);
    EXPECT_FALSE(ground == Ground());

    ground = Ground(), over = now;
    player.x = MAP_WIDTH - 1;
    SetView(player.x, player.y);
    Press(KEY_RIGHT);
    ASSERT_EQ(player.areax, 5);
    ASSERT_EQ(player.area, 8);
    EXPECT_TRUE(ground == Ground() && over == Overlays());
}

// --- Travel -----------------------------------------------------------------------------------

TEST(Travel, ADiagonalOffAMapCornerCrossesBothEdgesForOneTurn)
{
    StandIn(13, 1, 1, MAP_WIDTH - 1, 0);
    int time = gametime;
    Press(KEY_KP9);
    EXPECT_EQ(Where(), V({2, 0, 0, MAP_HEIGHT - 1}));
    EXPECT_EQ(qt::Row({player.area, gametime}), qt::Row({AREA_WILDERNESS, time + 1}));
    EXPECT_EQ(View(), V({0, MAP_HEIGHT - VIEW_ROWS}));
}

TEST(Travel, AStepOffTheWorldIsTakenBackWholeWithNoTurn)
{
    const std::pair<V, GameKey> cases[] = {
        {{7, 0, MAP_WIDTH - 1, 0}, KEY_KP9},  // the world's north-east corner
        {{1, 0, MAP_WIDTH - 1, 0}, KEY_KP9},  // off the north edge, though east is open
        {{3, 5, 0, MAP_HEIGHT - 1}, KEY_KP1}, // off the south edge, though west is open
        {{0, 1, 0, 30}, KEY_LEFT},            // off the west edge
    };
    for (const auto &c : cases) {
        StandIn(15, c.first[0], c.first[1], c.first[2], c.first[3]);
        V ground = Ground();
        int time = gametime;
        Press(c.second);
        EXPECT_EQ(Where(), c.first);
        EXPECT_EQ(gametime, time);
        EXPECT_TRUE(ground == Ground());
    }
}

TEST(Travel, ACreatureOnTheArrivalCellNeitherStopsNorPushesThePlayerOffTheMap)
{
    StandIn(17, 1, 1, MAP_WIDTH - 1, 20);
    const MonsterRecord &m = monsters[PlaceCreature(KIND_TOWN_GUARD, 0, 20, NEUTRAL)];
    Press(KEY_RIGHT);
    EXPECT_EQ(Where(), V({2, 1, 0, 20}));
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
    // Whoever stands there now was not struck on arrival.
    bool guard_there = m.alive && m.x == 0 && m.y == 20 && m.kind == KIND_TOWN_GUARD;
    EXPECT_TRUE(!guard_there || m.chp == 50);
}

// --- Doors ------------------------------------------------------------------------------------

TEST(Doors, WalkingIntoAClosedDoorOpensItForATurnAndTheNextStepGoesThrough)
{
    StandInField(30, 100, 30);
    for (int door = TILE_DOOR_FIRST; door <= TILE_DOOR_LAST; door++) {
        worldmap[29][100] = door;
        int time = gametime;
        Press(KEY_UP);
        EXPECT_EQ(worldmap[29][100], door - TILE_DOOR_FIRST + TILE_OPEN_DOOR_FIRST);
        EXPECT_EQ(qt::Row({player.y, gametime}), qt::Row({30, time + 1}));
    }
    Press(KEY_UP);
    EXPECT_EQ(player.y, 29);
}

TEST(Doors, OpenAndCloseAskTheWayAndCostATurnOnlyWhenADoorChanges)
{
    StandInField(32, 100, 30);
    worldmap[30][101] = TILE_INN_DOOR, worldmap[31][100] = TILE_TAVERN_DOOR_OPEN;
    qt::ScriptWaits({KEY_KP6, KEY_KP2});
    int time = gametime;
    Press(KEY_O);
    EXPECT_EQ(qt::Row({qt::WaitsSeen(), worldmap[30][101], player.x}), qt::Row({1, TILE_INN_DOOR_OPEN, 100}));
    EXPECT_EQ(gametime, time + 1);
    Press(KEY_C);
    EXPECT_EQ(qt::Row({worldmap[31][100], gametime}), qt::Row({TILE_TAVERN_DOOR, time + 2}));

    qt::ScriptWaits({KEY_KP4, KEY_KP2, KEY_ESCAPE});
    Press(KEY_O); // nothing there
    Press(KEY_C); // already closed
    Press(KEY_O); // the question cancelled
    EXPECT_EQ(qt::Row({worldmap[31][100], gametime}), qt::Row({TILE_TAVERN_DOOR, time + 2}));
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

TEST(Doors, CreaturesInTheDoorwayAreNamedAndKeepItAsItIsButACorpseDoesNot)
{
    StandInField(34, 100, 30);
    worldmap[30][99] = TILE_HOUSE_DOOR_OPEN;
    PlaceCreature(KIND_TOWN_GUARD, 99, 30, FRIENDLY);
    MonsterRecord &bunny = monsters[PlaceCreature(KIND_BUNNY, 99, 30, FRIENDLY)];
    qt::ScriptWaits({KEY_KP4});
    int time = gametime;
    Press(KEY_C);
    EXPECT_EQ(qt::Row({worldmap[30][99], gametime}), qt::Row({TILE_HOUSE_DOOR_OPEN, time}));
    EXPECT_EQ(qt::HistoryLineText(1), std::string("The ") + monster_names[KIND_TOWN_GUARD] + " is in your way!");
    EXPECT_EQ(qt::HistoryLineText(0), std::string("The ") + monster_names[KIND_BUNNY] + " is in your way!");

    worldmap[30][101] = TILE_HOUSE_DOOR, bunny.x = 101;
    for (int corpse = 0; corpse < 2; corpse++) {
        if (corpse)
            bunny.alive = 0, bunny.kind = KIND_DEAD;
        qt::ScriptWaits({KEY_RIGHT});
        Press(KEY_O);
        EXPECT_EQ(worldmap[30][101], corpse ? TILE_HOUSE_DOOR_OPEN : TILE_HOUSE_DOOR);
    }
}

TEST(Doors, NothingBeyondTheMapsEdgeIsOpenedOrClosed)
{
    // Facing east from the last column (the next row's first cell is no neighbour), north from
    // the first row, and south from the last.
    StandInField(36, MAP_WIDTH - 1, 30);
    worldmap[31][0] = TILE_HOUSE_DOOR, worldmap[30][0] = TILE_HOUSE_DOOR_OPEN;
    int time = gametime;
    const struct {
        int x, y;
        GameKey open, close;
    } faces[] = {{MAP_WIDTH - 1, 30, KEY_KP6, KEY_KP6}, {50, 0, KEY_KP8, KEY_UP}, {50, MAP_HEIGHT - 1, KEY_DOWN, KEY_KP2}};
    for (const auto &f : faces) {
        player.x = f.x, player.y = f.y;
        qt::ScriptWaits({f.open, f.close});
        Press(KEY_O);
        Press(KEY_C);
    }
    EXPECT_EQ(qt::Row({worldmap[31][0], worldmap[30][0]}), qt::Row({TILE_HOUSE_DOOR, TILE_HOUSE_DOOR_OPEN}));
    EXPECT_EQ(qt::Row({gametime, qt::UnexpectedWaits()}), qt::Row({time, 0}));
}

TEST(Travel, TheFourCornerGuardsStandAtTheirCornersWhateverSquareThePlayerArrivesOn)
{
    // The town of world cell (5, 2), entered from each side at both ends of that side.
    const struct { int ax, ay, x, y; GameKey key; } arrivals[] = {
        {5, 1, 0, MAP_HEIGHT - 1, KEY_DOWN},  {5, 1, MAP_WIDTH - 1, MAP_HEIGHT - 1, KEY_DOWN},
        // Above a corner guard's column: the wall there once slid the arrival onto the guard's post.
        {5, 1, 1, MAP_HEIGHT - 1, KEY_DOWN},  {5, 1, 240, MAP_HEIGHT - 1, KEY_DOWN},
        {5, 3, 0, 0, KEY_UP},                 {5, 3, MAP_WIDTH - 1, 0, KEY_UP},
        {4, 2, MAP_WIDTH - 1, 0, KEY_RIGHT},  {4, 2, MAP_WIDTH - 1, MAP_HEIGHT - 1, KEY_RIGHT},
        {6, 2, 0, 0, KEY_LEFT},               {6, 2, 0, MAP_HEIGHT - 1, KEY_LEFT},
    };
    const V corners[] = {{1, 2}, {1, 72}, {240, 2}, {240, 72}};
    for (const auto &a : arrivals) {
        StandIn(21, a.ax, a.ay, a.x, a.y, true);
        Press(a.key);
        ASSERT_EQ(V({player.areax, player.areay}), V({5, 2}));
        for (const V &c : corners) {
            int guards = 0;
            for (int i = 0; i < curmonsters; i++)
                guards += monsters[i].alive && monsters[i].kind == KIND_TOWN_GUARD && monsters[i].x == c[0] &&
                          monsters[i].y == c[1];
            EXPECT_EQ(guards, 1) << "arriving from " << a.ax << "," << a.ay << " at " << a.x << "," << a.y
                                 << ": no guard at " << c[0] << "," << c[1];
        }
    }
}

// The world as a player meets it: the town, the wilds, doors, and walking from area to area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "creatures/monster.h"
#include "harness.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/doors.h"
#include "world/level.h"

namespace {

void ClearCreatures()
{
    for (MonsterRecord &m : monsters)
        m = MonsterRecord{};
    curmonsters = 0;
}

void ClearMapItems()
{
    for (ItemClass &it : items)
        it = ItemClass();
    cursmallitems = 0;
}

int PlaceCreature(int kind, int x, int y, int hostility)
{
    int i = curmonsters++;
    MonsterRecord &m = monsters[i];
    m = MonsterRecord{};
    m.name = monster_names[kind];
    m.attack = monster_attacks[kind];
    m.kind = kind;
    m.alive = 1;
    m.chp = m.mhp = 50;
    m.x = x;
    m.y = y;
    m.move = MOVE_ROOTED;
    m.hostility = hostility;
    return i;
}

void SetView(int x, int y)
{
    player.viewx = x - 10;
    player.viewy = y - 6;
    FixScreen();
}

// Stand the player at (x, y) of world cell (ax, ay), its area freshly built, nobody about.
void StandIn(unsigned seed, int ax, int ay, int x, int y)
{
    qt::NewSeededGame(seed);
    player.areax = ax;
    player.areay = ay;
    player.area = hugemap[ay][ax];
    NewMap(player.area);
    ClearCreatures();
    ClearMapItems();
    player.x = x;
    player.y = y;
    SetView(x, y);
}

// A quiet grassland of world cell (4, 1) without trees.
void StandInField(unsigned seed, int x, int y)
{
    StandIn(seed, 4, 1, x, y);
    for (auto &row : overmap)
        for (int &c : row)
            c = OVER_NONE;
}

// One key in normal play, and the frame in which its turn (if any) is counted.
void Press(SDLKey key, SDLMod mod = KMOD_NONE)
{
    qt::Key(key, mod);
    qt::Frame(2);
}

int CountTile(int tile, int top, int bottom)
{
    int n = 0;
    for (int y = top; y <= bottom; y++)
        for (int x = 0; x < MAP_WIDTH; x++)
            n += worldmap[y][x] == tile;
    return n;
}

bool IsDoor(int t)
{
    return t == TILE_HOUSE_DOOR || t == TILE_HOUSE_DOOR_SNOW || t == TILE_TAVERN_DOOR || t == TILE_INN_DOOR ||
           t == TILE_INN_DOOR_SNOW;
}

struct Grids {
    std::vector<int> ground;
    std::vector<int> over;
};

Grids CopyGrids()
{
    Grids g;
    g.ground.assign(&worldmap[0][0], &worldmap[0][0] + MAP_WIDTH * MAP_HEIGHT);
    g.over.assign(&overmap[0][0], &overmap[0][0] + MAP_WIDTH * MAP_HEIGHT);
    return g;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The town

TEST(Town, HasOneInnInTheTopRowOfBlocksAndOneTavernInTheSecond)
{
    for (unsigned seed = 1; seed <= 6; seed++) {
        qt::NewSeededGame(seed);
        EXPECT_EQ(CountTile(TILE_INN_CORNER, 0, MAP_HEIGHT - 1), 1) << "seed " << seed;
        EXPECT_EQ(CountTile(TILE_INN_CORNER, 0, BLOCK_HEIGHT - 1), 1) << "seed " << seed;
        EXPECT_EQ(CountTile(TILE_TAVERN_CORNER, 0, MAP_HEIGHT - 1), 1) << "seed " << seed;
        EXPECT_EQ(CountTile(TILE_TAVERN_CORNER, BLOCK_HEIGHT, 2 * BLOCK_HEIGHT - 1), 1) << "seed " << seed;
        EXPECT_EQ(CountTile(TILE_INN_DOOR, 0, MAP_HEIGHT - 1), 1);
        EXPECT_EQ(CountTile(TILE_TAVERN_DOOR, 0, MAP_HEIGHT - 1), 1);
        EXPECT_EQ(CountTile(TILE_HOUSE_DOOR, 0, MAP_HEIGHT - 1), 53);
    }
}

TEST(Town, EveryDoorOfTheUpperRowsHasAPathDownToItsRowsPath)
{
    for (unsigned seed = 11; seed <= 15; seed++) {
        qt::NewSeededGame(seed);
        for (int r = 0; r < BLOCK_ROWS - 1; r++) {
            const int pathrow = BLOCK_HEIGHT * r + BLOCK_HEIGHT - 1;
            int doorcols = 0;
            int first = MAP_WIDTH, last = -1;
            for (int k = 0; k < BLOCK_COLS; k++) {
                const HouseRecord &h = houses[r][k];
                const int col = h.x + h.doorx;
                ASSERT_TRUE(IsDoor(worldmap[h.y + h.height - 1][col])) << "seed " << seed << " block " << r << "," << k;
                for (int y = h.y + h.height; y < pathrow; y++)
                    EXPECT_EQ(worldmap[y][col], TILE_PATH_NS) << "seed " << seed << " column " << col << " row " << y;
                doorcols++;
                first = std::min(first, col);
                last = std::max(last, col);
            }
            EXPECT_EQ(doorcols, BLOCK_COLS);
            // Turns at both ends, a branch wherever a door path comes down, plain path elsewhere.
            EXPECT_EQ(worldmap[pathrow][first], TILE_PATH_TURN_SW);
            EXPECT_EQ(worldmap[pathrow][last], TILE_PATH_TURN_SE);
            int branches = 0;
            for (int x = first + 1; x < last; x++) {
                bool doorpath = worldmap[pathrow - 1][x] == TILE_PATH_NS;
                EXPECT_EQ(worldmap[pathrow][x], doorpath ? TILE_PATH_BRANCH_UP : TILE_PATH_EW)
                    << "seed " << seed << " row " << pathrow << " column " << x;
                branches += doorpath;
            }
            EXPECT_EQ(branches, BLOCK_COLS - 2);
        }
        // The bottom row of blocks has no paths.
        for (int y = BLOCK_HEIGHT * 4; y < MAP_HEIGHT; y++)
            for (int x = 0; x < MAP_WIDTH; x++)
                EXPECT_FALSE(worldmap[y][x] >= TILE_PATH_FIRST && worldmap[y][x] <= TILE_PATH_LAST);
    }
}

TEST(Town, IsWalledAllRoundWithTwoOpenGatesInTheSouthWall)
{
    qt::NewSeededGame(3);
    for (int x = 0; x < MAP_WIDTH; x++) {
        EXPECT_TRUE(IsWallTile(worldmap[0][x])) << x;
        bool gate = (x >= GATE_WEST + 1 && x <= GATE_WEST + 2) || (x >= GATE_EAST + 1 && x <= GATE_EAST + 2);
        EXPECT_EQ(IsBlockingTile(worldmap[MAP_HEIGHT - 1][x]), !gate) << x;
        EXPECT_EQ(IsBlockingTile(worldmap[MAP_HEIGHT - 2][x]), !gate) << x;
    }
    for (int y = 0; y < MAP_HEIGHT; y++) {
        EXPECT_TRUE(IsWallTile(worldmap[y][0])) << y;
        EXPECT_TRUE(IsWallTile(worldmap[y][MAP_WIDTH - 1])) << y;
    }
    EXPECT_EQ(overmap[MAP_HEIGHT - 2][GATE_WEST + 1], OVER_GATE_LEFT);
    EXPECT_EQ(overmap[MAP_HEIGHT - 2][GATE_WEST + 2], OVER_GATE_RIGHT);
    EXPECT_EQ(worldmap[MAP_HEIGHT - 1][GATE_EAST], TILE_GATE_BOTTOM_LEFT);
    EXPECT_EQ(worldmap[MAP_HEIGHT - 1][GATE_EAST + 3], TILE_GATE_BOTTOM_RIGHT);

    // Out through the west gate: the wilderness south of the town.
    player.x = GATE_WEST + 1;
    player.y = MAP_HEIGHT - 2;
    SetView(player.x, player.y);
    ClearCreatures();
    Press(SDLK_DOWN);
    EXPECT_EQ(player.y, MAP_HEIGHT - 1);
    Press(SDLK_DOWN);
    EXPECT_EQ(player.areax, 0);
    EXPECT_EQ(player.areay, 1);
    EXPECT_EQ(player.area, AREA_WILDERNESS);
    EXPECT_EQ(player.x, GATE_WEST + 1);
    EXPECT_EQ(player.y, 0);
}

TEST(Town, TheSameSeedBuildsTheSameTown)
{
    qt::NewSeededGame(42);
    Grids a = CopyGrids();
    int ax = player.x, ay = player.y;
    qt::NewSeededGame(42);
    Grids b = CopyGrids();
    EXPECT_TRUE(a.ground == b.ground);
    EXPECT_TRUE(a.over == b.over);
    EXPECT_EQ(ax, player.x);
    EXPECT_EQ(ay, player.y);
    qt::NewSeededGame(43);
    EXPECT_FALSE(a.ground == CopyGrids().ground);
}

TEST(Town, AWinterTownIsTheSummerTownInItsWinterTwins)
{
    qt::NewSeededGame(5);
    for (unsigned seed : {5u, 77u}) {
        gamedays = LAST_SUMMER_DAY;
        player.x = 5;
        player.y = 5;
        std::srand(seed);
        NewMap(AREA_TOWN);
        Grids summer = CopyGrids();
        HouseRecord inn{}, tavern{};
        for (auto &row : houses)
            for (HouseRecord &h : row) {
                if (h.type == HOUSE_INN)
                    inn = h;
                if (h.type == HOUSE_TAVERN)
                    tavern = h;
            }

        gamedays = LAST_SUMMER_DAY + 1;
        player.x = 5;
        player.y = 5;
        std::srand(seed);
        NewMap(AREA_TOWN);
        Grids winter = CopyGrids();
        EXPECT_TRUE(summer.over == winter.over);

        auto inside = [](const HouseRecord &h, int x, int y) {
            return x >= h.x && x < h.x + h.width && y >= h.y && y < h.y + h.height;
        };
        int branches = 0;
        for (int y = 0; y < MAP_HEIGHT; y++) {
            for (int x = 0; x < MAP_WIDTH; x++) {
                int s = summer.ground[y * MAP_WIDTH + x];
                int w = winter.ground[y * MAP_WIDTH + x];
                int twin = s;
                if (inside(inn, x, y))
                    twin = s + WINTER_INN;
                else if (inside(tavern, x, y))
                    twin = s;
                else if (s == 0 || s == 1)
                    twin = (x >= GATE_WEST + 1 && x <= GATE_WEST + 2 && y >= MAP_HEIGHT - 2) ||
                                   (x >= GATE_EAST + 1 && x <= GATE_EAST + 2 && y >= MAP_HEIGHT - 2)
                               ? s
                               : s + 4;
                else if (s >= 21 && s <= 27)
                    twin = s + WINTER_HOUSE_WALL;
                else if (s == TILE_HOUSE_DOOR)
                    twin = TILE_HOUSE_DOOR_SNOW;
                else if ((s >= 84 && s <= 87) || (s >= 92 && s <= 99))
                    twin = s + WINTER_TOWN_WALL;
                else if (s >= 117 && s <= 131)
                    twin = s + WINTER_PATH;
                ASSERT_EQ(w, twin) << "seed " << seed << " at " << x << "," << y;
                branches += w == TILE_PATH_BRANCH_UP + WINTER_PATH;
            }
        }
        // The straight town-wall pieces take the one wall offset, and the gate has no winter form.
        EXPECT_EQ(winter.ground[0 * MAP_WIDTH + 1], TILE_TOWN_WALL_TOP_LEFT + WINTER_TOWN_WALL);
        EXPECT_EQ(winter.ground[(MAP_HEIGHT - 1) * MAP_WIDTH + GATE_WEST], TILE_GATE_BOTTOM_LEFT);
        // Door paths meet the row paths in winter too.
        EXPECT_EQ(branches, 4 * (BLOCK_COLS - 2));
    }
    gamedays = LAST_SUMMER_DAY;
}

TEST(Town, APlayerPutOnTheSideWallIsMovedSouthToTheLastRow)
{
    qt::NewSeededGame(8);
    player.x = 0;
    player.y = 5;
    NewMap(AREA_TOWN);
    EXPECT_EQ(player.y, MAP_HEIGHT - 1);
    player.x = MAP_WIDTH - 1;
    player.y = 0;
    NewMap(AREA_TOWN);
    EXPECT_EQ(player.y, MAP_HEIGHT - 1);
}

TEST(Town, ANewGameStartsOffTheWallsNearTheNorthWestCorner)
{
    for (unsigned seed = 20; seed < 30; seed++) {
        qt::NewSeededGame(seed);
        EXPECT_EQ(player.x, 5);
        EXPECT_GE(player.y, 5);
        EXPECT_FALSE(IsBlockingTile(worldmap[player.y][player.x]));
    }
}

// ---------------------------------------------------------------------------------------------
// The wilds

TEST(Wilds, AWildernessHasTreesAndNoStumpsOnGrass)
{
    StandIn(2, 1, 1, 100, 30);
    int trees = 0;
    for (int y = 0; y < MAP_HEIGHT; y++) {
        for (int x = 0; x < MAP_WIDTH; x++) {
            EXPECT_TRUE(worldmap[y][x] == 0 || worldmap[y][x] == 1);
            EXPECT_GE(overmap[y][x], OVER_NONE);
            EXPECT_LE(overmap[y][x], OVER_PINE2);
            trees += overmap[y][x] != OVER_NONE;
        }
    }
    // About one cell in six and a quarter carries a tree.
    EXPECT_GT(trees, MAP_WIDTH * MAP_HEIGHT / 10);
    EXPECT_LT(trees, MAP_WIDTH * MAP_HEIGHT / 4);
}

TEST(Wilds, WalkingFromWildernessIntoGrasslandKeepsTheTreesStanding)
{
    StandIn(4, 3, 1, MAP_WIDTH - 1, 30);
    overmap[30][MAP_WIDTH - 1] = OVER_NONE;
    Grids before = CopyGrids();
    Press(SDLK_RIGHT);
    ASSERT_EQ(player.areax, 4);
    ASSERT_EQ(player.area, AREA_GRASSLAND);
    EXPECT_TRUE(before.over == CopyGrids().over);
    EXPECT_FALSE(before.ground == CopyGrids().ground);
}

TEST(Wilds, AnAreaWithoutABuilderKeepsTheAreaLeftBehind)
{
    StandIn(6, 4, 1, MAP_WIDTH - 1, 30);
    Grids before = CopyGrids();
    Press(SDLK_RIGHT);
    ASSERT_EQ(player.areax, 5);
    ASSERT_EQ(player.area, 8);
    EXPECT_TRUE(before.ground == CopyGrids().ground);
    EXPECT_TRUE(before.over == CopyGrids().over);
    EXPECT_EQ(player.x, 0);
    EXPECT_EQ(player.y, 30);
}

// ---------------------------------------------------------------------------------------------
// Travel

TEST(Travel, EastFromTheLastColumnArrivesAtTheFirstColumnOfTheNextArea)
{
    StandIn(9, 1, 0, MAP_WIDTH - 1, 30);
    ASSERT_EQ(player.viewx, MAP_WIDTH - VIEW_COLS);
    int time = gametime;
    Press(SDLK_KP6);
    EXPECT_EQ(player.areax, 2);
    EXPECT_EQ(player.areay, 0);
    EXPECT_EQ(player.area, AREA_WILDERNESS);
    EXPECT_EQ(player.x, 0);
    EXPECT_EQ(player.y, 30);
    EXPECT_EQ(player.viewx, 0);
    EXPECT_EQ(gametime, time + 1);
    EXPECT_EQ(mode, MODE_NORMAL);
}

TEST(Travel, NorthFromTheFirstRowArrivesAtTheLastRowOfTheAreaAbove)
{
    StandIn(10, 1, 1, 70, 0);
    Press(SDLK_UP);
    EXPECT_EQ(player.areax, 1);
    EXPECT_EQ(player.areay, 0);
    EXPECT_EQ(player.x, 70);
    EXPECT_EQ(player.y, MAP_HEIGHT - 1);
    EXPECT_EQ(player.viewy, MAP_HEIGHT - VIEW_ROWS);
}

TEST(Travel, WestArrivesAtTheLastColumnWithTheViewAtTheEastEnd)
{
    StandIn(10, 2, 1, 0, 40);
    Press(SDLK_KP4);
    EXPECT_EQ(player.areax, 1);
    EXPECT_EQ(player.x, MAP_WIDTH - 1);
    EXPECT_EQ(player.y, 40);
    EXPECT_EQ(player.viewx, MAP_WIDTH - VIEW_COLS);
}

TEST(Travel, SouthIntoATownArrivesAtTheGateOfThatHalf)
{
    // World cell (5, 1) lies north of the town of (5, 2).
    StandIn(12, 5, 1, 150, MAP_HEIGHT - 1);
    NewMap(AREA_GRASSLAND);
    Press(SDLK_DOWN);
    EXPECT_EQ(player.areay, 2);
    EXPECT_EQ(player.area, AREA_TOWN);
    EXPECT_EQ(player.x, GATE_EAST + 2);
    EXPECT_EQ(player.y, MAP_HEIGHT - 1);
    EXPECT_EQ(player.viewx, MAP_WIDTH - VIEW_COLS);
    EXPECT_EQ(player.viewy, MAP_HEIGHT - VIEW_ROWS);
    EXPECT_FALSE(IsBlockingTile(worldmap[player.y][player.x]));

    StandIn(12, 5, 1, 60, MAP_HEIGHT - 1);
    NewMap(AREA_GRASSLAND);
    Press(SDLK_KP2);
    EXPECT_EQ(player.area, AREA_TOWN);
    EXPECT_EQ(player.x, GATE_WEST + 1);
    EXPECT_EQ(player.y, MAP_HEIGHT - 1);
    EXPECT_EQ(player.viewx, 0);
}

TEST(Travel, ADiagonalOffAMapCornerChangesBothWorldCoordinates)
{
    StandIn(13, 1, 1, MAP_WIDTH - 1, 0);
    int time = gametime;
    Press(SDLK_KP9);
    EXPECT_EQ(player.areax, 2);
    EXPECT_EQ(player.areay, 0);
    EXPECT_EQ(player.area, AREA_WILDERNESS);
    EXPECT_EQ(player.x, 0);
    EXPECT_EQ(player.y, MAP_HEIGHT - 1);
    EXPECT_EQ(player.viewx, 0);
    EXPECT_EQ(player.viewy, MAP_HEIGHT - VIEW_ROWS);
    EXPECT_EQ(gametime, time + 1);
}

TEST(Travel, ADiagonalOffTheWorldsCornerIsTakenBackWithNoTurn)
{
    StandIn(14, 7, 0, MAP_WIDTH - 1, 0);
    Grids before = CopyGrids();
    int time = gametime;
    Press(SDLK_KP9);
    EXPECT_EQ(player.areax, 7);
    EXPECT_EQ(player.areay, 0);
    EXPECT_EQ(player.x, MAP_WIDTH - 1);
    EXPECT_EQ(player.y, 0);
    EXPECT_EQ(gametime, time);
    EXPECT_TRUE(before.ground == CopyGrids().ground);
}

TEST(Travel, ADiagonalOffTheWorldsNorthEdgeIsTakenBackWholeEvenWhereEastIsOpen)
{
    StandIn(15, 1, 0, MAP_WIDTH - 1, 0);
    Grids before = CopyGrids();
    int time = gametime;
    Press(SDLK_KP9);
    EXPECT_EQ(player.areax, 1);
    EXPECT_EQ(player.areay, 0);
    EXPECT_EQ(player.x, MAP_WIDTH - 1);
    EXPECT_EQ(player.y, 0);
    EXPECT_EQ(gametime, time);
    EXPECT_TRUE(before.ground == CopyGrids().ground);

    // The same at the south edge going west.
    StandIn(15, 3, 5, 0, MAP_HEIGHT - 1);
    time = gametime;
    Press(SDLK_KP1);
    EXPECT_EQ(player.areax, 3);
    EXPECT_EQ(player.areay, 5);
    EXPECT_EQ(player.x, 0);
    EXPECT_EQ(player.y, MAP_HEIGHT - 1);
    EXPECT_EQ(gametime, time);
}

TEST(Travel, TheWestEdgeOfTheWorldRefusesWithNoTurn)
{
    StandIn(16, 0, 1, 0, 30);
    int time = gametime;
    Press(SDLK_LEFT);
    EXPECT_EQ(player.areax, 0);
    EXPECT_EQ(player.x, 0);
    EXPECT_EQ(player.y, 30);
    EXPECT_EQ(gametime, time);
}

TEST(Travel, ACreatureOnTheArrivalCellNeitherStopsNorPushesThePlayerOffTheMap)
{
    StandIn(17, 1, 1, MAP_WIDTH - 1, 20);
    int i = PlaceCreature(KIND_TOWN_GUARD, 0, 20, NEUTRAL);
    qt::ResetWaits();
    Press(SDLK_RIGHT);
    EXPECT_EQ(player.areax, 2);
    EXPECT_EQ(player.x, 0);
    EXPECT_EQ(player.y, 20);
    EXPECT_TRUE(OnMap(player.x, player.y));
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
    // Whoever stands there now was not struck on arrival.
    if (monsters[i].alive && monsters[i].x == 0 && monsters[i].y == 20 && monsters[i].kind == KIND_TOWN_GUARD) {
        EXPECT_EQ(monsters[i].chp, 50);
    }
}

TEST(Travel, ManyStepsAlongTheEdgesNeverLeaveTheMap)
{
    StandIn(18, 0, 0, 5, 5);
    const SDLKey walk[] = {SDLK_KP9, SDLK_KP7, SDLK_KP1, SDLK_KP3, SDLK_KP8, SDLK_KP2, SDLK_KP4, SDLK_KP6};
    for (int round = 0; round < 3; round++) {
        for (SDLKey k : walk) {
            for (int corner = 0; corner < 4; corner++) {
                player.x = corner & 1 ? MAP_WIDTH - 1 : 0;
                player.y = corner & 2 ? MAP_HEIGHT - 1 : 0;
                SetView(player.x, player.y);
                Press(k);
                ASSERT_TRUE(OnMap(player.x, player.y)) << player.x << "," << player.y;
                ASSERT_GE(player.areax, 0);
                ASSERT_LT(player.areax, WORLD_COLS);
                ASSERT_GE(player.areay, 0);
                ASSERT_LT(player.areay, WORLD_ROWS);
                ASSERT_EQ(player.area, hugemap[player.areay][player.areax]);
                ASSERT_GE(player.viewx, 0);
                ASSERT_LE(player.viewx, MAP_WIDTH - VIEW_COLS);
                ASSERT_GE(player.viewy, 0);
                ASSERT_LE(player.viewy, MAP_HEIGHT - VIEW_ROWS);
                if (done != STATE_PLAYING)
                    return;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Doors

TEST(Doors, WalkingIntoAClosedDoorOpensItAndUsesTheTurn)
{
    StandInField(30, 100, 30);
    worldmap[30][101] = TILE_HOUSE_DOOR;
    int time = gametime;
    Press(SDLK_KP6);
    EXPECT_EQ(worldmap[30][101], TILE_HOUSE_DOOR_OPEN);
    EXPECT_EQ(player.x, 100);
    EXPECT_EQ(gametime, time + 1);
    Press(SDLK_KP6);
    EXPECT_EQ(player.x, 101);
}

TEST(Doors, EveryKindOfDoorOpensIntoItsOwnOpenForm)
{
    StandInField(31, 100, 30);
    const int pairs[][2] = {{112, 148}, {113, 149}, {114, 150}, {115, 151}, {116, 152}};
    for (const auto &p : pairs) {
        worldmap[29][100] = p[0];
        Press(SDLK_UP);
        EXPECT_EQ(worldmap[29][100], p[1]);
        EXPECT_EQ(player.y, 30);
    }
}

TEST(Doors, TheOpenCommandAnswersADirectionPushedAtThePrompt)
{
    StandInField(32, 100, 30);
    worldmap[30][101] = TILE_INN_DOOR;
    qt::ScriptWaits({SDLK_KP6});
    int time = gametime;
    Press(SDLK_o);
    EXPECT_EQ(qt::WaitsSeen(), 1);
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
    EXPECT_EQ(worldmap[30][101], TILE_INN_DOOR_OPEN);
    EXPECT_EQ(player.x, 100);
    EXPECT_EQ(gametime, time + 1);
}

TEST(Doors, CloseShutsAnOpenDoorAndOpeningNothingCostsNoTurn)
{
    StandInField(33, 100, 30);
    worldmap[31][100] = TILE_TAVERN_DOOR_OPEN;
    qt::ScriptWaits({SDLK_KP2});
    int time = gametime;
    Press(SDLK_c);
    EXPECT_EQ(worldmap[31][100], TILE_TAVERN_DOOR);
    EXPECT_EQ(gametime, time + 1);

    qt::ScriptWaits({SDLK_KP4});
    time = gametime;
    Press(SDLK_o);
    EXPECT_EQ(gametime, time);
    qt::ScriptWaits({SDLK_KP2});
    Press(SDLK_c);
    EXPECT_EQ(gametime, time);
    EXPECT_EQ(worldmap[31][100], TILE_TAVERN_DOOR);

    // Escape at the prompt cancels.
    qt::ScriptWaits({SDLK_ESCAPE});
    Press(SDLK_o);
    EXPECT_EQ(worldmap[31][100], TILE_TAVERN_DOOR);
    EXPECT_EQ(gametime, time);
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

TEST(Doors, TwoCreaturesInTheDoorwayAreNamedAndKeepItOpen)
{
    StandInField(34, 100, 30);
    worldmap[30][99] = TILE_HOUSE_DOOR_OPEN;
    PlaceCreature(KIND_TOWN_GUARD, 99, 30, FRIENDLY);
    PlaceCreature(KIND_BUNNY, 99, 30, FRIENDLY);
    qt::ScriptWaits({SDLK_KP4});
    int time = gametime;
    Press(SDLK_c);
    EXPECT_EQ(worldmap[30][99], TILE_HOUSE_DOOR_OPEN);
    EXPECT_EQ(gametime, time);
    std::string guard = std::string("The ") + monster_names[KIND_TOWN_GUARD] + " is in your way!";
    std::string bunny = std::string("The ") + monster_names[KIND_BUNNY] + " is in your way!";
    EXPECT_EQ(qt::HistoryLineText(1), guard);
    EXPECT_EQ(qt::HistoryLineText(0), bunny);
}

TEST(Doors, ACorpseInTheDoorwayDoesNotBlockIt)
{
    StandInField(35, 100, 30);
    worldmap[30][101] = TILE_HOUSE_DOOR;
    int i = PlaceCreature(KIND_BUNNY, 101, 30, NEUTRAL);
    monsters[i].alive = 0;
    monsters[i].kind = KIND_DEAD;
    qt::ScriptWaits({SDLK_RIGHT});
    Press(SDLK_o);
    EXPECT_EQ(worldmap[30][101], TILE_HOUSE_DOOR_OPEN);

    // A live one does.
    worldmap[30][101] = TILE_HOUSE_DOOR;
    monsters[i].alive = 1;
    monsters[i].kind = KIND_BUNNY;
    int time = gametime;
    qt::ScriptWaits({SDLK_RIGHT});
    Press(SDLK_o);
    EXPECT_EQ(worldmap[30][101], TILE_HOUSE_DOOR);
    EXPECT_EQ(gametime, time);
}

TEST(Doors, NothingBeyondTheMapsEdgeIsOpenedOrClosed)
{
    // Facing east from the last column: the next row's first cell is not a neighbour.
    StandInField(36, MAP_WIDTH - 1, 30);
    worldmap[31][0] = TILE_HOUSE_DOOR;
    worldmap[30][0] = TILE_HOUSE_DOOR_OPEN;
    int time = gametime;
    qt::ScriptWaits({SDLK_KP6});
    Press(SDLK_o);
    EXPECT_EQ(worldmap[31][0], TILE_HOUSE_DOOR);
    qt::ScriptWaits({SDLK_KP6});
    Press(SDLK_c);
    EXPECT_EQ(worldmap[30][0], TILE_HOUSE_DOOR_OPEN);
    EXPECT_EQ(gametime, time);

    // Facing north from the first row, and south from the last.
    StandInField(36, 50, 0);
    time = gametime;
    qt::ScriptWaits({SDLK_KP8});
    Press(SDLK_o);
    qt::ScriptWaits({SDLK_UP});
    Press(SDLK_c);
    player.y = MAP_HEIGHT - 1;
    SetView(player.x, player.y);
    qt::ScriptWaits({SDLK_DOWN});
    Press(SDLK_o);
    qt::ScriptWaits({SDLK_KP2});
    Press(SDLK_c);
    EXPECT_EQ(gametime, time);
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

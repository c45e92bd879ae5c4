// The creatures of a map area: who lives there, how they move, breed and come back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "creatures/monster.h"
#include "harness.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

constexpr int PX = 100; // where the player stands in the open field
constexpr int PY = 40;

void ClearGrids()
{
    std::memset(worldmap, 0, sizeof worldmap);
    std::memset(overmap, 0, sizeof overmap);
}

void Wall(int x, int y) { worldmap[y][x] = 60; }

void Stand(int x, int y)
{
    player.x = x;
    player.y = y;
}

void Kill(int i, int deadtime = 0)
{
    monsters[i].alive = 0;
    monsters[i].kind = 0;
    monsters[i].deadtime = deadtime;
}

// A new game in the start town, as the title's "New Game" makes it.
void FreshGame(unsigned seed)
{
    ClearGrids();
    player.area = AREA_TOWN;
    Stand(5, 5);
    qt::NewSeededGame(seed);
}

// A new game, then an empty grass field with the player in it, at peace, healthy, alone.
void OpenField(unsigned seed, int area = AREA_WILDERNESS)
{
    FreshGame(seed);
    ClearGrids();
    player.area = area;
    Stand(PX, PY);
    player.peace = 1;
    player.blind = player.acted = 0;
    player.killer = NO_KILLER;
    player.mhp = player.chp = 10000;
    player.viewx = PX - 10;
    player.viewy = PY - 7;
    mode = MODE_NORMAL;
    curmonsters = 0;
    for (int i = 0; i < MAX_MONSTERS; i++)
        Kill(i);
}

int Put(int kind, int x, int y)
{
    int slot = curmonsters;
    makeMonster(kind, slot, y, x);
    return slot;
}

// One player turn: the monsters act in the next frame.
void Turn(int n = 1)
{
    for (int k = 0; k < n; k++) {
        player.acted = 1;
        qt::Frame(1);
    }
}

testing::AssertionResult At(int i, int x, int y)
{
    if (monsters[i].x == x && monsters[i].y == y)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "slot " << i << " at " << monsters[i].x << "," << monsters[i].y
                                       << ", not " << x << "," << y;
}

bool ItemAt(int kind, int x, int y)
{
    for (int k = 0; k < cursmallitems && k < MAX_MAP_ITEMS; k++)
        if (items[k].getType() == kind && items[k].getx() == x && items[k].gety() == y)
            return true;
    return false;
}

// Every live creature on the map, off walls, alone on its cell and not on the player.
void ExpectSoundPlaces()
{
    for (int i = 0; i < curmonsters; i++) {
        const MonsterRecord &m = monsters[i];
        if (!m.alive)
            continue;
        ASSERT_TRUE(OnMap(m.x, m.y)) << "slot " << i << " at " << m.x << "," << m.y;
        EXPECT_FALSE(IsWallTile(worldmap[m.y][m.x])) << "slot " << i << " on a wall";
        EXPECT_FALSE(m.x == player.x && m.y == player.y) << "slot " << i << " on the player";
        for (int j = i + 1; j < curmonsters; j++)
            EXPECT_FALSE(monsters[j].alive && monsters[j].x == m.x && monsters[j].y == m.y) << i << " and " << j;
    }
}

bool NewestStarts(const char *text) { return qt::HistoryLineText(0).rfind(text, 0) == 0; }

} // namespace

// ---- Who lives where ----

TEST(Population, FreshTownHoldsFiftyFolkAndFourGuardsAtTheCorners)
{
    FreshGame(11);
    ASSERT_EQ(curmonsters, 54);
    for (int i = 0; i < 50; i++)
        EXPECT_TRUE(monsters[i].alive && monsterlev[monsters[i].kind] == AREA_TOWN) << "slot " << i;
    const int cx[4] = {1, 1, 240, 240}, cy[4] = {2, 72, 2, 72};
    for (int g = 0; g < 4; g++) {
        const MonsterRecord &m = monsters[50 + g];
        EXPECT_EQ(m.kind, KIND_TOWN_GUARD);
        EXPECT_STREQ(m.name, "Town Guard");
        // At its corner, or slid down-right off whatever stood there.
        EXPECT_GE(m.x, cx[g]);
        EXPECT_EQ(m.x - cx[g], m.y - cy[g]);
        EXPECT_FALSE(IsBlockingTile(worldmap[m.y][m.x]));
    }
    for (int i = 54; i < MAX_MONSTERS; i++)
        EXPECT_TRUE(monsters[i].alive == 0 && monsters[i].kind == 0) << "slot " << i;
    ExpectSoundPlaces();
}

TEST(Population, WildCreaturesEverywhereOutsideTownEntYouthsOnlyInTheWilderness)
{
    // World cell (0, 3) is grassland: its population must come to an end.
    EXPECT_EQ(hugemap[3][0], AREA_GRASSLAND);
    const int areas[] = {AREA_WILDERNESS, hugemap[3][0], 3, 4, 5, 7, 8};
    for (int area : areas) {
        const bool wild = area == AREA_WILDERNESS;
        OpenField(wild ? 12 : 13);
        player.area = area;
        NewMonsters(area);
        ASSERT_EQ(curmonsters, wild ? 70 : 50) << "area " << area;
        for (int i = 0; i < curmonsters; i++) {
            EXPECT_TRUE(i >= 50 || monsterlev[monsters[i].kind] == AREA_WILDERNESS) << area << " slot " << i;
            EXPECT_TRUE((wild && i < 50) || (monsters[i].kind == KIND_ENT_YOUTH) == (i >= 50)) << area << " " << i;
        }
        ExpectSoundPlaces();
        // A dead one there comes back as a wild creature too.
        Kill(0, 50);
        Turn();
        EXPECT_EQ(monsters[0].alive, 1);
        EXPECT_EQ(monsterlev[monsters[0].kind], AREA_WILDERNESS);
        EXPECT_TRUE(wild || monsters[0].kind != KIND_ENT_YOUTH) << "area " << area;
    }
}

TEST(Population, NoCreatureIsMadeOnTheFolkAlreadyThereOrOnThePlayer)
{
    OpenField(14);
    // Everything but a few cells is wall: the population must squeeze in without overlap.
    for (int y = 0; y < MAP_HEIGHT; y++)
        for (int x = 0; x < MAP_WIDTH; x++)
            worldmap[y][x] = (x % 4 == 0 && y % 3 == 0) ? 0 : 60;
    player.y = 39;
    NewMonsters(AREA_WILDERNESS);
    EXPECT_EQ(curmonsters, 70);
    ExpectSoundPlaces();
    for (int i = 0; i < curmonsters; i++)
        EXPECT_FALSE(IsBlockingTile(worldmap[monsters[i].y][monsters[i].x]));
}

TEST(Population, SlotsAboveTheNewPopulationHoldNothingOld)
{
    OpenField(15);
    NewMonsters(AREA_WILDERNESS); // Ent Youths in slots 50..69
    monsters[60].deadtime = 50;   // as if it had died and come back before
    player.area = AREA_TOWN;
    NewMonsters(AREA_TOWN);
    ASSERT_EQ(curmonsters, 54);
    for (int i = 54; i < MAX_MONSTERS; i++)
        EXPECT_TRUE(monsters[i].alive == 0 && monsters[i].kind == 0 && monsters[i].size == 0) << i;
    // A refill raises the count over the old slots: they come back as townsfolk.
    for (int i = 0; i < 10; i++)
        Kill(i, 50);
    Turn();
    ASSERT_GT(curmonsters, 60);
    EXPECT_EQ(monsters[60].alive, 1);
    EXPECT_EQ(monsterlev[monsters[60].kind], AREA_TOWN);
    EXPECT_LE(curmonsters, MONSTER_LIMIT);
    ExpectSoundPlaces();
}

TEST(Population, PlacementSlidesDownRightOffWallsDoorsAndFolkButNeverOffTheMap)
{
    OpenField(16, AREA_TOWN);
    worldmap[2][1] = 97;              // wall
    worldmap[3][2] = TILE_HOUSE_DOOR; // closed door
    Stand(3, 4);
    Put(11, 4, 5); // a Goblin
    EXPECT_TRUE(At(Put(KIND_TOWN_GUARD, 1, 2), 5, 6));
    EXPECT_EQ(curmonsters, 2);

    OpenField(17);
    Wall(240, 73);
    Wall(241, 74);
    makeMonster(11, 0, 73, 240);
    EXPECT_EQ(curmonsters, 0);
    EXPECT_EQ(monsters[0].alive, 0);
}

TEST(Population, NinetyNineIsTheCap)
{
    OpenField(19);
    while (curmonsters < MONSTER_LIMIT) {
        int before = curmonsters;
        makeMonster(11, curmonsters, -1, -1);
        ASSERT_EQ(curmonsters, before + 1);
    }
    const MonsterRecord last = monsters[MONSTER_LIMIT], first = monsters[0];
    makeMonster(KIND_BUNNY, MONSTER_LIMIT, -1, -1);
    makeMonster(KIND_BUNNY, 0, 5, 5);
    EXPECT_EQ(curmonsters, MONSTER_LIMIT);
    EXPECT_EQ(monsters[MONSTER_LIMIT].kind, last.kind);
    EXPECT_EQ(monsters[MONSTER_LIMIT].alive, last.alive);
    EXPECT_EQ(monsters[0].kind, first.kind);
    EXPECT_TRUE(At(0, first.x, first.y));
    // Breeders breed no more, and a dead slot stays dead.
    for (int i = 0; i < 10; i++) {
        monsters[i].kind = KIND_BUNNY;
        monsters[i].multiplies = 1;
        monsters[i].move = MOVE_ROOTED;
        monsters[i].hostility = FRIENDLY;
    }
    Kill(20, 50);
    Turn(30);
    EXPECT_EQ(curmonsters, MONSTER_LIMIT);
    EXPECT_EQ(monsters[20].alive, 0);
    ExpectSoundPlaces();
}

// ---- Breeding and coming back ----

TEST(Breeding, BunniesBreedBunniesAndAlbinosAboveThemselvesUpToTheCap)
{
    OpenField(20);
    for (int k = 0; k < 10; k++)
        Put(KIND_BUNNY, 20 + 10 * k, 30);
    Turn(200);
    EXPECT_EQ(curmonsters, MONSTER_LIMIT);
    for (int i = 10; i < curmonsters; i++)
        EXPECT_TRUE(monsters[i].kind == KIND_BUNNY || monsters[i].kind == KIND_ALBINO_BUNNY) << i;
    ExpectSoundPlaces();
}

TEST(Breeding, ChildWithNoRoomIsNotMadeAndNeverLandsOnThePlayer)
{
    OpenField(22);
    monsters[Put(7, 241, 74)].move = MOVE_ROOTED; // White Rat in the bottom right corner
    Wall(241, 73);                                // nothing free above it or down-right of that
    Turn(200);
    EXPECT_EQ(curmonsters, 1);
    EXPECT_EQ(monsters[1].alive, 0);

    OpenField(23);
    monsters[Put(KIND_WORKER_ANT, PX, PY + 1)].move = MOVE_ROOTED;
    // The cell above the parent is the player's; keep the child where it is born.
    const int walls[][2] = {{1, 0}, {2, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    for (const auto &w : walls)
        Wall(PX + w[0], PY + w[1]);
    for (int n = 0; n < 400 && curmonsters == 1; n++)
        Turn();
    ASSERT_GE(curmonsters, 2);
    EXPECT_TRUE(At(1, PX + 1, PY + 1));
}

TEST(Respawn, FirstRefillAfterFiftyDeadTurnsThenAtOnce)
{
    OpenField(24);
    int g = Put(11, 150, 60);
    monsters[g].move = MOVE_ROOTED;
    monsters[g].hostility = NEUTRAL;
    Kill(g);
    Turn(50);
    EXPECT_EQ(monsters[g].alive, 0);
    EXPECT_EQ(monsters[g].deadtime, 50);
    Turn();
    EXPECT_EQ(monsters[g].alive, 1);
    EXPECT_EQ(monsterlev[monsters[g].kind], AREA_WILDERNESS);
    EXPECT_EQ(curmonsters, 2); // the count grows with the refill, as on every making
    // After a later death it comes back on its very next turn.
    monsters[g].alive = monsters[g].kind = 0;
    int before = curmonsters;
    Turn();
    EXPECT_EQ(monsters[g].alive, 1);
    EXPECT_GT(curmonsters, before);
}

// ---- How far they see the player ----

TEST(Movement, EachKindComesOnlyFromWithinItsSight)
{
    struct Case { unsigned seed; int area, kind, dx, dy; bool hostile; int turns, ex, ey; };
    const Case cases[] = {
        {31, AREA_WILDERNESS, 11, 3, 15, false, 20, 3, 15},               // fifteen rows: stands still
        {32, AREA_WILDERNESS, 17, 6, 0, false, 10, 6, 0},                 // Black Widow lurks past five
        {32, AREA_WILDERNESS, 17, 5, -5, false, 1, 4, -4},                // ... and comes within five
        {33, AREA_TOWN, KIND_TOWN_GUARD, 29, -29, false, 10, 29, -29},    // a guard waits until hostile
        {33, AREA_TOWN, KIND_TOWN_GUARD, 29, -29, true, 1, 28, -28},      // then comes from 29
        {33, AREA_TOWN, KIND_TOWN_GUARD, -30, 0, true, 1, -30, 0},        // but not from 30
    };
    for (const Case &c : cases) {
        OpenField(c.seed, c.area);
        int m = Put(c.kind, PX + c.dx, PY + c.dy);
        if (c.hostile)
            monsters[m].hostility = HOSTILE;
        Turn(c.turns);
        EXPECT_TRUE(At(m, PX + c.ex, PY + c.ey)) << "kind " << c.kind << " from " << c.dx << "," << c.dy;
    }
}

TEST(Movement, HostileGoblinChasesFromFourteenSquaresAndStrikesWhenBeside)
{
    OpenField(30);
    int g = Put(11, PX + 14, PY + 14);
    Turn();
    EXPECT_TRUE(At(g, PX + 13, PY + 13));
    Turn(12);
    EXPECT_TRUE(At(g, PX + 1, PY + 1));
    int lines = curhistory;
    Turn();
    EXPECT_TRUE(At(g, PX + 1, PY + 1));
    EXPECT_GT(curhistory, lines);
    EXPECT_TRUE(NewestStarts("The Goblin "));
}

TEST(Movement, HostileGoblinFifteenColumnsAwayRoams)
{
    int chased = 0, away = 0;
    const int trials = 30;
    for (int t = 0; t < trials; t++) {
        OpenField(100 + t);
        const MonsterRecord &m = monsters[Put(11, PX + 15, PY)];
        Turn();
        EXPECT_LE(std::abs(m.x - (PX + 15)), 1);
        EXPECT_LE(std::abs(m.y - PY), 1);
        chased += m.x == PX + 14 && m.y == PY;
        away += m.x == PX + 16;
    }
    EXPECT_LT(chased, trials);
    EXPECT_GT(away, 0);
}

TEST(Movement, HostileVenusManTrapStrikesAnyNeighbourOncePerTurnAndNeverMoves)
{
    OpenField(34);
    player.x = PX + 3;
    int v = Put(12, PX, PY);
    monsters[v].hostility = HOSTILE;
    int lines = curhistory;
    Turn(3);
    EXPECT_EQ(curhistory, lines); // two squares away: nothing
    for (int d = 0; d < 9; d++) {
        if (d == 4)
            continue;
        Stand(PX + d % 3 - 1, PY + d / 3 - 1);
        lines = curhistory;
        Turn();
        EXPECT_EQ(curhistory, lines + 1) << player.x - PX << "," << player.y - PY;
        EXPECT_TRUE(NewestStarts("The Venus Man Trap "));
        EXPECT_TRUE(At(v, PX, PY));
    }
}

// ---- Walking into things ----

TEST(Movement, SteppingOntoThePlayerStrikesIfNeutralAndOnlyStepsBackIfFriendly)
{
    // A creature in a box of walls whose only way out is the player's cell.
    const struct { unsigned seed; int kind, hostility; } cases[] = {{40, 32, HOSTILE}, {41, KIND_BUNNY, FRIENDLY}};
    for (const auto &c : cases) {
        OpenField(c.seed);
        int m = Put(c.kind, PX + 1, PY);
        monsters[m].multiplies = 0;
        for (int d = 0; d < 9; d++)
            if (d / 3 != 1 || d % 3 == 2)
                Wall(PX + d % 3, PY + d / 3 - 1);
        int lines = curhistory, blows = 0;
        for (int n = 0; n < 30; n++) {
            Turn();
            EXPECT_TRUE(At(m, PX + 1, PY));
            blows += NewestStarts("The Chicken ");
        }
        if (c.kind == 32) {
            EXPECT_GT(blows, 0);
        } else {
            EXPECT_EQ(curhistory, lines);
        }
        EXPECT_EQ(monsters[m].hostility, c.hostility);
    }
}

TEST(Movement, DiagonalStepIntoAWallSlidesAlongIt)
{
    OpenField(42);
    for (int x = PX - 10; x <= PX + 10; x++)
        Wall(x, PY + 4);
    int g = Put(11, PX + 5, PY + 5);
    Turn();
    EXPECT_TRUE(At(g, PX + 4, PY + 5));
    Turn(3);
    EXPECT_TRUE(At(g, PX + 1, PY + 5));
    // Straight at the wall: both ways shut, it stays.
    Turn();
    EXPECT_TRUE(At(g, PX, PY + 5));
    Turn(3);
    EXPECT_TRUE(At(g, PX, PY + 5));
}

TEST(Movement, ChaserSidestepsAnotherCreature)
{
    OpenField(43);
    int g = Put(11, PX + 5, PY);
    int rock = Put(12, PX + 4, PY); // a neutral Venus Man Trap in the way
    Turn();
    // The column step runs into the plant; the sidestep row is taken.
    EXPECT_EQ(monsters[rock].x, PX + 4);
    EXPECT_EQ(monsters[g].x, PX + 5);
    EXPECT_EQ(std::abs(monsters[g].y - PY), 1);
}

TEST(Movement, CorneredTimidTownswomanStepsTowardsThePlayerOnlyOntoAFreeCell)
{
    OpenField(44, AREA_TOWN);
    Stand(PX - 5, PY - 5);
    int w = Put(21, PX, PY);
    monsters[w].hostility = HOSTILE;
    Wall(PX + 1, PY); // her ways away are shut
    Wall(PX, PY + 1);
    Turn();
    EXPECT_TRUE(At(w, PX - 1, PY - 1));
    // Now the cell towards the player is a wall as well: she stays.
    monsters[w].x = PX;
    monsters[w].y = PY;
    Wall(PX - 1, PY - 1);
    Turn(5);
    EXPECT_TRUE(At(w, PX, PY));
}

TEST(Movement, StepBackAfterBumpingThePlayerReturnsWhereTheMoveBegan)
{
    OpenField(46);
    // A Goblin at (x, y) steps down-right/up-left by (d, d) with the player at (px, py).
    auto bump = [](int x, int y, int d, int px, int py) {
        int g = Put(11, x, y);
        Stand(px, py);
        monsters[g].dx = monsters[g].dy = d;
        moveMonster(g);
        return At(g, x, y);
    };
    // Column blocked by a wall, row step onto the player: back to the start, not beyond.
    Wall(49, 50);
    EXPECT_TRUE(bump(50, 50, -1, 50, 49));
    // On the bottom row by a gate: the clamped row step must not take it into the wall.
    worldmap[73][11] = worldmap[73][12] = 88;
    EXPECT_TRUE(bump(11, 74, 1, 12, 74));
    // And on the right edge.
    Wall(240, 30);
    EXPECT_TRUE(bump(241, 30, 1, 241, 31));
}

TEST(Trees, BigCreaturesFellTreesTheyAreBornOnOrWalkUnderAndSmallOnesDoNot)
{
    OpenField(18);
    overmap[10][10] = OVER_TREE;
    overmap[20][20] = OVER_PINE;
    Put(KIND_ENT_YOUTH, 10, 10); // size 80
    Put(18, 20, 20);             // a Townsman, size 50
    EXPECT_EQ(overmap[10][10], OVER_NONE);
    EXPECT_EQ(overmap[20][20], OVER_PINE);

    OpenField(50);
    overmap[PY][PX + 4] = OVER_TREE;
    int e = Put(KIND_ENT_YOUTH, PX + 5, PY);
    monsters[e].hostility = HOSTILE;
    Turn();
    EXPECT_EQ(monsters[e].x, PX + 4);
    EXPECT_EQ(overmap[PY][PX + 4], OVER_STUMP);
    EXPECT_TRUE(ItemAt(ITEM_WOOD, PX + 4, PY));

    OpenField(51);
    overmap[PY][PX + 4] = OVER_PINE2;
    int g = Put(11, PX + 5, PY);
    Turn();
    EXPECT_EQ(monsters[g].x, PX + 4);
    EXPECT_EQ(overmap[PY][PX + 4], OVER_PINE2);
    EXPECT_FALSE(ItemAt(ITEM_WOOD, PX + 4, PY));
}

TEST(Doors, CreaturesOpenClosedDoorsAndStayInFrontButPassSnowedInOnes)
{
    const int closed[4] = {TILE_HOUSE_DOOR, TILE_INN_DOOR, TILE_TAVERN_DOOR, TILE_INN_DOOR_SNOW};
    const int open[4] = {TILE_HOUSE_DOOR_OPEN, TILE_INN_DOOR_OPEN, TILE_TAVERN_DOOR_OPEN, TILE_INN_DOOR_SNOW};
    for (int d = 0; d < 4; d++) {
        OpenField(60 + d);
        worldmap[PY][PX + 4] = closed[d];
        int g = Put(11, PX + 5, PY);
        Turn();
        EXPECT_EQ(worldmap[PY][PX + 4], open[d]);
        EXPECT_EQ(monsters[g].x, d < 3 ? PX + 5 : PX + 4);
        if (d < 3) {
            Turn();
            EXPECT_EQ(monsters[g].x, PX + 4);
        }
    }
}

// ---- Drawing ----

TEST(Drawing, CreaturesInsideTheViewAreDrawnAndMissingPicturesAreSkipped)
{
    OpenField(70);
    SDL_Surface *saved = monsters_list[11];
    SDL_Surface *pic = SDL_CreateRGBSurface(SDL_SWSURFACE, TILE_SIZE, TILE_SIZE, 16, 0, 0, 0, 0);
    ASSERT_NE(pic, nullptr);
    SDL_Surface *shown = SDL_DisplayFormat(pic);
    SDL_FreeSurface(pic);
    Uint32 red = SDL_MapRGB(shown->format, 255, 0, 0);
    SDL_FillRect(shown, nullptr, red);
    monsters_list[11] = shown;

    Put(11, 10 + 21, 20 + 14); // last column and row of the view
    Put(11, 10 + 22, 20 + 3);  // just right of it
    Kill(Put(11, 12, 22));
    SDL_FillRect(screen, nullptr, 0);
    DrawMonsters(20, 10);
    EXPECT_EQ(qt::PixelAt(21 * TILE_SIZE + 5, 14 * TILE_SIZE + 5), red);
    EXPECT_NE(qt::PixelAt(2 * TILE_SIZE + 5, 2 * TILE_SIZE + 5), red);
    for (int y = 0; y < VIEW_ROWS * TILE_SIZE; y += 10)
        EXPECT_NE(qt::PixelAt(VIEW_COLS * TILE_SIZE + 5, y), red);

    // A picture that never loaded is simply not drawn.
    monsters_list[11] = nullptr;
    SDL_FillRect(screen, nullptr, 0);
    DrawMonsters(20, 10);
    EXPECT_NE(qt::PixelAt(21 * TILE_SIZE + 5, 14 * TILE_SIZE + 5), red);
    monsters_list[11] = saved;
    SDL_FreeSurface(shown);

    // The game runs on with every creature picture missing.
    OpenField(71);
    FreeMonsters();
    for (SDL_Surface *pic : monsters_list)
        EXPECT_EQ(pic, nullptr);
    for (int k = 1; k < NUM_MONSTER_KINDS; k++)
        Put(k, PX - 9 + k % 20, PY - 5 + k / 20);
    Turn(5);
    LoadMonsters();
    Turn(1);
    EXPECT_EQ(done, STATE_PLAYING);
}

// ---- A long run ----

TEST(LongRun, CrowdedTownCornerKeepsEveryCreatureOnOpenGroundAloneAndOnTheMap)
{
    OpenField(81, AREA_TOWN);
    // A pen in the bottom right corner: walls on its west and north, the map's edge
    // on the others, a few pillars and doors inside.
    for (int y = 60; y < MAP_HEIGHT; y++)
        Wall(220, y);
    for (int x = 220; x < MAP_WIDTH; x++)
        Wall(x, 60);
    for (int k = 0; k < 12; k++)
        worldmap[62 + RandNum(0, 12)][222 + RandNum(0, 19)] = (k % 3 == 0) ? TILE_HOUSE_DOOR : 60;
    Stand(235, 72);
    const int kinds[] = {11, 32, KIND_BUNNY, 21, 30, 33, 28, 24};
    for (int n = 0; n < 300 && curmonsters < 70; n++) {
        int x = RandNum(221, 241), y = RandNum(61, 74);
        int before = curmonsters;
        makeMonster(kinds[n % 8], curmonsters, y, x);
        if (curmonsters > before && n % 4 == 0)
            monsters[before].hostility = HOSTILE;
    }
    ASSERT_GT(curmonsters, 40);
    for (int frame = 0; frame < 800 && !HasFailure(); frame++) {
        player.chp = player.mhp = 100000;
        if (frame % 20 == 0) {
            int x = RandNum(221, 241), y = RandNum(61, 74);
            bool taken = IsBlockingTile(worldmap[y][x]);
            for (int i = 0; i < curmonsters && !taken; i++)
                taken = monsters[i].alive && monsters[i].x == x && monsters[i].y == y;
            if (!taken)
                Stand(x, y);
        }
        Turn();
        ExpectSoundPlaces();
    }
}

// ---- Through play ----

TEST(Play, WalkingSouthIntoTheGrasslandFindsItPeopledAndNoEntYouth)
{
    FreshGame(90);
    player.areax = 0;
    player.areay = 2;
    player.area = hugemap[2][0];
    NewMap(player.area);
    NewMonsters(player.area);
    player.viewx = 0;
    player.viewy = MAP_HEIGHT - VIEW_ROWS;
    for (int crossing = 0; crossing < 2; crossing++) {
        Stand(5, MAP_HEIGHT - 1);
        qt::Key(SDLK_KP2);
        qt::Frame(1);
        ASSERT_EQ(player.areay, 3 + crossing);
        ASSERT_EQ(player.area, hugemap[3 + crossing][0]);
        ASSERT_EQ(curmonsters, 50);
        for (int i = 0; i < curmonsters; i++) {
            EXPECT_EQ(monsterlev[monsters[i].kind], AREA_WILDERNESS);
            EXPECT_NE(monsters[i].kind, KIND_ENT_YOUTH);
        }
        ExpectSoundPlaces();
        qt::Frame(1);
    }
}

TEST(Play, LongWalkThroughACrowdedTownAfterTheAlarm)
{
    FreshGame(91);
    ASSERT_EQ(player.area, AREA_TOWN);
    while (curmonsters < MONSTER_LIMIT)
        makeMonster(RandNum(18, 33), curmonsters, -1, -1);
    player.peace = 0; // everybody turns on the player
    const SDLKey steps[] = {SDLK_KP1, SDLK_KP2, SDLK_KP3, SDLK_KP4, SDLK_KP6, SDLK_KP7, SDLK_KP8, SDLK_KP9};
    for (int frame = 0; frame < 800 && !HasFailure(); frame++) {
        player.chp = player.mhp = 100000;
        qt::Key(steps[RandNum(0, 7)]);
        qt::Frame(1);
        ASSERT_EQ(done, STATE_PLAYING);
        ExpectSoundPlaces();
    }
    EXPECT_LE(curmonsters, MONSTER_LIMIT);
}

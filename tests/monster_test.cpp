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

// A new game in the start town, as the title's "New Game" makes it.
void FreshGame(unsigned seed)
{
    ClearGrids();
    player.area = AREA_TOWN;
    player.x = 5;
    player.y = 5;
    qt::NewSeededGame(seed);
}

// A new game, then an empty grass field of the given kind with the player in it,
// at peace, healthy and nobody else about.
void OpenField(unsigned seed, int area = AREA_WILDERNESS)
{
    FreshGame(seed);
    ClearGrids();
    player.area = area;
    player.x = PX;
    player.y = PY;
    player.peace = 1;
    player.blind = 0;
    player.killer = NO_KILLER;
    player.mhp = 10000;
    player.chp = 10000;
    player.acted = 0;
    player.viewx = PX - 10;
    player.viewy = PY - 7;
    mode = MODE_NORMAL;
    curmonsters = 0;
    for (MonsterRecord &m : monsters) {
        m.alive = 0;
        m.kind = 0;
        m.deadtime = 0;
    }
}

// Makes a creature at a place and returns its slot.
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

bool ItemAt(int kind, int x, int y)
{
    for (int k = 0; k < cursmallitems && k < MAX_MAP_ITEMS; k++)
        if (items[k].getType() == kind && items[k].getx() == x && items[k].gety() == y)
            return true;
    return false;
}

// Every live creature on the map, off walls and closed doors it cannot stand on,
// alone on its cell and not on the player.
void ExpectSoundPlaces()
{
    for (int i = 0; i < curmonsters; i++) {
        const MonsterRecord &m = monsters[i];
        if (!m.alive)
            continue;
        ASSERT_TRUE(OnMap(m.x, m.y)) << "slot " << i << " at " << m.x << "," << m.y;
        EXPECT_FALSE(IsWallTile(worldmap[m.y][m.x])) << "slot " << i << " on a wall";
        EXPECT_FALSE(m.x == player.x && m.y == player.y) << "slot " << i << " on the player";
        for (int j = i + 1; j < curmonsters; j++) {
            if (monsters[j].alive) {
                EXPECT_FALSE(monsters[j].x == m.x && monsters[j].y == m.y) << "slots " << i << " and " << j;
            }
        }
    }
}

std::string Newest()
{
    return qt::HistoryLineText(0);
}

} // namespace

// ---- Who lives where ----

TEST(Population, FreshTownHoldsFiftyFolkAndFourGuardsAtTheCorners)
{
    FreshGame(11);
    ASSERT_EQ(curmonsters, 54);
    for (int i = 0; i < 50; i++) {
        EXPECT_EQ(monsterlev[monsters[i].kind], AREA_TOWN) << "slot " << i;
        EXPECT_TRUE(monsters[i].alive);
    }
    const int cx[4] = {1, 1, 240, 240};
    const int cy[4] = {2, 72, 2, 72};
    for (int g = 0; g < 4; g++) {
        const MonsterRecord &m = monsters[50 + g];
        EXPECT_EQ(m.kind, KIND_TOWN_GUARD);
        EXPECT_STREQ(m.name, "Town Guard");
        // At its corner, or slid down-right off whatever stood there.
        EXPECT_GE(m.x, cx[g]);
        EXPECT_EQ(m.x - cx[g], m.y - cy[g]);
        EXPECT_FALSE(IsBlockingTile(worldmap[m.y][m.x]));
    }
    for (int i = 54; i < MAX_MONSTERS; i++) {
        EXPECT_EQ(monsters[i].alive, 0) << "slot " << i;
        EXPECT_EQ(monsters[i].kind, 0) << "slot " << i;
    }
    ExpectSoundPlaces();
}

TEST(Population, WildernessHoldsFiftyCreaturesAndTwentyEntYouths)
{
    OpenField(12);
    NewMonsters(AREA_WILDERNESS);
    ASSERT_EQ(curmonsters, 70);
    for (int i = 0; i < 50; i++)
        EXPECT_EQ(monsterlev[monsters[i].kind], AREA_WILDERNESS) << "slot " << i;
    for (int i = 50; i < 70; i++)
        EXPECT_EQ(monsters[i].kind, KIND_ENT_YOUTH) << "slot " << i;
    ExpectSoundPlaces();
}

TEST(Population, GrasslandAndTheOtherLandsGetWildCreaturesButNoEntYouths)
{
    // World cell (0, 3) is grassland: its population must come to an end.
    const int kinds[] = {hugemap[3][0], 3, 4, 5, 7, 8};
    EXPECT_EQ(hugemap[3][0], AREA_GRASSLAND);
    for (int area : kinds) {
        OpenField(13);
        player.area = area;
        NewMonsters(area);
        ASSERT_EQ(curmonsters, 50) << "area " << area;
        for (int i = 0; i < 50; i++) {
            EXPECT_EQ(monsterlev[monsters[i].kind], AREA_WILDERNESS) << "area " << area;
            EXPECT_NE(monsters[i].kind, KIND_ENT_YOUTH) << "area " << area;
        }
        // A dead one there comes back as a wild creature too.
        monsters[0].alive = 0;
        monsters[0].kind = 0;
        monsters[0].deadtime = 50;
        Turn();
        EXPECT_EQ(monsters[0].alive, 1);
        EXPECT_EQ(monsterlev[monsters[0].kind], AREA_WILDERNESS);
        EXPECT_NE(monsters[0].kind, KIND_ENT_YOUTH);
    }
}

TEST(Population, NoCreatureIsMadeOnTheFolkAlreadyThereOrOnThePlayer)
{
    OpenField(14);
    // Everything but a few cells is wall: the population must squeeze in without overlap.
    for (int y = 0; y < MAP_HEIGHT; y++)
        for (int x = 0; x < MAP_WIDTH; x++)
            worldmap[y][x] = (x % 4 == 0 && y % 3 == 0) ? 0 : 60;
    player.x = 100;
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
    for (int i = 54; i < MAX_MONSTERS; i++) {
        EXPECT_EQ(monsters[i].alive, 0);
        EXPECT_EQ(monsters[i].kind, 0);
        EXPECT_EQ(monsters[i].size, 0);
    }
    // A refill raises the count over the old slots: they come back as townsfolk.
    for (int i = 0; i < 10; i++) {
        monsters[i].alive = 0;
        monsters[i].kind = 0;
        monsters[i].deadtime = 50;
    }
    Turn();
    ASSERT_GT(curmonsters, 60);
    EXPECT_EQ(monsters[60].alive, 1);
    EXPECT_EQ(monsterlev[monsters[60].kind], AREA_TOWN);
    EXPECT_LE(curmonsters, MONSTER_LIMIT);
    ExpectSoundPlaces();
}

TEST(Population, GuardSlidesDownRightOffWallsThePlayerAndOtherFolk)
{
    OpenField(16, AREA_TOWN);
    worldmap[2][1] = 97;          // wall
    worldmap[3][2] = TILE_HOUSE_DOOR; // closed door
    player.x = 3;
    player.y = 4;
    Put(11, 4, 5);                // a Goblin
    int g = Put(KIND_TOWN_GUARD, 1, 2);
    EXPECT_EQ(monsters[g].x, 5);
    EXPECT_EQ(monsters[g].y, 6);
    EXPECT_EQ(curmonsters, 2);
}

TEST(Population, SlideStopsAtTheMapEdgeAndMakesNothing)
{
    OpenField(17);
    worldmap[73][240] = 60;
    worldmap[74][241] = 60;
    int before = curmonsters;
    makeMonster(11, curmonsters, 73, 240);
    EXPECT_EQ(curmonsters, before);
    EXPECT_EQ(monsters[before].alive, 0);
}

TEST(Population, BigCreaturesClearTheTreeTheyAreBornOn)
{
    OpenField(18);
    overmap[10][10] = OVER_TREE;
    overmap[20][20] = OVER_PINE;
    Put(KIND_ENT_YOUTH, 10, 10); // size 80
    Put(18, 20, 20);             // a Townsman, size 50
    EXPECT_EQ(overmap[10][10], OVER_NONE);
    EXPECT_EQ(overmap[20][20], OVER_PINE);
}

TEST(Population, NinetyNineIsTheCap)
{
    OpenField(19);
    while (curmonsters < MONSTER_LIMIT) {
        int before = curmonsters;
        makeMonster(11, curmonsters, -1, -1);
        ASSERT_EQ(curmonsters, before + 1);
    }
    const MonsterRecord last = monsters[MONSTER_LIMIT];
    const MonsterRecord first = monsters[0];
    makeMonster(KIND_BUNNY, MONSTER_LIMIT, -1, -1);
    makeMonster(KIND_BUNNY, 0, 5, 5);
    EXPECT_EQ(curmonsters, MONSTER_LIMIT);
    EXPECT_EQ(monsters[MONSTER_LIMIT].kind, last.kind);
    EXPECT_EQ(monsters[MONSTER_LIMIT].alive, last.alive);
    EXPECT_EQ(monsters[0].kind, first.kind);
    EXPECT_EQ(monsters[0].x, first.x);
    EXPECT_EQ(monsters[0].y, first.y);
    // Breeders breed no more, and a dead slot stays dead.
    for (int i = 0; i < 10; i++) {
        monsters[i].kind = KIND_BUNNY;
        monsters[i].multiplies = 1;
        monsters[i].move = MOVE_ROOTED;
        monsters[i].hostility = FRIENDLY;
    }
    monsters[20].alive = 0;
    monsters[20].kind = 0;
    monsters[20].deadtime = 50;
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

TEST(Breeding, ChildWithNoRoomIsNotMade)
{
    OpenField(22);
    int rat = Put(7, 241, 74); // White Rat in the bottom right corner
    monsters[rat].move = MOVE_ROOTED;
    worldmap[73][241] = 60;    // nothing free above it or down-right of that
    Turn(200);
    EXPECT_EQ(curmonsters, 1);
    EXPECT_EQ(monsters[1].alive, 0);
}

TEST(Breeding, ChildNeverLandsOnThePlayer)
{
    OpenField(23);
    int ant = Put(KIND_WORKER_ANT, PX, PY + 1);
    monsters[ant].move = MOVE_ROOTED;
    // The cell above the parent is the player's; keep the child where it is born.
    const int walls[][2] = {{1, 0}, {2, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    for (const auto &w : walls)
        worldmap[PY + w[1]][PX + w[0]] = 60;
    for (int n = 0; n < 400 && curmonsters == 1; n++)
        Turn();
    ASSERT_GE(curmonsters, 2);
    EXPECT_EQ(monsters[1].x, PX + 1);
    EXPECT_EQ(monsters[1].y, PY + 1);
}

TEST(Respawn, FirstRefillAfterFiftyDeadTurnsThenAtOnce)
{
    OpenField(24);
    int g = Put(11, 150, 60);
    monsters[g].move = MOVE_ROOTED;
    monsters[g].hostility = NEUTRAL;
    monsters[g].alive = 0;
    monsters[g].kind = 0;
    monsters[g].deadtime = 0;
    Turn(50);
    EXPECT_EQ(monsters[g].alive, 0);
    EXPECT_EQ(monsters[g].deadtime, 50);
    Turn();
    EXPECT_EQ(monsters[g].alive, 1);
    EXPECT_EQ(monsterlev[monsters[g].kind], AREA_WILDERNESS);
    // The count grows with the refill, as it does on every making.
    EXPECT_EQ(curmonsters, 2);
    // After a later death it comes back on its very next turn.
    monsters[g].alive = 0;
    monsters[g].kind = 0;
    int before = curmonsters;
    Turn();
    EXPECT_EQ(monsters[g].alive, 1);
    EXPECT_GT(curmonsters, before);
}

// ---- How far they see the player ----

TEST(Movement, HostileGoblinChasesFromFourteenSquares)
{
    OpenField(30);
    int g = Put(11, PX + 14, PY + 14);
    Turn();
    EXPECT_EQ(monsters[g].x, PX + 13);
    EXPECT_EQ(monsters[g].y, PY + 13);
    // Keeps coming until it is beside the player, then strikes.
    Turn(12);
    EXPECT_EQ(monsters[g].x, PX + 1);
    EXPECT_EQ(monsters[g].y, PY + 1);
    int lines = curhistory;
    Turn();
    EXPECT_EQ(monsters[g].x, PX + 1);
    EXPECT_GT(curhistory, lines);
    EXPECT_EQ(Newest().rfind("The Goblin ", 0), 0u);
}

TEST(Movement, HostileGoblinFifteenColumnsAwayRoams)
{
    int chased = 0, trials = 30, away = 0;
    for (int t = 0; t < trials; t++) {
        OpenField(100 + t);
        int g = Put(11, PX + 15, PY);
        Turn();
        const MonsterRecord &m = monsters[g];
        EXPECT_LE(std::abs(m.x - (PX + 15)), 1);
        EXPECT_LE(std::abs(m.y - PY), 1);
        if (m.x == PX + 14 && m.y == PY)
            chased++;
        if (m.x == PX + 16)
            away++;
    }
    EXPECT_LT(chased, trials);
    EXPECT_GT(away, 0);
}

TEST(Movement, HostileGoblinFifteenRowsAwayStandsStill)
{
    OpenField(31);
    int g = Put(11, PX + 3, PY + 15);
    Turn(20);
    EXPECT_EQ(monsters[g].x, PX + 3);
    EXPECT_EQ(monsters[g].y, PY + 15);
}

TEST(Movement, BlackWidowLurksUntilThePlayerIsWithinFive)
{
    OpenField(32);
    int w = Put(17, PX + 6, PY);
    Turn(10);
    EXPECT_EQ(monsters[w].x, PX + 6);
    monsters[w].x = PX + 5;
    monsters[w].y = PY - 5;
    Turn();
    EXPECT_EQ(monsters[w].x, PX + 4);
    EXPECT_EQ(monsters[w].y, PY - 4);
}

TEST(Movement, GuardWaitsUntilHostileThenComesFromTwentyNine)
{
    OpenField(33, AREA_TOWN);
    int g = Put(KIND_TOWN_GUARD, PX + 29, PY - 29 > 0 ? PY - 29 : 0);
    int far = Put(KIND_TOWN_GUARD, PX - 30, PY);
    Turn(10);
    EXPECT_EQ(monsters[g].x, PX + 29);
    monsters[g].hostility = HOSTILE;
    monsters[far].hostility = HOSTILE;
    Turn();
    EXPECT_EQ(monsters[g].x, PX + 28);
    EXPECT_EQ(monsters[far].x, PX - 30);
}

TEST(Movement, HostileVenusManTrapStrikesAnyNeighbourAndNeverMoves)
{
    OpenField(34);
    player.x = PX + 3;
    int v = Put(12, PX, PY);
    monsters[v].hostility = HOSTILE;
    int lines = curhistory;
    Turn(3);
    EXPECT_EQ(curhistory, lines); // two squares away: nothing
    for (int dy = -1; dy <= 1; dy++) {
        for (int dx = -1; dx <= 1; dx++) {
            if (dx == 0 && dy == 0)
                continue;
            player.x = PX + dx;
            player.y = PY + dy;
            lines = curhistory;
            Turn();
            EXPECT_EQ(curhistory, lines + 1) << dx << "," << dy;
            EXPECT_EQ(Newest().rfind("The Venus Man Trap ", 0), 0u);
            EXPECT_EQ(monsters[v].x, PX);
            EXPECT_EQ(monsters[v].y, PY);
        }
    }
}

// ---- Walking into things ----

// A creature in a box of walls whose only way out is the player's cell.
int Boxed(int kind)
{
    int m = Put(kind, PX + 1, PY);
    monsters[m].multiplies = 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = 0; dx <= 2; dx++)
            if (dy != 0 || dx == 2)
                worldmap[PY + dy][PX + dx] = 60;
    return m;
}

TEST(Movement, NeutralChickenSteppingOntoThePlayerStrikes)
{
    OpenField(40);
    int c = Boxed(32);
    int blows = 0;
    for (int n = 0; n < 30; n++) {
        Turn();
        EXPECT_EQ(monsters[c].x, PX + 1);
        EXPECT_EQ(monsters[c].y, PY);
        if (Newest().rfind("The Chicken ", 0) == 0)
            blows++;
    }
    EXPECT_GT(blows, 0);
    EXPECT_EQ(monsters[c].hostility, HOSTILE);
}

TEST(Movement, FriendlyBunnySteppingOntoThePlayerIsOnlyPutBack)
{
    OpenField(41);
    int b = Boxed(KIND_BUNNY);
    int lines = curhistory;
    for (int n = 0; n < 30; n++) {
        Turn();
        EXPECT_EQ(monsters[b].x, PX + 1);
        EXPECT_EQ(monsters[b].y, PY);
    }
    EXPECT_EQ(curhistory, lines);
    EXPECT_EQ(monsters[b].hostility, FRIENDLY);
}

TEST(Movement, DiagonalStepIntoAWallSlidesAlongIt)
{
    OpenField(42);
    for (int x = PX - 10; x <= PX + 10; x++)
        worldmap[PY + 4][x] = 60;
    int g = Put(11, PX + 5, PY + 5);
    Turn();
    EXPECT_EQ(monsters[g].x, PX + 4);
    EXPECT_EQ(monsters[g].y, PY + 5);
    Turn(3);
    EXPECT_EQ(monsters[g].x, PX + 1);
    EXPECT_EQ(monsters[g].y, PY + 5);
    // Straight at the wall: both ways shut, it stays.
    Turn();
    EXPECT_EQ(monsters[g].x, PX);
    Turn(3);
    EXPECT_EQ(monsters[g].x, PX);
    EXPECT_EQ(monsters[g].y, PY + 5);
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
    player.x = PX - 5;
    player.y = PY - 5;
    int w = Put(21, PX, PY);
    monsters[w].hostility = HOSTILE;
    worldmap[PY][PX + 1] = 60; // her ways away are shut
    worldmap[PY + 1][PX] = 60;
    Turn();
    EXPECT_EQ(monsters[w].x, PX - 1);
    EXPECT_EQ(monsters[w].y, PY - 1);
    // Now the cell towards the player is a wall as well: she stays.
    monsters[w].x = PX;
    monsters[w].y = PY;
    worldmap[PY - 1][PX - 1] = 60;
    Turn(5);
    EXPECT_EQ(monsters[w].x, PX);
    EXPECT_EQ(monsters[w].y, PY);
}

TEST(Movement, StepBackAfterBumpingThePlayerReturnsWhereTheMoveBegan)
{
    OpenField(46);
    // Column blocked by a wall, row step onto the player: back to the start, not beyond.
    int g = Put(11, 50, 50);
    worldmap[50][49] = 60;
    player.x = 50;
    player.y = 49;
    monsters[g].dx = -1;
    monsters[g].dy = -1;
    moveMonster(g);
    EXPECT_EQ(monsters[g].x, 50);
    EXPECT_EQ(monsters[g].y, 50);
    // On the bottom row by a gate: the clamped row step must not take it into the wall.
    int h = Put(11, 11, 74);
    worldmap[73][11] = 88;
    worldmap[73][12] = 88;
    player.x = 12;
    player.y = 74;
    monsters[h].dx = 1;
    monsters[h].dy = 1;
    moveMonster(h);
    EXPECT_EQ(monsters[h].x, 11);
    EXPECT_EQ(monsters[h].y, 74);
    // And on the right edge.
    int k = Put(11, 241, 30);
    player.x = 241;
    player.y = 31;
    worldmap[30][240] = 60;
    monsters[k].dx = 1;
    monsters[k].dy = 1;
    moveMonster(k);
    EXPECT_EQ(monsters[k].x, 241);
    EXPECT_EQ(monsters[k].y, 30);
}

TEST(Trees, EntYouthLeavesAStumpAndWoodWhereAGoblinWalksUnder)
{
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

TEST(Doors, CreaturesOpenClosedDoorsAndStayInFront)
{
    const int closed[3] = {TILE_HOUSE_DOOR, TILE_INN_DOOR, TILE_TAVERN_DOOR};
    const int open[3] = {TILE_HOUSE_DOOR_OPEN, TILE_INN_DOOR_OPEN, TILE_TAVERN_DOOR_OPEN};
    for (int d = 0; d < 3; d++) {
        OpenField(60 + d);
        worldmap[PY][PX + 4] = closed[d];
        int g = Put(11, PX + 5, PY);
        Turn();
        EXPECT_EQ(worldmap[PY][PX + 4], open[d]);
        EXPECT_EQ(monsters[g].x, PX + 5);
        Turn();
        EXPECT_EQ(monsters[g].x, PX + 4);
    }
    // A snowed-in door neither stops them nor is opened.
    OpenField(63);
    worldmap[PY][PX + 4] = TILE_INN_DOOR_SNOW;
    int g = Put(11, PX + 5, PY);
    Turn();
    EXPECT_EQ(monsters[g].x, PX + 4);
    EXPECT_EQ(worldmap[PY][PX + 4], TILE_INN_DOOR_SNOW);
}

// ---- Drawing ----

TEST(Drawing, CreaturesInsideTheViewAreDrawnAndPicturesThatFailedAreSkipped)
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
    int dead = Put(11, 12, 22);
    monsters[dead].alive = 0;
    monsters[dead].kind = 0;
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
}

TEST(Drawing, GameRunsWithEveryCreaturePictureMissing)
{
    OpenField(71);
    FreeMonsters();
    for (SDL_Surface *pic : monsters_list)
        EXPECT_EQ(pic, nullptr);
    player.viewx = PX - 10;
    player.viewy = PY - 7;
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
        worldmap[y][220] = 60;
    for (int x = 220; x < MAP_WIDTH; x++)
        worldmap[60][x] = 60;
    for (int k = 0; k < 12; k++)
        worldmap[62 + RandNum(0, 12)][222 + RandNum(0, 19)] = (k % 3 == 0) ? TILE_HOUSE_DOOR : 60;
    player.x = 235;
    player.y = 72;
    const int kinds[] = {11, 32, KIND_BUNNY, 21, 30, 33, 28, 24};
    for (int n = 0; n < 300 && curmonsters < 70; n++) {
        int x = RandNum(221, 241), y = RandNum(61, 74);
        int before = curmonsters;
        makeMonster(kinds[n % 8], curmonsters, y, x);
        if (curmonsters > before && n % 4 == 0)
            monsters[before].hostility = HOSTILE;
    }
    ASSERT_GT(curmonsters, 40);
    for (int frame = 0; frame < 800; frame++) {
        player.chp = player.mhp = 100000;
        if (frame % 20 == 0) {
            int x = RandNum(221, 241), y = RandNum(61, 74);
            bool taken = IsBlockingTile(worldmap[y][x]);
            for (int i = 0; i < curmonsters && !taken; i++)
                taken = monsters[i].alive && monsters[i].x == x && monsters[i].y == y;
            if (!taken) {
                player.x = x;
                player.y = y;
            }
        }
        Turn();
        ExpectSoundPlaces();
        if (HasFailure())
            break;
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
    player.x = 5;
    player.y = MAP_HEIGHT - 1;
    player.viewx = 0;
    player.viewy = MAP_HEIGHT - VIEW_ROWS;
    for (int crossing = 0; crossing < 2; crossing++) {
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
        player.x = 5;
        player.y = MAP_HEIGHT - 1;
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
    for (int frame = 0; frame < 800; frame++) {
        player.chp = player.mhp = 100000;
        qt::Key(steps[RandNum(0, 7)]);
        qt::Frame(1);
        ASSERT_EQ(done, STATE_PLAYING);
        ExpectSoundPlaces();
        if (HasFailure())
            break;
    }
    EXPECT_LE(curmonsters, MONSTER_LIMIT);
}

// The creatures of a map area: who lives there, how they move, breed and come back, and
// the blows between them and the player.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "creatures/monster.h"
#include "harness.h"
#include "items/item.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/history.h"
#include "shell/main.h"
#include "shell/sound.h"
#include "world/level.h"

using qt::At;
using qt::Put;
using qt::PX;
using qt::PY;
using qt::Turn;

namespace {

// An open field with a player who outlives any crowd.
void OpenField(unsigned seed, int area = AREA_WILDERNESS)
{
    qt::Field(seed, area);
    player.mhp = player.chp = 10000;
}

void Wall(int x, int y) { worldmap[y][x] = 60; }
void Stand(int x, int y) { player.x = x, player.y = y; }
void Kill(int i, int deadtime = 0)
{
    monsters[i].alive = monsters[i].kind = 0, monsters[i].deadtime = deadtime;
}
std::string Line(int fromNewest) { return qt::HistoryLineText(fromNewest); }
bool NewestStarts(const char *text) { return Line(0).rfind(text, 0) == 0; }

int CorpsesAt(int x, int y)
{
    int n = 0;
    for (int k = 0; k < cursmallitems && k < MAX_MAP_ITEMS; k++)
        n += items[k].getType() == ITEM_CORPSE && items[k].getx() == x && items[k].gety() == y;
    return n;
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

// Blows until one lands or misses, as asked: slot i's at the player (a blow that lands restarts the
// regeneration count) or, the slot healed first, the player's at slot i. False if that never happened.
bool BlowsUntil(int i, bool hit, bool players = false)
{
    for (int n = 0; n < 200; n++) {
        player.regencount = 7, monsters[i].chp = players ? 1000 : monsters[i].chp;
        players ? HitMonster(i) : HitPlayer(i);
        if ((players ? player.hitroll > 0 : player.regencount == 0) == hit)
            return true;
    }
    return false;
}
bool StrikeUntil(int i, bool hit) { return BlowsUntil(i, hit); }

// Turns until the player is dead (at most 100), answering the two waits of death.
void TurnsUntilDead()
{
    player.chp = 0;
    qt::ScriptWaits({KEY_SPACE, KEY_SPACE});
    for (int n = 0; n < 100 && done == STATE_PLAYING; n++)
        Turn();
}

} // namespace

// ---- Who lives where ----

TEST(Population, FreshTownHoldsFiftyFolkAndFourGuardsAtTheCorners)
{
    qt::NewSeededGame(11);
    ASSERT_EQ(curmonsters, 54);
    for (int i = 0; i < 50; i++)
        EXPECT_TRUE(monsters[i].alive && monsterlev[monsters[i].kind] == AREA_TOWN) << "slot " << i;
    const int cx[4] = {1, 1, 240, 240}, cy[4] = {2, 72, 2, 72};
    for (int g = 0; g < 4; g++) {
        const MonsterRecord &m = monsters[50 + g];
        EXPECT_EQ(m.kind, KIND_TOWN_GUARD);
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
    for (int area : {int(AREA_WILDERNESS), int(AREA_GRASSLAND), 3, 4, 5, 7, 8}) {
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
        EXPECT_EQ(qt::Row({monsters[0].alive, monsterlev[monsters[0].kind]}), qt::Row({1, AREA_WILDERNESS}));
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
    EXPECT_EQ(qt::Row({monsters[60].alive, monsterlev[monsters[60].kind]}), qt::Row({1, AREA_TOWN}));
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
    EXPECT_EQ(qt::Row({curmonsters, monsters[0].alive}), qt::Row({0, 0}));
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
    EXPECT_EQ(qt::Row({curmonsters, monsters[MONSTER_LIMIT].kind}), qt::Row({MONSTER_LIMIT, last.kind}));
    EXPECT_EQ(qt::Row({monsters[MONSTER_LIMIT].alive, monsters[0].kind}), qt::Row({last.alive, first.kind}));
    EXPECT_TRUE(At(0, first.x, first.y));
    // Breeders breed no more, and a dead slot stays dead.
    for (int i = 0; i < 10; i++) {
        monsters[i].kind = KIND_BUNNY, monsters[i].multiplies = 1, monsters[i].move = MOVE_ROOTED;
        monsters[i].hostility = FRIENDLY;
    }
    Kill(20, 50);
    Turn(30);
    EXPECT_EQ(qt::Row({curmonsters, monsters[20].alive}), qt::Row({MONSTER_LIMIT, 0}));
    ExpectSoundPlaces();
}

TEST(Breeding, ChildWithNoRoomIsNotMadeAndNeverLandsOnThePlayer)
{
    OpenField(22);
    monsters[Put(7, 241, 74)].move = MOVE_ROOTED; // White Rat in the bottom right corner
    Wall(241, 73);                                // nothing free above it or down-right of that
    Turn(200);
    EXPECT_EQ(qt::Row({curmonsters, monsters[1].alive}), qt::Row({1, 0}));

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
        EXPECT_TRUE(c.kind == 32 ? blows > 0 : curhistory == lines);
        EXPECT_EQ(monsters[m].hostility, c.hostility);
    }
}

TEST(Movement, DiagonalStepIntoAWallSlidesAlongItAndAChaserSidestepsAnother)
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
    Turn(4);
    EXPECT_TRUE(At(g, PX, PY + 5));

    OpenField(43);
    g = Put(11, PX + 5, PY);
    int rock = Put(12, PX + 4, PY); // a neutral Venus Man Trap in the way
    Turn();
    // The column step runs into the plant; the sidestep row is taken.
    EXPECT_TRUE(At(rock, PX + 4, PY));
    EXPECT_EQ(qt::Row({monsters[g].x, std::abs(monsters[g].y - PY)}), qt::Row({PX + 5, 1}));
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
    monsters[w].x = PX, monsters[w].y = PY;
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

TEST(Doors, CreaturesOpenClosedDoorsAndStayInFrontButPassSnowedInOnes)
{
    const int closed[4] = {TILE_HOUSE_DOOR, TILE_INN_DOOR, TILE_TAVERN_DOOR, TILE_INN_DOOR_SNOW};
    const int open[4] = {TILE_HOUSE_DOOR_OPEN, TILE_INN_DOOR_OPEN, TILE_TAVERN_DOOR_OPEN, TILE_INN_DOOR_SNOW};
    for (int d = 0; d < 4; d++) {
        OpenField(60 + d);
        worldmap[PY][PX + 4] = closed[d];
        int g = Put(11, PX + 5, PY);
        Turn();
        EXPECT_EQ(qt::Row({worldmap[PY][PX + 4], monsters[g].x}), qt::Row({open[d], d < 3 ? PX + 5 : PX + 4}));
        if (d < 3) {
            Turn();
            EXPECT_EQ(monsters[g].x, PX + 4);
        }
    }
}

TEST(Drawing, CreaturesInsideTheViewAreDrawnAndMissingPicturesAreSkipped)
{
    OpenField(70);
    SDL_Surface *saved = monsters_list[11];
    SDL_Surface *pic = SDL_CreateRGBSurface(SDL_SWSURFACE, TILE_SIZE, TILE_SIZE, 16, 0, 0, 0, 0);
    ASSERT_NE(pic, nullptr);
    SDL_Surface *shown = SDL_ConvertSurface(pic, screen->format, SDL_SWSURFACE);
    SDL_FreeSurface(pic);
    Uint32 red = SDL_MapRGB(shown->format, 255, 0, 0);
    SDL_FillRect(shown, nullptr, red);
    monsters_list[11] = shown;
    Put(11, 10 + 21, 20 + 14), Put(11, 10 + 22, 20 + 3); // the view's last cell, and just right of it
    Kill(Put(11, 12, 22));
    for (bool missing : {false, true}) {
        // A picture that never loaded is simply not drawn.
        monsters_list[11] = missing ? nullptr : shown;
        SDL_FillRect(screen, nullptr, 0);
        DrawMonsters(20, 10);
        EXPECT_EQ(qt::PixelAt(21 * TILE_SIZE + 5, 14 * TILE_SIZE + 5) == red, !missing);
        EXPECT_NE(qt::PixelAt(2 * TILE_SIZE + 5, 2 * TILE_SIZE + 5), red);
        for (int y = 0; y < VIEW_ROWS * TILE_SIZE; y += 10)
            EXPECT_NE(qt::PixelAt(VIEW_COLS * TILE_SIZE + 5, y), red);
    }
    monsters_list[11] = saved;
    SDL_FreeSurface(shown);

    // The game runs on with every creature picture missing.
    OpenField(71);
    FreeMonsters();
    for (SDL_Surface *p : monsters_list)
        EXPECT_EQ(p, nullptr);
    for (int k = 1; k < NUM_MONSTER_KINDS; k++)
        Put(k, PX - 9 + k % 20, PY - 5 + k / 20);
    Turn(5);
    LoadMonsters();
    Turn(1);
    EXPECT_EQ(done, STATE_PLAYING);
}

// ---- Blows ----

TEST(Blows, EveryBlowAngersAMissSaysSoAndAHitDoesOneToStrengthPlusBonusAndTrains)
{
    qt::Field(3);
    player.str = 4, player.todam = 2;
    int b = Put(KIND_BUNNY, PX + 1, PY);
    int hits = 0, misses = 0;
    for (int n = 0; n < 50; n++) {
        int practice = player.practice[0];
        monsters[b].chp = 1000;
        HitMonster(b);
        EXPECT_EQ(monsters[b].hostility, HOSTILE);
        const bool hit = player.hitroll > 0;
        hits += hit, misses += !hit;
        EXPECT_TRUE(hit ? player.damroll >= 3 && player.damroll <= 6 : player.hitroll == 0);
        EXPECT_EQ(monsters[b].chp, 1000 - (hit ? player.damroll : 0));
        EXPECT_EQ(player.practice[0], practice + hit);
        EXPECT_EQ(Line(0), hit ? "You hit the Bunny." : "You miss the Bunny.");
    }
    EXPECT_GT(hits, 0);
    EXPECT_GT(misses, 0);

    // A creature's blow ends resting; a miss angers a neutral one.
    qt::Field(12);
    mode = MODE_RESTING;
    int c = Put(32, PX + 1, PY); // a neutral Chicken
    ASSERT_TRUE(StrikeUntil(c, false));
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(Line(0), "The Chicken misses you.");
    EXPECT_EQ(monsters[c].hostility, HOSTILE);
}

TEST(Blows, HittingATownsmanRaisesTheAlarmOnce)
{
    qt::Field(5, AREA_TOWN);
    int a = Put(19, PX + 1, PY);
    int b = Put(20, PX - 1, PY);
    int before = curhistory;
    HitMonster(a);
    EXPECT_EQ(player.peace, 0);
    ASSERT_GE(curhistory, before + 2);
    EXPECT_EQ(Line(curhistory - before - 1), "The Townsman cries: \"Raise the alarm!\"");
    std::string second = Line(curhistory - before - 2);
    EXPECT_TRUE(second == "You hit the Townsman." || second == "You miss the Townsman.") << second;
    HitMonster(b);
    EXPECT_EQ(qt::HistoryCount("The Townsman cries: \"Raise the alarm!\""), 1);

    // Outside a town a friendly creature raises nothing.
    qt::Field(6, AREA_WILDERNESS);
    HitMonster(Put(KIND_BUNNY, PX + 1, PY));
    EXPECT_EQ(player.peace, 1);
    EXPECT_EQ(qt::HistoryCount("The Bunny cries: \"Raise the alarm!\""), 0);
}

TEST(Blows, TheBlindPlayerHitsAndIsHitBySomethingAndMissesGoUnsaid)
{
    // Only the hits before the miss wrote lines, and all of them the blind line.
    const struct { unsigned seed; bool players; const char *line; } cases[] = {
        {4, true, "You hit Something"}, {13, false, "Something hits you."}};
    for (const auto &c : cases) {
        qt::Field(c.seed);
        player.blind = 1;
        int g = Put(11, PX + 1, PY);
        auto until = [&](bool hit) { return BlowsUntil(g, hit, c.players); };
        ASSERT_TRUE(until(true));
        EXPECT_EQ(Line(0), c.line);
        int lines = curhistory;
        ASSERT_TRUE(until(false));
        for (int k = 0; k < curhistory - lines; k++)
            EXPECT_EQ(Line(k), c.line);
    }
}

TEST(Blows, WhiteRatPoisonsWithoutDamage)
{
    qt::Field(14);
    player.feelbetter = 1;
    int r = Put(7, PX + 1, PY);
    ASSERT_TRUE(StrikeUntil(r, true));
    EXPECT_EQ(Line(1), "The White Rat bites you.");
    EXPECT_EQ(Line(0), "You feel sick.");
    EXPECT_EQ(qt::Row({player.chp, player.poisoned, player.feelbetter}), qt::Row({100, 1, 0}));
    EXPECT_EQ(player.poisontime % 5, 0);
    int time = player.poisontime;
    ASSERT_TRUE(StrikeUntil(r, true));
    EXPECT_EQ(player.poisontime, time + 5);
}

TEST(PlayerDeath, ZeroHitPointsIsAliveMinusOneIsDeadAndTheLastToHitIsTheKiller)
{
    qt::Field(20);
    int first = Put(1, PX + 1, PY); // Brown Centipede, always 1 damage; slot 0
    ASSERT_EQ(first, 0);
    player.chp = 1;
    int plays = die_plays;
    ASSERT_TRUE(StrikeUntil(first, true));
    EXPECT_EQ(qt::Row({player.chp, player.killer, CorpsesAt(PX, PY)}), qt::Row({0, NO_KILLER, 0}));
    ASSERT_TRUE(StrikeUntil(first, true));
    EXPECT_EQ(player.chp, -1);
    // The very first creature made is a real killer.
    EXPECT_EQ(qt::Row({player.killer, CorpsesAt(PX, PY), die_plays}), qt::Row({0, 1, plays + 1}));
    int b = Put(14, PX - 1, PY);
    ASSERT_TRUE(StrikeUntil(b, true));
    EXPECT_EQ(player.killer, b);

    // Also in the creature's own turn.
    qt::Field(22);
    Put(KIND_BUNNY, 10, 10);
    int g = Put(11, PX + 1, PY + 1);
    TurnsUntilDead();
    EXPECT_EQ(player.killer, g);
    EXPECT_STREQ(monsters[player.killer].name, "Goblin");
}

TEST(MapItems, CorpsesNeverGoPastTheItemTable)
{
    qt::Field(30);
    for (int placed = 0; MapItemRoom() && placed < 200; placed++)
        PlaceMapItem(1 + placed, 3, 1);
    EXPECT_LE(cursmallitems, MAX_MAP_ITEMS);
    auto slay = [](int i) {
        for (int tries = 0; monsters[i].alive && tries < 100; tries++) {
            monsters[i].chp = 1;
            HitMonster(i);
        }
    };
    int g = Put(11, PX + 1, PY);
    slay(g);
    EXPECT_EQ(monsters[g].alive, 0);
    EXPECT_LE(cursmallitems, MAX_MAP_ITEMS);
    // A slot taken off the map is used again for the next corpse.
    items[5].MoveInventory();
    slay(Put(11, PX + 2, PY));
    EXPECT_EQ(CorpsesAt(PX + 2, PY), 1);
    EXPECT_LE(cursmallitems, MAX_MAP_ITEMS);
}

TEST(Blows, WalkingIntoAGoblinFightsItToTheDeathSaysHitThenSlainAndLeavesACorpse)
{
    qt::Field(40);
    int g = Put(11, PX + 1, PY);
    int plays = die_plays;
    monsters[g].chp = 1;
    for (int n = 0; n < 30 && monsters[g].alive; n++)
        qt::Press(KEY_KP6, 2);
    ASSERT_EQ(monsters[g].alive, 0);
    EXPECT_EQ(player.x, PX);
    EXPECT_EQ(Line(1), "You hit the Goblin.");
    EXPECT_EQ(Line(0), "You have slain the Goblin.");
    EXPECT_EQ(qt::Row({CorpsesAt(PX + 1, PY), player.exp, die_plays}), qt::Row({1, 9, plays + 1}));
    // The dead record neither moves, strikes nor breeds, and keeps its name and place.
    const MonsterRecord &m = monsters[g];
    EXPECT_TRUE(m.kind == 0 && m.move == MOVE_ROOTED && m.attacktype == ATTACK_NONE && m.multiplies == 0 &&
                m.maxdamage == 0);
    EXPECT_STREQ(m.name, "Goblin");
    EXPECT_EQ(m.x, PX + 1);
}

TEST(Blows, StrikingAFriendlyTownsmanAsksFirstThenRaisesTheAlarm)
{
    qt::Field(41, AREA_TOWN);
    int t = Put(18, PX + 1, PY);
    monsters[t].move = MOVE_ROOTED;
    qt::ScriptWaits({KEY_N});
    qt::Press(KEY_KP6, 2);
    EXPECT_EQ(qt::Row({player.peace, monsters[t].hostility, qt::WaitsSeen()}), qt::Row({1, FRIENDLY, 1}));
    qt::ScriptWaits({KEY_Y});
    qt::Press(KEY_KP6, 2);
    EXPECT_EQ(player.peace, 0);
    EXPECT_EQ(qt::HistoryCount("The Townsman cries: \"Raise the alarm!\""), 1);
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

TEST(PlayerDeath, AfterADeathNobodyActsAndNoTimePassesWhenTheGameIsContinued)
{
    qt::Field(43);
    int g = Put(11, PX + 1, PY);
    TurnsUntilDead();
    ASSERT_EQ(done, STATE_DEAD);
    const int time = gametime, lines = curhistory, hp = monsters[g].chp;
    const std::string last = Line(2);
    // Escape on the tombstone, then "Continue" on the title: the dead game is shown dying again.
    qt::Press(KEY_ESCAPE);
    ASSERT_EQ(done, STATE_MENU);
    for (int n = 0; n < 4 && selectmenu != 0; n++)
        qt::Press(KEY_UP);
    qt::ScriptWaits({KEY_SPACE, KEY_SPACE});
    qt::Press(KEY_SPACE, 3);
    EXPECT_EQ(qt::Row({done, gametime, monsters[g].chp}), qt::Row({STATE_DEAD, time, hp}));
    EXPECT_TRUE(At(g, PX + 1, PY));
    // Only the two death lines again, nothing struck or said in between.
    EXPECT_EQ(curhistory, lines + 2);
    EXPECT_EQ(Line(4), last);
    EXPECT_EQ(Line(1), "(Press a key)");
    EXPECT_EQ(Line(0), "You die.");
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

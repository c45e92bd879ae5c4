// Blows between the player and the creatures: messages, wounds, poison, deaths, the alarm.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "creatures/monster.h"
#include "harness.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/history.h"
#include "shell/main.h"
#include "shell/menu.h"
#include "shell/sound.h"
#include "world/level.h"

namespace {

constexpr int PX = 100;
constexpr int PY = 40;

// A new game, then an empty field of the given kind: the player healthy, at peace,
// of known strength, and nobody else about.
void Arena(unsigned seed, int area = AREA_WILDERNESS)
{
    std::memset(worldmap, 0, sizeof worldmap);
    std::memset(overmap, 0, sizeof overmap);
    player.area = AREA_TOWN;
    qt::NewSeededGame(seed);
    std::memset(worldmap, 0, sizeof worldmap);
    std::memset(overmap, 0, sizeof overmap);
    player.area = area;
    player.x = PX;
    player.y = PY;
    player.peace = 1;
    player.blind = player.poisoned = player.poisontime = player.feelbetter = 0;
    player.tohit = player.todam = player.exp = player.practice[0] = 0;
    player.killer = NO_KILLER;
    player.mhp = player.chp = 100;
    player.str = 3;
    player.regencount = 7;
    player.viewx = PX - 10;
    player.viewy = PY - 7;
    curmonsters = 0;
    for (MonsterRecord &m : monsters)
        m.alive = m.kind = m.deadtime = 0;
}

int Put(int kind, int x, int y)
{
    int slot = curmonsters;
    makeMonster(kind, slot, y, x);
    return slot;
}

std::string Line(int fromNewest) { return qt::HistoryLineText(fromNewest); }

int CorpsesAt(int x, int y)
{
    int n = 0;
    for (int k = 0; k < cursmallitems && k < MAX_MAP_ITEMS; k++)
        n += items[k].getType() == ITEM_CORPSE && items[k].getx() == x && items[k].gety() == y;
    return n;
}

// Slot i strikes the player until a blow lands or misses, as asked (a blow that lands
// restarts the regeneration count). False if that never happened in many tries.
bool StrikeUntil(int i, bool hit)
{
    for (int n = 0; n < 200; n++) {
        player.regencount = 7;
        HitPlayer(i);
        if ((player.regencount == 0) == hit)
            return true;
    }
    return false;
}

// The player strikes slot i until the blow hits or misses, as asked (the slot is
// healed before each try so it lives on).
bool BlowUntil(int i, bool hit)
{
    for (int n = 0; n < 200; n++) {
        monsters[i].chp = 1000;
        HitMonster(i);
        if ((player.hitroll > 0) == hit)
            return true;
    }
    return false;
}

// The player strikes slot i, left with one hit point, until it dies.
void Slay(int i)
{
    for (int tries = 0; monsters[i].alive && tries < 100; tries++) {
        monsters[i].chp = 1;
        HitMonster(i);
    }
}

// One key in normal play, and the frame in which the monsters answer it.
void Press(SDLKey key)
{
    qt::Key(key);
    qt::Frame(2);
}

} // namespace

// ---- The player's blows ----

TEST(PlayerBlows, EveryBlowAngersAMissSaysSoAndAHitDoesOneToStrengthPlusBonusAndTrains)
{
    Arena(3);
    player.str = 4;
    player.todam = 2;
    int b = Put(KIND_BUNNY, PX + 1, PY);
    int hits = 0, misses = 0;
    for (int n = 0; n < 50; n++) {
        int practice = player.practice[0];
        monsters[b].chp = 1000;
        HitMonster(b);
        EXPECT_EQ(monsters[b].hostility, HOSTILE);
        if (player.hitroll > 0) {
            hits++;
            EXPECT_GE(player.damroll, 3);
            EXPECT_LE(player.damroll, 6);
            EXPECT_EQ(monsters[b].chp, 1000 - player.damroll);
            EXPECT_EQ(player.practice[0], practice + 1);
        } else {
            misses++;
            EXPECT_EQ(player.hitroll, 0);
            EXPECT_EQ(Line(0), "You miss the Bunny.");
            EXPECT_EQ(monsters[b].chp, 1000);
            EXPECT_EQ(player.practice[0], practice);
        }
    }
    EXPECT_GT(hits, 0);
    EXPECT_GT(misses, 0);
}

TEST(PlayerBlows, HittingATownsmanRaisesTheAlarmOnce)
{
    Arena(5, AREA_TOWN);
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
    Arena(6, AREA_WILDERNESS);
    HitMonster(Put(KIND_BUNNY, PX + 1, PY));
    EXPECT_EQ(player.peace, 1);
    EXPECT_EQ(qt::HistoryCount("The Bunny cries: \"Raise the alarm!\""), 0);
}

// ---- The creatures' blows ----

TEST(CreatureBlows, HitWoundsInTheCreaturesRangeEndsRestingAndAMissAngersANeutral)
{
    Arena(11);
    mode = MODE_RESTING;
    int s = Put(10, PX + 1, PY); // Griffin, 2..3
    player.chp = 10000;
    for (int n = 0; n < 60; n++) {
        int before = player.chp, lines = curhistory;
        HitPlayer(s);
        if (Line(0) == "The Griffin claws you.") {
            EXPECT_GE(before - player.chp, 2);
            EXPECT_LE(before - player.chp, 3);
        } else {
            EXPECT_EQ(Line(0), "The Griffin misses you.");
            EXPECT_EQ(player.chp, before);
        }
        EXPECT_EQ(curhistory, lines + 1);
    }
    EXPECT_EQ(mode, MODE_NORMAL);

    Arena(12);
    int c = Put(32, PX + 1, PY); // a neutral Chicken
    ASSERT_TRUE(StrikeUntil(c, false));
    EXPECT_EQ(Line(0), "The Chicken misses you.");
    EXPECT_EQ(monsters[c].hostility, HOSTILE);
}

TEST(Blindness, TheBlindPlayerHitsAndIsHitBySomethingAndMissesGoUnsaid)
{
    // Only the hits before the miss wrote lines, and all of them the blind line.
    const struct { unsigned seed; bool players; const char *line; } cases[] = {
        {4, true, "You hit Something"}, {13, false, "Something hits you."}};
    for (const auto &c : cases) {
        Arena(c.seed);
        player.blind = 1;
        int g = Put(11, PX + 1, PY);
        auto until = [&](bool hit) { return c.players ? BlowUntil(g, hit) : StrikeUntil(g, hit); };
        ASSERT_TRUE(until(true));
        EXPECT_EQ(Line(0), c.line);
        int lines = curhistory;
        ASSERT_TRUE(until(false));
        for (int k = 0; k < curhistory - lines; k++)
            EXPECT_EQ(Line(k), c.line);
    }
}

TEST(CreatureBlows, WhiteRatPoisonsWithoutDamage)
{
    Arena(14);
    player.feelbetter = 1;
    int r = Put(7, PX + 1, PY);
    ASSERT_TRUE(StrikeUntil(r, true));
    EXPECT_EQ(Line(1), "The White Rat bites you.");
    EXPECT_EQ(Line(0), "You feel sick.");
    EXPECT_EQ(player.chp, 100);
    EXPECT_EQ(player.poisoned, 1);
    EXPECT_EQ(player.feelbetter, 0);
    EXPECT_EQ(player.poisontime % 5, 0);
    int time = player.poisontime;
    ASSERT_TRUE(StrikeUntil(r, true));
    EXPECT_EQ(player.poisontime, time + 5);
}

// ---- The player's death ----

TEST(PlayerDeath, ZeroHitPointsIsAliveMinusOneIsDead)
{
    Arena(20);
    int first = Put(1, PX + 1, PY); // Brown Centipede, always 1 damage; slot 0
    ASSERT_EQ(first, 0);
    player.chp = 1;
    int plays = die_plays;
    ASSERT_TRUE(StrikeUntil(first, true));
    EXPECT_EQ(player.chp, 0);
    EXPECT_EQ(player.killer, NO_KILLER);
    EXPECT_EQ(CorpsesAt(PX, PY), 0);
    ASSERT_TRUE(StrikeUntil(first, true));
    EXPECT_EQ(player.chp, -1);
    // The very first creature made is a real killer.
    EXPECT_EQ(player.killer, 0);
    EXPECT_EQ(CorpsesAt(PX, PY), 1);
    EXPECT_EQ(die_plays, plays + 1);
}

TEST(PlayerDeath, LastCreatureToHitIsTheKillerAlsoInItsOwnTurn)
{
    Arena(21);
    int a = Put(11, PX + 1, PY);
    int b = Put(14, PX - 1, PY);
    player.chp = 0;
    ASSERT_TRUE(StrikeUntil(a, true));
    EXPECT_EQ(player.killer, a);
    ASSERT_TRUE(StrikeUntil(b, true));
    EXPECT_EQ(player.killer, b);

    Arena(22);
    Put(KIND_BUNNY, 10, 10);
    int g = Put(11, PX + 1, PY + 1);
    player.chp = 0;
    for (int n = 0; n < 100 && player.killer == NO_KILLER && done == STATE_PLAYING; n++) {
        player.acted = 1;
        qt::Frame(1);
    }
    EXPECT_EQ(player.killer, g);
    EXPECT_STREQ(monsters[player.killer].name, "Goblin");
}

TEST(MapItems, CorpsesNeverGoPastTheItemTable)
{
    Arena(30);
    for (int placed = 0; MapItemRoom() && placed < 200; placed++)
        PlaceMapItem(1 + placed, 3, 1);
    EXPECT_LE(cursmallitems, MAX_MAP_ITEMS);
    int g = Put(11, PX + 1, PY);
    Slay(g);
    EXPECT_EQ(monsters[g].alive, 0);
    EXPECT_LE(cursmallitems, MAX_MAP_ITEMS);
    // A slot taken off the map is used again for the next corpse.
    items[5].MoveInventory();
    Slay(Put(11, PX + 2, PY));
    EXPECT_EQ(CorpsesAt(PX + 2, PY), 1);
    EXPECT_LE(cursmallitems, MAX_MAP_ITEMS);
}

// ---- Through play ----

TEST(Play, WalkingIntoAGoblinFightsItToTheDeathSaysHitThenSlainAndLeavesACorpse)
{
    Arena(40);
    int g = Put(11, PX + 1, PY);
    int plays = die_plays;
    monsters[g].chp = 1;
    for (int n = 0; n < 30 && monsters[g].alive; n++)
        Press(SDLK_KP6);
    ASSERT_EQ(monsters[g].alive, 0);
    EXPECT_EQ(player.x, PX);
    EXPECT_EQ(Line(1), "You hit the Goblin.");
    EXPECT_EQ(Line(0), "You have slain the Goblin.");
    EXPECT_EQ(CorpsesAt(PX + 1, PY), 1);
    EXPECT_EQ(player.exp, 9);
    EXPECT_EQ(die_plays, plays + 1);
    // The dead record neither moves, strikes nor breeds, and keeps its name and place.
    const MonsterRecord &m = monsters[g];
    EXPECT_TRUE(m.kind == 0 && m.move == MOVE_ROOTED && m.attacktype == ATTACK_NONE && m.multiplies == 0 &&
                m.maxdamage == 0);
    EXPECT_STREQ(m.name, "Goblin");
    EXPECT_EQ(m.x, PX + 1);
}

TEST(Play, StrikingAFriendlyTownsmanAsksFirstThenRaisesTheAlarm)
{
    Arena(41, AREA_TOWN);
    int t = Put(18, PX + 1, PY);
    monsters[t].move = MOVE_ROOTED;
    qt::ScriptWaits({SDLK_n});
    Press(SDLK_KP6);
    EXPECT_EQ(player.peace, 1);
    EXPECT_EQ(monsters[t].hostility, FRIENDLY);
    EXPECT_EQ(qt::WaitsSeen(), 1);
    qt::ScriptWaits({SDLK_y});
    Press(SDLK_KP6);
    EXPECT_EQ(player.peace, 0);
    EXPECT_EQ(qt::HistoryCount("The Townsman cries: \"Raise the alarm!\""), 1);
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

TEST(Play, FirstCreatureMadeKillsThePlayerAndIsNamedOnTheTombstone)
{
    Arena(42);
    ASSERT_EQ(Put(11, PX + 1, PY + 1), 0);
    player.chp = 0;
    qt::ScriptWaits({SDLK_SPACE, SDLK_SPACE});
    for (int n = 0; n < 100 && done == STATE_PLAYING; n++) {
        player.acted = 1;
        qt::Frame(1);
    }
    ASSERT_EQ(done, STATE_DEAD);
    EXPECT_EQ(player.killer, 0);
    EXPECT_TRUE(qt::HistoryHas("You die."));
    EXPECT_EQ(CorpsesAt(PX, PY), 1);
    qt::Frame(1);
    const char *epitaph = "Killed by a Goblin";
    EXPECT_TRUE(qt::TextAt(400 - 4 * static_cast<int>(std::strlen(epitaph)), 360, epitaph));
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

TEST(Play, AfterADeathNobodyActsAndNoTimePassesWhenTheGameIsContinued)
{
    Arena(43);
    int g = Put(11, PX + 1, PY);
    player.chp = 0;
    qt::ScriptWaits({SDLK_SPACE, SDLK_SPACE});
    for (int n = 0; n < 100 && done == STATE_PLAYING; n++) {
        player.acted = 1;
        qt::Frame(1);
    }
    ASSERT_EQ(done, STATE_DEAD);
    const int time = gametime;
    const int lines = curhistory;
    const int hp = monsters[g].chp;
    const std::string last = Line(2);
    // Escape on the tombstone, then "Continue" on the title: the dead game is shown dying again.
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    ASSERT_EQ(done, STATE_MENU);
    for (int n = 0; n < 4 && selectmenu != 0; n++) {
        qt::Key(SDLK_UP);
        qt::Frame(1);
    }
    qt::ScriptWaits({SDLK_SPACE, SDLK_SPACE});
    qt::Key(SDLK_SPACE);
    qt::Frame(3);
    EXPECT_EQ(done, STATE_DEAD);
    EXPECT_EQ(gametime, time);
    EXPECT_EQ(monsters[g].chp, hp);
    EXPECT_EQ(std::make_pair(monsters[g].x, monsters[g].y), std::make_pair(PX + 1, PY));
    // Only the two death lines again, nothing struck or said in between.
    EXPECT_EQ(curhistory, lines + 2);
    EXPECT_EQ(Line(4), last);
    EXPECT_EQ(Line(1), "(Press a key)");
    EXPECT_EQ(Line(0), "You die.");
    EXPECT_EQ(qt::UnexpectedWaits(), 0);
}

// The edges of the rules, each value stated once: how far each kind of creature sees,
// the sizes that fell trees, breeding, the wait before a refill, the levels, the gate a
// traveller arrives at, every creature and item as the player reads of it, the menus'
// wrap-arounds and the turn and day boundaries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "creatures/monster.h"
#include "harness.h"
#include "items/inventory.h"
#include "player/player.h"
#include "screens/menu.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"

using qt::At;
using qt::Press;
using qt::PX;
using qt::PY;
using qt::Turn;

namespace {

std::string Str(const char *format, int value)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

bool NewestStarts(const std::string &text) { return qt::HistoryLineText(0).rfind(text, 0) == 0; }

// The catalogue of creatures, kinds 1..33, as the player learns it.
struct Kind {
    const char *name;
    int mhp, min, max, size, exp, multiplies, area, move, hostility, attack;
    const char *verb;
};
const Kind kinds[34] = {
    {},
    {"Brown Centipede", 2, 1, 1, 5, 2, 0, 1, 0, 1, 1, "stings"},
    {"Yellow Centipede", 2, 1, 1, 5, 3, 0, 1, 0, 1, 2, "stings"},
    {"Worker Ant", 1, 1, 1, 5, 1, 1, 1, 0, 1, 1, "bites"},
    {"Warrior Ant", 6, 1, 3, 15, 7, 0, 1, 0, 2, 1, "bites"},
    {"Bunny", 3, 1, 1, 5, 2, 1, 1, 0, 0, 1, "bites"},
    {"Albino Bunny", 4, 1, 3, 5, 4, 0, 1, 0, 1, 1, "bites"},
    {"White Rat", 1, 0, 0, 5, 1, 1, 1, 0, 1, 2, "bites"},
    {"Green Frog", 5, 1, 1, 5, 3, 0, 1, 0, 2, 1, "bites"},
    {"Black Frog", 8, 1, 2, 5, 6, 0, 1, 0, 1, 1, "bites"},
    {"Griffin", 12, 2, 3, 25, 10, 0, 1, 0, 2, 1, "claws"},
    {"Goblin", 10, 1, 3, 30, 9, 0, 1, 0, 2, 1, "hits"},
    {"Venus Man Trap", 5, 2, 4, 60, 13, 0, 1, 1, 1, 1, "bites"},
    {"Ent Youth", 140, 10, 25, 80, 100, 0, 1, 2, 0, 1, "hits"},
    {"Wolf Spider", 20, 2, 5, 40, 23, 0, 1, 0, 2, 1, "bites"},
    {"Squirrel", 5, 1, 1, 5, 5, 0, 1, 0, 0, 1, "bites"},
    {"Black Squirrel", 8, 1, 3, 5, 9, 0, 1, 0, 2, 1, "bites"},
    {"Black Widow", 6, 1, 3, 10, 16, 0, 1, 2, 2, 2, "bites"},
    {"Townsman", 23, 1, 2, 50, 0, 0, 0, 0, 0, 1, "hits"},
    {"Townsman", 23, 1, 2, 50, 0, 0, 0, 0, 0, 1, "hits"},
    {"Townsman", 23, 1, 2, 50, 0, 0, 0, 0, 0, 1, "hits"},
    {"Townswoman", 15, 0, 1, 40, 0, 0, 0, 4, 0, 1, "slaps"},
    {"Townswoman", 15, 0, 1, 40, 0, 0, 0, 4, 0, 1, "slaps"},
    {"Townswoman", 15, 0, 1, 40, 0, 0, 0, 4, 0, 1, "slaps"},
    {"Town Guard", 40, 2, 5, 60, 0, 0, 0, 3, 0, 1, "hits"},
    {"Urchin", 3, 0, 0, 20, 0, 0, 0, 0, 1, 3, "touches"},
    {"Beggar", 2, 0, 0, 20, 0, 0, 0, 0, 2, 1, "begs"},
    {"Drunkard", 15, 0, 2, 35, 0, 0, 0, 0, 0, 1, "hits"},
    {"Mutt", 10, 1, 3, 20, 0, 0, 0, 0, 1, 1, "bites"},
    {"Veteran", 50, 3, 4, 65, 0, 0, 0, 0, 0, 1, "hits"},
    {"Pig", 10, 0, 2, 20, 0, 0, 0, 4, 1, 1, "bites"},
    {"Pig", 10, 0, 2, 20, 0, 0, 0, 0, 1, 1, "bites"},
    {"Chicken", 5, 0, 1, 10, 0, 0, 0, 0, 1, 1, "pecks"},
    {"Chicken", 5, 0, 1, 10, 0, 0, 0, 0, 2, 1, "pecks"},
};

// Kinds 1..110 of things to carry.
const char *const item_kinds[111] = {
    "This pocket is empty.", "Level I Mages", "Level II Mages", "Level III Mages", "Mage's Guide to Power",
    "Level I Black Magick", "Level II Black Magick", "Level III Black Magick", "Necromancer's Guide to Power",
    "Level I Priests", "Level II Priests", "Level III Priests", "High Priest's Guide to Power",
    "Dictionary of 10000 Tongues", "Acid Capsule", "Poison Gas Capsule", "Corpse", "Mold of Major Cures",
    "Mushroom of Cure Blindness", "Mushroom of Cure Poison", "Mushroom of First Aid", "Mushroom of Hallucination",
    "Mushroom of Restoration", "Piece of Cheese", "Slime Mold", "Slime Mold Juice", "Evil-Detector Stone",
    "Friend-Detector Stone", "Invisible-Detector Stone", "Flask of Gunpowder", "Jug of Oil", "Lantern",
    "Meat Cleaver", "Rope", "Scope", "Bundle of Wood", "Tent", "Potion of Boldness", "Potion of Heroism",
    "Potion of Blindness", "Potion of Poison", "Potion of Cure Light Wounds", "Potion of Cure Serious Wounds",
    "Potion of Cure Critical Wounds", "Potion of Healing", "Potion of Cure Poison", "Potion of Infravision",
    "Potion of Detect Invisible", "Potion of Gain Experience", "Potion of Haste Self", "Potion of Invulnerability",
    "Potion of Invisibility", "Potion of Restore Mana", "Potion of Restoring", "Scroll of Blessing",
    "Scroll of Dispel Evil", "Scroll of Dispel Undead", "Scroll of Holy Chant", "Scroll of Holy Prayer",
    "Scroll of Protection", "Scroll of Blindness", "Scroll of Curse Weapon", "Scroll of Darkness",
    "Scroll of Destruction", "Scroll of Detect Life", "Scroll of Disfigure", "Scroll of Fear",
    "Scroll of Shield of Evil", "Scroll of Summon Dragon", "Scroll of Summon Monster", "Scroll of Summon Undead",
    "Scroll of Detect Invisible", "Scroll of Detect Trap", "Scroll of Enchant Armor", "Scroll of Enchant Weapon",
    "Scroll of Genocide", "Scroll of Identify", "Scroll of Magic Mapping", "Scroll of Mass Genocide",
    "Scroll of Phase Door", "Scroll of Recharge", "Scroll of Recover Body Part", "Scroll of Remove Curse",
    "Scroll of Teleportation", "Scroll of Training", "Scroll of Detect Monster", "Scroll of Light",
    "Scroll of Rune of Protection", "Scroll of Sleep Monster", "Wand of Acid Balls", "Wand of Confuse",
    "Wand of Clone Monster", "Wand of Disarming", "Wand of Dissolve", "Wand of Drain Life", "Wand of Fire Balls",
    "Wand of Fire Bolts", "Wand of Frost Bolts", "Wand of Haste Monster", "Wand of Heal Monster", "Wand of Ice Balls",
    "Wand of Light", "Wand of Lightning Balls", "Wand of Magic Missile", "Wand of Pain", "Wand of Polymorph",
    "Wand of Slow Monster", "Wand of Stinking Cloud", "Wand of Teleport Other", "Wand of Weakening",
    "Wand of Wonder",
};

} // namespace

TEST(Edges, EachCreatureAsTheDetailsScreenAndItsBlowsTellOfIt)
{
    const char *moves[] = {"Moves erratically.", "Does not move.", "Does not deign to attack intruders.",
                           "Does not move.", "Does not move."};
    const char *attitudes[] = {"It is friendly.", "It is neutral.", "It is hostile."};
    for (int k = 1; k < 34; k++) {
        const Kind &c = kinds[k];
        const std::string at = "kind " + std::to_string(k);
        qt::Field(300 + k);
        int m = qt::Put(k, PX + 1, PY);
        const MonsterRecord &r = monsters[m];
        EXPECT_EQ(qt::Row({r.move, r.attacktype}), qt::Row({c.move, c.attack})) << at;
        Press(KEY_L);
        Press(KEY_RIGHT);
        ASSERT_EQ(Press(KEY_Y, 2), MODE_MONSTER_DETAILS) << at;
        const std::string verb = std::string("It ") + c.verb + " to ";
        qt::ExpectTexts({{170, 100, c.name}, {170, 115, Str("CHP: %i", c.mhp).c_str()},
                         {170, 130, Str("MHP: %i", c.mhp).c_str()}, {170, 145, Str("STR: %i", c.max).c_str()},
                         {170, 160, Str("Size: %i", c.size).c_str()}, {170, 175, Str("EXP: %i", c.exp).c_str()},
                         {170, 205, moves[c.move]}, {170, 220, verb.c_str()},
                         {226 + 8 * int(std::strlen(c.verb)), 220, c.attack == 2 ? "poison." : "attack."},
                         {170, 235, attitudes[c.hostility]}},
                        at);
        EXPECT_EQ(qt::TextAt(170, 250, "Multiplies explosively."), c.multiplies == 1) << at;
        EXPECT_EQ(c.multiplies == 0, qt::NoTextIn(170, 250, 300, 12)) << at;
        // Its blows: from the least to the most, in its words, poisoning if it poisons.
        mode = MODE_NORMAL, player.chp = 100000;
        const std::string hit = std::string("The ") + c.name + " " + c.verb + " you.";
        int least = 1000, most = -1;
        for (int n = 0; n < 300; n++) {
            int before = player.chp;
            HitPlayer(m);
            if (qt::HistoryLineText(c.attack == 2 ? 1 : 0) == hit) {
                least = std::min(least, before - player.chp);
                most = std::max(most, before - player.chp);
            }
        }
        EXPECT_EQ(qt::Row({least, most, player.poisoned}), qt::Row({c.min, c.max, c.attack == 2})) << at;
    }
}

TEST(Edges, EachAreaIsPeopledByItsOwnKinds)
{
    for (int area : {AREA_TOWN, AREA_WILDERNESS}) {
        std::set<int> seen, want;
        for (int k = 1; k < 34; k++)
            if (kinds[k].area == area)
                want.insert(k);
        for (unsigned seed = 1; seed <= 3; seed++) {
            qt::Field(320 + seed, area);
            NewMonsters(area);
            for (int i = 0; i < 50; i++)
                seen.insert(monsters[i].kind);
        }
        EXPECT_TRUE(seen == want) << "area " << area;
    }
}

TEST(Edges, EachWayOfMovingSeesThePlayerUpToItsLimit)
{
    const struct {
        int kind, dx, dy, hostility, ex, ey; // where from, and where it is after one turn
        bool blow;
    } cases[] = {
        {11, 14, 14, HOSTILE, 13, 13, false},   {11, -14, -14, HOSTILE, -13, -13, false},
        {11, 14, 0, HOSTILE, 13, 0, false},     {11, 3, 15, HOSTILE, 3, 15, false},
        {11, -3, -15, HOSTILE, -3, -15, false}, {11, 1, 1, HOSTILE, 1, 1, true},
        {21, 14, 14, HOSTILE, 15, 15, false},   {21, -14, 14, HOSTILE, -15, 15, false},
        {21, 3, 15, HOSTILE, 3, 15, false},     {17, 5, -5, HOSTILE, 4, -4, false},
        {17, -5, 5, HOSTILE, -4, 4, false},     {17, 6, 0, HOSTILE, 6, 0, false},
        {17, 0, -6, HOSTILE, 0, -6, false},     {24, 29, -29, HOSTILE, 28, -28, false},
        {24, -29, 29, HOSTILE, -28, 28, false}, {24, -30, 0, HOSTILE, -30, 0, false},
        {24, 0, 30, HOSTILE, 0, 30, false},     {24, 1, 0, FRIENDLY, 1, 0, false},
        {12, 1, 1, HOSTILE, 1, 1, true},        {12, -1, 0, HOSTILE, -1, 0, true},
        {12, 2, 0, HOSTILE, 2, 0, false},       {12, 1, 0, NEUTRAL, 1, 0, false},
    };
    for (const auto &c : cases) {
        qt::Field(330);
        player.chp = player.mhp = 10000;
        int m = qt::Put(c.kind, PX + c.dx, PY + c.dy);
        monsters[m].hostility = c.hostility;
        int lines = curhistory;
        Turn();
        const std::string at = "kind " + std::to_string(c.kind) + " from " + std::to_string(c.dx) + "," +
                               std::to_string(c.dy);
        EXPECT_TRUE(At(m, PX + c.ex, PY + c.ey)) << at;
        EXPECT_EQ(curhistory > lines, c.blow) << at;
        EXPECT_TRUE(!c.blow || NewestStarts(std::string("The ") + kinds[c.kind].name)) << at;
    }
    // Fifteen columns away a hostile roamer wanders: one step, any way, not always towards the player.
    int towards = 0, away = 0;
    for (unsigned seed = 0; seed < 12; seed++) {
        qt::Field(340 + seed);
        const MonsterRecord &m = monsters[qt::Put(11, PX + 15, PY)];
        Turn();
        EXPECT_LE(std::abs(m.x - PX - 15) + std::abs(m.y - PY), 2);
        towards += m.x == PX + 14 && m.y == PY;
        away += m.x == PX + 16;
    }
    EXPECT_LT(towards, 12);
    EXPECT_GT(away, 0);
}

TEST(Edges, TreesFallToCreaturesOfFiftyAndMoreAndToNoPlayerUpTo249)
{
    // A Goblin of the given size chases the player through an overlay cell.
    const struct { int over, size, after; } walks[] = {
        {OVER_TREE, 50, OVER_STUMP}, {OVER_PINE, 50, OVER_STUMP}, {OVER_TREE2, 50, OVER_STUMP},
        {OVER_PINE2, 50, OVER_STUMP}, {OVER_TREE, 49, OVER_TREE}, {OVER_PINE2, 49, OVER_PINE2},
        {OVER_STUMP, 80, OVER_STUMP}};
    for (const auto &w : walks) {
        qt::Field(350);
        overmap[PY][PX + 4] = w.over;
        int g = qt::Put(11, PX + 5, PY);
        monsters[g].size = w.size;
        Turn();
        const bool wood = cursmallitems == 1 && items[0].getType() == 35 && items[0].getx() == PX + 4;
        const std::string at = std::to_string(w.over) + " of size " + std::to_string(w.size);
        EXPECT_TRUE(At(g, PX + 4, PY)) << at;
        EXPECT_EQ(qt::Row({overmap[PY][PX + 4], wood}), qt::Row({w.after, w.after != w.over})) << at;
    }
    // Made on a tree: the Townsman (50) leaves it, the Venus Man Trap (60) clears the cell.
    qt::Field(351);
    overmap[10][10] = OVER_TREE, overmap[20][20] = OVER_PINE2;
    qt::Put(18, 10, 10), qt::Put(12, 20, 20);
    EXPECT_EQ(qt::Row({overmap[10][10], overmap[20][20]}), qt::Row({OVER_TREE, OVER_NONE}));
    // The player: trees and pines of the first kind stop one larger than 249, for no turn.
    const struct { int over, size; bool passes; } steps[] = {
        {OVER_TREE, 249, true}, {OVER_TREE, 250, false}, {OVER_PINE, 250, false}, {OVER_TREE2, 250, true},
        {OVER_PINE2, 250, true}};
    for (const auto &s : steps) {
        qt::Field(352);
        overmap[PY][PX + 1] = s.over, player.size = s.size;
        int time = gametime;
        Press(KEY_RIGHT, 2);
        EXPECT_EQ(qt::Row({player.x, gametime}), qt::Row({PX + s.passes, time + s.passes})) << s.over << "," << s.size;
    }
    player.size = 150;
}

TEST(Edges, BreedersBreedTheirOwnKindOrOnceInThirteenItsBiggerCousin)
{
    const struct { int parent; std::set<int> children; } cases[] = {{KIND_BUNNY, {KIND_BUNNY, KIND_ALBINO_BUNNY}},
                 {KIND_WORKER_ANT, {KIND_WORKER_ANT, KIND_WARRIOR_ANT}},
                 {7, {7}}};
    for (const auto &c : cases) {
        qt::Field(360);
        player.chp = player.mhp = 100000;
        for (int k = 0; k < 10; k++)
            monsters[qt::Put(c.parent, 20 + 15 * k, 30)].move = MOVE_ROOTED;
        for (int n = 0; n < 600 && curmonsters < MONSTER_LIMIT; n++)
            Turn();
        std::set<int> born;
        for (int i = 10; i < curmonsters; i++)
            born.insert(monsters[i].kind);
        EXPECT_TRUE(born == c.children) << "parent " << c.parent << ", " << curmonsters - 10 << " born";
    }
}

TEST(Edges, ADeadSlotIsRefilledOnItsFiftyFirstDeadTurnAndThenAtOnce)
{
    const struct {
        int deadtime, turns;
        bool alive;
    } cases[] = {{0, 50, false}, {0, 51, true}, {49, 1, false}, {49, 2, true}, {50, 1, true}};
    for (const auto &c : cases) {
        qt::Field(370);
        int g = qt::Put(12, 150, 60);
        monsters[g].alive = monsters[g].kind = 0, monsters[g].deadtime = c.deadtime;
        Turn(c.turns);
        EXPECT_EQ(monsters[g].alive, c.alive) << c.deadtime << " and " << c.turns << " turns";
        EXPECT_EQ(monsters[g].deadtime, std::min(50, c.deadtime + c.turns)) << c.deadtime;
    }
}

TEST(Edges, EveryLevelAtItsThresholdAndNotOneBelow)
{
    const int need[7] = {0, 35, 80, 140, 240, 375, 550};
    const int gain[8] = {0, 0, 5, 7, 10, 12, 15, 17};
    for (int level = 1; level <= MAX_LEVEL; level++) {
        qt::Field(380);
        player.level = level, player.mhp = player.chp = 20;
        Press(KEY_C, 2, MOD_LSHIFT);
        EXPECT_TRUE(qt::TextAt(160, 220, level < 7 ? Str("EXP to Advance: %i", need[level]).c_str()
                                                   : "EXP to Advance: MAX"))
            << "level " << level;
        Press(KEY_ESCAPE);
        player.exp = level < 7 ? need[level] - 1 : 100000;
        qt::Frame(2);
        EXPECT_EQ(player.level, level);
        if (level == 7)
            continue;
        player.exp += 1;
        qt::ScriptWaits({KEY_SPACE});
        qt::Frame(1);
        EXPECT_EQ(player.level, level + 1);
        EXPECT_EQ(player.mhp, 20 + gain[level + 1]) << "level " << level + 1;
        EXPECT_EQ(player.chp, 20 + gain[level + 1]) << "level " << level + 1;
        EXPECT_EQ(qt::HistoryLineText(0), Str("Welcome to level %i", level + 1));
        EXPECT_EQ(qt::UnexpectedWaits(), 0);
    }
}

TEST(Edges, TravellersArriveByTheEdgeTheyCrossedOrAtTheGateOfTheirHalfOfTown)
{
    const struct { int ax, ay, x, y; GameKey key; int tox, toy, viewx, viewy; } cases[] = {
        // Into the town of world cell (5, 2), from each side.
        {5, 1, 120, 74, KEY_DOWN, 11, 74, 0, 60},   {5, 1, 121, 74, KEY_DOWN, 231, 74, 220, 60},
        {5, 3, 120, 0, KEY_UP, 11, 74, 0, 60},      {5, 3, 121, 0, KEY_UP, 231, 74, 220, 60},
        {4, 2, 241, 30, KEY_RIGHT, 11, 74, 0, 60},  {6, 2, 0, 30, KEY_LEFT, 231, 74, 220, 60},
        // Elsewhere at the opposite edge, the view at its end of the map.
        {1, 1, 241, 30, KEY_RIGHT, 0, 30, 0, -1},   {2, 1, 0, 30, KEY_LEFT, 241, 30, 220, -1},
        {1, 2, 50, 0, KEY_UP, 50, 74, -1, 60},      {1, 1, 50, 74, KEY_DOWN, 50, 0, -1, 0},
    };
    for (const auto &c : cases) {
        qt::Field(390);
        player.areax = c.ax, player.areay = c.ay;
        player.area = hugemap[c.ay][c.ax];
        player.x = c.x, player.y = c.y;
        player.viewx = std::min(std::max(c.x - 10, 0), 220), player.viewy = std::min(std::max(c.y - 7, 0), 60);
        int time = gametime;
        Press(c.key, 2);
        const std::string at = "from " + std::to_string(c.ax) + "," + std::to_string(c.ay) + " at " +
                               std::to_string(c.x) + "," + std::to_string(c.y);
        EXPECT_EQ(qt::Row({player.x, player.y}), qt::Row({c.tox, c.toy})) << at;
        EXPECT_EQ(c.viewx < 0 ? -1 : player.viewx, c.viewx) << at;
        EXPECT_EQ(c.viewy < 0 ? -1 : player.viewy, c.viewy) << at;
        EXPECT_EQ(gametime, time + 1) << at;
    }
}

TEST(Edges, EveryItemIsNamedWhenPickedUp)
{
    qt::Field(400);
    for (int kind = 1; kind <= 110; kind++) {
        ClearInventory();
        items[0] = ItemClass(kind, PX, PY);
        cursmallitems = 1;
        Press(KEY_RETURN, 2);
        EXPECT_EQ(qt::HistoryLineText(0), std::string("You have a ") + item_kinds[kind] + ".") << "kind " << kind;
    }
    ClearInventory();
    Press(KEY_I, 2);
    qt::ExpectTexts({{490, 265, item_kinds[0]}});
}

TEST(Edges, MenuCursorsWrapAroundTheirEntries)
{
    const int M = STATE_MENU, O = STATE_OPTIONS;
    const struct { int state; bool played; int from; GameKey key; int to; } cases[] = {
        {M, false, 1, KEY_UP, 3}, {M, false, 3, KEY_DOWN, 1}, {M, false, 2, KEY_KP8, 1}, {M, false, 2, KEY_KP2, 3},
        {M, true, 0, KEY_UP, 3},  {M, true, 3, KEY_KP2, 0},   {M, true, 1, KEY_UP, 0},    {O, false, 0, KEY_UP, 1},
        {O, false, 1, KEY_DOWN, 0}, {O, true, 0, KEY_KP2, 1}, {O, true, 1, KEY_KP8, 0}};
    for (const auto &c : cases) {
        qt::NewSeededGame(410);
        qt::Drain();
        done = c.state, played = c.played, fadeimg = 255, fadecount = 0, selectmenu = c.from;
        qt::Key(c.key);
        qt::Frame(1);
        EXPECT_EQ(selectmenu, c.to) << "state " << c.state << (c.played ? " played" : "") << " from " << c.from;
        EXPECT_EQ(done, c.state);
        qt::Frame(1);
        EXPECT_TRUE(qt::TextAt(324, (c.state == STATE_MENU ? 430 : 445) + 15 * c.to, ">"));
    }
}

TEST(Edges, TheLastTurnOfADayAndTheFirstDayOfWinter)
{
    qt::Field(420);
    gametime = 2998;
    Press(KEY_KP5, 2);
    EXPECT_EQ(qt::Row({gametime, gamedays}), qt::Row({2999, 180}));
    EXPECT_TRUE(qt::TextAt(690, 100, "Time: 2999"));
    Press(KEY_KP5, 2);
    EXPECT_EQ(qt::Row({gametime, gamedays}), qt::Row({0, 181}));
    EXPECT_TRUE(qt::TextAt(690, 100, "Time: 0"));
    // A town built on day 180 is a summer town; on day 181 a winter one.
    for (int day : {180, 181}) {
        gamedays = day;
        NewMap(AREA_TOWN);
        const int *first = &worldmap[0][0], *end = first + MAP_WIDTH * MAP_HEIGHT;
        EXPECT_EQ(std::count(first, end, 116), day == 180 ? 53 : 0) << "day " << day;
        EXPECT_EQ(std::count(first, end, 115), day == 180 ? 0 : 53) << "day " << day;
    }
    gamedays = 180;
}

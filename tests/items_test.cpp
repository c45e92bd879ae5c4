// The pack and the items lying about: the starting kit, picking up, dropping, the
// drop screen and the map's item table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "creatures/monster.h"
#include "harness.h"
#include "items/inventory.h"
#include "player/player.h"
#include "shell/dice.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

// A fresh game with the player on an open cell in the middle of the map, nothing under him.
class Items : public ::testing::Test {
protected:
    void SetUp() override
    {
        qt::NewSeededGame(1234);
        player.x = 100, player.y = 40, worldmap[40][100] = 0;
        for (int i = 0; i < cursmallitems; i++)
            if (items[i].getx() == 100 && items[i].gety() == 40)
                items[i].MoveInventory();
    }
    // Each test starts from a new game, which lays both map grids anew.
    void TearDown() override { qt::Drain(); }
};

using qt::Press;

int CarriedKinds()
{
    int n = 0;
    for (const ItemClass &it : user_inventory)
        n += it.getType() != 0;
    return n;
}

int ItemsAt(int x, int y, int kind)
{
    int n = 0;
    for (int i = 0; i < cursmallitems; i++)
        n += items[i].getx() == x && items[i].gety() == y && items[i].getType() == kind;
    return n;
}

// Fill the pack with kinds from 40 on until 25 kinds are carried.
void FillPack()
{
    for (int k = 40; curitems < INVENTORY_SLOTS; k++)
        ASSERT_TRUE(AddItem(k, false));
}

// Open the drop screen as the drop key does.
void OpenDropScreen()
{
    SortInventory(user_inventory, INVENTORY_SLOTS);
    displayitem = 0, mode = MODE_INVENTORY, showmode = 1, player.acted = 1;
}

// Lay the ground from f(column, row) and lay the starting items anew.
template <class F> void RestockOn(F f)
{
    for (int r = 0; r < MAP_HEIGHT; r++)
        for (int c = 0; c < MAP_WIDTH; c++)
            worldmap[r][c] = f(c, r);
    ClearInventory();
    NewInventory();
}

} // namespace

// Every starting item lies on the map, on a cell that does not block.
void ExpectStartingItemsOpen(const char *where)
{
    ASSERT_EQ(cursmallitems, 20) << where;
    for (int i = 0; i < cursmallitems; i++) {
        int x = items[i].getx(), y = items[i].gety();
        ASSERT_TRUE(OnMap(x, y)) << where << " item " << i;
        EXPECT_FALSE(IsBlockingTile(worldmap[y][x])) << where << " item " << i << " at " << x << "," << y;
        EXPECT_GE(items[i].getType(), 1);
        EXPECT_LE(items[i].getType(), 110);
    }
}

TEST_F(Items, StartingItemsWalkOffWallsAndNeverOffTheMap)
{
    for (unsigned seed = 1; seed <= 200; seed++) {
        qt::NewSeededGame(seed);
        ExpectStartingItemsOpen(("seed " + std::to_string(seed)).c_str());
    }
    // Walls everywhere but a thin diagonal band: most draws walk into the bottom or right
    // edge still inside a wall.
    RestockOn([](int c, int r) { return c - r == 7 ? 0 : 40; });
    ExpectStartingItemsOpen("band");
    // A map of walls but for one cell still finds that cell.
    RestockOn([](int c, int r) { return c == 200 && r == 3 ? 0 : 112; });
    ExpectStartingItemsOpen("one cell");
    for (int i = 0; i < cursmallitems; i++) {
        EXPECT_EQ(qt::Row({items[i].getx(), items[i].gety()}), qt::Row({200, 3}));
    }
}

TEST_F(Items, AStartingItemOnAWallEndsOnTheFirstOpenCellDownAndRight)
{
    // A block of walls in the north-west, well clear of the edges.
    SeedDice(77);
    RestockOn([](int c, int r) { return r < 40 && c < 120 ? 45 : 0; });
    ASSERT_EQ(cursmallitems, 20);
    // Each item is drawn kind, column, row; one in the block walks down and right out of it.
    SeedDice(77);
    for (int i = 0; i < 20; i++) {
        int kind = RandNum(1, 110);
        int col = RandNum(1, 241);
        int row = RandNum(1, 74);
        if (row < 40 && col < 120) {
            int k = std::min(40 - row, 120 - col);
            col += k;
            row += k;
        }
        EXPECT_EQ(qt::Row({items[i].getType(), items[i].getx()}), qt::Row({kind, col})) << "item " << i;
        EXPECT_EQ(items[i].gety(), row) << "item " << i;
    }
}

TEST_F(Items, TheKitComesSilentlyAndAddingStacksAndKeepsKindOrder)
{
    const int kit[][2] = {{1, 1}, {23, 5}, {31, 1}, {33, 1}}; // kind, amount
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(qt::Row({user_inventory[i].getType(), user_amounts[kit[i][0]]}), qt::Row({kit[i][0], kit[i][1]}));
    }
    EXPECT_EQ(CarriedKinds(), 4);
    EXPECT_FALSE(qt::HistoryHas("You have a Piece of Cheese."));
    EXPECT_EQ(cursmallitems, 20);

    EXPECT_TRUE(AddItem(23, true)); // a sixth cheese uses no new slot
    EXPECT_EQ(qt::Row({user_amounts[23], curitems, CarriedKinds()}), qt::Row({6, 4, 4}));
    EXPECT_EQ(qt::HistoryLineText(0), "You have a Piece of Cheese.");

    EXPECT_TRUE(AddItem(90, true));
    EXPECT_TRUE(AddItem(2, true));
    EXPECT_TRUE(AddItem(50, false));
    EXPECT_EQ(qt::HistoryLineText(0), "You have a Level II Mages.");
    const int want[] = {1, 2, 23, 31, 33, 50, 90};
    for (int i = 0; i < INVENTORY_SLOTS; i++)
        EXPECT_EQ(user_inventory[i].getType(), i < 7 ? want[i] : 0) << "slot " << i;
    EXPECT_EQ(curitems, 7);
}

TEST_F(Items, TheTwentySixthKindIsRefusedUntilAKindIsDroppedEntirely)
{
    FillPack();
    EXPECT_EQ(CarriedKinds(), 25);
    EXPECT_FALSE(AddItem(100, false));
    EXPECT_EQ(qt::HistoryLineText(0), "You can't carry a Wand of Ice Balls.");
    EXPECT_EQ(qt::Row({user_amounts[100], curitems}), qt::Row({0, 25}));

    // Dropping one of five cheeses frees nothing.
    OpenDropScreen();
    Press(KEY_B);
    EXPECT_EQ(user_amounts[23], 4);
    EXPECT_FALSE(AddItem(100, false));

    // Dropping the only Level I Mages frees its slot.
    OpenDropScreen();
    Press(KEY_A);
    EXPECT_EQ(qt::Row({user_amounts[1], curitems}), qt::Row({0, 24}));
    EXPECT_TRUE(AddItem(100, true));
    EXPECT_EQ(qt::HistoryLineText(0), "You have a Wand of Ice Balls.");
    EXPECT_EQ(curitems, 25);
}

TEST_F(Items, TheDropScreenDropsOnceAfterAllTheKeysOfTheFrame)
{
    // An empty slot drops nothing.
    int lines = curhistory, onmap = cursmallitems;
    OpenDropScreen();
    EXPECT_EQ(qt::Row({Press(KEY_Y), curhistory, cursmallitems}), qt::Row({MODE_NORMAL, lines, onmap}));
    EXPECT_EQ(curitems, 4);

    // a chooses slot A, then two steps right end on C, the Lantern: one drop, after all keys.
    OpenDropScreen();
    qt::Keys({KEY_A, KEY_RIGHT, KEY_RIGHT});
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(qt::HistoryCount("You drop a Lantern."), 1);
    EXPECT_EQ(qt::HistoryCount("You drop a Level I Mages."), 0);
    EXPECT_EQ(qt::Row({user_amounts[31], user_amounts[1], ItemsAt(100, 40, 31)}), qt::Row({0, 1, 1}));
    EXPECT_EQ(cursmallitems, onmap + 1);
}

TEST_F(Items, TheMapTableNeverRunsPastItsEnd)
{
    ClearInventory();
    for (int i = 0; i < MAX_MAP_ITEMS; i++)
        ASSERT_TRUE(PlaceMapItem(5 + i, 10, 24));
    EXPECT_EQ(cursmallitems, MAX_MAP_ITEMS);
    EXPECT_FALSE(MapItemRoom());
    // Full: nothing is placed and nothing is overwritten.
    EXPECT_FALSE(PlaceMapItem(1, 1, 35));
    EXPECT_EQ(cursmallitems, MAX_MAP_ITEMS);
    for (int i = 0; i < MAX_MAP_ITEMS; i++) {
        EXPECT_EQ(qt::Row({items[i].getx(), items[i].getType()}), qt::Row({5 + i, 24}));
    }
    // An item that was picked up gives its entry to the next one laid down.
    items[37].MoveInventory();
    EXPECT_TRUE(MapItemRoom());
    EXPECT_TRUE(PlaceMapItem(1, 1, 35));
    EXPECT_EQ(qt::Row({items[37].getType(), items[37].getx(), items[37].gety()}), qt::Row({35, 1, 1}));
    EXPECT_EQ(cursmallitems, MAX_MAP_ITEMS);
    EXPECT_FALSE(PlaceMapItem(2, 2, 35));
}

TEST_F(Items, ADropWithTheMapTableFullKeepsTheItem)
{
    for (int i = cursmallitems; i < MAX_MAP_ITEMS; i++)
        ASSERT_TRUE(PlaceMapItem(1, 1, 24));
    for (int i = 0; i < MAX_MAP_ITEMS; i++)
        if (items[i].getx() == -1)
            items[i].Place(1, 1);
    OpenDropScreen();
    Press(KEY_A);
    EXPECT_EQ(qt::Row({user_amounts[1], curitems, ItemsAt(100, 40, 1)}), qt::Row({1, 4, 0}));
    EXPECT_FALSE(qt::HistoryHas("You drop a Level I Mages."));
}

TEST_F(Items, ItemsInViewAreDrawnOnTheirCells)
{
    // A Rope on a cell in view, over the plain ground: its picture shows there.
    player.viewx = 90, player.viewy = 30;
    ClearInventory();
    mode = MODE_NORMAL;
    qt::Frame(1);
    const int cx = (95 - 90) * 30, cy = (35 - 30) * 30;
    Uint32 bare[30][30];
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 30; x++)
            bare[y][x] = qt::PixelAt(cx + x, cy + y);
    PlaceMapItem(95, 35, 33);
    qt::Frame(1);
    int differing = 0;
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 30; x++)
            differing += qt::PixelAt(cx + x, cy + y) != bare[y][x];
    EXPECT_GT(differing, 20);
}

// Through the keys of normal play, with nobody about to interrupt.
class Play : public Items {
protected:
    void SetUp() override
    {
        Items::SetUp();
        curmonsters = 0;
        qt::Frame(1);
    }
};

TEST_F(Play, TheDropScreenCostsItsTurnOnceAndADroppedCheeseCanBePickedUpAgain)
{
    int t0 = gametime;
    EXPECT_EQ(qt::Row({Press(KEY_D), showmode}), qt::Row({MODE_INVENTORY, 1}));
    qt::Frame(60);
    EXPECT_EQ(qt::Row({Press(KEY_ESCAPE, 3), gametime, curitems}), qt::Row({MODE_NORMAL, t0 + 1, 4}));

    Press(KEY_D);
    EXPECT_EQ(qt::Row({Press(KEY_B), user_amounts[23]}), qt::Row({MODE_NORMAL, 4}));
    EXPECT_EQ(user_inventory[1].getType(), 23);
    EXPECT_EQ(qt::HistoryLineText(0), "You drop a Piece of Cheese.");
    EXPECT_EQ(ItemsAt(player.x, player.y, 23), 1);
    Press(KEY_RETURN, 2);
    EXPECT_EQ(qt::Row({user_amounts[23], ItemsAt(player.x, player.y, 23)}), qt::Row({5, 0}));
}

TEST_F(Play, ReturnTakesEverythingOnTheCellInOneTurnButWhatAFullPackCannotTake)
{
    PlaceMapItem(player.x, player.y, 24);
    PlaceMapItem(player.x, player.y, 23);
    int t0 = gametime;
    Press(KEY_RETURN, 2);
    EXPECT_EQ(qt::Row({user_amounts[24], user_amounts[23]}), qt::Row({1, 6}));
    EXPECT_TRUE(qt::HistoryHas("You have a Slime Mold."));
    EXPECT_TRUE(qt::HistoryHas("You have a Piece of Cheese."));
    EXPECT_EQ(ItemsAt(player.x, player.y, 24) + ItemsAt(player.x, player.y, 23), 0);
    EXPECT_EQ(gametime, t0 + 1);

    // A kind a full pack cannot take stays where it lies.
    FillPack();
    PlaceMapItem(player.x, player.y, 100);
    Press(KEY_RETURN, 2);
    EXPECT_TRUE(qt::HistoryHas("You can't carry a Wand of Ice Balls."));
    EXPECT_EQ(qt::Row({user_amounts[100], ItemsAt(player.x, player.y, 100)}), qt::Row({0, 1}));
}

TEST_F(Play, TheInventoryKeyOpensThePackWithoutATurn)
{
    int t0 = gametime;
    displayitem = 7;
    EXPECT_EQ(qt::Row({Press(KEY_I), showmode, displayitem}), qt::Row({MODE_INVENTORY, 0, 0}));
    EXPECT_EQ(qt::Row({Press(KEY_C, 2), displayitem}), qt::Row({MODE_ITEM, 2}));
    EXPECT_TRUE(qt::TextAt(170, 100, "Lantern"));
    Press(KEY_ESCAPE);
    EXPECT_EQ(qt::Row({Press(KEY_ESCAPE, 2), gametime}), qt::Row({MODE_NORMAL, t0}));
}

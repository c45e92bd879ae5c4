// The pack and the items lying about: the starting kit, picking up, dropping, the
// drop screen and the map's item table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "creatures/monster.h"
#include "harness.h"
#include "items/inventory.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/font.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"

namespace {

int saved_ground[MAP_HEIGHT][MAP_WIDTH];
int saved_over[MAP_HEIGHT][MAP_WIDTH];

// A fresh game with the player on an open cell in the middle of the map; the grids are
// put back as they were after each test.
class Items : public ::testing::Test {
protected:
    void SetUp() override
    {
        qt::NewSeededGame(1234);
        std::memcpy(saved_ground, worldmap, sizeof worldmap);
        std::memcpy(saved_over, overmap, sizeof overmap);
        player.x = 100;
        player.y = 40;
        worldmap[40][100] = 0;
        // No starting item under the player.
        for (int i = 0; i < cursmallitems; i++)
            if (items[i].getx() == 100 && items[i].gety() == 40)
                items[i].MoveInventory();
    }
    void TearDown() override
    {
        std::memcpy(worldmap, saved_ground, sizeof worldmap);
        std::memcpy(overmap, saved_over, sizeof overmap);
        qt::Drain();
    }
};

int CarriedKinds()
{
    int n = 0;
    for (const ItemClass &it : user_inventory)
        if (it.getType() != 0)
            n++;
    return n;
}

int ItemsAt(int x, int y, int kind)
{
    int n = 0;
    for (int i = 0; i < cursmallitems; i++)
        if (items[i].getx() == x && items[i].gety() == y && items[i].getType() == kind)
            n++;
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
    displayitem = 0;
    mode = MODE_INVENTORY;
    showmode = 1;
    player.acted = 1;
}

} // namespace

TEST_F(Items, NewGameGivesTheStartingKit)
{
    EXPECT_EQ(user_inventory[0].getType(), 1);
    EXPECT_EQ(user_inventory[1].getType(), 23);
    EXPECT_EQ(user_inventory[2].getType(), 31);
    EXPECT_EQ(user_inventory[3].getType(), 33);
    EXPECT_EQ(user_amounts[1], 1);
    EXPECT_EQ(user_amounts[23], 5);
    EXPECT_EQ(user_amounts[31], 1);
    EXPECT_EQ(user_amounts[33], 1);
    EXPECT_EQ(curitems, 4);
    for (int i = 4; i < INVENTORY_SLOTS; i++)
        EXPECT_EQ(user_inventory[i].getType(), 0) << "slot " << i;
    // The kit comes without a word.
    EXPECT_FALSE(qt::HistoryHas("You have a Piece of Cheese."));
    EXPECT_EQ(cursmallitems, 20);
}

TEST_F(Items, StartingItemsLieOnOpenCellsInsideTheMap)
{
    for (unsigned seed = 1; seed <= 200; seed++) {
        qt::NewSeededGame(seed);
        ASSERT_EQ(cursmallitems, 20) << "seed " << seed;
        for (int i = 0; i < cursmallitems; i++) {
            int x = items[i].getx();
            int y = items[i].gety();
            ASSERT_TRUE(OnMap(x, y)) << "seed " << seed << " item " << i;
            EXPECT_FALSE(IsBlockingTile(worldmap[y][x])) << "seed " << seed << " item " << i;
            EXPECT_GE(items[i].getType(), 1);
            EXPECT_LE(items[i].getType(), 110);
        }
    }
}

TEST_F(Items, StartingItemsWalkOffWallsAndNeverOffTheMap)
{
    // Walls everywhere but a thin diagonal band and one far corner cell: most draws walk
    // into the bottom or right edge still inside a wall.
    for (int r = 0; r < MAP_HEIGHT; r++)
        for (int c = 0; c < MAP_WIDTH; c++)
            worldmap[r][c] = (c - r == 7) ? 0 : 40;
    ClearInventory();
    NewInventory();
    EXPECT_EQ(cursmallitems, 20);
    for (int i = 0; i < cursmallitems; i++) {
        int x = items[i].getx();
        int y = items[i].gety();
        ASSERT_TRUE(OnMap(x, y)) << "item " << i;
        EXPECT_EQ(worldmap[y][x], 0) << "item " << i << " at " << x << "," << y;
    }

    // A map of walls but for one cell still finds that cell.
    for (int r = 0; r < MAP_HEIGHT; r++)
        for (int c = 0; c < MAP_WIDTH; c++)
            worldmap[r][c] = 112;
    worldmap[3][200] = 0;
    ClearInventory();
    NewInventory();
    EXPECT_EQ(cursmallitems, 20);
    for (int i = 0; i < cursmallitems; i++) {
        EXPECT_EQ(items[i].getx(), 200);
        EXPECT_EQ(items[i].gety(), 3);
    }
}

TEST_F(Items, AStartingItemOnAWallEndsOnTheFirstOpenCellDownAndRight)
{
    // A block of walls in the north-west, well clear of the edges.
    for (int r = 0; r < MAP_HEIGHT; r++)
        for (int c = 0; c < MAP_WIDTH; c++)
            worldmap[r][c] = (r < 40 && c < 120) ? 45 : 0;
    std::srand(77);
    ClearInventory();
    NewInventory();
    ASSERT_EQ(cursmallitems, 20);
    // Each item is drawn kind, column, row; one in the block walks down and right until
    // it leaves it.
    std::srand(77);
    for (int i = 0; i < 20; i++) {
        int kind = RandNum(1, 110);
        int col = RandNum(1, 241);
        int row = RandNum(1, 74);
        if (row < 40 && col < 120) {
            int k = std::min(40 - row, 120 - col);
            col += k;
            row += k;
        }
        EXPECT_EQ(items[i].getType(), kind) << "item " << i;
        EXPECT_EQ(items[i].getx(), col) << "item " << i;
        EXPECT_EQ(items[i].gety(), row) << "item " << i;
    }
}

TEST_F(Items, ASixthCheeseUsesNoNewSlot)
{
    EXPECT_TRUE(AddItem(23, true));
    EXPECT_EQ(user_amounts[23], 6);
    EXPECT_EQ(curitems, 4);
    EXPECT_EQ(CarriedKinds(), 4);
    EXPECT_EQ(qt::HistoryLineText(0), "You have a Piece of Cheese.");
}

TEST_F(Items, NewKindsAreKeptInKindOrder)
{
    EXPECT_TRUE(AddItem(90, true));
    EXPECT_TRUE(AddItem(2, true));
    EXPECT_TRUE(AddItem(50, false));
    EXPECT_EQ(qt::HistoryLineText(0), "You have a Level II Mages.");
    const int want[] = {1, 2, 23, 31, 33, 50, 90};
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(user_inventory[i].getType(), want[i]) << "slot " << i;
    for (int i = 7; i < INVENTORY_SLOTS; i++)
        EXPECT_EQ(user_inventory[i].getType(), 0);
    EXPECT_EQ(curitems, 7);
}

TEST_F(Items, AnAddOfNothingOnlySortsAndARandomKindIsTaken)
{
    int lines = curhistory;
    EXPECT_FALSE(AddItem(0, true));
    EXPECT_EQ(curitems, 4);
    EXPECT_EQ(curhistory, lines);

    int kinds = 0;
    for (int k = 0; k < NUM_ITEM_KINDS; k++)
        kinds += user_amounts[k];
    EXPECT_TRUE(AddItem(-1, false));
    int after = 0;
    for (int k = 0; k < NUM_ITEM_KINDS; k++)
        after += user_amounts[k];
    EXPECT_EQ(after, kinds + 1);
    EXPECT_EQ(user_amounts[0], 0);
}

TEST_F(Items, TheTwentySixthKindIsRefusedUntilAKindIsDroppedEntirely)
{
    FillPack();
    EXPECT_EQ(CarriedKinds(), 25);
    EXPECT_FALSE(AddItem(100, false));
    EXPECT_EQ(qt::HistoryLineText(0), "You can't carry a Wand of Ice Balls.");
    EXPECT_EQ(user_amounts[100], 0);
    EXPECT_EQ(curitems, 25);

    // Dropping one of five cheeses frees nothing.
    OpenDropScreen();
    qt::Key(SDLK_b);
    qt::Frame(1);
    EXPECT_EQ(user_amounts[23], 4);
    EXPECT_FALSE(AddItem(100, false));

    // Dropping the only Level I Mages frees its slot.
    OpenDropScreen();
    qt::Key(SDLK_a);
    qt::Frame(1);
    EXPECT_EQ(user_amounts[1], 0);
    EXPECT_EQ(curitems, 24);
    EXPECT_TRUE(AddItem(100, true));
    EXPECT_EQ(qt::HistoryLineText(0), "You have a Wand of Ice Balls.");
    EXPECT_EQ(curitems, 25);
}

TEST_F(Items, DroppingACheeseLeavesItOnThePlayersCell)
{
    OpenDropScreen();
    qt::Key(SDLK_b);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(user_amounts[23], 4);
    EXPECT_EQ(user_inventory[1].getType(), 23);
    EXPECT_EQ(qt::HistoryLineText(0), "You drop a Piece of Cheese.");
    EXPECT_EQ(ItemsAt(100, 40, 23), 1);
    EXPECT_EQ(cursmallitems, 21);
}

TEST_F(Items, TheDropScreenDropsOnceAfterAllTheKeysOfTheFrame)
{
    OpenDropScreen();
    // a chooses slot A, then two steps right end on C, the Lantern.
    qt::Keys({SDLK_a, SDLK_RIGHT, SDLK_RIGHT});
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(qt::HistoryCount("You drop a Lantern."), 1);
    EXPECT_EQ(qt::HistoryCount("You drop a Level I Mages."), 0);
    EXPECT_EQ(user_amounts[31], 0);
    EXPECT_EQ(user_amounts[1], 1);
    EXPECT_EQ(ItemsAt(100, 40, 31), 1);
}

TEST_F(Items, AnEmptySlotDropsNothing)
{
    OpenDropScreen();
    int lines = curhistory;
    int onmap = cursmallitems;
    qt::Key(SDLK_y);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(curhistory, lines);
    EXPECT_EQ(cursmallitems, onmap);
    EXPECT_EQ(curitems, 4);
}

TEST_F(Items, TheDropScreenCostsExactlyOneTurnHoweverLongItIsOpen)
{
    int t0 = gametime;
    OpenDropScreen();
    qt::Frame(60);
    EXPECT_EQ(mode, MODE_INVENTORY);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(3);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(gametime, t0 + 1);
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
        EXPECT_EQ(items[i].getx(), 5 + i);
        EXPECT_EQ(items[i].getType(), 24);
    }
    // An item that was picked up gives its entry to the next one laid down.
    items[37].MoveInventory();
    EXPECT_TRUE(MapItemRoom());
    EXPECT_TRUE(PlaceMapItem(1, 1, 35));
    EXPECT_EQ(items[37].getType(), 35);
    EXPECT_EQ(items[37].getx(), 1);
    EXPECT_EQ(items[37].gety(), 1);
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
    qt::Key(SDLK_a);
    qt::Frame(1);
    EXPECT_EQ(user_amounts[1], 1);
    EXPECT_EQ(curitems, 4);
    EXPECT_EQ(ItemsAt(100, 40, 1), 0);
    EXPECT_FALSE(qt::HistoryHas("You drop a Level I Mages."));
}

TEST_F(Items, ItemsInViewAreDrawnOnTheirCells)
{
    if (!small_items_list[33])
        GTEST_SKIP() << "the item pictures are not built yet";
    // A Rope on a cell in view, over the plain ground: its picture shows there.
    player.viewx = 90;
    player.viewy = 30;
    ClearInventory();
    mode = MODE_NORMAL;
    qt::Frame(1);
    SDL_Surface *pic = small_items_list[33];
    int cx = (95 - 90) * 30, cy = (35 - 30) * 30;
    int differing = 0;
    Uint32 bare[30][30];
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 30; x++)
            bare[y][x] = qt::PixelAt(cx + x, cy + y);
    PlaceMapItem(95, 35, 33);
    qt::Frame(1);
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 30; x++)
            if (qt::PixelAt(cx + x, cy + y) != bare[y][x])
                differing++;
    EXPECT_GT(differing, 20) << pic->w;
}

// Through the keys of normal play.
namespace {

class Play : public ::testing::Test {
protected:
    void SetUp() override
    {
        qt::NewSeededGame(777);
        // Nobody about to interrupt, and nothing lying under the player.
        std::memset(monsters, 0, sizeof monsters);
        curmonsters = 0;
        for (int i = 0; i < cursmallitems; i++)
            if (items[i].getx() == player.x && items[i].gety() == player.y)
                items[i].MoveInventory();
        qt::Frame(1);
    }
    void TearDown() override { qt::Drain(); }
};

} // namespace

TEST_F(Play, TheDropScreenCostsItsTurnOnceEvenWhenCancelled)
{
    int t0 = gametime;
    qt::Key(SDLK_d);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_INVENTORY);
    EXPECT_EQ(showmode, 1);
    qt::Frame(60);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(3);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(gametime, t0 + 1);
    EXPECT_EQ(curitems, 4);
}

TEST_F(Play, DropOnACellWithItemsIsRefusedOncePerItemWithoutATurn)
{
    PlaceMapItem(player.x, player.y, 24);
    PlaceMapItem(player.x, player.y, 25);
    int t0 = gametime;
    qt::Key(SDLK_d);
    qt::Frame(3);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(qt::HistoryCount("There's no room to drop anything here."), 2);
    EXPECT_EQ(gametime, t0);
}

TEST_F(Play, ReturnPicksUpEverythingOnTheCellInOneTurn)
{
    PlaceMapItem(player.x, player.y, 24);
    PlaceMapItem(player.x, player.y, 23);
    int t0 = gametime;
    qt::Key(SDLK_RETURN);
    qt::Frame(2);
    EXPECT_EQ(user_amounts[24], 1);
    EXPECT_EQ(user_amounts[23], 6);
    EXPECT_TRUE(qt::HistoryHas("You have a Slime Mold."));
    EXPECT_TRUE(qt::HistoryHas("You have a Piece of Cheese."));
    EXPECT_EQ(ItemsAt(player.x, player.y, 24) + ItemsAt(player.x, player.y, 23), 0);
    EXPECT_EQ(gametime, t0 + 1);
}

TEST_F(Play, AnItemThePackCannotTakeStaysWhereItLies)
{
    FillPack();
    PlaceMapItem(player.x, player.y, 100);
    qt::Key(SDLK_RETURN);
    qt::Frame(2);
    EXPECT_TRUE(qt::HistoryHas("You can't carry a Wand of Ice Balls."));
    EXPECT_EQ(user_amounts[100], 0);
    EXPECT_EQ(ItemsAt(player.x, player.y, 100), 1);
}

TEST_F(Play, ADroppedCheeseCanBePickedUpAgain)
{
    qt::Key(SDLK_d);
    qt::Frame(1);
    qt::Key(SDLK_b);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(user_amounts[23], 4);
    EXPECT_EQ(ItemsAt(player.x, player.y, 23), 1);
    qt::Key(SDLK_RETURN);
    qt::Frame(2);
    EXPECT_EQ(user_amounts[23], 5);
    EXPECT_EQ(ItemsAt(player.x, player.y, 23), 0);
}

TEST_F(Play, TheInventoryKeyOpensThePackWithoutATurn)
{
    int t0 = gametime;
    displayitem = 7;
    qt::Key(SDLK_i);
    qt::Frame(1);
    EXPECT_EQ(mode, MODE_INVENTORY);
    EXPECT_EQ(showmode, 0);
    EXPECT_EQ(displayitem, 0);
    qt::Key(SDLK_c);
    qt::Frame(2);
    EXPECT_EQ(mode, MODE_ITEM);
    EXPECT_EQ(displayitem, 2);
    if (font_image) {
        EXPECT_TRUE(qt::TextAt(170, 100, "Lantern"));
    }
    qt::Key(SDLK_ESCAPE);
    qt::Frame(1);
    qt::Key(SDLK_ESCAPE);
    qt::Frame(2);
    EXPECT_EQ(mode, MODE_NORMAL);
    EXPECT_EQ(gametime, t0);
}

// The desktop's own routines, apart from the game: what its present sends, and the key
// numbers it hands over.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <SDL/SDL.h>

#include "platform/desktop/desktop.h"
#include "platform/desktop/present.h"
#include "platform/keys.h"

namespace {
using Row = std::vector<long long>;
}

TEST(Present, ChangedBytesAreFoundWithinTheRowAndSameRowsSayNone)
{
    // Rows of 13 bytes inside larger buffers whose bytes before and after the rows
    // differ: nothing outside the row may count.
    Uint8 a[40], b[40];
    std::memset(a, 7, sizeof a);
    std::memset(b, 9, sizeof b);
    Uint8 *ra = a + 10, *rb = b + 10;
    const size_t n = 13;
    std::memset(ra, 1, n);
    std::memset(rb, 1, n);
    EXPECT_EQ(Row({(long long)FirstDifferentByte(ra, rb, n), (long long)LastDifferentByte(ra, rb, n)}),
              Row({13, 13}))
        << "rows that are the same";
    for (size_t at : {0, 5, 7, 8, 12}) {
        rb[at] = 2;
        EXPECT_EQ(Row({(long long)FirstDifferentByte(ra, rb, n), (long long)LastDifferentByte(ra, rb, n)}),
                  Row({(long long)at, (long long)at}))
            << "one byte differs at " << at;
        rb[at] = 1;
    }
    rb[2] = 2, rb[11] = 2;
    EXPECT_EQ(Row({(long long)FirstDifferentByte(ra, rb, n), (long long)LastDifferentByte(ra, rb, n)}),
              Row({2, 11}));
    EXPECT_EQ(Row({(long long)FirstDifferentByte(ra, rb, 0), (long long)LastDifferentByte(ra, rb, 0)}),
              Row({0, 0}))
        << "empty rows";
}

TEST(Keys, TheDesktopsKeyNumbersAreTheGamesTableAndEveryKeyHasAWordOfItsOwn)
{
    // SDL 1.2 on the desktop numbers its keys as the first recordings stored them.
    EXPECT_EQ(Row({KeyOfSdl12(SDLK_UP), KeyOfSdl12(SDLK_KP6), KeyOfSdl12(SDLK_a), KeyOfSdl12(SDLK_F1)}),
              Row({KEY_UP, KEY_KP6, KEY_A, KEY_F1}));
    EXPECT_EQ(KeyOfSdl12(SDLK_WORLD_5), KEY_UNKNOWN);
    for (int k = 0; k < KEY_COUNT; k++) {
        const GameKey key = static_cast<GameKey>(k);
        GameKey back = KEY_COUNT;
        ASSERT_TRUE(KeyOfWord(KeyWord(key), &back)) << k;
        EXPECT_EQ(back, key) << KeyWord(key);
        EXPECT_EQ(KeyOfSdl12(Sdl12OfKey(key)), key) << KeyWord(key);
        EXPECT_EQ(std::strpbrk(KeyWord(key), " \t\n"), nullptr) << "a word a recording can hold: " << KeyWord(key);
    }
    EXPECT_EQ(KeyWord(KEY_COUNT), nullptr);
}

TEST(Scale, TheLargestWholeScaleThatFitsTheDesktop)
{
    EXPECT_EQ(Row({FittingScale(3840, 2160), FittingScale(1920, 1080), FittingScale(1600, 1248), FittingScale(640, 480)}),
              Row({3, 1, 2, 1}));
}

#include <gtest/gtest.h>

#include "harness.h"
#include "shell/main.h"

TEST(Shell, RandNumStaysInItsRange)
{
    for (int i = 0; i < 1000; i++) {
        EXPECT_EQ(RandNum(5, 5), 5);
        int r = RandNum(1, 2);
        EXPECT_TRUE(r == 1 || r == 2);
    }
}

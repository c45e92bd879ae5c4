// The self-play's teeth: a run stops at the first rule the game breaks, naming the seed
// and the frame, and a run held to its aims fails when it falls short of them. The soaks
// are worth only what these two make them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "harness.h"
#include "selfplay/autoplay.h"
#include "shell/main.h"

namespace {

// The run's status, and what it printed in out.
int PlaySelf(unsigned seed, long frames, std::string *out)
{
    testing::internal::CaptureStdout();
    const int status = RunAutoplay(seed, frames, false);
    *out = testing::internal::GetCapturedStdout();
    qt::UseScriptedWaits();
    return status;
}

} // namespace

TEST(SelfPlay, StopsAtTheFirstBrokenRuleWithTheSeedAndTheFrame)
{
    qt::Boot();
    qt::NewSeededGame(61);
    gametime = -100; // a clock no turn brings back into the day
    std::string out;
    EXPECT_EQ(PlaySelf(7, 500, &out), 1);
    EXPECT_EQ(out.rfind("autoplay: seed 7, frame 0: gametime out of range (-", 0), 0u) << out;
}

TEST(SelfPlay, ARunHeldToItsAimsFailsWhenItFallsShort)
{
    qt::Boot();
    qt::NewSeededGame(62);
    setenv("QUORVANE_AUTOPLAY_CHECK", "1", 1);
    std::string out;
    const int status = PlaySelf(8, 40, &out);
    unsetenv("QUORVANE_AUTOPLAY_CHECK");
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("autoplay: seed 8: aim not met: frames in mode "), std::string::npos) << out;
    // Not held to them, the same run passes.
    qt::NewSeededGame(62);
    EXPECT_EQ(PlaySelf(8, 40, &out), 0) << out;
}

// The program: the switches, the dice's seed, recordings and replays, whether the player's
// game is kept, then the title and the outer loop (or the self-play, for QUORVANE_AUTOPLAY).
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "keep/record.h"
#include "keep/save.h"
#include "keep/state.h"
#include "platform/platform.h"
#include "selfplay/autoplay.h"
#include "shell/dice.h"
#include "shell/global.h"
#include "shell/main.h"

// The number held by the environment variable name: false when it is unset or empty.
// Anything but a whole decimal number from 0 to 4294967295 ends the program with a line
// saying so (strtoul would read "-5" as 4294967291).
static bool ReadNumber(const char *name, unsigned *value)
{
    const char *text = std::getenv(name);
    if (!text || !*text)
        return false;
    bool digits = true;
    for (const char *p = text; *p; p++)
        digits = digits && *p >= '0' && *p <= '9';
    errno = 0;
    char *end = nullptr;
    unsigned long long v = digits ? std::strtoull(text, &end, 10) : 0;
    if (!digits || errno != 0 || v > UINT_MAX) {
        std::fprintf(stderr, "quorvane: %s=%s is not a whole number from 0 to %u\n", name, text, UINT_MAX);
        std::exit(1);
    }
    *value = static_cast<unsigned>(v);
    return true;
}

int main(int argc, char **argv)
{
    // Progress and errors go to two streams that may share one log: every line is
    // written when it is printed, so the log keeps them in order.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    int status = ParseCommandLine(argc, argv);
    if (status >= 0)
        return status;

    // QUORVANE_SEED replays a game exactly; otherwise the clock seeds the dice.
    unsigned seed = static_cast<unsigned>(std::time(nullptr));
    ReadNumber("QUORVANE_SEED", &seed);
    // QUORVANE_AUTOPLAY=<frames>: the program plays itself (below).
    unsigned frames = 0;
    const bool autoplay = ReadNumber("QUORVANE_AUTOPLAY", &frames);
    std::atexit(ExitGame);

    // QUORVANE_RECORD and QUORVANE_REPLAY: a replay brings its own seed.
    status = StartRecordedGame(&seed);
    if (status >= 0)
        return status;
    SeedDice(seed);

    // The player's game is resumed and kept, but not by replays, recordings or self-play:
    // they play games of their own, and a recording must start from the title as it was.
    keep_games = !ReplayingGame() && !RecordingPath() && !autoplay;

    StartPlatform();
    StartGame();

    // QUORVANE_AUTOPLAY=<frames>: random play through the real loop, then "Exit".
    if (!ReplayingGame() && autoplay) {
        status = RunAutoplay(seed, static_cast<long>(frames), true);
        std::printf("autoplay: digest %016llx after %ld frames\n", DigestGame(), FramesRun());
        FinishRecordedGame();
        return LeavePlatform(status);
    }

    RunOuterLoop();
    return LeavePlatform(FinishRecordedGame());
}

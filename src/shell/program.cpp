#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "shell/autoplay.h"
#include "shell/global.h"
#include "shell/main.h"
#include "shell/record.h"
#include "shell/save.h"
#include "shell/state.h"

// A whole decimal number, or nothing.
static bool ReadNumber(const char *text, unsigned *value)
{
    if (!text || !*text)
        return false;
    char *end = nullptr;
    unsigned long v = std::strtoul(text, &end, 10);
    if (!end || *end != '\0')
        return false;
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
    std::atexit(ExitGame);

    // QUORVANE_SEED replays a game exactly; otherwise the clock seeds the dice.
    unsigned seed = static_cast<unsigned>(std::time(nullptr));
    ReadNumber(std::getenv("QUORVANE_SEED"), &seed);
    // QUORVANE_RECORD and QUORVANE_REPLAY: a replay brings its own seed.
    status = StartRecordedGame(&seed);
    if (status >= 0)
        return status;
    std::srand(seed);

    // The player's game is resumed and kept, but not by replays, recordings or self-play:
    // they play games of their own, and a recording must start from the title as it was.
    const char *autoplay = std::getenv("QUORVANE_AUTOPLAY");
    keep_games = !ReplayingGame() && !RecordingPath() && !(autoplay && *autoplay);

    InitDataRoot();
    StartGame();

    // QUORVANE_AUTOPLAY=<frames>: random play through the real loop, then "Exit".
    unsigned frames = 0;
    if (!ReplayingGame() && ReadNumber(autoplay, &frames)) {
        status = RunAutoplay(seed, static_cast<long>(frames), true);
        std::printf("autoplay: digest %016llx after %ld frames\n", DigestGame(), FramesRun());
        FinishRecordedGame();
        return status;
    }

    RunOuterLoop();
    return FinishRecordedGame();
}

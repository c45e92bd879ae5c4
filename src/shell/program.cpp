#include <cstdlib>
#include <ctime>

#include "shell/global.h"
#include "shell/main.h"

int main(int argc, char **argv)
{
    int status = ParseCommandLine(argc, argv);
    if (status >= 0)
        return status;
    std::atexit(ExitGame);

    // QUORVANE_SEED replays a game exactly; otherwise the clock seeds the dice.
    const char *seed = std::getenv("QUORVANE_SEED");
    char *end = nullptr;
    unsigned long value = seed ? std::strtoul(seed, &end, 10) : 0;
    if (seed && *seed && end && *end == '\0')
        std::srand(static_cast<unsigned>(value));
    else
        std::srand(static_cast<unsigned>(std::time(nullptr)));

    InitDataRoot();
    StartGame();
    RunOuterLoop();
    return 0;
}

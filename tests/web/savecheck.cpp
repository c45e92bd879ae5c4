// The desktop's side of a saved game that travels between the page and the desktop:
// reads the file as the desktop reads it when it resumes a game, says the game's time and
// digest, and writes the game again as the desktop keeps it.
//   savecheck <saved game> [<file to write>]
// Prints "time T digest D"; exit status 0 when the game was read, 1 when it was refused.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "keep/save.h"
#include "keep/state.h"
#include "shell/main.h"

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    char why[200];
    if (!in || !ReadGameText(text.str(), why, sizeof why)) {
        std::printf("refused: %s\n", in ? why : "cannot be read");
        return 1;
    }
    std::printf("time %d digest %016llx\n", gametime, DigestGame());
    if (argc > 2) {
        std::ofstream out(argv[2], std::ios::binary);
        out << WriteGameText();
        if (!out)
            return 1;
    }
    return 0;
}

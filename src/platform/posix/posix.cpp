#include "platform/posix/posix.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/global.h"

// Where an installed game keeps its data, seen from the installed program's directory.
#ifndef INSTALLED_DATA_FROM_PROGRAM
#define INSTALLED_DATA_FROM_PROGRAM "../../share/games/quorvane"
#endif

namespace {

volatile std::sig_atomic_t caught;

void NoteQuitSignal(int)
{
    caught = 1;
}

// True when path names a directory.
bool IsDirectory(const char *path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

void CatchQuitSignals()
{
    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_handler = NoteQuitSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &sa, nullptr);
}

bool QuitSignalCaught()
{
    const bool came = caught != 0;
    caught = 0;
    return came;
}

void FindDataRoot()
{
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0)
        return;
    exe[n] = '\0';
    char *slash = std::strrchr(exe, '/');
    if (!slash)
        return;
    *slash = '\0';
    // First the build tree's data beside the program, then the installed tree, found
    // from where the program itself was installed so that a moved prefix works too.
    char beside[4096], installed[4096];
    int a = std::snprintf(beside, sizeof beside, "%s/data", exe);
    int b = std::snprintf(installed, sizeof installed, "%s/%s", exe, INSTALLED_DATA_FROM_PROGRAM);
    bool fits_a = a > 0 && a < static_cast<int>(sizeof beside);
    bool fits_b = b > 0 && b < static_cast<int>(sizeof installed);
    const char *root = nullptr;
    if (fits_a && IsDirectory(beside))
        root = beside;
    else if (fits_b && IsDirectory(installed))
        root = installed;
    if (!root) {
        std::fprintf(stderr, "Quorvane: no data directory, neither %s nor %s; the game runs without its pictures.\n",
                     fits_a ? beside : "data", fits_b ? installed : INSTALLED_DATA_FROM_PROGRAM);
        root = fits_a ? beside : nullptr;
    }
    char normal[PATH_MAX];
    if (root && root == installed && realpath(root, normal) && std::strlen(normal) < sizeof dataroot)
        root = normal;
    if (root)
        std::memcpy(dataroot, root, std::strlen(root) + 1);
}

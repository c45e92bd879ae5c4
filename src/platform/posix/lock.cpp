// One game per player folder on a POSIX system: the operating system's own lock (flock)
// on quorvane.lock, held open for the whole run, so that it goes with the process however
// that ends: a kill or a power cut leaves no stale lock behind, only the empty file.
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/platform.h"

namespace {

// The lock file this run holds open (and locked), -1 for none.
int held = -1;

// The held file is the working folder's lock file.
bool HoldsThisFolder()
{
    struct stat mine, there;
    return held >= 0 && fstat(held, &mine) == 0 && stat(LOCK_FILE, &there) == 0 && mine.st_dev == there.st_dev &&
           mine.st_ino == there.st_ino;
}

} // namespace

bool LockPlayerFolder()
{
    if (HoldsThisFolder())
        return true;
    if (held >= 0) {
        close(held);
        held = -1;
    }
    int fd = open(LOCK_FILE, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return true;
    int r;
    do
        r = flock(fd, LOCK_EX | LOCK_NB);
    while (r != 0 && errno == EINTR);
    if (r != 0) {
        const bool taken = errno == EWOULDBLOCK;
        close(fd);
        return !taken;
    }
    held = fd;
    return true;
}

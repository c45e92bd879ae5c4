#include "platform/desktop/present.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "shell/layout.h"

namespace {

// A copy of what the display shows, to present only what changed.
std::vector<Uint8> shownframe;
int unchangedframes;

// The changed part of the screen is presented in at most this many rectangles.
constexpr int MAX_PRESENT_RECTS = 32;

struct RowRun {
    int top;
    int bottom; // last row, inclusive
    int left;
    int right;  // last column, inclusive
};

} // namespace

size_t FirstDifferentByte(const Uint8 *a, const Uint8 *b, size_t n)
{
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        Uint64 x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            break;
    }
    while (i < n && a[i] == b[i])
        i++;
    return i;
}

size_t LastDifferentByte(const Uint8 *a, const Uint8 *b, size_t n)
{
    size_t i = n;
    for (; i >= 8; i -= 8) {
        Uint64 x, y;
        std::memcpy(&x, a + i - 8, 8);
        std::memcpy(&y, b + i - 8, 8);
        if (x != y)
            break;
    }
    while (i > 0 && a[i - 1] == b[i - 1])
        i--;
    return i > 0 ? i - 1 : n;
}

// Remembers the screen as shown, row by row, and gathers the rows that differ from what
// was shown before into runs, with the columns that differ; at most MAX_PRESENT_RECTS
// runs (the runs with the smallest gaps between them are joined). Returns their number.
static int RememberShownFrame(SDL_Surface *screen, SDL_Rect (&rects)[MAX_PRESENT_RECTS])
{
    const int h = screen->h;
    const int bpp = screen->format->BytesPerPixel;
    const size_t pitch = static_cast<size_t>(screen->pitch);
    const size_t rowbytes = static_cast<size_t>(screen->w) * static_cast<size_t>(bpp);
    const size_t bytes = pitch * static_cast<size_t>(h);
    const bool fresh = shownframe.size() != bytes;
    if (fresh)
        shownframe.assign(bytes, 0);
    static std::vector<RowRun> runs;
    runs.clear();
    SDL_LockSurface(screen);
    const Uint8 *pixels = static_cast<const Uint8 *>(screen->pixels);
    for (int y = 0; y < h; y++) {
        const Uint8 *now = pixels + pitch * static_cast<size_t>(y);
        Uint8 *before = shownframe.data() + pitch * static_cast<size_t>(y);
        if (!fresh && std::memcmp(now, before, rowbytes) == 0)
            continue;
        size_t first = 0;
        size_t last = rowbytes - 1;
        if (!fresh) {
            first = FirstDifferentByte(now, before, rowbytes);
            last = LastDifferentByte(now, before, rowbytes);
        }
        int left = static_cast<int>(first) / bpp;
        int right = static_cast<int>(last) / bpp;
        std::memcpy(before, now, rowbytes);
        if (!runs.empty() && runs.back().bottom == y - 1) {
            RowRun &r = runs.back();
            r.bottom = y;
            r.left = std::min(r.left, left);
            r.right = std::max(r.right, right);
        } else {
            runs.push_back({y, y, left, right});
        }
    }
    SDL_UnlockSurface(screen);
    while (runs.size() > MAX_PRESENT_RECTS) {
        size_t join = 0;
        for (size_t i = 1; i + 1 < runs.size(); i++)
            if (runs[i + 1].top - runs[i].bottom < runs[join + 1].top - runs[join].bottom)
                join = i;
        RowRun &a = runs[join];
        const RowRun &b = runs[join + 1];
        a.bottom = b.bottom;
        a.left = std::min(a.left, b.left);
        a.right = std::max(a.right, b.right);
        runs.erase(runs.begin() + static_cast<long>(join) + 1);
    }
    for (size_t i = 0; i < runs.size(); i++) {
        const RowRun &r = runs[i];
        rects[i].x = static_cast<Sint16>(r.left);
        rects[i].y = static_cast<Sint16>(r.top);
        rects[i].w = static_cast<Uint16>(r.right - r.left + 1);
        rects[i].h = static_cast<Uint16>(r.bottom - r.top + 1);
    }
    return static_cast<int>(runs.size());
}

void PresentDesktopScreen(SDL_Surface *screen, bool whole)
{
    SDL_Rect rects[MAX_PRESENT_RECTS];
    const int n = RememberShownFrame(screen, rects);
    if (whole) {
        unchangedframes = 0;
        // A double-buffered screen only shows what is drawn after a flip.
        if (screen->flags & SDL_DOUBLEBUF)
            SDL_Flip(screen);
        else
            SDL_UpdateRect(screen, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
        return;
    }
    if (++unchangedframes >= FRAMES_PER_SECOND) {
        // Once a second the whole frame, changed or not.
        unchangedframes = 0;
        SDL_Flip(screen);
        return;
    }
    if (n == 0)
        return;
    unchangedframes = 0;
    SDL_UpdateRects(screen, n, rects);
}

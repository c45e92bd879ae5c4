#include "shell/global.h"

#include <cstdio>
#include <cstring>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <string>
#include <vector>

#include <SDL/SDL_image.h>

#include "player/player.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "keep/record.h"
#include "status/stats.h"
#include "world/tiles.h"

int xchange;
int ychange;
Uint8 *keys;
char dataroot[4096] = "data";

// Where an installed game keeps its data, seen from the installed program's directory.
#ifndef INSTALLED_DATA_FROM_PROGRAM
#define INSTALLED_DATA_FROM_PROGRAM "../../share/games/quorvane"
#endif
void (*input_wait_hook)() = nullptr;

// Keys seen going down and not yet up, and the key that answered the last modal wait,
// which does not act again until it is let go.
static bool heldkeys[SDLK_LAST];
static SDLKey spentkey = SDLK_UNKNOWN;
static bool lastrepeat;

// The key state handed back by the modal wait: SDL's array, with the key that ended
// the wait marked held (a quick tap may already read as released).
static Uint8 waitkeys[SDLK_LAST];

// True when path names a directory.
static bool IsDirectory(const char *path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

void InitDataRoot()
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

void DrawIMG(SDL_Surface *img, int x, int y)
{
    if (!img || !screen)
        return;
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(x);
    dest.y = static_cast<Sint16>(y);
    // SDL only writes the size back, but a blit may also be clipped to it.
    dest.w = static_cast<Uint16>(img->w);
    dest.h = static_cast<Uint16>(img->h);
    SDL_BlitSurface(img, nullptr, screen, &dest);
}

void DrawIMGPart(SDL_Surface *img, int sx, int sy, int w, int h, int x, int y)
{
    if (!img || !screen)
        return;
    SDL_Rect src;
    src.x = static_cast<Sint16>(sx);
    src.y = static_cast<Sint16>(sy);
    src.w = static_cast<Uint16>(w);
    src.h = static_cast<Uint16>(h);
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(x);
    dest.y = static_cast<Sint16>(y);
    dest.w = src.w;
    dest.h = src.h;
    SDL_BlitSurface(img, &src, screen, &dest);
}

// A copy of what the display shows, to present only what changed.
static std::vector<Uint8> shownframe;
static int unchangedframes;

// The changed part of the screen is presented in at most this many rectangles.
constexpr int MAX_PRESENT_RECTS = 32;

struct RowRun {
    int top;
    int bottom; // last row, inclusive
    int left;
    int right;  // last column, inclusive
};

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
static int RememberShownFrame(SDL_Rect (&rects)[MAX_PRESENT_RECTS])
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

void UpdateScreen()
{
    if (!screen)
        return;
    SDL_Rect rects[MAX_PRESENT_RECTS];
    RememberShownFrame(rects);
    unchangedframes = 0;
    // A double-buffered screen only shows what is drawn after a flip.
    if (screen->flags & SDL_DOUBLEBUF)
        SDL_Flip(screen);
    else
        SDL_UpdateRect(screen, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
}

void PresentScreen()
{
    if (!screen)
        return;
    SDL_Rect rects[MAX_PRESENT_RECTS];
    int n = RememberShownFrame(rects);
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

int all_filter(const SDL_Event *)
{
    return 0;
}

static bool ValidKeySym(int key)
{
    return key > SDLK_UNKNOWN && key < SDLK_LAST;
}

void StartKeyRepeat()
{
    SDL_EnableKeyRepeat(KEY_REPEAT_DELAY, KEY_REPEAT_INTERVAL);
}

bool CursorKey(SDLKey key)
{
    switch (key) {
    case SDLK_UP: case SDLK_DOWN: case SDLK_LEFT: case SDLK_RIGHT:
    case SDLK_KP1: case SDLK_KP2: case SDLK_KP3: case SDLK_KP4: case SDLK_KP5:
    case SDLK_KP6: case SDLK_KP7: case SDLK_KP8: case SDLK_KP9:
    case SDLK_HOME: case SDLK_END: case SDLK_PAGEUP: case SDLK_PAGEDOWN: case SDLK_CLEAR:
        return true;
    default:
        return false;
    }
}

bool PassKeyEvent(const SDL_Event *ev)
{
    lastrepeat = false;
    if (ev->type != SDL_KEYDOWN && ev->type != SDL_KEYUP)
        return true;
    SDLKey key = ev->key.keysym.sym;
    if (!ValidKeySym(key))
        return true;
    if (ev->type == SDL_KEYUP) {
        heldkeys[key] = false;
        if (spentkey == key)
            spentkey = SDLK_UNKNOWN;
        return true;
    }
    if (!heldkeys[key]) {
        heldkeys[key] = true;
        return true;
    }
    if (key == spentkey || !CursorKey(key))
        return false;
    lastrepeat = true;
    return true;
}

bool KeyRepeated()
{
    return lastrepeat;
}

void ForgetHeldKeys()
{
    std::memset(heldkeys, 0, sizeof heldkeys);
    spentkey = SDLK_UNKNOWN;
    lastrepeat = false;
}

// After a modal wait the keys that read as held in its answer are the held keys (keys let
// go while the queue was thrown away are not), and the answer stays spent until let go.
static void HoldAnswer(SDLKey answer, const Uint8 *state)
{
    ForgetHeldKeys();
    for (int k = 1; k < SDLK_LAST; k++)
        heldkeys[k] = state[k] != 0;
    if (ValidKeySym(answer)) {
        heldkeys[answer] = true;
        spentkey = answer;
    }
}

Uint8 *GetInput(bool repeat_answers)
{
    if (ReplayingGame()) {
        std::memset(waitkeys, 0, sizeof waitkeys);
        SDLKey answer = SDLK_UNKNOWN;
        if (!QuitSignalled()) {
            answer = ReplayWait(waitkeys);
            RecordWait(answer, waitkeys); // recorded again when re-recording
        }
        HoldAnswer(answer, waitkeys);
        return waitkeys;
    }

    SDL_EventFilter old = SDL_GetEventFilter();
    SDL_SetEventFilter(all_filter);
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
    }
    SDL_SetEventFilter(old);

    // Keys let go while the queue was thrown away no longer count as held.
    int n = 0;
    Uint8 *state = SDL_GetKeyState(&n);
    for (int k = 1; k < SDLK_LAST; k++)
        if (heldkeys[k] && (!state || k >= n || !state[k]))
            heldkeys[k] = false;

    if (input_wait_hook)
        input_wait_hook();

    // A quit signal ends the wait unanswered, and the game with it at the frame's end.
    SDLKey pressed = SDLK_UNKNOWN;
    while (!QuitSignalled()) {
        if (!SDL_PollEvent(&ev)) {
            SDL_Delay(10);
            continue;
        }
        if (ev.type == SDL_QUIT)
            break;
        if (ev.type != SDL_KEYDOWN && ev.type != SDL_KEYUP)
            continue;
        SDLKey key = ev.key.keysym.sym;
        if (!ValidKeySym(key)) {
            if (ev.type == SDL_KEYDOWN) {
                pressed = key;
                break;
            }
            continue;
        }
        if (ev.type == SDL_KEYUP) {
            heldkeys[key] = false;
            continue;
        }
        bool repeat = heldkeys[key];
        heldkeys[key] = true;
        if (repeat && !(repeat_answers && CursorKey(key) && key != spentkey))
            continue;
        pressed = key;
        break;
    }
    state = SDL_GetKeyState(&n);
    if (n > SDLK_LAST)
        n = SDLK_LAST;
    std::memset(waitkeys, 0, sizeof waitkeys);
    if (state && n > 0)
        std::memcpy(waitkeys, state, static_cast<size_t>(n));
    if (ValidKeySym(pressed))
        waitkeys[pressed] = 1;
    if (!quit_signal)
        RecordWait(pressed, waitkeys);
    HoldAnswer(pressed, waitkeys);
    return waitkeys;
}

void GetDirection()
{
    player.gotdir = 0;
    xchange = 0;
    ychange = 0;
    bobcount += 1;
    Message(PROMPT_X, PROMPT_Y, "Which direction?", bobcount);
    UpdateScreen();
    keys = GetInput();

    struct DirKey {
        SDLKey key;
        int dx;
        int dy;
    };
    static const DirKey table[] = {
        {SDLK_KP6, 1, 0},    {SDLK_KP4, -1, 0},  {SDLK_KP2, 0, 1},    {SDLK_KP8, 0, -1},
        {SDLK_RIGHT, 1, 0},  {SDLK_LEFT, -1, 0}, {SDLK_DOWN, 0, 1},   {SDLK_UP, 0, -1},
        {SDLK_KP7, -1, -1},  {SDLK_KP9, 1, -1},  {SDLK_KP1, -1, 1},   {SDLK_KP3, 1, 1},
        // The same diagonals on a keyboard without a keypad (and on the keypad with NumLock off).
        {SDLK_HOME, -1, -1}, {SDLK_PAGEUP, 1, -1}, {SDLK_END, -1, 1}, {SDLK_PAGEDOWN, 1, 1},
    };
    if (keys[SDLK_F1]) {
        TakeScreenshot();
        return;
    }
    for (const DirKey &d : table) {
        if (keys[d.key]) {
            player.gotdir = 1;
            xchange = d.dx;
            ychange = d.dy;
            return;
        }
    }
    mode = MODE_NORMAL;
}

void FixScreen()
{
    if (player.viewy > (MAP_HEIGHT - VIEW_ROWS))
        player.viewy = (MAP_HEIGHT - VIEW_ROWS);
    if (player.viewy < 0)
        player.viewy = 0;
    if (player.viewx > (MAP_WIDTH - VIEW_COLS))
        player.viewx = (MAP_WIDTH - VIEW_COLS);
    if (player.viewx < 0)
        player.viewx = 0;
}

void TakeScreenshot()
{
    static int z = 0;
    char name[64];
    // Numbers already taken by pictures of an earlier game are passed over, so that a
    // player's screenshots are never written over.
    for (;;) {
        std::snprintf(name, sizeof name, "screenshot%i.bmp", z);
        if (z == INT_MAX || access(name, F_OK) != 0)
            break;
        z += 1;
    }
    if (z < INT_MAX)
        z += 1;
    if (!screen)
        return;
    SDL_RWops *rw = SDL_RWFromFile(name, "wb");
    if (!rw)
        return;
    SDL_SaveBMP_RW(screen, rw, 1);
}

void ProcessPageKeys(SDL_Event *ev, int back, int helpfrom)
{
    player.acted = 0;
    DrainKeys(ev, [&](SDLKey key) {
        switch (key) {
        case SDLK_ESCAPE:
            mode = back;
            break;
        case SDLK_SLASH:
        case SDLK_QUESTION:
            if (helpfrom != NO_HELP) {
                oldmode = helpfrom;
                mode = MODE_HELP;
            }
            break;
        default:
            break;
        }
    });
}

// Pictures that could not be loaded: several loaders ask for the same file (five clouds,
// the loading boxes), and a missing one is reported once and not tried again.
static std::vector<std::string> failedpaths;

static bool FailedBefore(const char *path)
{
    for (const std::string &p : failedpaths)
        if (p == path)
            return true;
    return false;
}

static SDL_Surface *LoadFailed(const char *path, const char *name, const char *why)
{
    std::fprintf(stderr, "Couldn't load image %s: %s\n", name, why);
    failedpaths.emplace_back(path);
    return nullptr;
}

static SDL_Surface *LoadFromPath(const char *path, const char *name, bool keyed)
{
    if (FailedBefore(path))
        return nullptr;
    SDL_Surface *raw = IMG_Load(path);
    if (!raw)
        return LoadFailed(path, name, SDL_GetError());
    SDL_Surface *img = SDL_DisplayFormat(raw);
    SDL_FreeSurface(raw);
    if (!img)
        return LoadFailed(path, name, SDL_GetError());
    if (keyed)
        SDL_SetColorKey(img, SDL_SRCCOLORKEY | SDL_RLEACCEL, magenta);
    return img;
}

SDL_Surface *LoadPicture(const char *relpath, bool keyed)
{
    const char *slash = std::strrchr(relpath, '/');
    const char *name = slash ? slash + 1 : relpath;
    char path[PATH_MAX];
    int n = std::snprintf(path, sizeof path, "%s/%s", dataroot, relpath);
    if (n < 0 || n >= static_cast<int>(sizeof path)) {
        std::fprintf(stderr, "Couldn't load image %s: %s\n", name, "path too long");
        return nullptr;
    }
    return LoadFromPath(path, name, keyed);
}

SDL_Surface *LoadPictureIn(const char *dir, const char *file, bool keyed)
{
    char path[PATH_MAX];
    int n = std::snprintf(path, sizeof path, "%s/%s%s", dataroot, dir, file);
    if (n < 0 || n >= static_cast<int>(sizeof path)) {
        std::fprintf(stderr, "Couldn't load image %s: %s\n", file, "path too long");
        return nullptr;
    }
    return LoadFromPath(path, file, keyed);
}

void SetPictureAlpha(SDL_Surface *img, int alpha)
{
    if (img)
        SDL_SetAlpha(img, SDL_SRCALPHA, static_cast<Uint8>(alpha & 0xff));
}

void FreePicture(SDL_Surface *&img)
{
    if (img)
        SDL_FreeSurface(img);
    img = nullptr;
}

#include "shell/global.h"

#include <cstdio>
#include <cstring>
#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/platform.h"
#include "player/player.h"
#include "shell/input.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "status/stats.h"
#include "world/tiles.h"

int xchange;
int ychange;
const unsigned char *keys;
char dataroot[4096] = "data";

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

void UpdateScreen()
{
    if (screen)
        ShowPlatformScreen(true);
}

void PresentScreen()
{
    if (screen)
        ShowPlatformScreen(false);
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
        GameKey key;
        int dx;
        int dy;
    };
    static const DirKey table[] = {
        {KEY_KP6, 1, 0},    {KEY_KP4, -1, 0},  {KEY_KP2, 0, 1},    {KEY_KP8, 0, -1},
        {KEY_RIGHT, 1, 0},  {KEY_LEFT, -1, 0}, {KEY_DOWN, 0, 1},   {KEY_UP, 0, -1},
        {KEY_KP7, -1, -1},  {KEY_KP9, 1, -1},  {KEY_KP1, -1, 1},   {KEY_KP3, 1, 1},
        // The same diagonals on a keyboard without a keypad (and on the keypad with NumLock off).
        {KEY_HOME, -1, -1}, {KEY_PAGEUP, 1, -1}, {KEY_END, -1, 1}, {KEY_PAGEDOWN, 1, 1},
    };
    int px, py, x, y;
    if (WaitAnsweredByClick(&px, &py)) {
        const int dx = CellAtPixel(px, py, &x, &y) ? x - player.x : 0;
        const int dy = CellAtPixel(px, py, &x, &y) ? y - player.y : 0;
        if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1 && (dx || dy)) {
            player.gotdir = 1;
            xchange = dx;
            ychange = dy;
        } else {
            mode = MODE_NORMAL;
        }
        return;
    }
    if (keys[KEY_F1]) {
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
    if (screen)
        WritePlatformScreenshot(name);
}

void ProcessPageKeys(InputEvent *ev, int back, int helpfrom)
{
    player.acted = 0;
    DrainInput(ev, [&](GameKey key) {
        switch (key) {
        case KEY_ESCAPE:
            mode = back;
            break;
        case KEY_SLASH:
        case KEY_QUESTION:
            if (helpfrom != NO_HELP) {
                oldmode = helpfrom;
                mode = MODE_HELP;
            }
            break;
        default:
            break;
        }
    }, [&](const InputEvent &e) {
        if (e.type == INPUT_POINTER_DOWN)
            mode = back;
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
    char why[256];
    SDL_Surface *img = LoadPlatformPicture(path, keyed, why, sizeof why);
    if (!img)
        return LoadFailed(path, name, why);
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

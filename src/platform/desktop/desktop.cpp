#include "platform/desktop/desktop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

#include <SDL/SDL.h>

#include "shell/layout.h"

namespace {

// An environment variable the game sets only when the player has not.
struct Default {
    const char *name;
    const char *value;
    bool ours;
};

// The picture is scaled crisply, pixel by pixel: the compatibility layer would otherwise
// filter it, blurring the font and turning the game's few hundred colours into thousands
// (and costing twice the time of each scaled frame).
Default scale_method = {"SDL12COMPAT_SCALE_METHOD", "nearest", false};

// The window is shown through SDL2's plain software path: on a machine without a graphics
// card the GL renderers are emulated in software and cost three to five times more per
// frame, at any scale.
Default present_defaults[] = {
    {"SDL_RENDER_DRIVER", "software", false},
    {"SDL_FRAMEBUFFER_ACCELERATION", "0", false},
};

Default window_scaling = {"SDL12COMPAT_WINDOW_SCALING", "1", false};

bool Unset(const char *name)
{
    const char *v = std::getenv(name);
    return v == nullptr || v[0] == '\0';
}

void SetDefault(Default &d)
{
    d.ours = Unset(d.name);
    if (d.ours)
        setenv(d.name, d.value, 1);
}

// SDL2's own routines, when SDL 1.2 is its compatibility layer (already loaded by SDL_Init).
struct Rect2 {
    int x, y, w, h;
};
using DisplayBoundsFn = int (*)(int, Rect2 *);

DisplayBoundsFn FindSDL2(const char *name)
{
    void *sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (!sdl2)
        return nullptr;
    void *sym = dlsym(sdl2, name);
    dlclose(sdl2); // still loaded by the compatibility layer
    return reinterpret_cast<DisplayBoundsFn>(sym);
}

} // namespace

void ChooseDesktopDefaults()
{
    SetDefault(scale_method);
    for (Default &d : present_defaults)
        SetDefault(d);
}

bool ForgetPresentDefaults()
{
    bool any = false;
    for (Default &d : present_defaults) {
        if (d.ours)
            unsetenv(d.name);
        any = any || d.ours;
        d.ours = false;
    }
    return any;
}

bool DisplayFound()
{
    // SDL falls back on drivers that show nothing when no display answers; the player may
    // still ask for one by name (SDL_VIDEODRIVER=dummy for tests and headless runs).
    if (!Unset("SDL_VIDEODRIVER"))
        return true;
    char name[64] = "";
    if (!SDL_VideoDriverName(name, sizeof name))
        return false;
    return std::strcmp(name, "offscreen") != 0 && std::strcmp(name, "dummy") != 0;
}

int FittingScale(int w, int h)
{
    // The picture the game draws (SCREEN_WIDTH x SCREEN_HEIGHT), a whole number of times.
    int byw = w / SCREEN_WIDTH;
    int byh = (h - WINDOW_FRAME_ALLOWANCE) / SCREEN_HEIGHT;
    int scale = byw < byh ? byw : byh;
    return scale < 1 ? 1 : scale;
}

int ChooseWindowScale()
{
    if (!Unset(window_scaling.name))
        return 0; // the player's own
    DisplayBoundsFn usable = FindSDL2("SDL_GetDisplayUsableBounds");
    Rect2 area = {0, 0, 0, 0};
    if (!usable || usable(0, &area) != 0 || area.w <= 0 || area.h <= 0)
        return 1;
    int scale = FittingScale(area.w, area.h);
    if (scale > 1) {
        static char value[16];
        std::snprintf(value, sizeof value, "%d", scale);
        window_scaling.value = value;
        SetDefault(window_scaling);
    }
    return scale;
}

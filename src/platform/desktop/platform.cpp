// The game on the player's desktop: SDL 1.2 (on the compatibility layer over SDL 2) for
// the window, the keyboard and mouse, the clock and the pictures, SDL_mixer for the
// sounds, POSIX for signals, and Xlib's word when the display goes away.
#include "platform/platform.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>

#include "platform/desktop/desktop.h"
#include "platform/desktop/present.h"
#include "platform/posix/posix.h"
#include "shell/layout.h"
#include "shell/main.h"

struct PlatformSound {
    Mix_Chunk *chunk;
};

namespace {

bool audio;
void (*keeper)();
// The game's key of each SDL 1.2 key number.
GameKey keyof[SDLK_LAST];

// Xlib ends the program from its fatal error handler when the display goes away; the exit
// hook would then talk to the dead display and never return. Leave at once instead.
int DisplayLost(void *)
{
    static const char text[] = "Quorvane: lost the connection to the display; the game ends.\n";
    ssize_t n = write(STDERR_FILENO, text, sizeof text - 1);
    (void)n;
    if (keeper)
        keeper();
    _exit(1);
}

void WatchDisplay()
{
    // Only when the X11 library is already in the program (SDL's X11 driver): no other video
    // driver is touched, and the game needs no X11 of its own to build.
    void *x11 = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (!x11)
        return;
    using IOErrorHandler = int (*)(void *);
    using SetIOErrorHandler = IOErrorHandler (*)(IOErrorHandler);
    void *sym = dlsym(x11, "XSetIOErrorHandler");
    if (sym)
        reinterpret_cast<SetIOErrorHandler>(sym)(DisplayLost);
    dlclose(x11);
}

GameKey KeyOf(SDLKey sym)
{
    return sym > SDLK_UNKNOWN && sym < SDLK_LAST ? keyof[sym] : KEY_UNKNOWN;
}

int PointerButtonOf(Uint8 button)
{
    switch (button) {
    case SDL_BUTTON_LEFT: return BUTTON_LEFT;
    case SDL_BUTTON_RIGHT: return BUTTON_RIGHT;
    default: return BUTTON_NONE;
    }
}

} // namespace

void StartPlatform()
{
    // SDL 1.2 numbers its keys as the game's table does.
    for (int k = 0; k < KEY_COUNT; k++) {
        const int sdl = Sdl12OfKey(static_cast<GameKey>(k));
        if (sdl > 0 && sdl < SDLK_LAST)
            keyof[sdl] = static_cast<GameKey>(k);
    }
    FindDataRoot();
    // SIGTERM, SIGINT and SIGHUP end the game from any screen and any prompt, as "Exit" does.
    CatchQuitSignals();
}

ScreenOutcome OpenPlatformScreen(bool fullscreen, const char *title, const char *iconpath)
{
    ChooseDesktopDefaults();
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return SCREEN_NO_VIDEO;
    if (!DisplayFound())
        return SCREEN_NO_DISPLAY;
    Uint32 flags = SDL_DOUBLEBUF | SDL_RLEACCEL | SDL_HWACCEL | SDL_HWSURFACE;
    if (fullscreen)
        flags |= SDL_FULLSCREEN;
    ChooseWindowScale();
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_DEPTH, flags);
    if (!screen && ForgetPresentDefaults()) // no software path here: SDL chooses as it would
        screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_DEPTH, flags);
    if (!screen)
        return SCREEN_NO_MODE;
    SDL_ShowCursor(SDL_DISABLE);
    // The game makes its own repeats of a held key, the same on every platform.
    SDL_EnableKeyRepeat(0, 0);
    WatchDisplay();
    if (SDL_Surface *icon = SDL_LoadBMP_RW(SDL_RWFromFile(iconpath, "rb"), 1)) {
        SDL_SetColorKey(icon, SDL_SRCCOLORKEY, SDL_MapRGB(icon->format, 255, 0, 255));
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
    SDL_WM_SetCaption(title, nullptr);
    return SCREEN_OPENED;
}

bool OpenPlatformAudio()
{
    audio = Mix_OpenAudio(44100, AUDIO_S16MSB, 2, 2048) != -1;
    return audio;
}

void StopPlatform()
{
    if (audio)
        Mix_CloseAudio();
    audio = false;
    SDL_Quit();
}

int LeavePlatform(int status)
{
    return status;
}

void ShowPlatformScreen(bool whole)
{
    PresentDesktopScreen(screen, whole);
}

bool TogglePlatformFullScreen()
{
    return SDL_WM_ToggleFullScreen(screen) != 0;
}

void ShowPlatformProgress()
{
}

void ShowPlatformPointer(bool shown)
{
    SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

bool PollPlatformEvent(InputEvent *ev)
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        *ev = InputEvent();
        switch (e.type) {
        case SDL_QUIT:
            ev->type = INPUT_QUIT;
            return true;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            ev->type = e.type == SDL_KEYDOWN ? INPUT_KEYDOWN : INPUT_KEYUP;
            ev->key = KeyOf(e.key.keysym.sym);
            ev->mod = e.key.keysym.mod & MOD_ALL;
            return true;
        case SDL_MOUSEMOTION:
            ev->type = INPUT_POINTER_MOVE;
            ev->x = e.motion.x;
            ev->y = e.motion.y;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            ev->button = PointerButtonOf(e.button.button);
            if (ev->button == BUTTON_NONE)
                continue; // the wheel
            ev->type = e.type == SDL_MOUSEBUTTONDOWN ? INPUT_POINTER_DOWN : INPUT_POINTER_UP;
            ev->x = e.button.x;
            ev->y = e.button.y;
            return true;
        default:
            continue;
        }
    }
    return false;
}

void ReadPlatformKeys(unsigned char *held)
{
    std::memset(held, 0, KEY_COUNT);
    int n = 0;
    const Uint8 *state = SDL_GetKeyState(&n);
    if (!state)
        return;
    for (int sym = 1; sym < n && sym < SDLK_LAST; sym++)
        if (state[sym] && keyof[sym] != KEY_UNKNOWN)
            held[keyof[sym]] = 1;
}

unsigned PlatformTicks()
{
    return SDL_GetTicks();
}

void PlatformDelay(unsigned ms)
{
    if (ms > 0) {
        SDL_Delay(ms);
        return;
    }
    struct timespec nap = {0, 250000};
    nanosleep(&nap, nullptr);
}

bool PlatformQuitRequested()
{
    return QuitSignalCaught();
}

void SetPlatformKeeper(void (*keep)())
{
    keeper = keep;
}

SDL_Surface *LoadPlatformPicture(const char *path, bool keyed, char *why, size_t size)
{
    SDL_Surface *raw = IMG_Load(path);
    if (!raw) {
        std::snprintf(why, size, "%s", SDL_GetError());
        return nullptr;
    }
    SDL_Surface *img = SDL_DisplayFormat(raw);
    SDL_FreeSurface(raw);
    if (!img) {
        std::snprintf(why, size, "%s", SDL_GetError());
        return nullptr;
    }
    if (keyed)
        SDL_SetColorKey(img, SDL_SRCCOLORKEY | SDL_RLEACCEL, SDL_MapRGB(img->format, 255, 0, 255));
    return img;
}

PlatformSound *LoadPlatformSound(const char *path)
{
    if (!audio)
        return nullptr;
    SDL_RWops *rw = SDL_RWFromFile(path, "rb");
    if (!rw)
        return nullptr;
    Mix_Chunk *chunk = Mix_LoadWAV_RW(rw, 1);
    if (!chunk)
        return nullptr;
    return new PlatformSound{chunk};
}

void PlayPlatformSound(PlatformSound *sound)
{
    if (audio && sound)
        Mix_PlayChannelTimed(0, sound->chunk, 0, -1);
}

void FreePlatformSound(PlatformSound *sound)
{
    if (!sound)
        return;
    Mix_FreeChunk(sound->chunk);
    delete sound;
}

bool WritePlatformScreenshot(const char *name)
{
    return SDL_SaveBMP(screen, name) == 0;
}

void NotePlayerFileChanged()
{
}

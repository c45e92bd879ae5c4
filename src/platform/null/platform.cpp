// The game with no machine around it, for the tests: the screen is a picture in memory
// of the desktop's format, nothing is shown, the machine's events and held keys are what
// a test gives it (null.h), the sounds are only found, not played, and screenshots are
// written as on the desktop.
#include "platform/platform.h"
#include "platform/null/null.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <thread>

#include <SDL/SDL_image.h>

#include "platform/posix/posix.h"
#include "shell/layout.h"
#include "shell/main.h"

struct PlatformSound {
    int plays;
};

bool null_fullscreen_refused;
bool null_fullscreen;
unsigned char null_keys_held[KEY_COUNT];
bool null_clock_manual;
unsigned null_clock;
bool null_pointer_shown;

namespace {

bool audio;
std::deque<InputEvent> machine;

} // namespace

void PushNullPlatformEvent(const InputEvent &ev)
{
    machine.push_back(ev);
}

void StartPlatform()
{
    FindDataRoot();
    CatchQuitSignals();
}

ScreenOutcome OpenPlatformScreen(bool fullscreen, const char *, const char *)
{
    null_fullscreen = fullscreen;
    if (SDL_Init(0) < 0)
        return SCREEN_NO_VIDEO;
    // 16 bits a pixel, 5-6-5, as the desktop's window gives it.
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_DEPTH, 0xF800, 0x07E0, 0x001F, 0);
    return screen ? SCREEN_OPENED : SCREEN_NO_MODE;
}

bool OpenPlatformAudio()
{
    audio = true;
    return audio;
}

void StopPlatform()
{
    audio = false;
    if (screen)
        SDL_FreeSurface(screen);
    screen = nullptr;
    SDL_Quit();
}

int LeavePlatform(int status)
{
    return status;
}

void ShowPlatformScreen(bool)
{
}

bool TogglePlatformFullScreen()
{
    if (null_fullscreen_refused)
        return false;
    null_fullscreen = !null_fullscreen;
    return true;
}

void ShowPlatformProgress()
{
}

void ShowPlatformPointer(bool shown)
{
    null_pointer_shown = shown;
}

bool PollPlatformEvent(InputEvent *ev)
{
    if (machine.empty())
        return false;
    *ev = machine.front();
    machine.pop_front();
    return true;
}

void ReadPlatformKeys(unsigned char *held)
{
    std::memcpy(held, null_keys_held, KEY_COUNT);
}

unsigned PlatformTicks()
{
    if (null_clock_manual)
        return null_clock;
    using namespace std::chrono;
    return static_cast<unsigned>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void PlatformDelay(unsigned ms)
{
    if (null_clock_manual) {
        null_clock += ms > 0 ? ms : 1;
        return;
    }
    std::this_thread::sleep_for(ms > 0 ? std::chrono::microseconds(1000 * ms) : std::chrono::microseconds(250));
}

bool PlatformQuitRequested()
{
    return QuitSignalCaught();
}

void SetPlatformKeeper(void (*)())
{
}

SDL_Surface *LoadPlatformPicture(const char *path, bool keyed, char *why, size_t size)
{
    SDL_Surface *raw = IMG_Load(path);
    if (!raw) {
        std::snprintf(why, size, "%s", SDL_GetError());
        return nullptr;
    }
    SDL_Surface *img = SDL_ConvertSurface(raw, screen->format, SDL_SWSURFACE);
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
    // A sound is found when its file is a WAV file.
    FILE *f = audio ? std::fopen(path, "rb") : nullptr;
    if (!f)
        return nullptr;
    char head[12] = "";
    const bool wav = std::fread(head, 1, sizeof head, f) == sizeof head && std::memcmp(head, "RIFF", 4) == 0 &&
                     std::memcmp(head + 8, "WAVE", 4) == 0;
    std::fclose(f);
    return wav ? new PlatformSound{0} : nullptr;
}

void PlayPlatformSound(PlatformSound *sound)
{
    if (sound)
        sound->plays += 1;
}

void FreePlatformSound(PlatformSound *sound)
{
    delete sound;
}

bool WritePlatformScreenshot(const char *name)
{
    return SDL_SaveBMP(screen, name) == 0;
}

void NotePlayerFileChanged()
{
}

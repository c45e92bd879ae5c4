// The game in a browser page: what differs from the desktop (see web.h). Built only by
// the web build; the page's own files are in web/.
#include "platform/web/web.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

#include <emscripten.h>

#include "shell/global.h"
#include "shell/main.h"
#include "keep/save.h"
#include "world/level.h"

namespace {

// The player's folder, the working directory of the game as the folder it is started in
// is on the desktop. The page's script keeps its files in the browser's storage: it puts
// them back before the program starts and stores them when the game says they changed.
// The pictures and sounds are packed with the page: the pictures under /data, the
// sounds under this folder's sounds/.
constexpr const char *PLAYER_FOLDER = "/quorvane";

// Keys are taken by where they are on the keyboard: the keypad gives its own keys
// whatever NumLock says (the browser names keypad 7 "Home" without NumLock) and keypad
// Enter is not Return.
EM_JS(void, LearnKeysAndScreen, (), {
    var pad = {
        "Numpad0": 98, "Numpad1": 89, "Numpad2": 90, "Numpad3": 91, "Numpad4": 92,
        "Numpad5": 93, "Numpad6": 94, "Numpad7": 95, "Numpad8": 96, "Numpad9": 97,
        "NumpadEnter": 88, "NumpadDecimal": 99, "NumpadAdd": 87, "NumpadSubtract": 86,
        "NumpadMultiply": 85, "NumpadDivide": 84
    };
    // A keypad key is given a key code of its own (2048 and up), which its release is
    // also known by when the page lets go of the keys it held when it lost the focus.
    var byCode = SDL.lookupKeyCodeForEvent;
    SDL.lookupKeyCodeForEvent = function(event) {
        var scan = pad[event.code];
        if (scan !== undefined && event.keyCode !== 2048 + scan)
            Object.defineProperty(event, "keyCode", {value: 2048 + scan});
        if (event.keyCode >= 2048 && event.keyCode < 2048 + 128)
            return (event.keyCode - 2048) | 1024;
        return byCode(event);
    };
    // Every frame is drawn over an opaque fill, so the screen needs no pass that makes
    // each of its pixels opaque whenever the game reads it back.
    SDL.defaults.opaqueFrontBuffer = false;
    // The browser also leaves its full screen by itself (Escape): the options' switch
    // follows it.
    document.addEventListener("fullscreenchange", function() {
        Module["_NoteFullScreen"](document.fullscreenElement ? 1 : 0);
    });
});

// The browser's full screen, of the page's frame around the game, or back: 1 when asked
// for. A page may only ask while the player's key press is recent (it is: the game reads
// its keys within a frame).
EM_JS(int, ToggleFullScreen, (), {
    if (document.fullscreenElement) {
        document.exitFullscreen().catch(function() {});
        return 1;
    }
    var frame = document.getElementById("frame") || Module["canvas"];
    var allowed = !navigator.userActivation || navigator.userActivation.isActive;
    if (!frame.requestFullscreen || !allowed)
        return 0;
    frame.requestFullscreen().catch(function() {
        Module["_NoteFullScreen"](document.fullscreenElement ? 1 : 0);
    });
    return 1;
});

// Waits until the browser has painted the canvas (or a tenth of a second, in a page the
// browser does not paint).
EM_ASYNC_JS(void, WaitForPaint, (), {
    await new Promise(function(done) {
        var timer = setTimeout(done, 100);
        requestAnimationFrame(function() {
            clearTimeout(timer);
            done();
        });
    });
});

// Makes the pixels of the colour (r, g, b) transparent in a picture just loaded, in the
// copy of its pixels that loading left beside it (the emulation's own), which goes back
// to the picture's canvas; 0 when there is no such copy.
EM_JS(int, KeyOutLoaded, (SDL_Surface *surface, int r, int g, int b), {
    var picture = SDL.surfaces[surface];
    if (!picture || !picture.image || picture.locked)
        return 0;
    var pixels = new Uint32Array(picture.image.data.buffer);
    var key = (r | (g << 8) | (b << 16)) >>> 0;
    for (var i = 0; i < pixels.length; i++) {
        if ((pixels[i] & 0xffffff) === key)
            pixels[i] = 0;
    }
    picture.ctx.putImageData(picture.image, 0, 0);
    return 1;
});

// Offers the bytes as a file the player downloads.
EM_JS(void, OfferDownload, (const char *name, const unsigned char *bytes, int size), {
    var data = HEAPU8.slice(bytes, bytes + size);
    var link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([data], {type: "image/bmp"}));
    link.download = UTF8ToString(name);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function() { URL.revokeObjectURL(link.href); }, 10000);
});

// The file name the game opened the handle for.
EM_JS(int, NameOfFile, (int handle, char *name, int size), {
    var file = SDL.rwops[handle];
    if (!file || file.filename === undefined)
        return 0;
    stringToUTF8(file.filename, name, size);
    return 1;
});

void PutLE(std::vector<unsigned char> &out, size_t at, Uint32 value, int bytes)
{
    for (int i = 0; i < bytes; i++)
        out[at + static_cast<size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

} // namespace

// Called from the page when it is hidden or closed: the game in progress is kept, as the
// desktop keeps it when its window is closed.
extern "C" EMSCRIPTEN_KEEPALIVE void KeepGameOfPage()
{
    KeepGame();
}

// Called from the page when its player stops a watched replay: the replay ends as a
// viewer's quit ends it on the desktop.
extern "C" EMSCRIPTEN_KEEPALIVE void StopWebReplay()
{
    quit_signal = 1;
}

// Called from the page when it went into the browser's full screen or out of it, or was
// refused it.
extern "C" EMSCRIPTEN_KEEPALIVE void NoteFullScreen(int on)
{
    use_fullscreen = on != 0;
}

void StartWebPage()
{
    // The game's pictures are drawn into the page's canvas by the browser; a picture kept
    // in a surface of its own would be copied back into memory at every blit into it, so
    // the ground is drawn from scratch every frame.
    draw_from_scratch = true;
    // The program stands at the top of the page's files, with its data beside it (the
    // page has no /proc/self/exe to find it by).
    std::snprintf(dataroot, sizeof dataroot, "/data");
    LearnKeysAndScreen();
    // The first file handle of the emulation is 0, which reads as a failure.
    SDL_RWFromFile("/", "rb");
    if (chdir(PLAYER_FOLDER) != 0)
        std::fprintf(stderr, "quorvane: %s: the player's folder cannot be entered\n", PLAYER_FOLDER);
}

int EndWebPage(int status)
{
    // The page keeps its program alive while it waits for the browser, so the end is
    // forced: the exit hook (ExitGame) runs, then the page's onExit.
    emscripten_force_exit(status);
    return status;
}

void StoreWebFiles()
{
    if (keep_games)
        EM_ASM({
            if (Module["playerFilesChanged"])
                Module["playerFilesChanged"]();
        });
}

void ShowWebProgress()
{
    WaitForPaint();
}

SDL_Surface *ShareSurface(SDL_Surface *surface)
{
    if (surface)
        surface->refcount += 1;
    return surface;
}

int SwitchFullScreen(SDL_Surface *)
{
    return ToggleFullScreen();
}

int KeyOutColour(SDL_Surface *surface, Uint32 flag, Uint32 key)
{
    if (!surface || !(flag & SDL_SRCCOLORKEY) || surface->format->BytesPerPixel != 4)
        return 0;
    Uint8 r, g, b;
    SDL_GetRGB(key, surface->format, &r, &g, &b);
    if (KeyOutLoaded(surface, r, g, b))
        return 0;
    const Uint32 colour = ~surface->format->Amask;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; y++) {
        Uint8 *row = static_cast<Uint8 *>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; x++) {
            Uint32 pixel;
            std::memcpy(&pixel, row + 4 * x, 4);
            if ((pixel & colour) == (key & colour)) {
                pixel = 0;
                std::memcpy(row + 4 * x, &pixel, 4);
            }
        }
    }
    SDL_UnlockSurface(surface);
    return 0;
}

int DownloadBMP(SDL_Surface *surface, SDL_RWops *file, int freefile)
{
    char name[256];
    const int handle = static_cast<int>(reinterpret_cast<intptr_t>(file));
    const bool named = NameOfFile(handle, name, sizeof name) != 0;
    if (freefile)
        SDL_FreeRW(file);
    if (!surface || !named)
        return -1;
    // A picture of 24 bits a pixel, rows from the bottom up, each padded to 4 bytes.
    const int w = surface->w;
    const int h = surface->h;
    const size_t rowbytes = (static_cast<size_t>(w) * 3 + 3) & ~static_cast<size_t>(3);
    const size_t size = 54 + rowbytes * static_cast<size_t>(h);
    std::vector<unsigned char> out(size, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutLE(out, 2, static_cast<Uint32>(size), 4);
    PutLE(out, 10, 54, 4);
    PutLE(out, 14, 40, 4);
    PutLE(out, 18, static_cast<Uint32>(w), 4);
    PutLE(out, 22, static_cast<Uint32>(h), 4);
    PutLE(out, 26, 1, 2);
    PutLE(out, 28, 24, 2);
    PutLE(out, 34, static_cast<Uint32>(rowbytes * static_cast<size_t>(h)), 4);
    SDL_LockSurface(surface);
    for (int y = 0; y < h; y++) {
        const Uint8 *row = static_cast<const Uint8 *>(surface->pixels) + y * surface->pitch;
        unsigned char *to = out.data() + 54 + rowbytes * static_cast<size_t>(h - 1 - y);
        for (int x = 0; x < w; x++) {
            Uint32 pixel;
            std::memcpy(&pixel, row + 4 * x, 4);
            Uint8 r, g, b;
            SDL_GetRGB(pixel, surface->format, &r, &g, &b);
            to[3 * x] = b;
            to[3 * x + 1] = g;
            to[3 * x + 2] = r;
        }
    }
    SDL_UnlockSurface(surface);
    OfferDownload(name, out.data(), static_cast<int>(size));
    return 0;
}

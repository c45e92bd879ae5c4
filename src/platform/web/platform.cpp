// The game in a browser page, built with Emscripten: its SDL 1.2 for the picture the game
// draws on, and the browser's own interfaces for everything else - keys and the pointer
// from the page's events, sounds through the page's audio, the player's folder kept in
// the page's storage, screenshots handed over as downloads. The page itself (its HTML,
// its script) and its build are in web/.
#include "platform/platform.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include <SDL/SDL_image.h>
#include <emscripten.h>

#include "keep/save.h"
#include "shell/global.h"
#include "shell/layout.h"
#include "shell/main.h"
#include "world/level.h"

struct PlatformSound {
    int id;
};

namespace {

// The player's folder, the working directory of the game as the folder it is started in
// is on the desktop. The page's script keeps its files in the browser's storage: it puts
// them back before the program starts and stores them when the game says they changed.
// The pictures are packed with the page under /data, the sounds under this folder's
// sounds/.
constexpr const char *PLAYER_FOLDER = "/quorvane";

void (*keeper)();
bool audio;

// The page's keys and pointer, as the game's events in a queue of the page's own.
//
// A key is the game's key of the character it types (by its word: "a", "?", "/"), so
// that every keyboard layout types its own letters, or else of where it is on the
// keyboard (its code: the keypad gives its own keys whatever NumLock says, keypad Enter
// is not Return, and a letter on a keyboard of another script is the letter in its place).
// The browser's repeats of a held key are passed over: the game makes its own.
//
// The pointer is the mouse or a finger on the picture, in the picture's own pixels however
// the page scales it: a tap is a click of the left button, a long press (half a second
// without moving off) the right one.
EM_JS(void, ListenToPage, (const char *wordlist), {
    var words = UTF8ToString(wordlist).split("\n");
    var keyOfWord = {};
    for (var i = 0; i < words.length; i++)
        keyOfWord[words[i]] = i;
    var wordOfCode = {
        "ArrowUp": "Up", "ArrowDown": "Down", "ArrowLeft": "Left", "ArrowRight": "Right",
        "Numpad0": "KP0", "Numpad1": "KP1", "Numpad2": "KP2", "Numpad3": "KP3", "Numpad4": "KP4",
        "Numpad5": "KP5", "Numpad6": "KP6", "Numpad7": "KP7", "Numpad8": "KP8", "Numpad9": "KP9",
        "NumpadDecimal": "KP.", "NumpadDivide": "KP/", "NumpadMultiply": "KP*", "NumpadSubtract": "KP-",
        "NumpadAdd": "KP+", "NumpadEnter": "KPEnter", "NumpadEqual": "KP=",
        "Enter": "Return", "Escape": "Escape", "Space": "Space", "Backspace": "Backspace", "Tab": "Tab",
        "Delete": "Delete", "Insert": "Insert", "Home": "Home", "End": "End", "PageUp": "PageUp",
        "PageDown": "PageDown", "Pause": "Pause", "NumLock": "NumLock", "CapsLock": "CapsLock",
        "ScrollLock": "ScrollLock", "ShiftLeft": "LeftShift", "ShiftRight": "RightShift",
        "ControlLeft": "LeftCtrl", "ControlRight": "RightCtrl", "AltLeft": "LeftAlt", "AltRight": "RightAlt",
        "MetaLeft": "LeftSuper", "MetaRight": "RightSuper", "ContextMenu": "Menu", "PrintScreen": "Print",
        "Slash": "/", "Minus": "-", "Equal": "=", "Comma": ",", "Period": ".", "Semicolon": ";",
        "Quote": "'", "Backquote": "`", "BracketLeft": "[", "BracketRight": "]"
    };
    wordOfCode["Backslash"] = String.fromCharCode(92);
    for (var f = 1; f <= 15; f++)
        wordOfCode["F" + f] = "F" + f;
    for (var d = 0; d <= 9; d++)
        wordOfCode["Digit" + d] = "" + d;
    for (var c = 97; c <= 122; c++)
        wordOfCode["Key" + String.fromCharCode(c).toUpperCase()] = String.fromCharCode(c);
    function keyOf(event) {
        // The keypad and the keys that type nothing go by their place.
        var word = wordOfCode[event.code];
        if (event.code && event.code.indexOf("Numpad") === 0 && word)
            return keyOfWord[word];
        if (event.key && event.key.length === 1 && event.key !== " ") {
            var typed = event.key.toLowerCase();
            if (keyOfWord[typed] !== undefined)
                return keyOfWord[typed];
        }
        if (word !== undefined && keyOfWord[word] !== undefined)
            return keyOfWord[word];
        return 0;
    }
    function modOf(event) {
        return (event.shiftKey ? 0x1 : 0) | (event.ctrlKey ? 0x40 : 0) | (event.altKey ? 0x100 : 0) |
               (event.metaKey ? 0x400 : 0);
    }
    var page = {queue: [], held: {}};
    Module["quorvaneInput"] = page;
    function push(type, key, mod, x, y, button) {
        // Nobody reads a queue the game has stopped reading: it is kept short.
        if (page.queue.length < 4096)
            page.queue.push([type, key, mod, x, y, button]);
    }
    // The browser keeps these keys for itself.
    var browsers = {"F5": true, "F11": true, "F12": true};
    window.addEventListener("keydown", function(event) {
        if (event.ctrlKey || event.metaKey || browsers[event.code])
            return;
        var key = keyOf(event);
        event.preventDefault();
        if (Module["quorvaneAudio"] && Module["quorvaneAudio"].state === "suspended")
            Module["quorvaneAudio"].resume();
        if (event.repeat && page.held[key])
            return;
        page.held[key] = true;
        push(1, key, modOf(event), 0, 0, 0);
    });
    window.addEventListener("keyup", function(event) {
        var key = keyOf(event);
        if (!page.held[key])
            return;
        delete page.held[key];
        push(2, key, modOf(event), 0, 0, 0);
    });
    // Keys held when the page loses the keyboard are let go.
    window.addEventListener("blur", function() {
        for (var k in page.held)
            push(2, +k, 0, 0, 0, 0);
        page.held = {};
    });

    var canvas = Module["canvas"];
    function spot(event) {
        var box = canvas.getBoundingClientRect();
        var x = Math.floor((event.clientX - box.left) * 800 / box.width);
        var y = Math.floor((event.clientY - box.top) * 600 / box.height);
        return [Math.max(0, Math.min(799, x)), Math.max(0, Math.min(599, y))];
    }
    var touch = null; // a finger on the picture: where it went down, and its long-press timer
    canvas.addEventListener("contextmenu", function(event) { event.preventDefault(); });
    canvas.addEventListener("pointermove", function(event) {
        var at = spot(event);
        if (touch && event.pointerId === touch.id) {
            if (Math.abs(event.clientX - touch.x) > 12 || Math.abs(event.clientY - touch.y) > 12) {
                clearTimeout(touch.timer);
                touch.moved = true;
            }
            return;
        }
        if (event.pointerType === "mouse")
            push(4, 0, 0, at[0], at[1], 0);
    });
    canvas.addEventListener("pointerdown", function(event) {
        event.preventDefault();
        if (Module["quorvaneAudio"] && Module["quorvaneAudio"].state === "suspended")
            Module["quorvaneAudio"].resume();
        var at = spot(event);
        if (event.pointerType === "mouse") {
            if (event.button === 0 || event.button === 2)
                push(5, 0, 0, at[0], at[1], event.button === 0 ? 1 : 3);
            return;
        }
        if (touch)
            clearTimeout(touch.timer);
        touch = {id: event.pointerId, x: event.clientX, y: event.clientY, at: at, long: false, moved: false};
        var mine = touch;
        touch.timer = setTimeout(function() {
            mine.long = true;
            push(5, 0, 0, mine.at[0], mine.at[1], 3);
            push(6, 0, 0, mine.at[0], mine.at[1], 3);
        }, 500);
    });
    canvas.addEventListener("pointerup", function(event) {
        var at = spot(event);
        if (event.pointerType === "mouse") {
            if (event.button === 0 || event.button === 2)
                push(6, 0, 0, at[0], at[1], event.button === 0 ? 1 : 3);
            return;
        }
        if (!touch || event.pointerId !== touch.id)
            return;
        clearTimeout(touch.timer);
        if (!touch.long && !touch.moved) {
            push(5, 0, 0, touch.at[0], touch.at[1], 1);
            push(6, 0, 0, touch.at[0], touch.at[1], 1);
        }
        touch = null;
    });
    canvas.addEventListener("pointercancel", function() {
        if (touch)
            clearTimeout(touch.timer);
        touch = null;
    });
    // The browser also leaves its full screen by itself (Escape): the options' switch
    // follows it.
    document.addEventListener("fullscreenchange", function() {
        Module["_NoteFullScreen"](document.fullscreenElement ? 1 : 0);
    });
});

// The next event of the page's queue into out (type, key, modifiers, x, y, button); 0
// when there is none.
EM_JS(int, NextPageEvent, (int *out), {
    var page = Module["quorvaneInput"];
    if (!page || page.queue.length === 0)
        return 0;
    var e = page.queue.shift();
    for (var i = 0; i < 6; i++)
        HEAP32[(out >> 2) + i] = e[i];
    return 1;
});

EM_JS(int, PageKeyHeld, (int key), {
    var page = Module["quorvaneInput"];
    return page && page.held[key] ? 1 : 0;
});

EM_JS(void, ShowPagePointer, (int shown), {
    Module["canvas"].style.cursor = shown ? "" : "none";
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

// The page's audio; it plays once the player has pressed a key or touched the picture.
EM_JS(int, OpenPageAudio, (), {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context)
        return 0;
    try {
        Module["quorvaneAudio"] = new Context();
        Module["quorvaneSounds"] = [];
        return 1;
    } catch (e) {
        return 0;
    }
});

// A sound of the page's files, decoded by the page's audio; its number, or -1.
EM_JS(int, LoadPageSound, (const char *file), {
    var audio = Module["quorvaneAudio"];
    var bytes;
    try {
        bytes = FS.readFile(UTF8ToString(file));
    } catch (e) {
        return -1;
    }
    var sounds = Module["quorvaneSounds"];
    var id = sounds.length;
    sounds.push(null);
    audio.decodeAudioData(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length),
                          function(buffer) { sounds[id] = buffer; }, function() {});
    return id;
});

// Plays a sound on the one channel the game has: a new one stops the last.
EM_JS(void, PlayPageSound, (int id), {
    var audio = Module["quorvaneAudio"];
    var buffer = Module["quorvaneSounds"][id];
    if (!audio || !buffer || audio.state !== "running")
        return;
    if (Module["quorvanePlaying"])
        Module["quorvanePlaying"].stop();
    var source = audio.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.destination);
    source.start();
    Module["quorvanePlaying"] = source;
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

void PutLE(std::vector<unsigned char> &out, size_t at, Uint32 value, int bytes)
{
    for (int i = 0; i < bytes; i++)
        out[at + static_cast<size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

// The pixel at byte p of a surface of bpp bytes a pixel.
Uint32 ReadPixel(const Uint8 *p, int bpp)
{
    switch (bpp) {
    case 1: return *p;
    case 2: {
        Uint16 v;
        std::memcpy(&v, p, 2);
        return v;
    }
    case 3: return static_cast<Uint32>(p[0]) | static_cast<Uint32>(p[1]) << 8 | static_cast<Uint32>(p[2]) << 16;
    default: {
        Uint32 v;
        std::memcpy(&v, p, 4);
        return v;
    }
    }
}

// Colour keys are not honoured by the browser's blits: the key's pixels are made
// transparent, once, when the picture is loaded.
void KeyOutMagenta(SDL_Surface *surface)
{
    if (surface->format->BytesPerPixel != 4)
        return;
    const Uint32 key = SDL_MapRGB(surface->format, 255, 0, 255);
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
}

} // namespace

// Called from the page when it is hidden or closed: the game in progress is kept, as the
// desktop keeps it when its window is closed, as it stood between turns.
extern "C" EMSCRIPTEN_KEEPALIVE void KeepGameOfPage()
{
    if (keeper)
        keeper();
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

void StartPlatform()
{
    // The game's pictures are drawn into the page's canvas by the browser; a picture kept
    // in a surface of its own would be copied back into memory at every blit into it, so
    // the ground is drawn from scratch every frame.
    draw_from_scratch = true;
    // The program stands at the top of the page's files, with its data beside it.
    std::snprintf(dataroot, sizeof dataroot, "/data");
    std::string words;
    for (int k = 0; k < KEY_COUNT; k++) {
        words += KeyWord(static_cast<GameKey>(k));
        words += '\n';
    }
    words.pop_back();
    ListenToPage(words.c_str());
    if (chdir(PLAYER_FOLDER) != 0)
        std::fprintf(stderr, "quorvane: %s: the player's folder cannot be entered\n", PLAYER_FOLDER);
}

ScreenOutcome OpenPlatformScreen(bool, const char *, const char *)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return SCREEN_NO_VIDEO;
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_DEPTH, SDL_SWSURFACE);
    if (!screen)
        return SCREEN_NO_MODE;
    ShowPagePointer(0);
    return SCREEN_OPENED;
}

bool OpenPlatformAudio()
{
    audio = OpenPageAudio() != 0;
    return audio;
}

void StopPlatform()
{
    audio = false;
    SDL_Quit();
}

int LeavePlatform(int status)
{
    // The page keeps its program alive while it waits for the browser, so the end is
    // forced: the exit hook (ExitGame) runs, then the page's onExit.
    emscripten_force_exit(status);
    return status;
}

void ShowPlatformScreen(bool)
{
    SDL_Flip(screen);
}

bool TogglePlatformFullScreen()
{
    return ToggleFullScreen() != 0;
}

void ShowPlatformProgress()
{
    WaitForPaint();
}

void ShowPlatformPointer(bool shown)
{
    ShowPagePointer(shown ? 1 : 0);
}

bool PollPlatformEvent(InputEvent *ev)
{
    // The emulation's own queue is read and let be, so that it never grows.
    SDL_Event ignored;
    while (SDL_PollEvent(&ignored)) {
    }
    int e[6];
    if (!NextPageEvent(e))
        return false;
    *ev = InputEvent();
    ev->type = e[0];
    ev->key = e[1] > KEY_UNKNOWN && e[1] < KEY_COUNT ? static_cast<GameKey>(e[1]) : KEY_UNKNOWN;
    ev->mod = e[2] & MOD_ALL;
    ev->x = e[3];
    ev->y = e[4];
    ev->button = e[5];
    return true;
}

void ReadPlatformKeys(unsigned char *held)
{
    for (int k = 0; k < KEY_COUNT; k++)
        held[k] = k > KEY_UNKNOWN && PageKeyHeld(k) ? 1 : 0;
}

unsigned PlatformTicks()
{
    return static_cast<unsigned>(static_cast<unsigned long long>(emscripten_get_now()));
}

void PlatformDelay(unsigned ms)
{
    emscripten_sleep(ms);
}

bool PlatformQuitRequested()
{
    return false;
}

void SetPlatformKeeper(void (*keep)())
{
    keeper = keep;
}

SDL_Surface *LoadPlatformPicture(const char *path, bool keyed, char *why, size_t size)
{
    // Every picture there is already in the display's format.
    SDL_Surface *img = IMG_Load(path);
    if (!img) {
        std::snprintf(why, size, "%s", SDL_GetError());
        return nullptr;
    }
    if (keyed)
        KeyOutMagenta(img);
    return img;
}

PlatformSound *LoadPlatformSound(const char *path)
{
    if (!audio)
        return nullptr;
    const int id = LoadPageSound(path);
    return id < 0 ? nullptr : new PlatformSound{id};
}

void PlayPlatformSound(PlatformSound *sound)
{
    if (audio && sound)
        PlayPageSound(sound->id);
}

void FreePlatformSound(PlatformSound *sound)
{
    delete sound;
}

bool WritePlatformScreenshot(const char *name)
{
    // A picture of 24 bits a pixel, rows from the bottom up, each padded to 4 bytes, read
    // from the screen in whatever format it has.
    const int w = screen->w;
    const int h = screen->h;
    const int bpp = screen->format->BytesPerPixel;
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
    SDL_LockSurface(screen);
    for (int y = 0; y < h; y++) {
        const Uint8 *row = static_cast<const Uint8 *>(screen->pixels) + y * screen->pitch;
        unsigned char *to = out.data() + 54 + rowbytes * static_cast<size_t>(h - 1 - y);
        for (int x = 0; x < w; x++) {
            Uint8 r, g, b;
            SDL_GetRGB(ReadPixel(row + bpp * x, bpp), screen->format, &r, &g, &b);
            to[3 * x] = b;
            to[3 * x + 1] = g;
            to[3 * x + 2] = r;
        }
    }
    SDL_UnlockSurface(screen);
    OfferDownload(name, out.data(), static_cast<int>(size));
    return true;
}

void NotePlayerFileChanged()
{
    if (keep_games)
        EM_ASM({
            if (Module["playerFilesChanged"])
                Module["playerFilesChanged"]();
        });
}

bool LockPlayerFolder()
{
    // The page's storage is one per site: which tab keeps the game is settled by the page
    // (web/page.js), before the program starts.
    return true;
}

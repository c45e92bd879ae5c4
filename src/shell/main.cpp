#include "shell/main.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

#include <SDL/SDL_mixer.h>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "player/go.h"
#include "player/player.h"
#include "platform/desktop/desktop.h"
#include "shell/font.h"
#include "shell/free.h"
#include "shell/global.h"
#include "screens/help.h"
#include "shell/history.h"
#include "shell/layout.h"
#include "screens/menu.h"
#include "screens/options.h"
#include "shell/pictures.h"
#include "keep/record.h"
#include "keep/save.h"
#include "shell/sound.h"
#include "keep/state.h"
#include "screens/tombstone.h"
#include "shell/version.h"
#include "status/charsheet.h"
#include "status/stats.h"
#include "world/level.h"
#include "world/look.h"

int done;
int mode;
int oldmode;
bool use_fullscreen;
SDL_Surface *screen;
Uint32 magenta;
Uint32 bgcolor;
int gametime;
int gamedays;
int gameyears;
SDL_Event event;
bool skip_pacing;

volatile std::sig_atomic_t quit_signal;

static Uint32 framemark; // tick count at which the last frame slot ended

static void NoteQuitSignal(int)
{
    quit_signal = 1;
}

void CatchQuitSignals()
{
    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_handler = NoteQuitSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &sa, nullptr);
}

bool QuitSignalled()
{
    // A replay that is over ends the game as a signal would.
    if (CheckReplayQuit()) {
        done = STATE_QUIT;
        return true;
    }
    if (quit_signal) {
        NoteQuitSignalled();
        done = STATE_QUIT;
    }
    return quit_signal != 0;
}

// Xlib ends the program from its fatal error handler when the display goes away; the exit
// hook would then talk to the dead display and never return. Leave at once instead.
static int DisplayLost(void *)
{
    static const char text[] = "Quorvane: lost the connection to the display; the game ends.\n";
    ssize_t n = write(STDERR_FILENO, text, sizeof text - 1);
    (void)n;
    KeepGame();
    _exit(1);
}

static void WatchDisplay()
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

void SetDone(int state)
{
    if (done != STATE_QUIT)
        done = state;
}

int RandNum(int low, int high)
{
    // Ends given the other way round name the same numbers; the span is counted in a
    // long long so that no range overflows it.
    if (high < low) {
        int t = low;
        low = high;
        high = t;
    }
    long long span = static_cast<long long>(high) - low + 1;
    return static_cast<int>(low + std::rand() % span);
}

void WalkClock(StateWalker &w)
{
    w.Section("clock");
    w.Int(gametime, 0, TURNS_PER_DAY - 1);
    w.Int(gamedays);
    w.Int(gameyears);
}

void WalkStates(StateWalker &w)
{
    w.Section("state");
    w.Int(done, STATE_MENU, STATE_MENU);
    w.Int(mode, MODE_NORMAL, MODE_NORMAL);
    w.Int(oldmode, MODE_NORMAL, MODE_HISTORY);
}

int ParseCommandLine(int argc, char **argv)
{
    for (int i = 1; i < argc; i++) {
        const char *a = argv[i];
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            std::printf("Quorvane v." QUORVANE_VERSION " - a tale of towns, woods and wandering beasts\n\n");
            std::printf("Game options\n\n-h, --help            this help screen\n-f, --fullscreen      fullscreen\n\n");
            std::fflush(stdout);
            return 0;
        }
        if (std::strcmp(a, "--fullscreen") == 0 || std::strcmp(a, "-f") == 0) {
            use_fullscreen = true;
            continue;
        }
        std::printf("\nCommand line options:\n-h, --help\n-f, --fullscreen\n\n");
        std::fflush(stdout);
        return 1;
    }
    return -1;
}

void StartGame()
{
    done = STATE_MENU;
    mode = MODE_NORMAL;
    oldmode = MODE_NORMAL;

    ChooseDesktopDefaults();
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::printf("Can't init SDL!\n");
        std::fflush(stdout);
        std::exit(1);
    }
    if (!DisplayFound()) {
        std::printf("Can't init screen-mode...\n");
        std::printf("Quorvane: no display found; start the game on a desktop, or give it one (xvfb-run ./play.sh).\n");
        std::fflush(stdout);
        std::exit(1);
    }
    if (Mix_OpenAudio(44100, AUDIO_S16MSB, 2, 2048) == -1) {
        std::printf("Can't open audio subsystem...\n");
        std::fflush(stdout);
        audio_open = false;
    } else {
        audio_open = true;
    }
    Uint32 flags = SDL_DOUBLEBUF | SDL_RLEACCEL | SDL_HWACCEL | SDL_HWSURFACE;
    if (use_fullscreen)
        flags |= SDL_FULLSCREEN;
    ChooseWindowScale();
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_DEPTH, flags);
    if (!screen && ForgetPresentDefaults()) // no software path here: SDL chooses as it would
        screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_DEPTH, flags);
    if (!screen) {
        std::printf("Can't init screen-mode...\n");
        std::fflush(stdout);
        std::exit(1);
    }
    SDL_ShowCursor(SDL_DISABLE);
    StartKeyRepeat();
    WatchDisplay();
    // SIGTERM, SIGINT and SIGHUP end the game from any screen and any prompt, as "Exit" does.
    CatchQuitSignals();

    char path[PATH_MAX];
    int n = std::snprintf(path, sizeof path, "%s/%s", dataroot, PIC_ICON);
    if (n > 0 && n < static_cast<int>(sizeof path)) {
        SDL_Surface *icon = SDL_LoadBMP_RW(SDL_RWFromFile(path, "rb"), 1);
        if (icon) {
            SDL_SetColorKey(icon, SDL_SRCCOLORKEY, SDL_MapRGB(icon->format, 255, 0, 255));
            SDL_WM_SetIcon(icon, nullptr);
            SDL_FreeSurface(icon);
        }
    }
    SDL_WM_SetCaption("Quorvane v." QUORVANE_VERSION, nullptr);

    magenta = SDL_MapRGB(screen->format, 255, 0, 255);
    bgcolor = SDL_MapRGB(screen->format, 1, 1, 1);
    LoadGame();
    ResumeSavedGame();
}

void LoadGame()
{
    std::printf("Loading font...\n");
    LoadFont();
    LoadMenu();
    DrawBoxes(1);
    InitMap();
    DrawBoxes(2);
    LoadFree();
    std::printf("Loading player...\n");
    DrawBoxes(3);
    LoadPlayer();
    DrawBoxes(4);
    std::printf("Loading monsters...\n");
    LoadMonsters();
    DrawBoxes(5);
    std::printf("Loading stats...\n");
    LoadTombstone();
    DrawBoxes(6);
    LoadStats();
    std::printf("Loading items...\n");
    LoadItems();
    DrawBoxes(7);
    LoadCursor();
    std::printf("Loading menu...\n");
    DrawBoxes(8);
    std::printf("Loading sounds...\n");
    LoadSounds();
    std::fflush(stdout);
}

void NewGame()
{
    gametime = 0;
    gamedays = 180;
    gameyears = 0;
    NewPlayer();
    NewMap(player.area);
    NewFree();
    NewMonsters(player.area);
    ClearInventory();
    ClearHistory();
    NewInventory();
    fadeimg = 255;
    fadecount = 0;
    done = STATE_MENU;
    mode = MODE_NORMAL;
    oldmode = MODE_NORMAL;
}

void ExitGame()
{
    // Whatever ends the program, a live game outlives it.
    KeepGame();
    CloseSounds();
    DeinitMap();
    SDL_Quit();
}

void DrawPlayView()
{
    if (player.blind) {
        SDL_FillRect(screen, nullptr, bgcolor);
    } else {
        DrawGround(player.viewy, player.viewx);
        DrawItems(player.viewy, player.viewx);
        DrawMonsters(player.viewy, player.viewx);
    }
    DrawPlayer();
    if (!player.blind) {
        DrawOverMap(player.viewy, player.viewx);
        DrawFree();
    }
    if (mode == MODE_LOOKING)
        DrawCursor(player.viewy, player.viewx);
}

void UpdateGame()
{
    if (gametime == TURNS_PER_DAY) {
        gamedays += 1;
        gametime = 0;
    }
    if (mode == MODE_NORMAL || mode == MODE_RESTING || mode == MODE_GOING || mode == MODE_LOOKING) {
        MoveFree();
        DrawPlayView();
    }
    if (mode == MODE_INVENTORY) {
        SDL_FillRect(screen, nullptr, bgcolor);
        ShowInventory(displayitem, showmode);
    }
    if (mode == MODE_ITEM) {
        SDL_FillRect(screen, nullptr, bgcolor);
        ShowItem(displayitem, showmode);
    }
    if (mode == MODE_MONSTER_DETAILS) {
        SDL_FillRect(screen, nullptr, bgcolor);
        ShowMonsterDetails(displaymonster);
    }
    if (mode == MODE_HELP) {
        SDL_FillRect(screen, nullptr, bgcolor);
        ShowHelp();
    }
    if (mode == MODE_HISTORY) {
        SDL_FillRect(screen, nullptr, bgcolor);
        ShowHistory();
    }
    if (mode == MODE_STATS) {
        SDL_FillRect(screen, nullptr, bgcolor);
        DrawCharacterStats();
    }
    if (mode != MODE_STATS)
        DrawStats();
    PresentScreen();
}

void ProcessEvents(SDL_Event *ev)
{
    switch (mode) {
    case MODE_RESTING: ProcessResting(ev); break;
    case MODE_GOING: ProcessGoing(ev); break;
    case MODE_LOOKING: ProcessLooking(ev); break;
    case MODE_STATS: ProcessStats(ev); break;
    case MODE_INVENTORY: ProcessInventory(ev); break;
    case MODE_ITEM: ProcessItem(ev); break;
    case MODE_MONSTER_DETAILS: ProcessMonsterDetails(ev); break;
    case MODE_HELP: ProcessHelp(ev); break;
    case MODE_HISTORY: ProcessHistory(ev); break;
    default: ProcessPlayer(ev); break;
    }
}

// The length of a frame's slot: a watched replay goes QUORVANE_REPLAY_SPEED (2 to 16)
// times as fast as the game is played.
static Uint32 FrameSlot()
{
    static int speed;
    if (!speed) {
        const char *text = std::getenv("QUORVANE_REPLAY_SPEED");
        const int asked = text ? std::atoi(text) : 1;
        speed = ReplayingGame() && asked > 1 ? (asked < 16 ? asked : 16) : 1;
    }
    return static_cast<Uint32>(FRAME_MS / speed);
}

void CorrectFrameTime()
{
    if (skip_pacing)
        return;
    // Sleep through most of the slot, then nap a quarter of a millisecond at a time until
    // it is over.
    const Uint32 slot = FrameSlot();
    for (;;) {
        Uint32 elapsed = SDL_GetTicks() - framemark;
        if (elapsed >= slot)
            break;
        Uint32 left = slot - elapsed;
        if (left > 2) {
            SDL_Delay(left - 2);
        } else {
            struct timespec nap = {0, 250000};
            nanosleep(&nap, nullptr);
        }
    }
    framemark = SDL_GetTicks();
}

void PlayFrame()
{
    if (player.acted) {
        MonsterAct();
        gametime += 1;
    }
    UpdateGame();
    const int areax = player.areax;
    const int areay = player.areay;
    // A player who died while this frame was drawn neither grows nor takes keys.
    if (done == STATE_PLAYING) {
        UpdatePlayer(&event);
        if (done == STATE_PLAYING)
            ProcessEvents(&event);
    }
    // The game is kept when the player goes to the title, and at every crossing into
    // another area, so that even a crash loses no more than the area at hand.
    if (done == STATE_MENU || player.areax != areax || player.areay != areay)
        KeepGame();
    CorrectFrameTime();
}

void RunStateFrame()
{
    CountFrame();
    if (QuitSignalled())
        return;
    switch (done) {
    case STATE_MENU:
        DrawMenu();
        ProcessMenu(&event);
        CorrectFrameTime();
        break;
    case STATE_DEAD:
        ProcessDead(&event);
        DrawTombstone();
        CorrectFrameTime();
        break;
    case STATE_OPTIONS:
        DrawOptions();
        ProcessOptions(&event);
        CorrectFrameTime();
        break;
    case STATE_PLAYING:
        PlayFrame();
        break;
    default:
        done = STATE_QUIT;
        break;
    }
}

void RunOuterLoop()
{
    while (done != STATE_QUIT)
        RunStateFrame();
}

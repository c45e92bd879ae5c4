#include "shell/main.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "keep/record.h"
#include "keep/save.h"
#include "keep/state.h"
#include "platform/platform.h"
#include "player/go.h"
#include "player/player.h"
#include "player/travel.h"
#include "screens/help.h"
#include "screens/menu.h"
#include "screens/options.h"
#include "screens/tombstone.h"
#include "shell/font.h"
#include "shell/free.h"
#include "shell/global.h"
#include "shell/history.h"
#include "shell/input.h"
#include "shell/layout.h"
#include "shell/pictures.h"
#include "shell/sound.h"
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
InputEvent event;
bool skip_pacing;

volatile std::sig_atomic_t quit_signal;

static Uint32 framemark; // tick count at which the last frame slot ended

// The game as it stood before the turn in progress: what is kept when the program must
// end in the middle of one (the display lost, the page closed while a question waits).
static GameSnapshot betweenturns;
static bool snapshot_taken;

bool QuitSignalled()
{
    // A replay that is over ends the game as a signal would.
    if (CheckReplayQuit()) {
        done = STATE_QUIT;
        return true;
    }
    if (!quit_signal && PlatformQuitRequested())
        quit_signal = 1;
    if (quit_signal) {
        NoteQuitSignalled();
        done = STATE_QUIT;
    }
    return quit_signal != 0;
}

void KeepGameBetweenTurns()
{
    // A dead hero is never kept, not even as he stood a turn before.
    if (player.chp < 0)
        return;
    if (!WaitingForKey() || !snapshot_taken) {
        KeepGame();
        return;
    }
    GameSnapshot now;
    TakeSnapshot(now);
    RestoreSnapshot(betweenturns);
    KeepGame();
    RestoreSnapshot(now);
}

void SetDone(int state)
{
    if (done != STATE_QUIT)
        done = state;
}

void WalkClock(StateWalker &w)
{
    w.Section("clock");
    w.Int(gametime, 0, TURNS_PER_DAY - 1);
    w.Int(gamedays, 0, GROWTH_MAX);
    w.Int(gameyears, 0, GROWTH_MAX);
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

    char icon[PATH_MAX];
    int n = std::snprintf(icon, sizeof icon, "%s/%s", dataroot, PIC_ICON);
    if (n < 0 || n >= static_cast<int>(sizeof icon))
        icon[0] = '\0';
    switch (OpenPlatformScreen(use_fullscreen, "Quorvane v." QUORVANE_VERSION, icon)) {
    case SCREEN_OPENED:
        break;
    case SCREEN_NO_VIDEO:
        std::printf("Can't init SDL!\n");
        std::fflush(stdout);
        std::exit(1);
    case SCREEN_NO_DISPLAY:
        std::printf("Can't init screen-mode...\n");
        std::printf("Quorvane: no display found; start the game on a desktop, or give it one (xvfb-run ./play.sh).\n");
        std::fflush(stdout);
        std::exit(1);
    case SCREEN_NO_MODE:
        std::printf("Can't init screen-mode...\n");
        std::fflush(stdout);
        std::exit(1);
    }
    audio_open = OpenPlatformAudio();
    if (!audio_open) {
        std::printf("Can't open audio subsystem...\n");
        std::fflush(stdout);
    }
    // The display lost or the page closed: the game is kept as it stood between turns.
    SetPlatformKeeper(KeepGameBetweenTurns);

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
    StopPlatform();
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
        gamedays = std::min(gamedays + 1, GROWTH_MAX);
        gametime = 0;
    }
    if (mode == MODE_NORMAL || mode == MODE_RESTING || mode == MODE_GOING || mode == MODE_LOOKING ||
        mode == MODE_TRAVELLING) {
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

void ProcessEvents(InputEvent *ev)
{
    switch (mode) {
    case MODE_RESTING: ProcessResting(ev); break;
    case MODE_GOING: ProcessGoing(ev); break;
    case MODE_TRAVELLING: ProcessTravelling(ev); break;
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
        Uint32 elapsed = PlatformTicks() - framemark;
        if (elapsed >= slot)
            break;
        Uint32 left = slot - elapsed;
        PlatformDelay(left > 2 ? left - 2 : 0);
    }
    framemark = PlatformTicks();
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
        TakeSnapshot(betweenturns);
        snapshot_taken = true;
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

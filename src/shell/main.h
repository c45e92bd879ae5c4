// The heart of the game: start-up, the outer state machine, the play frame, the clock.
#pragma once

#include <csignal>

#include <SDL/SDL.h>

#include "platform/keys.h"

enum GameState {
    STATE_QUIT = 0,
    STATE_PLAYING = 1,
    STATE_MENU = 2,
    STATE_OPTIONS = 3,
    STATE_DEAD = 4,
};

enum PlayMode {
    MODE_NORMAL = 0,
    MODE_RESTING = 1,
    MODE_GOING = 2,
    MODE_LOOKING = 3,
    MODE_STATS = 4,
    MODE_INVENTORY = 5,
    MODE_ITEM = 6,
    MODE_MONSTER_DETAILS = 7,
    MODE_HELP = 8,
    MODE_HISTORY = 9,
    MODE_TRAVELLING = 10, // walking to a cell chosen on the map, a step a frame
};

extern int done;
extern int mode;
extern int oldmode;
extern bool use_fullscreen;
extern SDL_Surface *screen;
extern Uint32 magenta;
extern Uint32 bgcolor;
extern int gametime;
extern int gamedays;
extern int gameyears;
extern InputEvent event; // the one event record every key handler is given

// Tests and the soak run frames back to back: no wait for the end of the slot.
extern bool skip_pacing;

// Set the game state, unless a quit was already asked for in this frame.
void SetDone(int state);

class StateWalker;
// The clock: gametime, gamedays, gameyears.
void WalkClock(StateWalker &w);
// done, mode and oldmode. A kept game is always kept as on the title, in normal mode.
void WalkStates(StateWalker &w);

// Switches: returns -1 to go on, or the exit status to leave with at once.
int ParseCommandLine(int argc, char **argv);
void StartGame();
void LoadGame();
void NewGame();
void ExitGame();
void UpdateGame();
// The map part of a play frame as it stands, drawn over the whole screen: the ground, the
// items, the creatures, the player, the overlays, the sky and, when looking, the cursor.
// Moves nothing.
void DrawPlayView();
void ProcessEvents(InputEvent *ev);
void CorrectFrameTime();
void PlayFrame();      // one frame of the play loop
void RunStateFrame();  // one pass of the loop of the current state
void RunOuterLoop();   // until done is STATE_QUIT

// A request from outside to end the game (a quit signal on the desktop): noted by the
// platform, acted on by the loop and the modal wait.
extern volatile std::sig_atomic_t quit_signal;
// True once a quit request came; then done is STATE_QUIT.
bool QuitSignalled();
// Keeps the game as it stood between turns, even in the middle of one (a question
// waiting for its answer): what the platform calls when it must end the program at once.
void KeepGameBetweenTurns();

// Recorded games. QUORVANE_RECORD=<file> writes down, as the game runs, the seed, every
// event a key handler reads (in the frame and the drain that read it), every answer of a
// modal wait, a digest of the game every CHECKPOINT_FRAMES frames and one at the end.
// QUORVANE_REPLAY=<file> feeds the same events and answers back to the game, frame by
// frame, and says whether the game came out the same.
//
// The file, one line each (numbers in decimal, digests in hexadecimal):
//   quorvane-recording 1              format and version
//   seed S                            the dice's seed
//   e F P down SYM MOD                a key pressed, read in frame F by the P-th drain of
//   e F P up SYM MOD                  that frame (P counts the reads that found nothing);
//                                     SYM 0 is a key SDL 1.2 has no symbol for
//   e F P quit                        the window's close button
//   w F SYM K1 K2 ...                 a modal wait in frame F answered by SYM (0: none),
//                                     with the keys K1 K2 ... reading as held
//   s F                               a quit signal noticed in frame F
//   c F DIGEST                        the game's digest as frame F begins
//   end F DIGEST                      the run stopped before frame F, with this digest
#pragma once

#include <SDL/SDL.h>

#include "shell/layout.h"

constexpr int RECORDING_VERSION = 1;
constexpr long CHECKPOINT_FRAMES = 100;

// Exit statuses of a replay.
constexpr int REPLAY_MATCHED = 0;
constexpr int REPLAY_DIFFERED = 1;
constexpr int REPLAY_BAD_FILE = 2;
// Ended before the recording did by its viewer (the window closed, a quit signal).
constexpr int REPLAY_STOPPED = 3;

// No game reaches a frame beyond this: ten years at 25 frames a second (more than a
// self-play of the longest QUORVANE_AUTOPLAY, 4294967295 frames). A recording with a
// later frame is refused.
constexpr long long MAX_RECORDED_FRAME = static_cast<long long>(FRAMES_PER_SECOND) * 60 * 60 * 24 * 366 * 10; // beyond a 32-bit long

// The key handlers' read of the next event: SDL's queue, or the recording being replayed.
// While recording, every event read is written down. Only key presses, key releases and
// quit requests are handed on; nothing in the game reads any other kind.
bool ReadEvent(SDL_Event *ev);

// The modal wait's side. While replaying, ReplayWait fills keys (SDLK_LAST entries) with
// the recorded answer and returns the key that gave it; RecordWait writes the answer.
bool ReplayingGame();
SDLKey ReplayWait(Uint8 *keys);
void RecordWait(SDLKey pressed, const Uint8 *keys);

// A quit signal as the game noticed it (recorded). CheckReplayQuit applies a signal the
// recording has for this frame, and is true once the replay is over.
void NoteQuitSignalled();
bool CheckReplayQuit();

// Called as each pass of the outer loop begins: counts frames, writes or checks the
// checkpoints, and ends a replay at the frame its recording ends.
void CountFrame();
long FramesRun();


// Start-up: opens the file named by QUORVANE_RECORD or QUORVANE_REPLAY. A replay takes its
// seed from the recording. Returns -1 to go on, or the exit status to leave with.
int StartRecordedGame(unsigned *seed);
// The run is over: writes the last line of a recording, judges a replay. Returns the
// replay's exit status (REPLAY_MATCHED when only recording).
int FinishRecordedGame();
// The file being recorded (for messages), or null.
const char *RecordingPath();

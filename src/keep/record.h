// Recorded games. QUORVANE_RECORD=<file> writes down, as the game runs, the seed, every
// event a key handler reads (in the frame and the drain that read it), every answer of a
// modal wait, a digest of the game every CHECKPOINT_FRAMES frames and one at the end.
// QUORVANE_REPLAY=<file> feeds the same events and answers back to the game, frame by
// frame, and says whether the game came out the same.
//
// The file, one line each (numbers in decimal, digests in hexadecimal):
//   quorvane-recording 2              format and version
//   seed S                            the dice's seed
//   e F P down KEY MOD                a key pressed, read in frame F by the P-th drain of
//   e F P up KEY MOD                  that frame (P counts the reads that found nothing);
//                                     KEY is the key's word ("Up", "a", "KP6", "Escape";
//                                     "none" for a key the game has no name for), MOD
//                                     the modifier bits
//   e F P quit                        the window's close button
//   e F P move X Y                    the pointer moved to pixel (X, Y) of the picture
//   e F P press X Y B                 button B (1 left, 3 right) pressed there
//   e F P release X Y B               and let go
//   w F KEY K1 K2 ...                 a modal wait in frame F answered by KEY ("none":
//                                     none), with the keys K1 K2 ... reading as held
//   w F click X Y K1 K2 ...           or answered by a click at pixel (X, Y)
//   s F                               a quit signal noticed in frame F
//   c F DIGEST                        the game's digest as frame F begins
//   end F DIGEST                      the run stopped before frame F, with this digest
// Format 1, which the first recordings have, is still replayed: the same lines with keys
// as SDL 1.2 numbered them (0 for none) and no pointer.
#pragma once

#include "platform/keys.h"
#include "shell/layout.h"

constexpr int RECORDING_VERSION = 2;
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

// The modal wait's side. While replaying, ReplayWait fills keys (KEY_COUNT entries) with
// the recorded answer and returns the key that gave it; RecordWait writes the answer.
bool ReplayingGame();
// A wait answered by a click has no key; the click's pixel is given instead.
GameKey ReplayWait(unsigned char *keys, bool *clicked, int *x, int *y);
void RecordWait(GameKey pressed, const unsigned char *keys, bool clicked, int x, int y);

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

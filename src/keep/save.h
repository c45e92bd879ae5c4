// The kept game: quorvane.sav in the working directory holds the game in progress, so
// that it outlives the program. It is written when Q takes the player to the title, at
// every crossing into another map area and when the program ends with a live game in
// memory; it is read at start-up, and removed the moment the player dies.
//
// The file is plain text (numbers in decimal, the digest in hexadecimal):
//   quorvane-save 2                   format and version
//   digest D                          DigestKeptGame() of the game it holds
//   player ...                        then every field of the game, as WalkGame walks
//   row ...                           it: a group of fields to a line, named by its
//   ...                               first word; a text is written LENGTH:TEXT
//   dice N W0 ... W33                 the dice's state (WalkDice)
//   end
// A kept game is always kept as on the title: done STATE_MENU, mode MODE_NORMAL.
// The dice are kept, so that a resumed game rolls on as if the player had never left.
// Version 1 (the same without the dice, digest DigestGame()) is still read; such a game
// rolls on with the dice of the run that resumed it.
#pragma once

#include <cstddef>
#include <string>

constexpr int SAVE_VERSION = 2;
constexpr const char *SAVE_FILE = "quorvane.sav";

// Whether this run resumes and keeps the player's game. Off unless the program turns it
// on: replays, recordings and self-play neither read nor write the file.
extern bool keep_games;

// The game in memory as the text of a saved game.
std::string WriteGameText();
// Restores the game from the text of a saved game. On failure the game in memory is left
// as it was and why holds the reason.
bool ReadGameText(const std::string &text, char *why, size_t size);

// The whole of an open file, or false with errno set (EFBIG: too large to be a save). A
// read that a signal interrupts is taken up again.
bool ReadAll(int fd, std::string *text);

// Writes the file when this run keeps games and a live game is in memory (one was
// started or resumed, and the player is not dead). Safe against a crash or a full disk
// part way: the last save stays whole. A failure is told once for each kind (a full
// disk, a read-only folder, a folder in the way, any other) until a save works
// again: a line on stderr, the player's words in the message line and on the title
// (KeepNotice). The game goes on. True when written.
bool KeepGame();
// Start-up, once the pictures are loaded. The run takes the folder's lock (LockPlayerFolder):
// a second copy of the game in the same folder keeps nothing and says so. Saves that a
// kill interrupted (quorvane.sav.XXXXXX) are removed. A saved game is restored and the
// title offers "Continue" with the cursor on it. A save this player may not read is
// left as it is and nothing is kept. Anything else that cannot be used (not a file,
// damaged, breaking a rule of the game) is told in one line, moved aside
// (quorvane.sav.bad, .bad1, ... never over an earlier one), and the title offers
// "New Game" as on a first start. QUORVANE_KEEP=0 keeps nothing (the launcher's choice
// when the player has no home folder).
void ResumeSavedGame();
// What the title says about keeping the game (the last failure, or why nothing is
// kept), nullptr when there is nothing to say.
const char *KeepNotice();
// The player died: the saved game goes at once.
void ForgetSavedGame();

// For the self-play's checks: the game survives being written and read back unchanged.
bool CheckKeptGame(char *why, size_t size);

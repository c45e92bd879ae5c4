// The game's input: its own queue of events (what the platform hands over, what the
// self-play and the tests push), its own repeats of a held key, the keys held, the modal
// wait for one key, and the skeleton of every key handler.
#pragma once

#include "platform/keys.h"
#include "shell/main.h" // done

// Held keys. The key pressed last repeats while it is held (after KEY_REPEAT_DELAY ms,
// every KEY_REPEAT_INTERVAL ms), on every platform alike: a repeat is a key-down of a key
// that is already down. Only the cursor keys act again on a repeat; every other key acts
// once a press.
constexpr unsigned KEY_REPEAT_DELAY = 500;
constexpr unsigned KEY_REPEAT_INTERVAL = 50;

// An event for the game to read, after those already waiting (the self-play and the
// tests play this way).
void PushInput(const InputEvent &ev);
// The next event: the platform's are taken in as they come, then the game's repeat of a
// key the keyboard holds. False when there is none.
bool PollInput(InputEvent *ev);
// Everything waiting is thrown away, and no key counts as held any more.
void DiscardInput();

// The key handlers' read of the next event: the queue, or the recording being replayed.
// While recording, every event read is written down. A repeat that is not handed on (a
// key that acts once a press, or the answer of the last modal wait still held) is read
// and written down, and passed over. (Defined by the recorder.)
bool ReadEvent(InputEvent *ev);

// Called by GetInput once the queue has been drained and the wait is about to begin;
// tests and the soak use it to answer the wait. Null in the game.
extern void (*input_wait_hook)();

// The modal wait: one key press, after everything waiting was thrown away. Returns the
// keys that read as held when it was answered (KEY_COUNT entries), the answer among them.
// A repeat of a held key never answers it, except a cursor key's repeat when
// repeat_answers is set (the yes/no question: a walk held into a townsperson answers
// "no"). The key that answers does not act again until it is let go. The close button
// and a quit request end the wait unanswered.
const unsigned char *GetInput(bool repeat_answers = false);
// True while a modal wait is in progress (the game is then in the middle of a turn).
bool WaitingForKey();

// The keys that walk and move cursors: arrows, keypad 1 to 9, Home, End, PgUp, PgDn and
// Clear (keypad 5 without NumLock on some systems).
bool CursorKey(GameKey key);
// Called by ReadEvent for every event it reads: keeps the held keys and returns false for
// a repeat that is not handed on.
bool PassKeyEvent(const InputEvent *ev);
// The last event ReadEvent handed on was a cursor key's repeat.
bool KeyRepeated();
// No key counts as held any more (tests that threw events away).
void ForgetHeldKeys();

void TakeScreenshot();

// A click (or tap) answered the last modal wait, at this pixel of the picture.
bool WaitAnsweredByClick(int *x, int *y);

// Where a pointer event is on the map view: the cell of the current area, false when the
// pointer is off the map's part of the picture.
bool CellAtPixel(int px, int py, int *x, int *y);

// What every key handler does with the queue: drains it; a quit request (the window's
// close button) ends the game, key releases are passed over, F1 takes a screenshot, and
// every other key press is handed to the screen's own keys, onkey(key), in order; the
// pointer's events (a press, a release, a move) go to onpointer(event).
template <typename OnKey, typename OnPointer> void DrainInput(InputEvent *ev, OnKey onkey, OnPointer onpointer)
{
    while (ReadEvent(ev)) {
        if (ev->type == INPUT_QUIT) {
            done = STATE_QUIT;
            continue;
        }
        if (ev->type == INPUT_POINTER_MOVE || ev->type == INPUT_POINTER_DOWN || ev->type == INPUT_POINTER_UP) {
            onpointer(*ev);
            continue;
        }
        if (ev->type != INPUT_KEYDOWN)
            continue;
        if (ev->key == KEY_F1)
            TakeScreenshot();
        else
            onkey(ev->key);
    }
}

// The same for a screen that has no use for the pointer.
template <typename OnKey> void DrainKeys(InputEvent *ev, OnKey onkey)
{
    DrainInput(ev, onkey, [](const InputEvent &) {});
}

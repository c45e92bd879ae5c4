#include "shell/input.h"

#include <cstring>
#include <deque>

#include "keep/record.h"
#include "platform/platform.h"
#include "player/player.h"
#include "shell/layout.h"

void (*input_wait_hook)() = nullptr;

namespace {

std::deque<InputEvent> queue;

// The key the keyboard pressed last, while it is held: it repeats at repeatat. Keys
// pushed by the self-play and the tests never repeat by themselves.
GameKey repeatkey = KEY_UNKNOWN;
int repeatmod;
unsigned repeatat;

// Keys seen going down and not yet up, and the key that answered the last modal wait,
// which does not act again until it is let go.
bool heldkeys[KEY_COUNT];
GameKey spentkey = KEY_UNKNOWN;
bool lastrepeat;
bool waiting;
// The click that answered the last modal wait.
bool waitclicked;
int waitclickx, waitclicky;
// The mouse pointer is shown while the mouse is used, hidden while keys are.
bool pointershown;

// The key state handed back by the modal wait.
unsigned char waitkeys[KEY_COUNT];

bool NamedKey(GameKey key)
{
    return key > KEY_UNKNOWN && key < KEY_COUNT;
}

// Takes in what the platform has, and the repeat that is due.
void PumpInput()
{
    InputEvent ev;
    while (PollPlatformEvent(&ev)) {
        const bool pointer = ev.type == INPUT_POINTER_MOVE || ev.type == INPUT_POINTER_DOWN || ev.type == INPUT_POINTER_UP;
        if (pointer != pointershown && (pointer || ev.type == INPUT_KEYDOWN)) {
            pointershown = pointer;
            ShowPlatformPointer(pointershown);
        }
        if (ev.type == INPUT_KEYDOWN && NamedKey(ev.key)) {
            repeatkey = ev.key;
            repeatmod = ev.mod;
            repeatat = PlatformTicks() + KEY_REPEAT_DELAY;
        } else if (ev.type == INPUT_KEYUP && ev.key == repeatkey) {
            repeatkey = KEY_UNKNOWN;
        }
        queue.push_back(ev);
    }
    if (repeatkey == KEY_UNKNOWN || !queue.empty())
        return;
    const unsigned now = PlatformTicks();
    if (static_cast<int>(now - repeatat) < 0)
        return;
    // One repeat at a time, however long the game was away.
    repeatat = now + KEY_REPEAT_INTERVAL;
    InputEvent rep;
    rep.type = INPUT_KEYDOWN;
    rep.key = repeatkey;
    rep.mod = repeatmod;
    queue.push_back(rep);
}

// After a modal wait the keys that read as held in its answer are the held keys (keys let
// go while the queue was thrown away are not), and the answer stays spent until let go.
void HoldAnswer(GameKey answer, const unsigned char *state)
{
    ForgetHeldKeys();
    for (int k = 1; k < KEY_COUNT; k++)
        heldkeys[k] = state[k] != 0;
    if (NamedKey(answer)) {
        heldkeys[answer] = true;
        spentkey = answer;
    }
}

} // namespace

void PushInput(const InputEvent &ev)
{
    queue.push_back(ev);
}

bool PollInput(InputEvent *ev)
{
    PumpInput();
    if (queue.empty())
        return false;
    *ev = queue.front();
    queue.pop_front();
    return true;
}

void DiscardInput()
{
    InputEvent ev;
    while (PollInput(&ev)) {
    }
    ForgetHeldKeys();
}

bool CursorKey(GameKey key)
{
    switch (key) {
    case KEY_UP: case KEY_DOWN: case KEY_LEFT: case KEY_RIGHT:
    case KEY_KP1: case KEY_KP2: case KEY_KP3: case KEY_KP4: case KEY_KP5:
    case KEY_KP6: case KEY_KP7: case KEY_KP8: case KEY_KP9:
    case KEY_HOME: case KEY_END: case KEY_PAGEUP: case KEY_PAGEDOWN: case KEY_CLEAR:
        return true;
    default:
        return false;
    }
}

bool PassKeyEvent(const InputEvent *ev)
{
    lastrepeat = false;
    if (ev->type != INPUT_KEYDOWN && ev->type != INPUT_KEYUP)
        return true;
    const GameKey key = ev->key;
    if (!NamedKey(key))
        return true;
    if (ev->type == INPUT_KEYUP) {
        heldkeys[key] = false;
        if (spentkey == key)
            spentkey = KEY_UNKNOWN;
        return true;
    }
    if (!heldkeys[key]) {
        heldkeys[key] = true;
        return true;
    }
    if (key == spentkey || !CursorKey(key))
        return false;
    lastrepeat = true;
    return true;
}

bool KeyRepeated()
{
    return lastrepeat;
}

void ForgetHeldKeys()
{
    std::memset(heldkeys, 0, sizeof heldkeys);
    spentkey = KEY_UNKNOWN;
    lastrepeat = false;
}

bool WaitingForKey()
{
    return waiting;
}

bool WaitAnsweredByClick(int *x, int *y)
{
    *x = waitclickx;
    *y = waitclicky;
    return waitclicked;
}

bool CellAtPixel(int px, int py, int *x, int *y)
{
    if (px < 0 || py < 0 || px >= VIEW_COLS * TILE_SIZE || py >= VIEW_ROWS * TILE_SIZE)
        return false;
    *x = player.viewx + px / TILE_SIZE;
    *y = player.viewy + py / TILE_SIZE;
    return true;
}

const unsigned char *GetInput(bool repeat_answers)
{
    waiting = true;
    waitclicked = false;
    if (ReplayingGame()) {
        std::memset(waitkeys, 0, sizeof waitkeys);
        GameKey answer = KEY_UNKNOWN;
        if (!QuitSignalled()) {
            answer = ReplayWait(waitkeys, &waitclicked, &waitclickx, &waitclicky);
            RecordWait(answer, waitkeys, waitclicked, waitclickx, waitclicky); // recorded again when re-recording
        }
        HoldAnswer(answer, waitkeys);
        waiting = false;
        return waitkeys;
    }

    // Keys pressed before the wait never answer it.
    InputEvent ev;
    while (PollInput(&ev)) {
    }

    // Keys let go while the queue was thrown away no longer count as held.
    unsigned char state[KEY_COUNT];
    ReadPlatformKeys(state);
    for (int k = 1; k < KEY_COUNT; k++)
        if (heldkeys[k] && !state[k])
            heldkeys[k] = false;

    if (input_wait_hook)
        input_wait_hook();

    // A quit request ends the wait unanswered, and the game with it at the frame's end.
    GameKey pressed = KEY_UNKNOWN;
    while (!QuitSignalled()) {
        if (!PollInput(&ev)) {
            PlatformDelay(10);
            continue;
        }
        if (ev.type == INPUT_QUIT)
            break;
        // A click or a tap answers as a key would.
        if (ev.type == INPUT_POINTER_DOWN && ev.button == BUTTON_LEFT) {
            waitclicked = true;
            waitclickx = ev.x;
            waitclicky = ev.y;
            break;
        }
        if (ev.type != INPUT_KEYDOWN && ev.type != INPUT_KEYUP)
            continue;
        const GameKey key = ev.key;
        if (!NamedKey(key)) {
            if (ev.type == INPUT_KEYDOWN)
                break;
            continue;
        }
        if (ev.type == INPUT_KEYUP) {
            heldkeys[key] = false;
            continue;
        }
        const bool repeat = heldkeys[key];
        heldkeys[key] = true;
        if (repeat && !(repeat_answers && CursorKey(key) && key != spentkey))
            continue;
        pressed = key;
        break;
    }
    ReadPlatformKeys(waitkeys);
    if (NamedKey(pressed))
        waitkeys[pressed] = 1;
    if (!quit_signal)
        RecordWait(pressed, waitkeys, waitclicked, waitclickx, waitclicky);
    HoldAnswer(pressed, waitkeys);
    waiting = false;
    return waitkeys;
}

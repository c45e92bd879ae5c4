// The game's own keys and input events. Every platform translates what its keyboard,
// mouse and window say into these once, where it hands them over; the key handlers, the
// self-play, the tests and the recordings speak nothing else.
#pragma once

#include "platform/keys.h"

// Each key: its name in the game (KEY_<name>), its number in SDL 1.2 (which the first
// recordings stored) and the word a recording stores it by.
#define QUORVANE_KEYS(ROW)                                                                              \
    ROW(UNKNOWN, 0, "none") ROW(BACKSPACE, 8, "Backspace") ROW(TAB, 9, "Tab") ROW(CLEAR, 12, "Clear")         \
    ROW(RETURN, 13, "Return") ROW(PAUSE, 19, "Pause") ROW(ESCAPE, 27, "Escape") ROW(SPACE, 32, "Space")       \
    ROW(EXCLAIM, 33, "!") ROW(QUOTEDBL, 34, "\"") ROW(HASH, 35, "#") ROW(DOLLAR, 36, "$")                   \
    ROW(AMPERSAND, 38, "&") ROW(QUOTE, 39, "'") ROW(LEFTPAREN, 40, "(") ROW(RIGHTPAREN, 41, ")")           \
    ROW(ASTERISK, 42, "*") ROW(PLUS, 43, "+") ROW(COMMA, 44, ",") ROW(MINUS, 45, "-") ROW(PERIOD, 46, ".")    \
    ROW(SLASH, 47, "/") ROW(0, 48, "0") ROW(1, 49, "1") ROW(2, 50, "2") ROW(3, 51, "3") ROW(4, 52, "4")        \
    ROW(5, 53, "5") ROW(6, 54, "6") ROW(7, 55, "7") ROW(8, 56, "8") ROW(9, 57, "9") ROW(COLON, 58, ":")        \
    ROW(SEMICOLON, 59, ";") ROW(LESS, 60, "<") ROW(EQUALS, 61, "=") ROW(GREATER, 62, ">")                   \
    ROW(QUESTION, 63, "?") ROW(AT, 64, "@") ROW(LEFTBRACKET, 91, "[") ROW(BACKSLASH, 92, "\\")              \
    ROW(RIGHTBRACKET, 93, "]") ROW(CARET, 94, "^") ROW(UNDERSCORE, 95, "_") ROW(BACKQUOTE, 96, "`")         \
    ROW(A, 97, "a") ROW(B, 98, "b") ROW(C, 99, "c") ROW(D, 100, "d") ROW(E, 101, "e") ROW(F, 102, "f")          \
    ROW(G, 103, "g") ROW(H, 104, "h") ROW(I, 105, "i") ROW(J, 106, "j") ROW(K, 107, "k") ROW(L, 108, "l")       \
    ROW(M, 109, "m") ROW(N, 110, "n") ROW(O, 111, "o") ROW(P, 112, "p") ROW(Q, 113, "q") ROW(R, 114, "r")       \
    ROW(S, 115, "s") ROW(T, 116, "t") ROW(U, 117, "u") ROW(V, 118, "v") ROW(W, 119, "w") ROW(X, 120, "x")       \
    ROW(Y, 121, "y") ROW(Z, 122, "z") ROW(DELETE, 127, "Delete")                                          \
    ROW(KP0, 256, "KP0") ROW(KP1, 257, "KP1") ROW(KP2, 258, "KP2") ROW(KP3, 259, "KP3") ROW(KP4, 260, "KP4")  \
    ROW(KP5, 261, "KP5") ROW(KP6, 262, "KP6") ROW(KP7, 263, "KP7") ROW(KP8, 264, "KP8") ROW(KP9, 265, "KP9")  \
    ROW(KP_PERIOD, 266, "KP.") ROW(KP_DIVIDE, 267, "KP/") ROW(KP_MULTIPLY, 268, "KP*")                    \
    ROW(KP_MINUS, 269, "KP-") ROW(KP_PLUS, 270, "KP+") ROW(KP_ENTER, 271, "KPEnter")                      \
    ROW(KP_EQUALS, 272, "KP=") ROW(UP, 273, "Up") ROW(DOWN, 274, "Down") ROW(RIGHT, 275, "Right")           \
    ROW(LEFT, 276, "Left") ROW(INSERT, 277, "Insert") ROW(HOME, 278, "Home") ROW(END, 279, "End")           \
    ROW(PAGEUP, 280, "PageUp") ROW(PAGEDOWN, 281, "PageDown") ROW(F1, 282, "F1") ROW(F2, 283, "F2")         \
    ROW(F3, 284, "F3") ROW(F4, 285, "F4") ROW(F5, 286, "F5") ROW(F6, 287, "F6") ROW(F7, 288, "F7")            \
    ROW(F8, 289, "F8") ROW(F9, 290, "F9") ROW(F10, 291, "F10") ROW(F11, 292, "F11") ROW(F12, 293, "F12")      \
    ROW(F13, 294, "F13") ROW(F14, 295, "F14") ROW(F15, 296, "F15") ROW(NUMLOCK, 300, "NumLock")              \
    ROW(CAPSLOCK, 301, "CapsLock") ROW(SCROLLOCK, 302, "ScrollLock") ROW(RSHIFT, 303, "RightShift")        \
    ROW(LSHIFT, 304, "LeftShift") ROW(RCTRL, 305, "RightCtrl") ROW(LCTRL, 306, "LeftCtrl")                 \
    ROW(RALT, 307, "RightAlt") ROW(LALT, 308, "LeftAlt") ROW(RMETA, 309, "RightMeta")                      \
    ROW(LMETA, 310, "LeftMeta") ROW(LSUPER, 311, "LeftSuper") ROW(RSUPER, 312, "RightSuper")               \
    ROW(MODE, 313, "AltGr") ROW(COMPOSE, 314, "Compose") ROW(HELP, 315, "Help") ROW(PRINT, 316, "Print")    \
    ROW(SYSREQ, 317, "SysReq") ROW(BREAK, 318, "Break") ROW(MENU, 319, "Menu") ROW(POWER, 320, "Power")      \
    ROW(EURO, 321, "Euro") ROW(UNDO, 322, "Undo")

enum GameKey {
#define QUORVANE_KEY_ENUM(name, sdl12, word) KEY_##name,
    QUORVANE_KEYS(QUORVANE_KEY_ENUM)
#undef QUORVANE_KEY_ENUM
    KEY_COUNT
};

// The modifiers held with a key, as bits.
enum KeyModifier {
    MOD_NONE = 0,
    MOD_LSHIFT = 0x0001,
    MOD_RSHIFT = 0x0002,
    MOD_LCTRL = 0x0040,
    MOD_RCTRL = 0x0080,
    MOD_LALT = 0x0100,
    MOD_RALT = 0x0200,
    MOD_LMETA = 0x0400,
    MOD_RMETA = 0x0800,
    MOD_NUM = 0x1000,
    MOD_CAPS = 0x2000,
    MOD_ALTGR = 0x4000,
    MOD_SHIFT = MOD_LSHIFT | MOD_RSHIFT,
    MOD_ALL = 0x7FC3,
};

enum InputType {
    INPUT_NONE = 0,
    INPUT_KEYDOWN,     // a key pressed (or, from the game's own repeat, still held)
    INPUT_KEYUP,       // a key let go
    INPUT_QUIT,        // the window's close button
    INPUT_POINTER_MOVE,   // the mouse moved, or a finger on the picture
    INPUT_POINTER_DOWN,   // a button pressed, or a finger put down
    INPUT_POINTER_UP,     // let go
};

// The mouse's buttons; a long press of a finger is the right button.
enum PointerButton {
    BUTTON_NONE = 0,
    BUTTON_LEFT = 1,
    BUTTON_RIGHT = 3,
};

struct InputEvent {
    int type = INPUT_NONE;
    GameKey key = KEY_UNKNOWN; // key events
    int mod = MOD_NONE;        // key events: KeyModifier bits
    int x = 0, y = 0;          // pointer events: a pixel of the 800 x 600 picture
    int button = BUTTON_NONE;  // pointer down and up
};

// The word a recording stores a key by ("Up", "a", "KP6"); null for a key out of range.
const char *KeyWord(GameKey key);
// The key of a word; false when the word names no key.
bool KeyOfWord(const char *word, GameKey *key);
// The key SDL 1.2 numbered so (KEY_UNKNOWN for a number it has no key of ours for).
GameKey KeyOfSdl12(int number);
// SDL 1.2's number of a key.
int Sdl12OfKey(GameKey key);

// What a test may set of the platform without a machine.
#pragma once

#include "platform/keys.h"

// The "display" refuses to go into full screen or out of it (as a desktop may).
extern bool null_fullscreen_refused;
// Whether the "display" is in full screen now.
extern bool null_fullscreen;

// What the machine hands over: events as a keyboard or a mouse would give them (the game
// repeats a held key of these), and the keys it reads as held.
void PushNullPlatformEvent(const InputEvent &ev);
extern unsigned char null_keys_held[KEY_COUNT];
// The clock stands still but for what a test gives it (and what the game waits).
extern bool null_clock_manual;
extern unsigned null_clock;
// Whether the mouse pointer is shown.
extern bool null_pointer_shown;

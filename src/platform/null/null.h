// What a test may set of the platform without a machine.
#pragma once

// The "display" refuses to go into full screen or out of it (as a desktop may).
extern bool null_fullscreen_refused;
// Whether the "display" is in full screen now.
extern bool null_fullscreen;

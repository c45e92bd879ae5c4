// Self-play: the real outer loop fed with a seeded stream of key presses, partly random,
// mostly those of a player with a purpose (journeys across the world, fights, rests,
// doors, items, every screen, deaths and new games), with the game's invariants checked
// after every frame. Used by the soak test and, through QUORVANE_AUTOPLAY, by the
// program itself for fault runs.
#pragma once

// Runs `frames` frames of self-play from the current state (normally the title just
// after start-up), then steers back to the title and quits through "Exit", and (when
// verbose) prints what the run did. Returns 0 when every frame kept the invariants, 1 at
// the first violation (printed with the seed and the frame number). With
// QUORVANE_AUTOPLAY_CHECK=1 in the environment it also returns 1 when the run fell short
// of its aims, one line each.
int RunAutoplay(unsigned seed, long frames, bool verbose);

// The two sound effects.
#pragma once

struct PlatformSound;

extern PlatformSound *crow;
extern PlatformSound *die;
extern bool audio_open;

void LoadSounds();
// How many of the two samples were loaded (0 without an audio device or a sounds/ folder).
int CountSoundsLoaded();
void PlaySound(PlatformSound *sample);
void CloseSounds();
// How many times each sample was asked to play in this run (for tests).
extern int crow_plays;
extern int die_plays;

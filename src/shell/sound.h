// The two sound effects.
#pragma once

#include <SDL/SDL_mixer.h>

extern Mix_Chunk *crow;
extern Mix_Chunk *die;
extern Mix_Music *bg_music;
extern bool audio_open;

void LoadSounds();
// How many of the two samples were loaded (0 without an audio device or a sounds/ folder).
int CountSoundsLoaded();
void PlaySound(Mix_Chunk *sample);
void CloseSounds();
// How many times each sample was asked to play in this run (for tests).
extern int crow_plays;
extern int die_plays;

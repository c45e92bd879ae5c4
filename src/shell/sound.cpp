#include "shell/sound.h"

#include "shell/pictures.h"

Mix_Chunk *crow;
Mix_Chunk *die;
Mix_Music *bg_music;
bool audio_open;
int crow_plays;
int die_plays;

static Mix_Chunk *LoadSample(const char *path)
{
    if (!audio_open)
        return nullptr;
    SDL_RWops *rw = SDL_RWFromFile(path, "rb");
    if (!rw)
        return nullptr;
    return Mix_LoadWAV_RW(rw, 1);
}

void LoadSounds()
{
    crow = LoadSample(SOUND_CROW);
    die = LoadSample(SOUND_DIE);
}

int CountSoundsLoaded()
{
    return (crow ? 1 : 0) + (die ? 1 : 0);
}

void PlaySound(Mix_Chunk *sample)
{
    if (sample && sample == crow)
        crow_plays += 1;
    else if (sample && sample == die)
        die_plays += 1;
    if (audio_open && sample)
        Mix_PlayChannelTimed(0, sample, 0, -1);
}

void CloseSounds()
{
    if (crow)
        Mix_FreeChunk(crow);
    crow = nullptr;
    if (die)
        Mix_FreeChunk(die);
    die = nullptr;
    if (bg_music)
        Mix_FreeMusic(bg_music);
    bg_music = nullptr;
    if (audio_open)
        Mix_CloseAudio();
    audio_open = false;
}

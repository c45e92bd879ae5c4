#include "shell/sound.h"

#include "platform/platform.h"
#include "shell/pictures.h"

PlatformSound *crow;
PlatformSound *die;
bool audio_open;
int crow_plays;
int die_plays;

void LoadSounds()
{
    if (!audio_open)
        return;
    crow = LoadPlatformSound(SOUND_CROW);
    die = LoadPlatformSound(SOUND_DIE);
}

int CountSoundsLoaded()
{
    return (crow ? 1 : 0) + (die ? 1 : 0);
}

void PlaySound(PlatformSound *sample)
{
    if (sample && sample == crow)
        crow_plays += 1;
    else if (sample && sample == die)
        die_plays += 1;
    if (audio_open && sample)
        PlayPlatformSound(sample);
}

void CloseSounds()
{
    FreePlatformSound(crow);
    crow = nullptr;
    FreePlatformSound(die);
    die = nullptr;
    audio_open = false;
}

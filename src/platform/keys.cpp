#include "platform/keys.h"

#include <cstring>

namespace {

struct KeyRow {
    int sdl12;
    const char *word;
};

const KeyRow keyrows[KEY_COUNT] = {
#define QUORVANE_KEY_ROW(name, sdl12, word) {sdl12, word},
    QUORVANE_KEYS(QUORVANE_KEY_ROW)
#undef QUORVANE_KEY_ROW
};

} // namespace

const char *KeyWord(GameKey key)
{
    if (key < 0 || key >= KEY_COUNT)
        return nullptr;
    return keyrows[key].word;
}

bool KeyOfWord(const char *word, GameKey *key)
{
    for (int k = 0; k < KEY_COUNT; k++) {
        if (std::strcmp(keyrows[k].word, word) == 0) {
            *key = static_cast<GameKey>(k);
            return true;
        }
    }
    return false;
}

GameKey KeyOfSdl12(int number)
{
    for (int k = 0; k < KEY_COUNT; k++)
        if (keyrows[k].sdl12 == number)
            return static_cast<GameKey>(k);
    return KEY_UNKNOWN;
}

int Sdl12OfKey(GameKey key)
{
    if (key < 0 || key >= KEY_COUNT)
        return 0;
    return keyrows[key].sdl12;
}

#include "keep/state.h"

#include "creatures/monster.h"
#include "items/inventory.h"
#include "items/item.h"
#include "player/player.h"
#include "shell/dice.h"
#include "shell/free.h"
#include "shell/history.h"
#include "shell/main.h"
#include "world/level.h"

void WalkGame(StateWalker &w)
{
    WalkPlayer(w);
    WalkGrids(w);
    WalkMonsters(w);
    WalkMapItems(w);
    WalkInventory(w);
    WalkHistory(w);
    WalkClock(w);
    WalkCrow(w);
    WalkStates(w);
    WalkClouds(w);
}

namespace {

// FNV-1a over the game's numbers, one field at a time (no padding, no pointers).
class DigestWalker : public StateWalker {
public:
    unsigned long long h = 0xcbf29ce484222325ULL;

    void Section(const char *) override {}
    void Int(int &value, int, int) override { Add(value); }
    void Byte(unsigned char &value, int, int) override { Add(value); }
    void Text(char *text, size_t size) override { AddText(text, size); }
    void Name(const char *&name, const char *&, const char *const *, const char *const *, int) override
    {
        AddText(name ? name : "", 64);
    }
    void Check(bool, const char *) override {}

private:
    void Add(long long v)
    {
        for (int i = 0; i < 8; i++) {
            h ^= static_cast<unsigned long long>(v >> (8 * i)) & 0xFF;
            h *= 0x100000001b3ULL;
        }
    }
    void AddText(const char *s, size_t n)
    {
        for (size_t i = 0; i < n && s[i]; i++) {
            h ^= static_cast<unsigned char>(s[i]);
            h *= 0x100000001b3ULL;
        }
        Add(-1);
    }
};

} // namespace

unsigned long long DigestGame()
{
    DigestWalker d;
    WalkGame(d);
    return d.h;
}

unsigned long long DigestKeptGame()
{
    DigestWalker d;
    WalkGame(d);
    WalkDice(d);
    return d.h;
}

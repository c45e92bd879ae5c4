#include "keep/state.h"

#include <cstring>

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

// Copies every field into a snapshot, or (restoring) back out of one.
class SnapshotWalker : public StateWalker {
public:
    SnapshotWalker(GameSnapshot &s, bool restoring) : snap(s), back(restoring) {}

    void Section(const char *) override {}
    void Int(int &value, int, int) override
    {
        if (back)
            value = snap.numbers[number++];
        else
            snap.numbers.push_back(value);
    }
    void Byte(unsigned char &value, int, int) override
    {
        int v = value;
        Int(v, 0, 0);
        value = static_cast<unsigned char>(v);
    }
    void Text(char *text, size_t size) override
    {
        if (back) {
            const size_t n = snap.texts.find('\0', textat) - textat;
            const size_t kept = n < size ? n : size - 1;
            snap.texts.copy(text, kept, textat);
            text[kept] = '\0';
            textat += n + 1;
        } else {
            snap.texts.append(text, strnlen(text, size));
            snap.texts.push_back('\0');
        }
    }
    void Name(const char *&name, const char *&partner, const char *const *, const char *const *, int) override
    {
        if (back) {
            name = snap.names[nameat++];
            partner = snap.names[nameat++];
        } else {
            snap.names.push_back(name);
            snap.names.push_back(partner);
        }
    }
    void Check(bool, const char *) override {}

private:
    GameSnapshot &snap;
    bool back;
    size_t number = 0;
    size_t textat = 0;
    size_t nameat = 0;
};

} // namespace

void TakeSnapshot(GameSnapshot &s)
{
    s.numbers.clear();
    s.names.clear();
    s.texts.clear();
    SnapshotWalker w(s, false);
    WalkGame(w);
    WalkDice(w);
}

void RestoreSnapshot(const GameSnapshot &s)
{
    SnapshotWalker w(const_cast<GameSnapshot &>(s), true);
    WalkGame(w);
    WalkDice(w);
}

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

#include "shell/dice.h"

#include <climits>
#include <cstdint>

#include "keep/state.h"

namespace {

// The last 34 words of the sequence r[i] = r[i - 31] + r[i - 3] (modulo 2^32), in a
// ring; a roll is the newest word shifted right by one.
constexpr int RING = 34;
std::uint32_t ring[RING];
int next; // the slot the next word goes into

} // namespace

void SeedDice(unsigned seed)
{
    std::int32_t word = seed ? static_cast<std::int32_t>(seed) : 1;
    ring[0] = static_cast<std::uint32_t>(word);
    // r[i] = 16807 * r[i - 1] modulo 2^31 - 1, computed without overflow (Schrage).
    for (int i = 1; i < 31; i++) {
        const std::int32_t hi = word / 127773;
        const std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0)
            word += 2147483647;
        ring[i] = static_cast<std::uint32_t>(word);
    }
    for (int i = 31; i < RING; i++)
        ring[i] = ring[i - 31];
    next = 0;
    // The first 310 words after the seed's are passed over.
    for (int i = 0; i < 310; i++)
        RollDice();
}

int RollDice()
{
    const std::uint32_t word = ring[(next + RING - 31) % RING] + ring[(next + RING - 3) % RING];
    ring[next] = word;
    next = (next + 1) % RING;
    return static_cast<int>(word >> 1);
}

int RandNum(int low, int high)
{
    if (high < low) {
        int t = low;
        low = high;
        high = t;
    }
    // Counted in a long long so that no range overflows it.
    long long span = static_cast<long long>(high) - low + 1;
    return static_cast<int>(low + RollDice() % span);
}

void WalkDice(StateWalker &w)
{
    w.Section("dice");
    w.Int(next, 0, RING - 1);
    for (std::uint32_t &word : ring) {
        int v = static_cast<int>(word);
        w.Int(v);
        word = static_cast<std::uint32_t>(v);
    }
}

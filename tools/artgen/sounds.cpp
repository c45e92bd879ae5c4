// The two sounds, synthesized: a crow's double caw and a short falling death knell.
#include <cmath>
#include <cstdint>
#include <vector>

#include "artgen.h"

namespace {

constexpr double PI = 3.14159265358979;

// A small deterministic noise source.
struct Noise {
    std::uint32_t s = 12345;
    double Next()
    {
        s = s * 1664525u + 1013904223u;
        return ((s >> 8) & 0xFFFF) / 32768.0 - 1.0;
    }
};

// A two-pole resonator: lets through a band round its centre frequency.
struct Resonator {
    double a1, a2, gain, y1 = 0, y2 = 0;
    Resonator(double freq, double bandwidth)
    {
        double r = std::exp(-PI * bandwidth / SAMPLE_RATE);
        a1 = 2 * r * std::cos(2 * PI * freq / SAMPLE_RATE);
        a2 = -r * r;
        gain = 1 - r;
    }
    double Step(double x)
    {
        double y = gain * x + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

std::vector<std::int16_t> ToPcm(const std::vector<double> &v)
{
    double peak = 1e-9;
    for (double x : v)
        peak = std::max(peak, std::fabs(x));
    std::vector<std::int16_t> out(v.size());
    for (size_t i = 0; i < v.size(); i++)
        out[i] = static_cast<std::int16_t>(std::lround(v[i] / peak * 26000.0));
    return out;
}

// One caw: a harsh, buzzing tone that drops in pitch, shaped by two throat resonances.
void Caw(std::vector<double> &out, size_t start, double seconds, double pitch, Noise &noise)
{
    size_t n = static_cast<size_t>(seconds * SAMPLE_RATE);
    Resonator f1(1300, 300), f2(2600, 500);
    double phase = 0;
    for (size_t i = 0; i < n && start + i < out.size(); i++) {
        double t = i / double(n);
        double f = pitch * (1.08 - 0.28 * t);
        phase += f / SAMPLE_RATE;
        phase -= std::floor(phase);
        double saw = 2 * phase - 1;                 // rich in harmonics
        double buzz = 0.6 + 0.4 * std::sin(2 * PI * 70 * i / SAMPLE_RATE); // throat rattle
        double src = saw * buzz + 0.35 * noise.Next();
        double env = std::min(1.0, t / 0.06) * std::pow(1 - t, 1.4);
        double v = (f1.Step(src) * 1.0 + f2.Step(src) * 0.6) * env;
        out[start + i] += v;
    }
}

} // namespace

std::vector<std::int16_t> MakeCrowSound()
{
    std::vector<double> v(static_cast<size_t>(0.78 * SAMPLE_RATE), 0.0);
    Noise noise;
    Caw(v, 0, 0.30, 560, noise);
    Caw(v, static_cast<size_t>(0.40 * SAMPLE_RATE), 0.34, 520, noise);
    return ToPcm(v);
}

std::vector<std::int16_t> MakeDieSound()
{
    // A thud, then a low tone sliding down and fading.
    const double seconds = 0.7;
    std::vector<double> v(static_cast<size_t>(seconds * SAMPLE_RATE), 0.0);
    Noise noise;
    Resonator thud(180, 120);
    double phase = 0;
    for (size_t i = 0; i < v.size(); i++) {
        double t = i / double(SAMPLE_RATE);
        double f = 60 + 240 * std::exp(-t * 5.0);
        phase += f / SAMPLE_RATE;
        phase -= std::floor(phase);
        double tone = std::sin(2 * PI * phase) + 0.35 * (phase < 0.5 ? 1 : -1);
        double env = std::min(1.0, t / 0.01) * std::exp(-t * 4.2);
        double hit = thud.Step(noise.Next()) * 6.0 * std::exp(-t * 30.0);
        v[i] = tone * env * 0.8 + hit;
    }
    return ToPcm(v);
}

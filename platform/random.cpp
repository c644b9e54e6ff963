#include "platform/random.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <cmath>

namespace platform {
namespace {
struct Generator {
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    bool fixed = false;
    std::uint64_t reseeds = 0;
};

Generator& gen()
{
    static Generator g = [] {
        Generator g0;
        g0.state ^= static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
        return g0;
    }();
    return g;
}

// splitmix64: small, fast and well mixed.
std::uint64_t next(std::uint64_t& s)
{
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t clockTicks()
{
    static QElapsedTimer timer = [] { QElapsedTimer t; t.start(); return t; }();
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 1000003ULL
        ^ static_cast<std::uint64_t>(timer.nsecsElapsed());
}
} // namespace

double Rnd() { return static_cast<double>(next(gen().state) >> 11) * 0x1.0p-53; }

void Randomize()
{
    Generator& g = gen();
    ++g.reseeds;
    const std::uint64_t mixIn = g.fixed ? g.reseeds : clockTicks();
    std::uint64_t s = g.state ^ (mixIn * 0xD1B54A32D192ED03ULL);
    g.state = next(s);
}

int RndInt(int n) { return n <= 0 ? 0 : static_cast<int>(Rnd() * n); }

int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

void setFixedSeed(std::uint64_t seed)
{
    Generator& g = gen();
    g.state = seed;
    g.fixed = true;
    g.reseeds = 0;
}

} // namespace platform

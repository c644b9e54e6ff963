#pragma once
// Shared pieces of the picture generator: resource entries and a seeded random source.
#include <QString>
#include <QtGlobal>
#include <vector>

namespace pictures {

// One written picture: its alias in the .qrc and its path relative to the resources folder.
struct Resource {
    QString alias;
    QString file;
};

// Small deterministic generator (xorshift32) so every run draws the same pictures.
class SeededRandom
{
public:
    explicit SeededRandom(quint32 seed) : state_(seed * 2654435761u + 0x9e3779b9u)
    {
        if (state_ == 0)
            state_ = 0x12345678u;
        for (int i = 0; i < 8; ++i)
            nextInt();
    }

    quint32 nextInt()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // Uniform value in [low, high).
    double uniform(double low, double high)
    {
        return low + (high - low) * (nextInt() / 4294967296.0);
    }

private:
    quint32 state_;
};

} // namespace pictures

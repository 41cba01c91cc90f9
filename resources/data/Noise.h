// SPDX-License-Identifier: MIT
// Seeded randomness for the sample pictures: the same seed gives the same picture on
// every machine (the standard distributions do not promise that), and the noise wraps
// around the picture so that a texture tiles without a seam.
#pragma once

#include <cstdint>

// A 64-bit mix of any number of integers; the basis of everything below.
std::uint64_t HashMix(std::uint64_t value);
std::uint64_t HashOf(std::uint64_t seed, std::int64_t x, std::int64_t y);

// Uniform in [0, 1) from a hash.
double UnitFromHash(std::uint64_t hash);

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : FState(seed) {}

    std::uint64_t Next();
    double Unit();                      // [0, 1)
    double Between(double low, double high);
    int Below(int bound);               // [0, bound), bound > 0

private:
    std::uint64_t FState;
};

// Smooth value noise in [0, 1] on a lattice of period x period cells that repeats.
class TileableNoise {
public:
    TileableNoise(std::uint64_t seed, int period);

    // x and y in lattice cells; any real value, wrapped by the period.
    double At(double x, double y) const;

private:
    double Lattice(std::int64_t x, std::int64_t y) const;

    std::uint64_t FSeed;
    int FPeriod;
};

// Octaves of value noise over a square picture, each with twice the cells of the one
// before and half its weight; (u, v) are fractions of the picture, wrapping at 1.
class TileableFractal {
public:
    TileableFractal(std::uint64_t seed, int baseCells, int octaves);

    double At(double u, double v) const; // about [0, 1], mean 0.5

private:
    std::uint64_t FSeed;
    int FBaseCells;
    int FOctaves;
};

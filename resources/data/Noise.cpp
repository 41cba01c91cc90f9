// SPDX-License-Identifier: MIT
#include "resources/data/Noise.h"

#include <cassert>
#include <cmath>

namespace {

// Floor modulo: the lattice index of a point left of or above the origin wraps too.
std::int64_t Wrap(std::int64_t value, std::int64_t period)
{
    const std::int64_t remainder = value % period;
    return remainder < 0 ? remainder + period : remainder;
}

double SmoothStep(double t) { return t * t * (3 - 2 * t); }

} // namespace

// The finaliser of SplitMix64: every input bit reaches every output bit.
std::uint64_t HashMix(std::uint64_t value)
{
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

std::uint64_t HashOf(std::uint64_t seed, std::int64_t x, std::int64_t y)
{
    return HashMix(HashMix(HashMix(seed) ^ std::uint64_t(x)) ^ std::uint64_t(y));
}

double UnitFromHash(std::uint64_t hash) { return double(hash >> 11) * 0x1.0p-53; }

std::uint64_t SeededRandom::Next()
{
    FState += 1;
    return HashMix(FState);
}

double SeededRandom::Unit() { return UnitFromHash(Next()); }

double SeededRandom::Between(double low, double high) { return low + (high - low) * Unit(); }

int SeededRandom::Below(int bound)
{
    assert(bound > 0 && "a random index needs a positive bound");
    return int(Next() % std::uint64_t(bound));
}

TileableNoise::TileableNoise(std::uint64_t seed, int period) : FSeed(seed), FPeriod(period)
{
    assert(period > 0 && "noise needs at least one lattice cell");
}

double TileableNoise::Lattice(std::int64_t x, std::int64_t y) const
{
    return UnitFromHash(HashOf(FSeed, Wrap(x, FPeriod), Wrap(y, FPeriod)));
}

double TileableNoise::At(double x, double y) const
{
    const double cellX = std::floor(x);
    const double cellY = std::floor(y);
    const auto left = std::int64_t(cellX);
    const auto top = std::int64_t(cellY);
    const double blendX = SmoothStep(x - cellX);
    const double blendY = SmoothStep(y - cellY);
    const double upper = Lattice(left, top) + (Lattice(left + 1, top) - Lattice(left, top)) * blendX;
    const double lower = Lattice(left, top + 1) + (Lattice(left + 1, top + 1) - Lattice(left, top + 1)) * blendX;
    return upper + (lower - upper) * blendY;
}

TileableFractal::TileableFractal(std::uint64_t seed, int baseCells, int octaves)
    : FSeed(seed), FBaseCells(baseCells), FOctaves(octaves)
{
    assert(baseCells > 0 && octaves > 0 && "fractal noise needs cells and octaves");
}

double TileableFractal::At(double u, double v) const
{
    double sum = 0;
    double weight = 0.5;
    double totalWeight = 0;
    int cells = FBaseCells;
    for (int octave = 0; octave < FOctaves; ++octave) {
        const TileableNoise noise(FSeed + std::uint64_t(octave), cells);
        sum += weight * noise.At(u * cells, v * cells);
        totalWeight += weight;
        weight *= 0.5;
        cells *= 2;
    }
    return sum / totalWeight;
}

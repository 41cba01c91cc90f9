// SPDX-License-Identifier: MIT
#include "resources/data/Noise.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(TileableNoise, RepeatsAfterItsPeriodAlsoLeftOfTheOrigin)
{
    const TileableNoise noise(7, 5);
    for (const double x : { 0.0, 0.3, 2.75, 4.9 }) {
        for (const double y : { 0.0, 1.5, 4.2 }) {
            EXPECT_DOUBLE_EQ(noise.At(x, y), noise.At(x + 5, y)) << x << "," << y;
            EXPECT_DOUBLE_EQ(noise.At(x, y), noise.At(x, y - 5)) << x << "," << y;
            EXPECT_DOUBLE_EQ(noise.At(x, y), noise.At(x - 10, y + 15)) << x << "," << y;
        }
    }
}

TEST(TileableFractal, IsContinuousAcrossThePictureEdge)
{
    const TileableFractal fractal(11, 3, 5);
    constexpr double step = 1e-4;
    for (const double v : { 0.1, 0.5, 0.93 }) {
        EXPECT_NEAR(fractal.At(1 - step, v), fractal.At(step, v), 0.01) << v;
        EXPECT_NEAR(fractal.At(v, 1 - step), fractal.At(v, step), 0.01) << v;
    }
}

TEST(TileableFractal, VariesAndStaysInRange)
{
    const TileableFractal fractal(3, 4, 4);
    double low = 1;
    double high = 0;
    for (int i = 0; i < 400; ++i) {
        const double value = fractal.At(i / 400.0, std::fmod(i * 0.37, 1.0));
        low = std::min(low, value);
        high = std::max(high, value);
    }
    EXPECT_GE(low, 0.0);
    EXPECT_LE(high, 1.0);
    EXPECT_GT(high - low, 0.25);
}

TEST(SeededRandom, GivesTheSameSequenceForTheSameSeedAndStaysInBounds)
{
    SeededRandom first(42);
    SeededRandom second(42);
    SeededRandom other(43);
    int differences = 0;
    for (int i = 0; i < 100; ++i) {
        const int value = first.Below(7);
        EXPECT_EQ(value, second.Below(7));
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 7);
        differences += value != other.Below(7);
        const double unit = first.Unit();
        second.Unit();
        EXPECT_GE(unit, 0.0);
        EXPECT_LT(unit, 1.0);
    }
    EXPECT_GT(differences, 50);
}

// SPDX-License-Identifier: MIT
// Colours as three real channels, for drawings that blend and shade before they round
// to a pixel.
#pragma once

#include "platform/gdi/Color.h"

#include <algorithm>
#include <cmath>

struct Rgb {
    double red = 0;
    double green = 0;
    double blue = 0;

    friend Rgb operator+(const Rgb& a, const Rgb& b) { return { a.red + b.red, a.green + b.green, a.blue + b.blue }; }
    friend Rgb operator*(const Rgb& color, double factor)
    {
        return { color.red * factor, color.green * factor, color.blue * factor };
    }
};

// from at 0, to at 1.
inline Rgb Mix(const Rgb& from, const Rgb& to, double amount) { return from * (1 - amount) + to * amount; }

inline std::uint8_t ToChannel(double value) { return std::uint8_t(std::clamp(std::lround(value), 0L, 255L)); }

inline COLORREF ToColorRef(const Rgb& color)
{
    return RGB(ToChannel(color.red), ToChannel(color.green), ToChannel(color.blue));
}

// SPDX-License-Identifier: MIT
// What the glyph tests share: distinct button colours, a text engine of fixed cells, and
// bitmaps made from literal pixels.
#pragma once

#include "platform/gdi/Text.h"
#include "platform/vcl/graphics/Graphics.h"
#include "tests/support/PixelLetters.h"
#include "widgets/ButtonGlyph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using Pixels = std::vector<COLORREF>;

// Button colours, all different so that every pixel tells which one was drawn.
inline constexpr COLORREF kFace = 0xC0C0C0;
inline constexpr COLORREF kShadow = 0x808080;
inline constexpr COLORREF kHighlight = 0xFFFFFF;
inline constexpr COLORREF kFrame = 0x101010;
inline constexpr COLORREF kText = 0x202020;

// Picture colours.
inline constexpr COLORREF M = 0xFF00FF; // transparent
inline constexpr COLORREF R = 0x0000FF;
inline constexpr COLORREF G = 0x00FF00;
inline constexpr COLORREF B = 0xFF0000;
inline constexpr COLORREF Y = 0x00FFFF;
inline constexpr COLORREF C = 0xFFFF00;
inline constexpr COLORREF K = 0x000000;
inline constexpr COLORREF W = 0xFFFFFF;
inline constexpr COLORREF D = 0x303030; // backdrop that nothing else uses

inline COLORREF TestSysColor(int index)
{
    switch (index) {
    case COLOR_BTNFACE:
        return kFace;
    case COLOR_BTNSHADOW:
        return kShadow;
    case COLOR_BTNHIGHLIGHT:
        return kHighlight;
    case COLOR_WINDOWFRAME:
        return kFrame;
    case COLOR_BTNTEXT:
        return kText;
    default:
        return 0x000000;
    }
}

// Every character a 5-pixel cell; a visible one is a 4 x 8 box from row 2 of a 13-pixel line.
class CellTextEngine final : public TextEngine {
public:
    static constexpr int kCell = 5;
    static constexpr int kLine = 13;
    TEXTMETRIC Metrics(const LOGFONT&) override
    {
        TEXTMETRIC metrics;
        metrics.tmHeight = kLine;
        metrics.tmAscent = 10;
        metrics.tmDescent = 3;
        metrics.tmAveCharWidth = kCell;
        metrics.tmMaxCharWidth = kCell;
        return metrics;
    }
    int Width(const LOGFONT&, std::string_view text) override { return int(text.size()) * kCell; }
    void DrawLine(PixelRaster& raster, const TRect& clip, int x, int y, const LOGFONT&, std::string_view text,
        COLORREF color) override
    {
        for (std::size_t index = 0; index < text.size(); ++index) {
            if (text[index] == ' ')
                continue;
            const TRect box = IntersectRects(Bounds(x + int(index) * kCell, y + 2, 4, 8), clip);
            for (int row = box.Top; row < box.Bottom; ++row)
                for (int column = box.Left; column < box.Right; ++column)
                    raster.At(column, row) = color;
        }
    }
};

// Installs the colours and the text engine for one test.
class GlyphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSysColorResolver(TestSysColor);
        SetTextEngine(&FEngine);
    }
    void TearDown() override
    {
        SetTextEngine(nullptr);
        SetSysColorResolver({});
    }

private:
    CellTextEngine FEngine;
};

inline std::unique_ptr<TBitmap> MakeBitmap(int width, int height, Pixels pixels)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetRaster(PixelRaster { width, height, false, std::move(pixels) });
    return bitmap;
}

// A bitmap as a form description stores it: hex digits of the file's length in four bytes,
// then the file.
inline std::string StoredBitmapData(TBitmap& bitmap)
{
    const std::vector<std::uint8_t> file = bitmap.SaveToBytes();
    std::vector<std::uint8_t> data { std::uint8_t(file.size()), std::uint8_t(file.size() >> 8),
        std::uint8_t(file.size() >> 16), std::uint8_t(file.size() >> 24) };
    data.insert(data.end(), file.begin(), file.end());
    std::string hex;
    for (const std::uint8_t byte : data) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

inline std::unique_ptr<TBitmap> Filled(int width, int height, COLORREF color)
{
    return MakeBitmap(width, height, Pixels(std::size_t(width) * std::size_t(height), color));
}

inline Pixels PixelsOf(const TBitmap& bitmap)
{
    return bitmap.Raster().pixels;
}

// A renderer holding a copy of strip.
inline std::unique_ptr<TButtonGlyph> RendererWith(TBitmap* strip)
{
    auto renderer = std::make_unique<TButtonGlyph>();
    renderer->SetSourceGlyph(strip);
    return renderer;
}

// The part of bitmap inside rect, as a bitmap of its own.
inline std::unique_ptr<TBitmap> Crop(const TBitmap& bitmap, const TRect& rect)
{
    Pixels pixels;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            pixels.push_back(bitmap.Raster().At(x, y));
    return MakeBitmap(rect.Width(), rect.Height(), pixels);
}

// How many pixels differ from the backdrop colour.
inline long CountDrawn(const TBitmap& bitmap, COLORREF backdrop)
{
    const Pixels& pixels = bitmap.Raster().pixels;
    return long(
        std::count_if(pixels.begin(), pixels.end(), [&](COLORREF pixel) { return pixel != backdrop; }));
}

// SPDX-License-Identifier: MIT
// A memory DC with its own bitmap for GDI tests; everything is released at scope end.
#pragma once

#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <vector>

using Pixels = std::vector<COLORREF>;

inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kBlack = 0x000000;

enum class Depth { Colour, Monochrome };

class TestSurface {
public:
    TestSurface(int width, int height, Depth depth = Depth::Colour, COLORREF fill = kBlack)
        : FDc(CreateCompatibleDC(nullptr))
        , FBitmap(CreateBitmap(width, height, 1, depth == Depth::Monochrome ? 1 : 32, nullptr))
    {
        FPrevious = SelectObject(FDc, FBitmap);
        FBitmap->raster.pixels.assign(FBitmap->raster.pixels.size(), fill);
    }
    TestSurface(int width, int height, const Pixels& pixels, Depth depth = Depth::Colour)
        : TestSurface(width, height, depth)
    {
        FBitmap->raster.pixels = pixels;
    }
    ~TestSurface()
    {
        SelectObject(FDc, FPrevious);
        EXPECT_TRUE(DeleteDC(FDc));
        EXPECT_TRUE(DeleteObject(FBitmap));
    }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    HDC Dc() const { return FDc; }
    // Device pixels per logical unit; the surface keeps its pixels, so it is made at the
    // physical size it is to have.
    void SetPixelRatio(double ratio) { FBitmap->scale = ratio; }
    PixelRaster& Raster() { return FBitmap->raster; }
    const Pixels& PixelValues() const { return FBitmap->raster.pixels; }
    COLORREF At(int x, int y) const { return FBitmap->raster.At(x, y); }

private:
    HDC FDc;
    HBITMAP FBitmap;
    HGDIOBJ FPrevious = nullptr;
};

// A solid brush selected into a DC for the scope, then deleted.
class SelectedBrush {
public:
    SelectedBrush(HDC dc, HBRUSH brush) : FDc(dc), FBrush(brush), FPrevious(SelectObject(dc, brush)) {}
    ~SelectedBrush()
    {
        SelectObject(FDc, FPrevious);
        EXPECT_TRUE(DeleteObject(FBrush));
    }
    SelectedBrush(const SelectedBrush&) = delete;
    SelectedBrush& operator=(const SelectedBrush&) = delete;

private:
    HDC FDc;
    HBRUSH FBrush;
    HGDIOBJ FPrevious;
};

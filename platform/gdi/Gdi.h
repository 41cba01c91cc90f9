// SPDX-License-Identifier: MIT
// A mini GDI over our own pixel rasters: objects, memory device contexts, the ternary
// raster operations, lines and fills. Plain C++; the host only supplies fonts.
#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/PixelRaster.h"
#include "platform/gdi/Rect.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Ternary raster operations: bits 16-23 hold the truth table, bit 4P + 2S + D.
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD SRCERASE = 0x00440328;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD NOTSRCERASE = 0x001100A6;
inline constexpr DWORD MERGECOPY = 0x00C000CA;
inline constexpr DWORD MERGEPAINT = 0x00BB0226;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATPAINT = 0x00FB0A09;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;
inline constexpr DWORD DSPDxax = 0x00E20746;

inline constexpr std::uint8_t RopTruthTable(DWORD rop) { return std::uint8_t(rop >> 16); }

enum class GdiObjectKind : std::uint8_t { Bitmap, Brush, Pen, Font };

struct GdiObject {
    virtual ~GdiObject() = default;
    virtual GdiObjectKind Kind() const = 0;
    bool stock = false; // stock objects ignore DeleteObject
};

struct GdiBitmap final : GdiObject {
    PixelRaster raster;
    // Device pixels per logical unit. Pictures are 1; the buffers that windows and their
    // windowless controls paint into take the screen's ratio, and DCs over them map every
    // logical coordinate onto it.
    double scale = 1.0;
    GdiObjectKind Kind() const override { return GdiObjectKind::Bitmap; }
};

inline constexpr int BS_SOLID = 0;
inline constexpr int BS_NULL = 1;
inline constexpr int BS_HOLLOW = BS_NULL;
inline constexpr int BS_PATTERN = 3;

struct GdiBrush final : GdiObject {
    int style = BS_SOLID;
    COLORREF color = 0;
    PixelRaster pattern; // BS_PATTERN: tiled from the DC origin
    GdiObjectKind Kind() const override { return GdiObjectKind::Brush; }
};

inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_NULL = 5;

struct GdiPen final : GdiObject {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
    GdiObjectKind Kind() const override { return GdiObjectKind::Pen; }
};

struct LOGFONT {
    int lfHeight = -11; // negative: character height in pixels; positive: cell height
    int lfWidth = 0;
    int lfWeight = 400;
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;
    std::uint8_t lfCharSet = 1; // DEFAULT_CHARSET
    char lfFaceName[32] = "MS Sans Serif";
};

struct GdiFont final : GdiObject {
    LOGFONT logFont;
    GdiObjectKind Kind() const override { return GdiObjectKind::Font; }
};

using HGDIOBJ = GdiObject*;
using HBITMAP = GdiBitmap*;
using HBRUSH = GdiBrush*;
using HPEN = GdiPen*;
using HFONT = GdiFont*;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// What a device context draws with; SaveDC keeps a copy and RestoreDC puts it back.
struct GdiDcState {
    HBITMAP bitmap = nullptr;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    TPoint viewportOrigin;
    TPoint brushOrigin;
    TPoint penPosition;
    std::optional<TRect> clip; // device coordinates; none means the whole bitmap
};

// A device context draws into the bitmap selected into it. Window DCs are memory DCs
// over the window's paint buffer, offset by the viewport origin and clipped.
struct GdiDc : GdiDcState {
    std::vector<GdiDcState> savedStates;
    std::unique_ptr<GdiBitmap> defaultBitmap; // 1 x 1 monochrome, as a new memory DC has
};
using HDC = GdiDc*;

// Objects. A bitmap of bit count 1 is monochrome; every other is 32-bit colour.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP pattern);
HPEN CreatePen(int style, int width, COLORREF color);
HFONT CreateFontIndirect(const LOGFONT& logFont);
BOOL DeleteObject(HGDIOBJ object);

inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;
HGDIOBJ GetStockObject(int which);

// Device contexts.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object); // returns the object of that kind it replaced
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
BOOL SetBrushOrgEx(HDC dc, int x, int y, TPoint* previous);
BOOL SetViewportOrgEx(HDC dc, int x, int y, TPoint* previous);
BOOL GetViewportOrgEx(HDC dc, TPoint* origin);
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int savedIndex); // negative: relative to the latest
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int ERROR_REGION = 0;
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipBox(HDC dc, TRect* rect);
// The scale of the bitmap selected into the DC; 1 without a DC.
double PixelRatioOf(HDC dc);

// Raster operations. A monochrome source drawn onto colour takes the destination's text
// colour for 0 bits and its background colour for 1 bits; colour drawn onto monochrome
// gives 1 where the source equals the source DC's background colour.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
// Nearest neighbour: source column = ((2x + 1) * sourceWidth) div (2 * destWidth), rows alike.
// Negative widths or heights mirror.
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
    int sourceWidth, int sourceHeight, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
int FillRect(HDC dc, const TRect& rect, HBRUSH brush);
int FrameRect(HDC dc, const TRect& rect, HBRUSH brush);
COLORREF GetPixel(HDC dc, int x, int y); // CLR_INVALID outside
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
BOOL MoveToEx(HDC dc, int x, int y, TPoint* previous);
BOOL LineTo(HDC dc, int x, int y); // the end point is not drawn
BOOL Polyline(HDC dc, const TPoint* points, int count);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);

// The raster engine itself, for callers that work on rasters without a DC.
COLORREF ApplyRop3(std::uint8_t truthTable, COLORREF pattern, COLORREF source, COLORREF dest);

// SPDX-License-Identifier: MIT
// Text drawing and measuring on device contexts. The layout (lines, word breaks, tabs,
// alignment, prefixes) is ours; glyphs come from a text engine, which the host installs
// so that its font engine draws into our rasters. Without a host a plain box engine is used.
#pragma once

#include "platform/gdi/Gdi.h"

#include <string_view>

struct TEXTMETRIC {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 400;
};

class TextEngine {
public:
    virtual ~TextEngine() = default;
    virtual TEXTMETRIC Metrics(const LOGFONT& font) = 0;
    virtual int Width(const LOGFONT& font, std::string_view text) = 0;
    // Draws one line whose character cell starts at (x, y) of the raster, in colour, touching
    // only pixels inside clip (which lies inside the raster).
    virtual void DrawLine(PixelRaster& raster, const TRect& clip, int x, int y, const LOGFONT& font,
        std::string_view text, COLORREF color) = 0;
};

// nullptr restores the built-in engine: cells of fixed width drawn as filled boxes, so that
// text stays measurable and visible in tests without a host.
void SetTextEngine(TextEngine* engine);
TextEngine& CurrentTextEngine();

inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_EXPANDTABS = 0x0040;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT DT_RTLREADING = 0x20000;

// count -1: up to the terminating zero. Returns the height of the text; with DT_CALCRECT
// nothing is drawn and rect's right and bottom are set to fit the text.
int DrawTextA(HDC dc, const char* text, int count, TRect* rect, UINT format);
BOOL TextOutA(HDC dc, int x, int y, const char* text, int count);
BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, TSize* size);
BOOL GetTextMetricsA(HDC dc, TEXTMETRIC* metrics);

// SPDX-License-Identifier: MIT
#include "platform/gdi/Text.h"

#include "platform/gdi/DeviceArea.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

int CharacterHeight(const LOGFONT& font)
{
    if (font.lfHeight < 0)
        return -font.lfHeight;
    if (font.lfHeight > 0)
        return std::max(1, font.lfHeight * 11 / 13);
    return 11;
}

int CodePointCount(std::string_view text)
{
    return int(std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Cells of fixed width, each visible character a box from the cap height to the baseline.
class BoxTextEngine final : public TextEngine {
public:
    TEXTMETRIC Metrics(const LOGFONT& font) override
    {
        TEXTMETRIC metrics;
        const int height = CharacterHeight(font);
        metrics.tmAscent = height;
        metrics.tmDescent = std::max(1, height / 5);
        metrics.tmHeight = metrics.tmAscent + metrics.tmDescent;
        metrics.tmInternalLeading = metrics.tmHeight - height;
        metrics.tmAveCharWidth = CellWidth(font);
        metrics.tmMaxCharWidth = CellWidth(font);
        metrics.tmWeight = font.lfWeight;
        return metrics;
    }
    int Width(const LOGFONT& font, std::string_view text) override { return CodePointCount(text) * CellWidth(font); }
    void DrawLine(PixelRaster& raster, const TRect& clip, int x, int y, const LOGFONT& font, std::string_view text,
        COLORREF color) override
    {
        const int cell = CellWidth(font);
        const TEXTMETRIC metrics = Metrics(font);
        int column = 0;
        for (std::size_t index = 0; index < text.size(); ++index) {
            const auto byte = static_cast<unsigned char>(text[index]);
            if ((byte & 0xC0) == 0x80)
                continue;
            if (byte != ' ') {
                const TRect box = IntersectRects(
                    Rect(x + column * cell, y + metrics.tmAscent * 3 / 10, x + column * cell + cell - 1, y + metrics.tmAscent),
                    clip);
                for (int row = box.Top; row < box.Bottom; ++row)
                    for (int pixel = box.Left; pixel < box.Right; ++pixel)
                        raster.At(pixel, row) = color;
            }
            ++column;
        }
    }

private:
    static int CellWidth(const LOGFONT& font) { return std::max(1, (CharacterHeight(font) * 6 + 5) / 11); }
};

TextEngine*& InstalledEngine()
{
    static TextEngine* engine = nullptr;
    return engine;
}

const LOGFONT& FontOf(HDC dc)
{
    static const LOGFONT defaultFont;
    return dc && dc->font ? dc->font->logFont : defaultFont;
}

std::string_view TextOf(const char* text, int count)
{
    if (!text)
        return {};
    // A counted text need not end in a NUL, so nothing past count is read.
    return count < 0 ? std::string_view(text) : std::string_view(text, ::strnlen(text, std::size_t(count)));
}

// "&&" stands for "&"; a single "&" marks the next character as a shortcut and is dropped.
std::string StripPrefixes(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == '&') {
            if (index + 1 < text.size() && text[index + 1] == '&') {
                result += '&';
                ++index;
            }
            continue;
        }
        result += text[index];
    }
    return result;
}

std::string ExpandTabs(std::string_view line)
{
    std::string result;
    for (char c : line) {
        if (c != '\t') {
            result += c;
            continue;
        }
        do
            result += ' ';
        while (CodePointCount(result) % 8 != 0);
    }
    return result;
}

std::vector<std::string> SplitLines(std::string_view text, bool singleLine)
{
    std::vector<std::string> lines;
    if (singleLine) {
        std::string line;
        for (char c : text)
            if (c != '\r' && c != '\n')
                line += c;
        lines.push_back(line);
        return lines;
    }
    std::string line;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && index + 1 < text.size() && text[index + 1] == '\n')
                ++index;
            continue;
        }
        line += c;
    }
    lines.push_back(line);
    return lines;
}

// Breaks at blanks so that each line fits width; a word longer than the width stands alone.
std::vector<std::string> WrapLine(const std::string& line, int width, TextEngine& engine, const LOGFONT& font)
{
    std::vector<std::string> wrapped;
    std::string current;
    std::size_t position = 0;
    while (position < line.size()) {
        std::size_t wordEnd = line.find(' ', position);
        if (wordEnd == std::string::npos)
            wordEnd = line.size();
        const std::string word = line.substr(position, wordEnd - position);
        const std::string candidate = current.empty() ? word : current + " " + word;
        if (!current.empty() && engine.Width(font, candidate) > width) {
            wrapped.push_back(current);
            current = word;
        } else
            current = candidate;
        position = wordEnd + 1;
    }
    wrapped.push_back(current);
    return wrapped;
}

TRect DeviceRect(HDC dc, const TRect& rect)
{
    return ClampToInt(ToDevice(*dc, { rect.Left, rect.Top, rect.Right, rect.Bottom }));
}

// What text is drawn with on a surface: the font at the surface's physical size, so that the
// text engine rasterises it there instead of the logical glyphs being enlarged.
struct DeviceText {
    LOGFONT font;
    TEXTMETRIC metrics;
};

// Glyph sizes do not grow in proportion with the font (hinting, rounding of the size), so the
// physical font is made smaller a pixel at a time while a line would be wider than its
// logical width scaled: controls sized to the logical text then still show all of it.
DeviceText DeviceTextFor(HDC dc, TextEngine& engine, const LOGFONT& font, const TEXTMETRIC& metrics,
    const std::vector<std::string>& lines)
{
    const double scale = SurfaceScale(*dc);
    if (scale == 1.0)
        return { font, metrics };
    const auto scaled = [scale](int value) { return int(std::lround(value * scale)); };
    LOGFONT deviceFont = font;
    // A height of 0 asks for the engine's default size, which is then scaled as any other.
    deviceFont.lfHeight
        = font.lfHeight != 0 ? scaled(font.lfHeight) : -scaled(metrics.tmHeight - metrics.tmInternalLeading);
    deviceFont.lfWidth = scaled(font.lfWidth);
    const auto overflows = [&] {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return engine.Width(deviceFont, line) > scaled(engine.Width(font, line));
        });
    };
    const int smallest = std::max(1, std::abs(deviceFont.lfHeight) * 3 / 4);
    const int step = deviceFont.lfHeight < 0 ? 1 : -1;
    while (std::abs(deviceFont.lfHeight) > smallest && overflows())
        deviceFont.lfHeight += step;
    return { deviceFont, engine.Metrics(deviceFont) };
}

void FillArea(PixelRaster& raster, const TRect& area, COLORREF color)
{
    for (int row = area.Top; row < area.Bottom; ++row)
        std::fill_n(raster.Row(row) + area.Left, area.Width(), color);
}

} // namespace

void SetTextEngine(TextEngine* engine) { InstalledEngine() = engine; }

TextEngine& CurrentTextEngine()
{
    static BoxTextEngine boxEngine;
    return InstalledEngine() ? *InstalledEngine() : boxEngine;
}

int DrawTextA(HDC dc, const char* text, int count, TRect* rect, UINT format)
{
    if (!rect)
        return 0;
    TextEngine& engine = CurrentTextEngine();
    const LOGFONT& font = FontOf(dc);
    const TEXTMETRIC metrics = engine.Metrics(font);
    std::string content(TextOf(text, count));
    if (!(format & DT_NOPREFIX))
        content = StripPrefixes(content);

    std::vector<std::string> lines;
    for (std::string line : SplitLines(content, format & DT_SINGLELINE)) {
        if (format & DT_EXPANDTABS)
            line = ExpandTabs(line);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            for (std::string& part : WrapLine(line, rect->Width(), engine, font))
                lines.push_back(std::move(part));
        } else
            lines.push_back(std::move(line));
    }
    const int textHeight = int(lines.size()) * metrics.tmHeight;

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, engine.Width(font, line));
        if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE) || widest > rect->Width())
            rect->Right = rect->Left + widest;
        rect->Bottom = rect->Top + textHeight;
        return textHeight;
    }
    if (!dc || !dc->bitmap || dc->bitmap->raster.Empty())
        return textHeight;

    // Lines are broken in logical units, as measured; they are placed and drawn in device pixels.
    const DeviceText device = DeviceTextFor(dc, engine, font, metrics, lines);
    PixelRaster& raster = dc->bitmap->raster;
    TRect clip = DrawableArea(*dc);
    const TRect deviceRect = DeviceRect(dc, *rect);
    if (!(format & DT_NOCLIP))
        clip = IntersectRects(clip, deviceRect);
    const int lineHeight = device.metrics.tmHeight;
    int top = deviceRect.Top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = deviceRect.Top + (deviceRect.Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = deviceRect.Bottom - lineHeight;
    }
    for (const std::string& line : lines) {
        const int width = engine.Width(device.font, line);
        int left = deviceRect.Left;
        if (format & DT_CENTER)
            left = deviceRect.Left + (deviceRect.Width() - width) / 2;
        else if (format & DT_RIGHT)
            left = deviceRect.Right - width;
        if (dc->bkMode == OPAQUE)
            FillArea(raster, IntersectRects(clip, Bounds(left, top, width, lineHeight)), dc->bkColor);
        if (!clip.IsEmpty())
            engine.DrawLine(raster, clip, left, top, device.font, line, dc->textColor);
        top += lineHeight;
    }
    return textHeight;
}

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count)
{
    if (!dc || !dc->bitmap || dc->bitmap->raster.Empty())
        return FALSE;
    TextEngine& engine = CurrentTextEngine();
    const LOGFONT& font = FontOf(dc);
    const std::string_view line = TextOf(text, count);
    const DeviceText device = DeviceTextFor(dc, engine, font, engine.Metrics(font), { std::string(line) });
    const TRect clip = DrawableArea(*dc);
    const TRect origin = DeviceRect(dc, Bounds(x, y, 0, 0));
    const TRect cell
        = Bounds(origin.Left, origin.Top, engine.Width(device.font, line), device.metrics.tmHeight);
    if (dc->bkMode == OPAQUE)
        FillArea(dc->bitmap->raster, IntersectRects(clip, cell), dc->bkColor);
    if (!clip.IsEmpty())
        engine.DrawLine(dc->bitmap->raster, clip, cell.Left, cell.Top, device.font, line, dc->textColor);
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, TSize* size)
{
    if (!size)
        return FALSE;
    TextEngine& engine = CurrentTextEngine();
    const LOGFONT& font = FontOf(dc);
    size->cx = engine.Width(font, TextOf(text, count));
    size->cy = engine.Metrics(font).tmHeight;
    return TRUE;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRIC* metrics)
{
    if (!metrics)
        return FALSE;
    *metrics = CurrentTextEngine().Metrics(FontOf(dc));
    return TRUE;
}

// SPDX-License-Identifier: MIT
// Placing glyph and caption inside the button, and fitting the caption to the space left.
#include "widgets/ButtonGlyph.h"

#include "support/VCLUtils.h"

#include <algorithm>
#include <vector>

namespace {

// The marks reserve the arrow's 7 pixels plus its gap: 3 after text, 1 after a glyph.
constexpr int kMarkAfterText = 9;
constexpr int kMarkAfterGlyph = 6;

std::vector<AnsiString> SplitCaptionLines(const AnsiString& text)
{
    std::vector<AnsiString> lines(1);
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char character = text[index];
        if (character != '\r' && character != '\n') {
            lines.back() += character;
            continue;
        }
        if (character == '\r' && index + 1 < text.size() && text[index + 1] == '\n')
            ++index;
        lines.emplace_back();
    }
    return lines;
}

bool IsHorizontal(TButtonLayout layout)
{
    return layout == blGlyphLeft || layout == blGlyphRight;
}

} // namespace

// The caption passes through a fixed text buffer: at most maxLength bytes, but never ending
// inside a multi-byte character.
AnsiString TButtonGlyph::CaptionBuffer(const AnsiString& caption, int maxLength)
{
    std::size_t end = 0;
    while (end < caption.size()) {
        const std::size_t next = end + Utf8CharLength(caption, end);
        if (next > std::size_t(std::max(0, maxLength)))
            break;
        end = next;
    }
    return caption.substr(0, end);
}

AnsiString TButtonGlyph::FitCaption(
    TCanvas* canvas, const AnsiString& caption, int maxLength, int width) const
{
    if (FWordWrap)
        return CaptionBuffer(caption, maxLength);
    AnsiString fitted;
    const std::vector<AnsiString> lines = SplitCaptionLines(caption);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index > 0)
            fitted += "\r\n";
        fitted += ShortenTextToWidth(lines[index], canvas, width);
    }
    return CaptionBuffer(TrimRight(fitted), maxLength);
}

void TButtonGlyph::ComputeLayout(TCanvas* canvas, const TRect& client, AnsiString& caption,
    TButtonLayout layout, int margin, int spacing, bool popupMark, TPoint& glyphPos, TRect& textBounds,
    UINT flags)
{
    const TPoint clientSize { RectWidth(client), RectHeight(client) };
    TPoint glyphSize;
    if (!FSourceGlyph->Empty())
        glyphSize = { FSourceGlyph->Width() / FNumGlyphs, FSourceGlyph->Height() };

    const bool horizontal = IsHorizontal(layout);
    TPoint available = clientSize;
    int& mainAvailable = horizontal ? available.x : available.y;
    mainAvailable -= horizontal ? glyphSize.x : glyphSize.y;
    if (margin != -1)
        mainAvailable -= margin;
    if (spacing != -1)
        mainAvailable -= spacing;
    if (horizontal && popupMark)
        mainAvailable -= kMarkAfterText; // below or above the glyph the mark takes no height
    available = { std::max(0, available.x), std::max(0, available.y) };

    caption = FitCaption(canvas, caption, 255, available.x);
    textBounds = {};
    if (!caption.empty()) {
        textBounds = Rect(0, 0, available.x, 0);
        DrawTextA(canvas->Handle(), caption.c_str(), -1, &textBounds,
            DT_CALCRECT | DT_VCENTER | DT_CENTER | WordWrapFlags[FWordWrap] | flags);
    }
    textBounds.Bottom
        = std::max(textBounds.Top, textBounds.Top + std::min(available.y, RectHeight(textBounds)));
    textBounds.Right
        = std::max(textBounds.Left, textBounds.Left + std::min(available.x, RectWidth(textBounds)));
    TPoint textSize { RectWidth(textBounds), RectHeight(textBounds) };

    if (popupMark) {
        if (glyphSize.x == 0 || glyphSize.y == 0 || layout == blGlyphLeft)
            textSize.x += kMarkAfterText;
        else
            glyphSize.x += kMarkAfterGlyph;
    }

    TPoint glyphAt;
    TPoint textAt;
    if (horizontal) {
        glyphAt.y = clientSize.y / 2 - glyphSize.y / 2;
        textAt.y = clientSize.y / 2 - textSize.y / 2;
    } else {
        glyphAt.x = clientSize.x / 2 - glyphSize.x / 2;
        textAt.x = clientSize.x / 2 - textSize.x / 2;
    }

    if (textSize.x == 0 || glyphSize.x == 0)
        spacing = 0;

    const int extent = horizontal ? clientSize.x : clientSize.y;
    const int glyphExtent = horizontal ? glyphSize.x : glyphSize.y;
    const int textExtent = horizontal ? textSize.x : textSize.y;
    if (margin == -1 && spacing == -1) {
        // The free space split in three: before, between and after.
        margin = (extent - (glyphExtent + textExtent)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = extent / 2 - (glyphExtent + spacing + textExtent) / 2;
    } else if (spacing == -1) {
        spacing = (extent - (margin + glyphExtent)) / 2 - textExtent / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        glyphAt.x = margin;
        textAt.x = glyphAt.x + glyphSize.x + spacing;
        break;
    case blGlyphRight:
        glyphAt.x = clientSize.x - margin - glyphSize.x;
        textAt.x = glyphAt.x - spacing - textSize.x;
        break;
    case blGlyphTop:
        glyphAt.y = margin;
        textAt.y = glyphAt.y + glyphSize.y + spacing;
        break;
    case blGlyphBottom:
        glyphAt.y = clientSize.y - margin - glyphSize.y;
        textAt.y = glyphAt.y - spacing - textSize.y;
        break;
    }

    glyphPos = { glyphAt.x + client.Left, glyphAt.y + client.Top };
    OffsetRect(textBounds, textAt.x + client.Left, textAt.y + client.Top);
}

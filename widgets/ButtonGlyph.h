// SPDX-License-Identifier: MIT
// The drawing engine of a speed button: splits the glyph strip into its state images, builds
// each state's glyph once into the shared glyph lists, lays out glyph and caption, and draws
// glyph, caption and the drop-down mark.
#pragma once

#include "platform/gdi/Text.h"
#include "platform/vcl/graphics/Graphics.h"
#include "platform/vcl/standardcontrols/StdCtrls.h"
#include "widgets/GlyphCache.h"

#include <array>
#include <cstdint>
#include <memory>

enum TGlyphState : std::uint8_t { gsUp, gsDisabled, gsDown, gsExclusive, gsInactive };
inline constexpr int kGlyphStateCount = 5;

// Where the glyph sits beside the caption; the first two are the horizontal layouts.
enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

inline constexpr UINT AlignmentFlags[] = { DT_LEFT, DT_RIGHT, DT_CENTER }; // by TAlignment
inline constexpr UINT WordWrapFlags[] = { 0, DT_WORDBREAK }; // by WordWrap

class TButtonGlyph : public TObject {
public:
    TButtonGlyph();
    ~TButtonGlyph() override;
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    // The strip of one to five equally wide images side by side; owned.
    TBitmap* SourceGlyph() const { return FSourceGlyph.get(); }
    void SetSourceGlyph(TBitmap* value); // copies value
    int NumGlyphs() const { return FNumGlyphs; } // 1
    void SetNumGlyphs(int value); // outside 1..5 ignored
    TColor TransparentColor() const { return FTransparentColor; } // clFuchsia, then the strip's
    bool WordWrap() const { return FWordWrap; } // false
    void SetWordWrap(bool value) { FWordWrap = value; }
    TAlignment Alignment() const { return FAlignment; } // taCenter
    void SetAlignment(TAlignment value) { FAlignment = value; }

    // The list holding the built glyphs; none while no glyph is built.
    TGlyphList* GlyphList() const { return FGlyphList; }
    // The slot of the state's built glyph in GlyphList, or -1.
    int StateIndexes(TGlyphState state) const { return FStateIndexes[state]; }

    void ReleaseGlyphs();
    void SourceChanged(TObject* sender);
    TColor GrayColor(TColor color) const;
    int BuildStateGlyph(TGlyphState state);
    // Returns the drawn size, (0, 0) when there is nothing to draw.
    TPoint DrawStateGlyph(TCanvas* canvas, int x, int y, TGlyphState state);
    // A 7 x 4 downward arrow whose top row is y - 1.
    void DrawDropMark(TCanvas* canvas, int x, int y, TGlyphState state);
    // The caption as drawn in width pixels, at most maxLength bytes: unless it wraps, each line
    // is cut with "..." to fit.
    AnsiString FitCaption(TCanvas* canvas, const AnsiString& caption, int maxLength, int width) const;
    // Leaves the canvas font in the colour it drew last.
    void DrawCaption(
        TCanvas* canvas, const AnsiString& caption, const TRect& textBounds, TGlyphState state, UINT flags);
    // Margin and spacing -1 are chosen automatically; caption becomes the fitted caption.
    void ComputeLayout(TCanvas* canvas, const TRect& client, AnsiString& caption, TButtonLayout layout,
        int margin, int spacing, bool popupMark, TPoint& glyphPos, TRect& textBounds, UINT flags);
    // Draws glyph, caption and, when asked, the drop-down mark; returns the text bounds.
    TRect Render(TCanvas* canvas, const TRect& client, const AnsiString& caption, TButtonLayout layout,
        int margin, int spacing, bool popupMark, TGlyphState state, UINT flags);

    TNotifyEvent OnChange; // after the strip changed

private:
    static AnsiString CaptionBuffer(const AnsiString& caption, int maxLength);
    int StoreStateGlyph(TGlyphState state, int width, int height);
    void DropListWithoutGlyphs();
    std::unique_ptr<TBitmap> FSourceGlyph;
    TGlyphList* FGlyphList = nullptr; // not owned
    std::array<int, kGlyphStateCount> FStateIndexes { -1, -1, -1, -1, -1 };
    TColor FTransparentColor = clFuchsia;
    std::uint8_t FNumGlyphs = 1;
    bool FWordWrap = false;
    TAlignment FAlignment = taCenter;
};

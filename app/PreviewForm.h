// SPDX-License-Identifier: MIT
// The seam preview: a window of its own showing the current tile repeated as a map lays it
// out, so a seam between neighbours shows before the tile is saved. A speed-button toolbar
// picks its magnification.
#pragma once

#include "platform/vcl/forms/Forms.h"
#include "platform/vcl/standardcontrols/ExtCtrls.h"
#include "widgets/SpeedButton.h"

#include <cstdint>
#include <span>

class TPreviewForm : public TForm {
public:
    explicit TPreviewForm(TComponent* owner);
    const char* ClassName() const override { return "TPreviewForm"; }

    // Lays out the tile with its opacity (a byte a pixel); an empty tile empties the map. The
    // tile's upper faceHeight rows (0: all) cover its cell; a block's sides stand below them.
    void ShowTile(const TBitmap& tile, std::span<const std::uint8_t> alpha, int faceHeight = 0);

    TSpeedButton* ActualSizeBtn = nullptr;
    TSpeedButton* DoubleSizeBtn = nullptr;
    TImage* MapImg = nullptr;

private:
    TSpeedButton* AddZoomButton(const AnsiString& caption, int left);
    // Sizes the map and the window to the magnification chosen.
    void Arrange();
};

// Copies of the tile across and down the preview's map.
inline constexpr int kPreviewColumns = 4;
inline constexpr int kPreviewRows = 4;

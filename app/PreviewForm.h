// SPDX-License-Identifier: MIT
// The seam preview: a window of its own showing the current tile repeated as a map editor
// lays it out, to the pixel, so a seam between neighbours shows before the tile is saved, and
// its caption tells whether the map has holes. A speed-button toolbar picks its magnification.
#pragma once

#include "platform/vcl/forms/Forms.h"
#include "platform/vcl/standardcontrols/ExtCtrls.h"
#include "tile/PictureTile.h"
#include "widgets/SpeedButton.h"

class TPreviewForm : public TForm {
public:
    explicit TPreviewForm(TComponent* owner);
    const char* ClassName() const override { return "TPreviewForm"; }

    // Lays out the tile as its file holds it, on its cell; an empty tile empties the map.
    void ShowTile(const TWrittenTile& tile);

    TSpeedButton* ActualSizeBtn = nullptr;
    TSpeedButton* DoubleSizeBtn = nullptr;
    TSpeedButton* SaveTilesetBtn = nullptr;
    TImage* MapImg = nullptr;

    TNotifyEvent OnSaveTileset; // fired by Save tileset... when assigned

private:
    TSpeedButton* AddButton(const AnsiString& caption, int left, int width);
    TSpeedButton* AddZoomButton(const AnsiString& caption, int left);
    // Sizes the map and the window to the magnification chosen.
    void Arrange();
};

// Copies of the tile across and down the preview's map.
inline constexpr int kPreviewColumns = 4;
inline constexpr int kPreviewRows = 4;

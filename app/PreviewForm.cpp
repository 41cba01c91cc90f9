// SPDX-License-Identifier: MIT
#include "app/PreviewForm.h"

#include "platform/vcl/forms/Screen.h"
#include "tile/TileMosaic.h"

#include <algorithm>

namespace {

constexpr int kGap = 4;
constexpr int kButtonWidth = 41;
constexpr int kSaveTilesetWidth = 96;
constexpr int kButtonHeight = 22;
constexpr int kToolbarHeight = kButtonHeight + 2 * kGap;
// Dark enough that a gap between tiles, or a white fringe, stands out.
constexpr COLORREF kGround = RGB(48, 52, 56);

} // namespace

TPreviewForm::TPreviewForm(TComponent* owner)
    : TForm(owner)
{
    SetCaption("Preview");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    ActualSizeBtn = AddZoomButton("1:1", kGap);
    DoubleSizeBtn = AddZoomButton("2:1", kGap + kButtonWidth - 1);
    ActualSizeBtn->SetDown(true);
    SaveTilesetBtn = AddButton("Save tileset...", 2 * kGap + 2 * kButtonWidth, kSaveTilesetWidth);
    SaveTilesetBtn->OnClick = [this](TObject* sender) {
        if (OnSaveTileset)
            OnSaveTileset(sender);
    };
    MapImg = new TImage(this);
    MapImg->SetParent(this);
    MapImg->SetStretch(true);
    MapImg->SetBounds(0, kToolbarHeight, 0, 0);
    Arrange();
}

TSpeedButton* TPreviewForm::AddButton(const AnsiString& caption, int left, int width)
{
    auto* button = new TSpeedButton(this);
    button->SetParent(this);
    button->SetCaption(caption);
    button->SetBounds(left, kGap, width, kButtonHeight);
    return button;
}

TSpeedButton* TPreviewForm::AddZoomButton(const AnsiString& caption, int left)
{
    TSpeedButton* button = AddButton(caption, left, kButtonWidth);
    button->SetGroupIndex(1);
    button->OnClick = [this](TObject*) { Arrange(); };
    return button;
}

void TPreviewForm::ShowTile(const TWrittenTile& tile)
{
    TMosaic mosaic = TileMosaic(tile.colours, tile.alpha, kPreviewColumns, kPreviewRows, kGround, tile.cell);
    TBitmap map;
    map.SetRaster(std::move(mosaic.picture));
    if (map.Empty()) {
        MapImg->Picture()->Assign(nullptr);
        SetCaption("Preview");
    } else {
        MapImg->Picture()->Assign(&map);
        SetCaption(mosaic.holes == 0 ? AnsiString("Preview: no holes")
                                     : "Preview: " + IntToStr(mosaic.holes) + " pixels show through");
    }
    Arrange();
}

void TPreviewForm::Arrange()
{
    const int zoom = DoubleSizeBtn->Down() ? 2 : 1;
    const int width = MapImg->Picture()->Width() * zoom;
    const int height = MapImg->Picture()->Height() * zoom;
    MapImg->SetBounds(0, kToolbarHeight, width, height);
    // A map larger than the screen is cut at the screen's edge rather than pushing the
    // window's caption and toolbar off it.
    const TRect area = Screen->WorkAreaRect();
    SetClientSize(std::min(std::max(width, 3 * kGap + 2 * kButtonWidth + kSaveTilesetWidth), area.Width()),
        std::min(kToolbarHeight + height, area.Height()));
    KeepOnScreen();
}

// SPDX-License-Identifier: MIT
#include "app/PreviewForm.h"

#include "platform/vcl/forms/Screen.h"
#include "tile/TileMosaic.h"

#include <algorithm>

namespace {

constexpr int kGap = 4;
constexpr int kButtonWidth = 41;
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
    MapImg = new TImage(this);
    MapImg->SetParent(this);
    MapImg->SetStretch(true);
    MapImg->SetBounds(0, kToolbarHeight, 0, 0);
    Arrange();
}

TSpeedButton* TPreviewForm::AddZoomButton(const AnsiString& caption, int left)
{
    auto* button = new TSpeedButton(this);
    button->SetParent(this);
    button->SetCaption(caption);
    button->SetGroupIndex(1);
    button->SetBounds(left, kGap, kButtonWidth, kButtonHeight);
    button->OnClick = [this](TObject*) { Arrange(); };
    return button;
}

void TPreviewForm::ShowTile(const TBitmap& tile, std::span<const std::uint8_t> alpha, int faceHeight)
{
    TBitmap map;
    map.SetRaster(TileMosaic(tile.Raster(), alpha, kPreviewColumns, kPreviewRows, kGround, faceHeight));
    if (map.Empty())
        MapImg->Picture()->Assign(nullptr);
    else
        MapImg->Picture()->Assign(&map);
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
    SetClientSize(std::min(std::max(width, 2 * kGap + 2 * kButtonWidth), area.Width()),
        std::min(kToolbarHeight + height, area.Height()));
    KeepOnScreen();
}

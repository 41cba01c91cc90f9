// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/ExtCtrls.h"

TImage::TImage(TComponent* owner)
    : TGraphicControl(owner)
    , FPicture(std::make_unique<TPicture>())
{
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    FPicture->OnChange = nullptr;
}

void TImage::SetStretch(bool value)
{
    if (value == FStretch)
        return;
    FStretch = value;
    Invalidate();
}

void TImage::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    PictureChanged();
}

void TImage::PictureChanged()
{
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(FLeft, FTop, FPicture->Width(), FPicture->Height());
    Invalidate();
}

TCanvas* TImage::Canvas()
{
    TGraphic* graphic = FPicture->Graphic();
    if (!graphic) {
        TBitmap* bitmap = FPicture->Bitmap();
        bitmap->SetSize(FWidth, FHeight);
        return bitmap->Canvas();
    }
    auto* bitmap = dynamic_cast<TBitmap*>(graphic);
    if (!bitmap)
        throw EInvalidOperation("Can only modify an image if it contains a bitmap");
    return bitmap->Canvas();
}

void TImage::Paint()
{
    TGraphic* graphic = FPicture->Graphic();
    if (!graphic || graphic->Empty())
        return;
    TCanvas* canvas = TGraphicControl::Canvas();
    canvas->SetCopyMode(SRCCOPY);
    if (FStretch)
        canvas->StretchDraw(ClientRect(), graphic);
    else
        canvas->Draw(0, 0, graphic);
}

// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/Graphics.h"

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* value)
{
    if (!value) {
        Adopt(nullptr);
        return;
    }
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(value);
    Adopt(std::move(copy));
}

TBitmap* TPicture::Bitmap()
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(FGraphic.get()))
        return bitmap;
    Adopt(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::LoadFromFile(const AnsiString& fileName)
{
    // Loaded aside first, so a failed load leaves the picture as it was.
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(fileName);
    Adopt(std::move(bitmap));
}

void TPicture::SaveToFile(const AnsiString& fileName)
{
    if (!FGraphic || FGraphic->Empty())
        throw EInvalidGraphicOperation("There is no picture to save");
    FGraphic->SaveToFile(fileName);
}

void TPicture::Assign(const TPersistent* source)
{
    if (source == nullptr) {
        Adopt(nullptr);
        return;
    }
    if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        SetGraphic(picture->FGraphic.get());
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(source);
}

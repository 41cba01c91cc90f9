// SPDX-License-Identifier: MIT
// The picture control: a windowless control showing a TPicture.
#pragma once

#include "platform/vcl/controls/GraphicControl.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;
    const char* ClassName() const override { return "TImage"; }

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* value) { FPicture->Assign(value); }
    // Off: the picture is drawn at its natural size from the top-left corner, clipped to
    // the control. On: it is scaled over the whole client area.
    bool Stretch() const { return FStretch; } // false
    void SetStretch(bool value);
    // On: the control takes the picture's size whenever the picture changes.
    bool AutoSize() const { return FAutoSize; } // false
    void SetAutoSize(bool value);

    // The canvas of the picture's bitmap, for drawing into the picture. An empty picture
    // first gets a bitmap of the control's size; a picture of another kind is refused.
    TCanvas* Canvas();

protected:
    void Paint() override;
    void PictureChanged();

private:
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FAutoSize = false;
};

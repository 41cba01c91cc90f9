// SPDX-License-Identifier: MIT
// The file dialogs for pictures: their filter starts out as the picture formats we read.
#pragma once

#include "platform/vcl/dialogs/Dialogs.h"

// The filter of every picture format TPicture reads.
inline constexpr const char* kGraphicFilter = "Bitmaps (*.bmp)|*.bmp";

class TOpenPictureDialog : public TOpenDialog {
public:
    explicit TOpenPictureDialog(TComponent* owner);
    const char* ClassName() const override { return "TOpenPictureDialog"; }
};

class TSavePictureDialog : public TOpenPictureDialog {
public:
    explicit TSavePictureDialog(TComponent* owner)
        : TOpenPictureDialog(owner)
    {
    }
    const char* ClassName() const override { return "TSavePictureDialog"; }

    bool Execute() override;
};

// SPDX-License-Identifier: MIT
// The host's push button for a button of ours: Qt's own, plus the classic dotted focus
// rectangle once the keyboard has moved the focus, so a user who tabs sees where Space goes.
#pragma once

#include <QPushButton>

class QtPushButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// SPDX-License-Identifier: MIT
#include "platform/qt/QtPushButton.h"

#include <QPainter>
#include <QPen>

namespace {

// The rectangle lies this far inside the button's edge, clear of its bevel.
constexpr int kFocusInset = 4;

} // namespace

void QtPushButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    // Focus given by a click or by the program shows nothing, as on the classic desktop,
    // until the keyboard is used to move it.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(this);
    // Every other pixel, a whole pixel of the screen at any scale.
    QPen pen(palette().color(QPalette::ButtonText));
    pen.setCosmetic(true);
    pen.setWidth(1);
    pen.setDashPattern({ 1.0, 1.0 });
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
}

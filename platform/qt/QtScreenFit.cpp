// SPDX-License-Identifier: MIT
#include "platform/qt/QtScreenFit.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

QRect AvailableArea(const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void FitMessageBox(QMessageBox& box)
{
    const QRect area = AvailableArea(box.parentWidget());
    // The label is the one Qt names for style sheets; a box without it is left as it is.
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!label || !grid || grid->indexOf(label) < 0)
        return;
    const int room = area.height() / 2;
    if (label->sizeHint().height() <= room)
        return;
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(label);
    auto* scroll = new QScrollArea(&box);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(label);
    scroll->setFixedHeight(room);
    // Wide enough for the text beside a scroll bar, within the screen.
    scroll->setMinimumWidth(std::min(
        label->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width(), area.width() / 2));
    grid->addWidget(scroll, row, column, rowSpan, columnSpan);
}

void FitDialog(QDialog& dialog)
{
    const QSize room = AvailableArea(dialog.parentWidget()).size();
    dialog.setMaximumSize(room);
    dialog.resize(dialog.sizeHint().boundedTo(room));
}

// SPDX-License-Identifier: MIT
// Keeping the host's own dialogs within the screen's available area, so their buttons can
// always be reached, however long their text and however large the screen's pixels.
#pragma once

class QDialog;
class QMessageBox;
class QRect;
class QWidget;

// The available area (without panels and docks) of the screen the widget is shown on, or
// of the primary screen.
QRect AvailableArea(const QWidget* widget);

// A message box whose text would make it taller than half the available area shows the
// text in a scroll area of that height, its buttons below it as always.
void FitMessageBox(QMessageBox& box);

// A dialog no larger than the available area.
void FitDialog(QDialog& dialog);

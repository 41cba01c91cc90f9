// SPDX-License-Identifier: MIT
// A top-level window of ours on the screen: it shows the client area as our own code
// last painted it into the window's buffer, and turns the user's input into queued messages.
#pragma once

#include "platform/win32/internal/WindowRecord.h"

#include <QImage>
#include <QWidget>

class QtTopLevelWindow final : public QWidget {
public:
    explicit QtTopLevelWindow(HWND window);

    HWND Window() const { return FWindow; }
    // Copies the rectangle (in the buffer's pixels) from the window's buffer and repaints it.
    void Present(const TRect& rect);
    void ApplyBounds();
    void ApplyStyle();
    // Shows the window, above its owner's if it has one: the window manager keeps it there and
    // gives the activation back to the owner when it goes.
    void ShowAboveOwner();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Takes a drag of local files when the window is registered for dropped files.
    bool TakeDrag(QDropEvent* event);
    void PostMouse(QMouseEvent* event, UINT message);
    void PostKey(QKeyEvent* event, bool down);
    // Keeps the image the size and ratio of the window's buffer, whole as last painted.
    void MatchImageToBuffer();
    // Asks the toolkit for a buffer of the screen's ratio when the window's screen has another.
    void FollowPixelRatio();

    HWND FWindow;
    QImage FImage;
};

// Keeps a native control's place, size and visibility in step with its record: it sits at
// its offset in the top-level client area, cut to what its containers let show.
void PlaceNativeControl(QWidget* control, HWND window);

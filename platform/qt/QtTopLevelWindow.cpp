// SPDX-License-Identifier: MIT
#include "platform/qt/QtTopLevelWindow.h"

#include "platform/gdi/DeviceScale.h"
#include "platform/qt/QtInputMapping.h"
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/shell/ShellApi.h"
#include "platform/win32/windows/Host.h"
#include "platform/win32/windows/WinUser.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QRegion>
#include <QWindow>

#include <algorithm>
#include <cmath>

using namespace win32_internal;

namespace {

// An owned window is a dialog to the window system, which keeps it above its owner's window.
Qt::WindowFlags FlagsForStyle(DWORD style, bool owned)
{
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == 0 && (style & WS_POPUP))
        return flags | Qt::FramelessWindowHint;
    flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

QtTopLevelWindow::QtTopLevelWindow(HWND window)
    : FWindow(window)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // A click on our painted area leaves the keyboard where it is, as a click on a window
    // that cannot take the focus does; a control of ours that wants it takes it itself.
    setFocusPolicy(Qt::NoFocus);
    // Whether a drop is welcome is asked of the window's registration at each drag.
    setAcceptDrops(true);
    setWindowTitle(QString::fromStdString(window->text));
    FollowPixelRatio();
    ApplyStyle();
    ApplyBounds();
}

void QtTopLevelWindow::FollowPixelRatio()
{
    const double ratio = devicePixelRatioF();
    if (UsablePixelRatio(ratio) == FWindow->paintBuffer.scale)
        return;
    try {
        HostPixelRatioChanged(FWindow, ratio);
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void QtTopLevelWindow::ApplyStyle()
{
    const bool wasVisible = isVisible();
    setWindowFlags(FlagsForStyle(FWindow->style, FWindow->owner != nullptr));
    ApplyBounds();
    if (wasVisible)
        ShowAboveOwner();
}

void QtTopLevelWindow::ShowAboveOwner()
{
    // The link lives in the native windows only, so neither widget deletes the other; it is made
    // anew before each showing, since a change of flags makes a new native window.
    if (auto* owner = FWindow->owner ? static_cast<QWidget*>(FWindow->owner->hostData) : nullptr) {
        winId();
        owner->winId();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
    show();
}

void QtTopLevelWindow::ApplyBounds()
{
    const TRect& bounds = FWindow->bounds;
    const QSize size(std::max(bounds.Width(), 1), std::max(bounds.Height(), 1));
    if (FWindow->style & WS_THICKFRAME) {
        setMinimumSize(1, 1);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    } else
        setFixedSize(size);
    move(bounds.Left, bounds.Top);
    MatchImageToBuffer();
}

void QtTopLevelWindow::MatchImageToBuffer()
{
    const GdiBitmap& buffer = FWindow->paintBuffer;
    const QSize size(std::max(buffer.raster.width, 1), std::max(buffer.raster.height, 1));
    if (FImage.size() == size && FImage.devicePixelRatio() == buffer.scale)
        return;
    FImage = QImage(size, QImage::Format_RGB32);
    FImage.setDevicePixelRatio(buffer.scale);
    FImage.fill(Qt::black);
    Present(Rect(0, 0, size.width(), size.height()));
}

void QtTopLevelWindow::Present(const TRect& rect)
{
    MatchImageToBuffer();
    const PixelRaster& raster = FWindow->paintBuffer.raster;
    const TRect area = IntersectRects(
        rect, Rect(0, 0, std::min(raster.width, FImage.width()), std::min(raster.height, FImage.height())));
    if (area.IsEmpty())
        return;
    for (int row = area.Top; row < area.Bottom; ++row) {
        const COLORREF* source = raster.Row(row);
        auto* target = reinterpret_cast<QRgb*>(FImage.scanLine(row));
        for (int column = area.Left; column < area.Right; ++column) {
            const COLORREF pixel = source[column];
            target[column] = qRgb(GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
        }
    }
    // The logical rectangle that covers the pixels copied.
    const double ratio = FImage.devicePixelRatio();
    const int left = int(std::floor(area.Left / ratio));
    const int top = int(std::floor(area.Top / ratio));
    update(QRect(
        left, top, int(std::ceil(area.Right / ratio)) - left, int(std::ceil(area.Bottom / ratio)) - top));
}

void QtTopLevelWindow::paintEvent(QPaintEvent*)
{
    // A window moved to a screen of another ratio is repainted by the window system; the
    // toolkit then paints a buffer of the new ratio, and the old one shows until it has.
    FollowPixelRatio();
    QPainter painter(this);
    // An image of the widget's own ratio lands one buffer pixel on one device pixel; the
    // painter is already clipped to what needs painting.
    painter.drawImage(QPointF(0, 0), FImage);
}

void QtTopLevelWindow::PostMouse(QMouseEvent* event, UINT message)
{
    const QPoint point = event->position().toPoint();
    PostHostMouseInput(
        FWindow, message, Point(point.x(), point.y()), MouseKeysFor(event->buttons(), event->modifiers()));
}

void QtTopLevelWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PostMouse(event, WM_LBUTTONDOWN);
    else if (event->button() == Qt::RightButton)
        PostMouse(event, WM_RBUTTONDOWN);
    else if (event->button() == Qt::MiddleButton)
        PostMouse(event, WM_MBUTTONDOWN);
}

void QtTopLevelWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PostMouse(event, WM_LBUTTONUP);
    else if (event->button() == Qt::RightButton)
        PostMouse(event, WM_RBUTTONUP);
    else if (event->button() == Qt::MiddleButton)
        PostMouse(event, WM_MBUTTONUP);
}

void QtTopLevelWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PostMouse(event, WM_LBUTTONDBLCLK);
    else if (event->button() == Qt::RightButton)
        PostMouse(event, WM_RBUTTONDBLCLK);
}

void QtTopLevelWindow::mouseMoveEvent(QMouseEvent* event)
{
    PostMouse(event, WM_MOUSEMOVE);
}

void QtTopLevelWindow::leaveEvent(QEvent*)
{
    PostHostMouseInput(FWindow, WM_MOUSELEAVE, {}, 0);
}

void QtTopLevelWindow::PostKey(QKeyEvent* event, bool down)
{
    const int virtualKey = VirtualKeyFor(event->key());
    if (virtualKey != 0)
        PostHostKeyInput(FWindow, down ? WM_KEYDOWN : WM_KEYUP, WPARAM(virtualKey), 0);
    if (!down)
        return;
    const QByteArray text = event->text().toUtf8();
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte >= 0x20 && byte != 0x7F)
            PostHostKeyInput(FWindow, WM_CHAR, WPARAM(byte), 0);
    }
}

void QtTopLevelWindow::keyPressEvent(QKeyEvent* event)
{
    PostKey(event, true);
}
void QtTopLevelWindow::keyReleaseEvent(QKeyEvent* event)
{
    PostKey(event, false);
}

void QtTopLevelWindow::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // The keyboard comes here when our code gives it to a container of this window, or when
    // no native control of it had it; a container that already has the focus keeps it.
    const HWND focus = GetFocus();
    if (!focus || TopLevelOf(focus) != FWindow || IsNative(focus))
        HostFocusChanged(FWindow);
}

void QtTopLevelWindow::closeEvent(QCloseEvent* event)
{
    // Closing is the program's decision: it hears of the wish and closes the window itself.
    event->ignore();
    PostMessageA(FWindow, WM_CLOSE, 0, 0);
}

bool QtTopLevelWindow::TakeDrag(QDropEvent* event)
{
    if (!AcceptsDroppedFiles(FWindow) || LocalFiles(event->mimeData()).empty()) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void QtTopLevelWindow::dragEnterEvent(QDragEnterEvent* event)
{
    TakeDrag(event);
}

void QtTopLevelWindow::dragMoveEvent(QDragMoveEvent* event)
{
    TakeDrag(event);
}

void QtTopLevelWindow::dropEvent(QDropEvent* event)
{
    if (TakeDrag(event))
        PostHostDroppedFiles(FWindow, LocalFiles(event->mimeData()));
}

void QtTopLevelWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // Where the user put the window is where it stays when the program resizes it later.
    if (!event->spontaneous() || !isVisible())
        return;
    const QPoint position = pos();
    TRect& bounds = FWindow->bounds;
    if (bounds.Left == position.x() && bounds.Top == position.y())
        return;
    bounds = Bounds(position.x(), position.y(), bounds.Width(), bounds.Height());
    PostMessageA(FWindow, WM_MOVE, 0, MAKELPARAM(position.x(), position.y()));
}

bool QtTopLevelWindow::focusNextPrevChild(bool next)
{
    // The tab order is the toolkit's, not Qt's creation order. From now on the focus is shown.
    setAttribute(Qt::WA_KeyboardFocusChange);
    SetKeyDown(VK_SHIFT, !next);
    PostMessageA(FWindow, WM_KEYDOWN, VK_TAB, 0);
    return true;
}

void QtTopLevelWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Whether one of our windows is in front decides if hovering highlights anything.
    if (event->type() == QEvent::ActivationChange)
        HostActivationChanged(FWindow, isActiveWindow());
}

void PlaceNativeControl(QWidget* control, HWND window)
{
    const TPoint offset = WindowOffsetInTopLevel(window);
    const TRect visible = VisibleWindowRectInTopLevel(window);
    const bool shown = IsWindowVisible(window) && !visible.IsEmpty();
    control->setGeometry(
        offset.x, offset.y, std::max(window->bounds.Width(), 1), std::max(window->bounds.Height(), 1));
    // Our own windows inside the control are painted in the top-level buffer beneath it, so
    // the control leaves them uncovered; they are seen there and take their own clicks.
    QRegion cutOut;
    for (HWND child : window->children) {
        if (!child->visible)
            continue;
        TRect area = IntersectRects(VisibleWindowRectInTopLevel(child), visible);
        if (!area.IsEmpty())
            cutOut += QRegion(area.Left - offset.x, area.Top - offset.y, area.Width(), area.Height());
    }
    const bool clipped = visible.Width() < window->bounds.Width() || visible.Height() < window->bounds.Height();
    if (shown && (clipped || !cutOut.isEmpty()))
        control->setMask(
            QRegion(visible.Left - offset.x, visible.Top - offset.y, visible.Width(), visible.Height()) - cutOut);
    else
        control->clearMask();
    control->setEnabled(IsWindowEnabled(window));
    control->setVisible(shown);
}

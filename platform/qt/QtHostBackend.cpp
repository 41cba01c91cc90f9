// SPDX-License-Identifier: MIT
#include "platform/qt/QtHostBackend.h"

#include "platform/qt/QtFolderTree.h"
#include "platform/qt/QtInputMapping.h"
#include "platform/qt/QtPushButton.h"
#include "platform/qt/QtStrings.h"
#include "platform/qt/QtSystemColors.h"
#include "platform/qt/QtTopLevelWindow.h"
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/resources/ResourceTable.h"
#include "platform/win32/windows/WinUser.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace win32_internal;

namespace {

QtTopLevelWindow* TopLevelWidget(HWND window)
{
    return IsLive(window) && !window->parent ? static_cast<QtTopLevelWindow*>(window->hostData) : nullptr;
}

// Edits keep byte offsets into UTF-8 text; Qt counts UTF-16 units.
int ByteOffset(const QString& text, int unitOffset)
{
    return int(text.left(unitOffset).toUtf8().size());
}
int UnitOffset(const AnsiString& text, int byteOffset)
{
    const auto clamped = std::size_t(std::clamp(byteOffset, 0, int(text.size())));
    return int(QString::fromUtf8(text.data(), qsizetype(clamped)).size());
}

void ReportEditState(HWND edit, QLineEdit* line)
{
    const QString text = line->text();
    int start = line->cursorPosition();
    int length = 0;
    if (line->hasSelectedText()) {
        start = line->selectionStart();
        length = int(line->selectedText().size());
    }
    const int byteStart = ByteOffset(text, start);
    HostEditChanged(edit, FromQString(text), byteStart, ByteOffset(text, start + length) - byteStart);
}

QIcon IconFor(const IconResource* icon)
{
    QIcon result;
    if (!icon)
        return result;
    for (const IconImage& image : icon->images) {
        const std::vector<std::uint32_t> pixels = image.ToArgb32();
        const QImage picture(reinterpret_cast<const uchar*>(pixels.data()), image.color.width,
            image.color.height, image.color.width * 4, QImage::Format_ARGB32);
        result.addPixmap(QPixmap::fromImage(picture.copy()));
    }
    return result;
}

} // namespace

QtHost::QtHost(int& argc, char** argv)
{
    if (!QApplication::instance())
        FOwnApplication = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    FPaletteWatcher = std::make_unique<PaletteWatcher>();
    qApp->installEventFilter(FPaletteWatcher.get());
    InstallHost(this);
    SetTextEngine(&FTextEngine);
    SetSysColorResolver([](int index) { return SystemColorFromPalette(QApplication::palette(), index); });
}

QtHost::~QtHost()
{
    SetSysColorResolver({});
    SetTextEngine(nullptr);
    if (CurrentHost() == this)
        InstallHost(nullptr);
    qApp->removeEventFilter(FPaletteWatcher.get());
    FTimers.clear();
    // Windows still open belong to records that outlive us; they go with the application.
    for (HWND window : TopLevelWindows()) {
        delete TopLevelWidget(window);
        window->hostData = nullptr;
    }
}

bool PaletteWatcher::eventFilter(QObject* watched, QEvent* event)
{
    // Our colours resolve from the palette on every use; the windows must repaint.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        for (HWND window : TopLevelWindows())
            PostMessageA(window, CM_SYSCOLORCHANGE, 0, 0);
    return false;
}

bool QtHost::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const auto hwnd = static_cast<HWND>(widget->property("durnikWindow").value<void*>());
    if (!IsLive(hwnd) || hwnd->hostData != widget)
        return false;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        try {
            if (FLineEdits.Filter(hwnd, line, event))
                return true;
        } catch (const std::exception& error) {
            ReportError(error);
            return true;
        }
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        HostFocusChanged(hwnd);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int virtualKey = VirtualKeyFor(key->key());
        if (virtualKey)
            SetKeyDown(virtualKey, event->type() == QEvent::KeyPress);
        if (event->type() == QEvent::KeyPress && hwnd->kind == WindowKind::NativeButton)
            return PostButtonShortCut(hwnd, *key, virtualKey);
        break;
    }
    default:
        break;
    }
    return false;
}

bool QtHost::PostButtonShortCut(HWND button, const QKeyEvent& key, int virtualKey)
{
    // A push button has no use for a key with Ctrl or Alt; it may be a shortcut of the form,
    // which hears of it through the queue as from any other control.
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool alt = modifiers & Qt::AltModifier;
    if (!virtualKey || !(modifiers & Qt::ControlModifier || alt) || virtualKey == VK_CONTROL
        || virtualKey == VK_MENU || virtualKey == VK_SHIFT)
        return false;
    SetKeyDown(VK_SHIFT, modifiers & Qt::ShiftModifier);
    SetKeyDown(VK_CONTROL, modifiers & Qt::ControlModifier);
    SetKeyDown(VK_MENU, alt);
    PostHostKeyInput(TopLevelOf(button), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, WPARAM(virtualKey), 0);
    return true;
}

QWidget* QtHost::CreateNativeControl(HWND window)
{
    QtTopLevelWindow* topLevel = TopLevelWidget(TopLevelOf(window));
    if (!topLevel)
        return nullptr;
    QWidget* control = nullptr;
    if (window->kind == WindowKind::NativeButton) {
        auto* button = new QtPushButton(ToQString(window->text), topLevel);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, button, [window] { HostButtonClicked(window); });
        control = button;
    } else if (window->kind == WindowKind::NativeFolderTree) {
        control = new QtFolderTree(window, topLevel);
    } else {
        QLineEdit* line = FLineEdits.Create(window, topLevel);
        line->setReadOnly(window->readOnly);
        line->setCursorPosition(0);
        QObject::connect(
            line, &QLineEdit::textEdited, line, [window, line] { ReportEditState(window, line); });
        QObject::connect(
            line, &QLineEdit::cursorPositionChanged, line, [window, line] { ReportEditState(window, line); });
        QObject::connect(
            line, &QLineEdit::selectionChanged, line, [window, line] { ReportEditState(window, line); });
        control = line;
    }
    control->setProperty("durnikWindow", QVariant::fromValue<void*>(window));
    control->setFocusPolicy((window->style & WS_TABSTOP) || window->kind != WindowKind::NativeButton
            ? Qt::StrongFocus
            : Qt::ClickFocus);
    control->installEventFilter(this);
    return control;
}

void QtHost::WindowCreated(HWND window)
{
    if (!window->parent) {
        auto* widget = new QtTopLevelWindow(window);
        widget->setWindowIcon(IconFor(window->icon ? window->icon : FindIconResource("MAINICON")));
        window->hostData = widget;
        if (window->visible)
            widget->ShowAboveOwner();
        return;
    }
    QWidget* control = CreateNativeControl(window);
    window->hostData = control;
    if (!control)
        return;
    if (window->font)
        control->setFont(QtFontFor(window->font->logFont));
    PlaceNativeControl(control, window);
}

void QtHost::WindowDestroyed(HWND window)
{
    auto* widget = static_cast<QWidget*>(window->hostData);
    window->hostData = nullptr;
    if (!widget)
        return;
    widget->removeEventFilter(this);
    FLineEdits.Forget(window);
    delete widget;
}

void QtHost::NativeKeyArrived(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsLive(window) && window->kind == WindowKind::NativeEdit)
        FLineEdits.KeyArrived(window, message, wParam, lParam);
}

void QtHost::ApplyTopLevelChange(HWND window, WindowChange change)
{
    QtTopLevelWindow* widget = TopLevelWidget(window);
    if (!widget)
        return;
    switch (change) {
    case WindowChange::Bounds:
        widget->ApplyBounds();
        break;
    case WindowChange::Visible:
        if (window->visible) {
            widget->ShowAboveOwner();
            widget->raise();
            widget->activateWindow();
        } else
            widget->hide();
        break;
    case WindowChange::Enabled:
        widget->setEnabled(window->enabled);
        break;
    case WindowChange::Text:
        widget->setWindowTitle(ToQString(window->text));
        break;
    case WindowChange::Icon:
        widget->setWindowIcon(IconFor(window->icon));
        break;
    case WindowChange::Style:
        widget->ApplyStyle();
        break;
    case WindowChange::Font:
    case WindowChange::ReadOnly:
    case WindowChange::MaxLength:
    case WindowChange::Selection:
    case WindowChange::ZOrder:
    case WindowChange::Items:
    case WindowChange::TextArea:
    case WindowChange::Colors:
        break;
    }
}

void QtHost::ApplyNativeChange(HWND window, WindowChange change)
{
    auto* control = static_cast<QWidget*>(window->hostData);
    if (!control)
        return;
    auto* button = qobject_cast<QPushButton*>(control);
    auto* line = qobject_cast<QLineEdit*>(control);
    auto* tree = dynamic_cast<QtFolderTree*>(control);
    switch (change) {
    case WindowChange::Bounds:
    case WindowChange::Visible:
    case WindowChange::Enabled:
    case WindowChange::ZOrder:
        PlaceNativeControl(control, window);
        break;
    case WindowChange::Text:
        if (button)
            button->setText(ToQString(window->text));
        else if (line && FromQString(line->text()) != window->text) {
            const QSignalBlocker quiet(line);
            line->setText(ToQString(window->text));
            line->setCursorPosition(0);
        }
        break;
    case WindowChange::Font:
        if (window->font)
            control->setFont(QtFontFor(window->font->logFont));
        break;
    case WindowChange::ReadOnly:
        if (line)
            line->setReadOnly(window->readOnly);
        break;
    case WindowChange::MaxLength:
        if (line)
            line->setMaxLength(window->maxLength > 0 ? window->maxLength : 32767);
        break;
    case WindowChange::Items:
        if (tree)
            tree->SyncItems();
        break;
    case WindowChange::Selection:
        if (tree)
            tree->SyncSelection();
        if (line) {
            const QSignalBlocker quiet(line);
            const int start = UnitOffset(window->text, window->selStart);
            const int end = UnitOffset(window->text, window->selStart + window->selLength);
            line->setSelection(start, end - start);
        }
        break;
    case WindowChange::Style:
        if (button)
            button->setDefault((window->style & 0xF) == BS_DEFPUSHBUTTON);
        control->setFocusPolicy(window->style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
        break;
    case WindowChange::TextArea:
        if (line)
            ApplyLineEditTextArea(line, window);
        break;
    case WindowChange::Colors:
        if (line)
            ApplyLineEditColors(line, window);
        break;
    case WindowChange::Icon:
        break;
    }
}

void QtHost::WindowChanged(HWND window, WindowChange change)
{
    if (!IsLive(window))
        return;
    if (window->parent)
        ApplyNativeChange(window, change);
    else
        ApplyTopLevelChange(window, change);
}

void QtHost::Present(HWND topLevel, const TRect& rect)
{
    if (QtTopLevelWindow* widget = TopLevelWidget(topLevel))
        widget->Present(rect);
}

void QtHost::SetFocus(HWND window)
{
    if (!IsLive(window))
        return;
    if (IsNative(window)) {
        if (auto* control = static_cast<QWidget*>(window->hostData))
            control->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (QtTopLevelWindow* widget = TopLevelWidget(TopLevelOf(window)))
        widget->setFocus(Qt::OtherFocusReason);
}

TPoint QtHost::ScreenOrigin(HWND topLevel)
{
    QtTopLevelWindow* widget = TopLevelWidget(topLevel);
    if (!widget)
        return IsLive(topLevel) ? Point(topLevel->bounds.Left, topLevel->bounds.Top) : TPoint {};
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return Point(origin.x(), origin.y());
}

void QtHost::ProcessEvents(bool wait)
{
    if (FPumping)
        return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
}

void QtHost::WakeUp()
{
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

int QtHost::StartTimer(int intervalMs, std::function<void()> onTimeout)
{
    const int id = FNextTimerId++;
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(intervalMs);
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [callback = std::move(onTimeout)] {
        try {
            callback();
        } catch (const std::exception& error) {
            ReportError(error);
        }
    });
    timer->start();
    FTimers[id] = std::move(timer);
    return id;
}

void QtHost::StopTimer(int timerId)
{
    FTimers.erase(timerId);
}

TRect QtHost::ScreenRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return Rect(0, 0, 1024, 768);
    const QRect geometry = screen->geometry();
    return Bounds(geometry.x(), geometry.y(), geometry.width(), geometry.height());
}

TRect QtHost::WorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return ScreenRect();
    const QRect area = screen->availableGeometry();
    return Bounds(area.x(), area.y(), area.width(), area.height());
}

TPoint QtHost::CursorPos()
{
    const QPoint position = QCursor::pos();
    return Point(position.x(), position.y());
}

void QtHost::SetCursorPos(TPoint point)
{
    QCursor::setPos(point.x, point.y);
}

void QtHost::SetCursor(HCURSOR cursor)
{
    const QCursor shape = QtCursorFor(cursor);
    for (HWND window : TopLevelWindows())
        if (QtTopLevelWindow* widget = TopLevelWidget(window))
            widget->setCursor(shape);
}

AnsiString QtHost::ClipboardText()
{
    return FromQString(QGuiApplication::clipboard()->text());
}

void QtHost::SetClipboardText(const AnsiString& text)
{
    QGuiApplication::clipboard()->setText(ToQString(text));
}

void QtHost::PumpQueue()
{
    if (FPumping)
        return;
    FPumping = true;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Left for the loop that owns the quit.
            PostQuitMessage(int(message.wParam));
            break;
        }
        try {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } catch (const std::exception& error) {
            ReportError(error);
        }
    }
    FPumping = false;
}

QWidget* QtHost::DialogParent() const
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (const HWND active = GetActiveWindow(); IsLive(active))
        return TopLevelWidget(TopLevelOf(active));
    return nullptr;
}

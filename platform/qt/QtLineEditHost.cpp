// SPDX-License-Identifier: MIT
#include "platform/qt/QtLineEditHost.h"

#include "platform/qt/QtInputMapping.h"
#include "platform/qt/QtStrings.h"
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/shell/ShellApi.h"
#include "platform/win32/windows/Host.h"
#include "platform/win32/windows/WinUser.h"

#include <QAction>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <QUrl>

#include <vector>

using namespace win32_internal;

// One key press held back from the line edit until our handling of it is done. The serial
// travels in the low word of the messages' lParam, where the repeat count would be.
struct QtLineEdits::PendingKey {
    HWND window = nullptr;
    std::unique_ptr<QKeyEvent> event;
    int charsPosted = 0;
    std::string partialChar; // UTF-8 bytes of a character whose WM_CHARs are still coming
};

namespace {

constexpr LPARAM kAltContext = LPARAM(1) << 29;
constexpr int kPendingKept = 64;

// Characters that travel as WM_CHAR: printable ones, and Backspace, Enter and Escape,
// which edits and forms handle as characters.
bool TravelsAsChar(unsigned char byte)
{
    return (byte >= 0x20 && byte != 0x7F) || byte == 0x08 || byte == 0x0D || byte == 0x1B;
}

// The bytes a UTF-8 character takes, from its first byte; a stray byte stands alone.
std::size_t Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

Qt::Key KeyForChar(unsigned char byte)
{
    switch (byte) {
    case 0x08:
        return Qt::Key_Backspace;
    case 0x0D:
        return Qt::Key_Return;
    case 0x1B:
        return Qt::Key_Escape;
    default:
        return Qt::Key_unknown;
    }
}

void SendGuarded(HWND window, UINT message)
{
    try {
        SendMessageA(window, message, 0, 0);
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

} // namespace

QtLineEdits::QtLineEdits() = default;
QtLineEdits::~QtLineEdits() = default;

QLineEdit* QtLineEdits::Create(HWND window, QWidget* parent)
{
    auto* line = new QLineEdit(ToQString(window->text), parent);
    line->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(line, &QWidget::customContextMenuRequested, line, [window, line](const QPoint& where) {
        // The standard menu, except that changing the text goes through the program, which may
        // refuse it.
        std::unique_ptr<QMenu> menu(line->createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            UINT message = 0;
            if (action->objectName() == QStringLiteral("edit-cut"))
                message = WM_CUT;
            else if (action->objectName() == QStringLiteral("edit-paste"))
                message = WM_PASTE;
            else if (action->objectName() == QStringLiteral("edit-delete"))
                message = WM_CLEAR;
            if (message == 0)
                continue;
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QObject::connect(action, &QAction::triggered, line, [window, message] {
                if (IsLive(window))
                    SendGuarded(window, message);
            });
        }
        menu->exec(line->mapToGlobal(where));
    });
    return line;
}

bool QtLineEdits::Filter(HWND window, QLineEdit*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return FilterKey(window, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const int virtualKey = VirtualKeyFor(key->key())) {
            SetKeyDown(virtualKey, false);
            const bool alt = key->modifiers() & Qt::AltModifier;
            PostMessageA(window, alt ? WM_SYSKEYUP : WM_KEYUP, WPARAM(virtualKey), alt ? kAltContext : 0);
        }
        return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return FilterDrop(window, event);
    default:
        return false;
    }
}

bool QtLineEdits::FilterKey(HWND window, QKeyEvent* event)
{
    // Tab moves the focus in the toolkit's order; Qt hands it to the top-level window.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool alt = modifiers & Qt::AltModifier;
    // What the handlers read with GetKeyState is the state this key came with.
    SetKeyDown(VK_SHIFT, modifiers & Qt::ShiftModifier);
    SetKeyDown(VK_CONTROL, modifiers & Qt::ControlModifier);
    SetKeyDown(VK_MENU, alt);

    const int virtualKey = VirtualKeyFor(event->key());
    const QByteArray text = event->text().toUtf8();
    std::vector<unsigned char> chars;
    if (!alt)
        for (const char character : text)
            if (TravelsAsChar(static_cast<unsigned char>(character)))
                chars.push_back(static_cast<unsigned char>(character));
    if (virtualKey == 0 && chars.empty())
        return false;

    const int serial = FNextSerial;
    FNextSerial = FNextSerial % 0xFFFF + 1;
    FPending.erase(serial);
    // Keys the program consumed leave their entries behind; only the latest are kept.
    std::erase_if(FPending, [serial](const auto& entry) {
        const int age = (serial - entry.first + 0xFFFF) % 0xFFFF;
        return age >= kPendingKept;
    });
    auto pending = std::make_unique<PendingKey>();
    pending->window = window;
    pending->event = std::unique_ptr<QKeyEvent>(event->clone());
    pending->charsPosted = int(chars.size());
    FPending[serial] = std::move(pending);

    if (virtualKey != 0) {
        SetKeyDown(virtualKey, true);
        PostMessageA(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, WPARAM(virtualKey),
            LPARAM(serial) | (alt ? kAltContext : 0));
    }
    for (const unsigned char character : chars)
        PostMessageA(window, WM_CHAR, WPARAM(character), LPARAM(serial));
    return true;
}

void QtLineEdits::KeyArrived(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = FPending.find(int(lParam & 0xFFFF));
    if (found == FPending.end() || found->second->window != window)
        return; // not one of ours, or long gone
    PendingKey& pending = *found->second;
    QKeyEvent& original = *pending.event;

    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
        if (pending.charsPosted > 0)
            return; // the character does the work when it comes
        if (original.matches(QKeySequence::Cut)) {
            FPending.erase(found);
            SendMessageA(window, WM_CUT, 0, 0);
            return;
        }
        if (original.matches(QKeySequence::Paste)) {
            FPending.erase(found);
            SendMessageA(window, WM_PASTE, 0, 0);
            return;
        }
        const std::unique_ptr<QKeyEvent> event(original.clone());
        FPending.erase(found);
        Replay(window, *event);
        return;
    }
    if (message != WM_CHAR)
        return;
    // A handler may have changed the character; what arrives is what is typed.
    const auto byte = static_cast<unsigned char>(wParam);
    pending.partialChar.push_back(char(byte));
    if (pending.partialChar.size() < Utf8SequenceLength(static_cast<unsigned char>(pending.partialChar[0])))
        return;
    const QString typed = ToQString(pending.partialChar);
    pending.partialChar.clear();
    const bool unchanged = original.text() == typed || original.text().startsWith(typed);
    Qt::Key key = KeyForChar(byte);
    if (key == Qt::Key_unknown && unchanged)
        key = Qt::Key(original.key());
    QKeyEvent event(QEvent::KeyPress, key, original.modifiers() & Qt::ShiftModifier, typed);
    if (--pending.charsPosted <= 0)
        FPending.erase(found);
    Replay(window, event);
}

void QtLineEdits::Replay(HWND window, QKeyEvent& event)
{
    auto* line = qobject_cast<QLineEdit*>(static_cast<QObject*>(window->hostData));
    if (!line)
        return;
    // Straight to the line edit: not through the filters again, and a key it does not want
    // goes no further, since the program has already had it.
    static_cast<QObject*>(line)->event(&event);
}

void QtLineEdits::Forget(HWND window)
{
    std::erase_if(FPending, [window](const auto& entry) { return entry.second->window == window; });
}

bool QtLineEdits::FilterDrop(HWND window, QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const std::vector<AnsiString> files = LocalFiles(drop->mimeData());
    if (files.empty()) {
        // A file that is not local still must not land as the text of its address.
        if (drop->mimeData() && drop->mimeData()->hasUrls()) {
            drop->ignore();
            return true;
        }
        return false; // plain text: the line edit's own drop
    }
    if (!AcceptsDroppedFiles(window)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop)
        PostHostDroppedFiles(window, files);
    return true;
}

void ApplyLineEditTextArea(QLineEdit* line, HWND window)
{
    if (!window->textArea) {
        line->setTextMargins(0, 0, 0, 0);
        return;
    }
    const TRect client = ClientRectOf(window);
    const TRect& area = *window->textArea;
    line->setTextMargins(std::max(0, area.Left), 0, std::max(0, client.Width() - area.Right), 0);
}

void ApplyLineEditColors(QLineEdit* line, HWND window)
{
    if (!window->textColor || !window->backColor)
        return;
    const auto qtColor
        = [](COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); };
    QPalette palette = line->palette();
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        palette.setColor(group, QPalette::Text, qtColor(*window->textColor));
        palette.setColor(group, QPalette::Base, qtColor(*window->backColor));
    }
    line->setPalette(palette);
}

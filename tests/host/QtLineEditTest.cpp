// SPDX-License-Identifier: MIT
// The host's line edits: keys through our queue, cut and paste through messages, file drops,
// the text area, colours, and windows of ours inside a line edit.
#include "tests/host/HostTestWindows.h"

#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/shell/ShellApi.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// A subclass of the edit that keeps what it hears and refuses what the test says.
struct EditSpy {
    std::vector<ReceivedMessage> heard;
    std::vector<AnsiString> dropped;
    UINT refusedMessage = 0;
    WPARAM refusedParam = 0;
    bool altDownDuringKey = false;
};
EditSpy* gSpy = nullptr;
WNDPROC gEditProc = nullptr;

LRESULT SpyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    gSpy->heard.push_back({ window, message, wParam, lParam });
    if (message == WM_SYSKEYDOWN || message == WM_KEYDOWN)
        gSpy->altDownDuringKey = GetKeyState(VK_MENU) < 0;
    if (message == WM_DROPFILES) {
        const auto drop = reinterpret_cast<HDROP>(wParam);
        const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT index = 0; index < count; ++index) {
            std::string name(DragQueryFileA(drop, index, nullptr, 0) + 1, '\0');
            name.resize(DragQueryFileA(drop, index, name.data(), UINT(name.size())));
            gSpy->dropped.push_back(name);
        }
        DragFinish(drop);
        return 0;
    }
    if (message == gSpy->refusedMessage && (gSpy->refusedParam == 0 || gSpy->refusedParam == wParam))
        return 0;
    return CallWindowProcA(gEditProc, window, message, wParam, lParam);
}

class QtLineEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReceivedMessages().clear();
        gSpy = &FSpy;
        FWindow = CreateRecordingWindow(40, 30, 240, 120, "Line edit test ");
        FEdit = CreateWindowExA(
            WS_EX_CLIENTEDGE, kEditClass, "ab", WS_CHILD | WS_VISIBLE, 10, 20, 121, 21, FWindow, 3, nullptr);
        gEditProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(FEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpyProc)));
        FLine = qobject_cast<QLineEdit*>(WidgetOf(FEdit));
        DispatchQueued();
    }
    void TearDown() override
    {
        DestroyWindow(FWindow);
        DispatchQueued();
        gSpy = nullptr;
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(FLine, &press);
    }
    bool Heard(UINT message, WPARAM wParam) const
    {
        return std::any_of(FSpy.heard.begin(), FSpy.heard.end(),
            [&](const ReceivedMessage& heard) { return heard.message == message && heard.wParam == wParam; });
    }

    EditSpy FSpy;
    HWND FWindow = nullptr;
    HWND FEdit = nullptr;
    QLineEdit* FLine = nullptr;
};

TEST_F(QtLineEdit, TypedCharactersReachTheLineEditOnlyWhenTheProgramLetsThemThrough)
{
    FLine->setCursorPosition(2);
    FSpy.refusedMessage = WM_CHAR;
    FSpy.refusedParam = 'y';
    Press(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    Press(Qt::Key_Y, Qt::NoModifier, QStringLiteral("y"));
    Press(Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
    EXPECT_EQ(FLine->text(), QStringLiteral("ab"));
    DispatchQueued();
    EXPECT_TRUE(Heard(WM_KEYDOWN, 'Y'));
    EXPECT_TRUE(Heard(WM_CHAR, 'y'));
    EXPECT_EQ(FLine->text(), QStringLiteral("abxz"));
    EXPECT_EQ(GetWindowTextString(FEdit), "abxz");
}

TEST_F(QtLineEdit, EnterEscapeAndBackspaceTravelAsCharacters)
{
    FLine->setCursorPosition(2);
    Press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    Press(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    DispatchQueued();
    EXPECT_TRUE(Heard(WM_CHAR, 13));
    EXPECT_TRUE(Heard(WM_CHAR, 27));
    EXPECT_TRUE(Heard(WM_CHAR, 8));
    EXPECT_EQ(FLine->text(), QStringLiteral("a")) << "Backspace let through deletes";
}

TEST_F(QtLineEdit, AltKeysArriveAsSystemKeysWithTheAltStateSet)
{
    FSpy.refusedMessage = WM_SYSKEYDOWN;
    Press(Qt::Key_Down, Qt::AltModifier);
    DispatchQueued();
    EXPECT_TRUE(Heard(WM_SYSKEYDOWN, VK_DOWN));
    EXPECT_TRUE(FSpy.altDownDuringKey);
    Press(Qt::Key_Down);
    DispatchQueued();
    EXPECT_TRUE(Heard(WM_KEYDOWN, VK_DOWN));
    EXPECT_FALSE(FSpy.altDownDuringKey);
}

TEST_F(QtLineEdit, CutAndPasteKeysGoThroughMessagesTheProgramMayRefuse)
{
    SendMessageA(FEdit, EM_SETSEL, 0, 1);
    FSpy.refusedMessage = WM_CUT;
    Press(Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18"));
    DispatchQueued();
    EXPECT_TRUE(Heard(WM_CUT, 0));
    EXPECT_EQ(FLine->text(), QStringLiteral("ab"));

    FSpy.refusedMessage = 0;
    SendMessageA(FEdit, EM_SETSEL, 0, 1);
    Press(Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18"));
    DispatchQueued();
    EXPECT_EQ(FLine->text(), QStringLiteral("b"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a"));

    FSpy.refusedMessage = WM_PASTE;
    Press(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    DispatchQueued();
    EXPECT_TRUE(Heard(WM_PASTE, 0));
    EXPECT_EQ(FLine->text(), QStringLiteral("b"));
}

void DropFiles(QLineEdit* line, const QList<QUrl>& urls, bool* accepted)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint middle = line->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &enter);
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &drop);
    *accepted = drop.isAccepted();
}

TEST_F(QtLineEdit, DroppedLocalFilesReachARegisteredEditAsNamesNeverAsText)
{
    const QList<QUrl> urls { QUrl::fromLocalFile(QStringLiteral("/tmp/a b.bmp")),
        QUrl::fromLocalFile(QStringLiteral("/tmp/\u00e9t\u00e9")) };
    bool accepted = true;
    DropFiles(FLine, urls, &accepted);
    DispatchQueued();
    EXPECT_FALSE(accepted) << "not registered";
    EXPECT_TRUE(FSpy.dropped.empty());
    EXPECT_EQ(FLine->text(), QStringLiteral("ab"));

    DragAcceptFiles(FEdit, TRUE);
    DropFiles(FLine, urls, &accepted);
    EXPECT_TRUE(accepted);
    DispatchQueued();
    EXPECT_EQ(FSpy.dropped, (std::vector<AnsiString> { "/tmp/a b.bmp", "/tmp/\xC3\xA9t\xC3\xA9" }));
    EXPECT_EQ(FLine->text(), QStringLiteral("ab"));
    EXPECT_EQ(PendingDropCount(), 0);
}

TEST_F(QtLineEdit, OurWindowInsideTheEditIsCutOutAndTheTextStopsBeforeIt)
{
    WNDCLASSA holderClass;
    holderClass.lpfnWndProc = &DefWindowProcA;
    holderClass.lpszClassName = "DurnikHostTestHolder";
    RegisterClassA(holderClass);
    // In the client area, inside the 2-pixel client edge.
    HWND holder = CreateWindowExA(
        0, "DurnikHostTestHolder", "", WS_CHILD | WS_VISIBLE, 96, 0, 21, 17, FEdit, 0, nullptr);
    EXPECT_EQ(FLine->geometry(), QRect(10, 20, 121, 21));
    EXPECT_FALSE(FLine->mask().contains(QPoint(100, 5)));
    EXPECT_TRUE(FLine->mask().contains(QPoint(90, 5)));
    // A click there goes to our window, in its own coordinates.
    EXPECT_EQ(ChildWindowFromPointDeep(FWindow, Point(10 + 2 + 100, 20 + 2 + 5)), holder);

    const TRect area = Rect(0, 0, 94, 18);
    SendMessageA(FEdit, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&area));
    EXPECT_EQ(FLine->textMargins().right(), 117 - 94);
    TRect asked;
    SendMessageA(FEdit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&asked));
    EXPECT_EQ(asked, area);

    ShowWindow(holder, SW_HIDE);
    EXPECT_TRUE(FLine->mask().isEmpty()) << "nothing left to cut out";
    ShowWindow(holder, SW_SHOW);
    SetWindowPos(holder, nullptr, 50, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_FALSE(FLine->mask().contains(QPoint(55, 5)));
    EXPECT_TRUE(FLine->mask().contains(QPoint(100, 5)));
}

LRESULT ColoringProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLOREDIT) {
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(200, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 100));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(QtLineEdit, ColoursTheParentChoosesBecomeTheLineEditsPalette)
{
    SetWindowLongPtrA(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ColoringProc));
    InvalidateRect(FEdit, nullptr, TRUE);
    EXPECT_EQ(FLine->palette().color(QPalette::Active, QPalette::Text), QColor(200, 0, 0));
    EXPECT_EQ(FLine->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 0, 100));
}

} // namespace

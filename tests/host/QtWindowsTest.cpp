// SPDX-License-Identifier: MIT
#include "tests/host/HostTestWindows.h"

#include "platform/win32/windows/Host.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class QtWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReceivedMessages().clear();
        FWindow = CreateRecordingWindow(40, 30, 200, 120, "Host test ");
        DispatchQueued();
    }
    void TearDown() override
    {
        DestroyWindow(FWindow);
        DispatchQueued();
    }

    HWND FWindow = nullptr;
};

TEST_F(QtWindows, TopLevelWindowShowsOurBufferWithItsTitleAndClientSize)
{
    QWidget* widget = WidgetOf(FWindow);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->isWindow());
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->windowTitle(), QStringLiteral("Host test "));
    EXPECT_EQ(widget->size(), QSize(200, 120));
    // Not resizable without a thick frame.
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize());

    const QImage shown = widget->grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 60), QColor(255, 0, 0));
}

TEST_F(QtWindows, ResizingTheRecordResizesTheWindow)
{
    SetWindowPos(FWindow, nullptr, 0, 0, 250, 90, SWP_NOMOVE | SWP_NOZORDER);
    DispatchQueued();
    EXPECT_EQ(WidgetOf(FWindow)->size(), QSize(250, 90));
    EXPECT_EQ(WidgetOf(FWindow)->grab().toImage().pixelColor(240, 80), QColor(255, 0, 0));
}

TEST_F(QtWindows, NativeButtonSitsInsideItsContainersAndReportsClicks)
{
    WNDCLASSA panelClass;
    panelClass.lpfnWndProc = &DefWindowProcA;
    panelClass.lpszClassName = "DurnikHostTestPanel";
    RegisterClassA(panelClass);
    HWND panel = CreateWindowExA(
        0, "DurnikHostTestPanel", "", WS_CHILD | WS_VISIBLE, 20, 10, 150, 80, FWindow, 0, nullptr);
    HWND button = CreateWindowExA(
        0, kButtonClass, "&Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 6, 60, 25, panel, 7, nullptr);
    auto* pushButton = qobject_cast<QPushButton*>(WidgetOf(button));
    ASSERT_NE(pushButton, nullptr);
    EXPECT_EQ(pushButton->parentWidget(), WidgetOf(FWindow));
    EXPECT_EQ(pushButton->geometry(), QRect(25, 16, 60, 25));
    EXPECT_EQ(pushButton->text(), QStringLiteral("&Go"));
    EXPECT_TRUE(pushButton->isVisible());

    // Hiding the container hides the native control; moving it moves the control.
    ShowWindow(panel, SW_HIDE);
    EXPECT_FALSE(pushButton->isVisible());
    ShowWindow(panel, SW_SHOW);
    SetWindowPos(panel, nullptr, 30, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(pushButton->geometry().topLeft(), QPoint(35, 16));
    // A control reaching past its container shows only the part inside.
    SetWindowPos(panel, nullptr, 0, 0, 40, 80, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(pushButton->mask().boundingRect(), QRect(0, 0, 35, 25));
}

TEST_F(QtWindows, ClickOnANativeButtonReachesItsParentThroughTheQueue)
{
    HWND button
        = CreateWindowExA(0, kButtonClass, "OK", WS_CHILD | WS_VISIBLE, 5, 5, 60, 25, FWindow, 9, nullptr);
    qobject_cast<QPushButton*>(WidgetOf(button))->click();
    EXPECT_FALSE(Received(FWindow, WM_COMMAND)) << "delivered only when the loop takes it";
    DispatchQueued();
    ASSERT_TRUE(Received(FWindow, WM_COMMAND));
    const auto& messages = ReceivedMessages();
    const auto command = std::find_if(messages.begin(), messages.end(),
        [&](const ReceivedMessage& received) { return received.message == WM_COMMAND; });
    EXPECT_EQ(LOWORD(command->wParam), 9);
    EXPECT_EQ(command->lParam, reinterpret_cast<LPARAM>(button));
}

TEST_F(QtWindows, TypingInANativeEditUpdatesItsRecordAndNotifiesTheParent)
{
    HWND edit
        = CreateWindowExA(0, kEditClass, "ab", WS_CHILD | WS_VISIBLE, 5, 40, 120, 21, FWindow, 3, nullptr);
    auto* line = qobject_cast<QLineEdit*>(WidgetOf(edit));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), QStringLiteral("ab"));
    line->setCursorPosition(2);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QCoreApplication::sendEvent(line, &press);
    EXPECT_EQ(GetWindowTextString(edit), "ab") << "the key goes through our queue first";
    DispatchQueued();
    EXPECT_EQ(GetWindowTextString(edit), "ab\xC3\xA9");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 4u) << "byte offsets into the UTF-8 text";
    DispatchQueued();
    EXPECT_TRUE(Received(FWindow, WM_COMMAND));

    // Text set by the program reaches the widget without counting as the user's edit.
    ReceivedMessages().clear();
    SetWindowTextA(edit, "63");
    EXPECT_EQ(line->text(), QStringLiteral("63"));
    SendMessageA(edit, EM_SETSEL, 0, 1);
    EXPECT_EQ(line->selectedText(), QStringLiteral("6"));
}

TEST_F(QtWindows, PaletteChangeReachesOurColoursAndWindows)
{
    const QPalette original = QApplication::palette();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE),
        RGB(std::uint8_t(original.color(QPalette::Button).red()),
            std::uint8_t(original.color(QPalette::Button).green()),
            std::uint8_t(original.color(QPalette::Button).blue())));
    QPalette changed = original;
    changed.setColor(QPalette::Button, QColor(10, 20, 30));
    changed.setColor(QPalette::Base, QColor(250, 240, 230));
    QApplication::setPalette(changed);
    DispatchQueued();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(10, 20, 30));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(250, 240, 230));
    EXPECT_TRUE(Received(FWindow, CM_SYSCOLORCHANGE));
    QApplication::setPalette(original);
    DispatchQueued();
}

TEST_F(QtWindows, TimerTicksArriveAsQueuedMessages)
{
    SetTimer(FWindow, 5, 1, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) && message.message != WM_TIMER)
        DispatchMessageA(&message);
    EXPECT_EQ(message.hwnd, FWindow);
    EXPECT_EQ(message.wParam, 5u);
    KillTimer(FWindow, 5);
}

TEST_F(QtWindows, AnErrorInAHostCallbackGoesToTheApplicationReport)
{
    std::vector<std::string> reported;
    SetErrorReport([&](const std::exception& error) { reported.push_back(error.what()); });
    Host* host = CurrentHost();
    ASSERT_NE(host, nullptr);
    const int timer = host->StartTimer(1, [] { throw EInvalidOperation("out of step"); });
    while (reported.empty())
        host->ProcessEvents(true);
    host->StopTimer(timer);
    SetErrorReport({});
    EXPECT_EQ(reported.front(), "out of step");
}

TEST_F(QtWindows, ClosingTheWindowAsksTheProgram)
{
    WidgetOf(FWindow)->close();
    EXPECT_TRUE(IsWindow(FWindow)) << "the program decides";
    DispatchQueued();
    EXPECT_TRUE(Received(FWindow, WM_CLOSE));
    // The recording window's default procedure destroys it on WM_CLOSE.
    EXPECT_FALSE(IsWindow(FWindow));
    FWindow = nullptr;
}

} // namespace

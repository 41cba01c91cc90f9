// SPDX-License-Identifier: MIT
#include "tests/host/HostTestWindows.h"

#include <algorithm>

namespace {

LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ReceivedMessages().push_back({ window, message, wParam, lParam });
    if (message == WM_PAINT) {
        // Red, so a test can tell our painting on the screen.
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(dc, paint.rcPaint, red);
        DeleteObject(red);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

std::vector<ReceivedMessage>& ReceivedMessages()
{
    static std::vector<ReceivedMessage> messages;
    return messages;
}

HWND CreateRecordingWindow(int x, int y, int width, int height, const char* title)
{
    WNDCLASSA windowClass;
    windowClass.lpfnWndProc = &RecordingProc;
    windowClass.lpszClassName = "DurnikHostTestWindow";
    RegisterClassA(windowClass);
    return CreateWindowExA(0, "DurnikHostTestWindow", title, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, x, y,
        width, height, nullptr, 0, nullptr);
}

void DispatchQueued()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
        DispatchMessageA(&message);
}

bool Received(HWND window, UINT message)
{
    const auto& messages = ReceivedMessages();
    return std::any_of(messages.begin(), messages.end(), [&](const ReceivedMessage& received) {
        return received.window == window && received.message == message;
    });
}

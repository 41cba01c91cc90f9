// SPDX-License-Identifier: MIT
// Our one thread's message queue. Posted messages keep their order; WM_PAINT is made
// when nothing else waits; WM_QUIT comes last and survives peeks that do not remove it.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>
#include <chrono>
#include <deque>
#include <map>

using namespace win32_internal;

namespace {

// A posted message, and for key messages the Shift, Ctrl and Alt it came with.
struct PostedMessage {
    MSG message;
    KeyModifiers modifiers = 0;
};

bool IsKeyMessage(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

struct QueueState {
    std::deque<PostedMessage> posted;
    bool quitPosted = false;
    int quitCode = 0;
};

QueueState& Queue()
{
    static QueueState state;
    return state;
}

DWORD TickCount()
{
    using namespace std::chrono;
    return DWORD(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool InRange(UINT message, UINT filterMin, UINT filterMax)
{
    if (filterMin == 0 && filterMax == 0)
        return true;
    return message >= filterMin && message <= filterMax;
}

bool WindowMatches(HWND messageWindow, HWND filter)
{
    if (!filter)
        return true;
    for (HWND window = messageWindow; window; window = window->parent)
        if (window == filter)
            return true;
    return false;
}

HWND FirstWindowToPaint(HWND window, HWND filter)
{
    if (!window->visible)
        return nullptr;
    if (window->updateRect && WindowMatches(window, filter))
        return window;
    for (HWND child : window->children)
        if (HWND found = FirstWindowToPaint(child, filter))
            return found;
    return nullptr;
}

HWND WindowToPaint(HWND filter)
{
    for (HWND topLevel : TopLevelWindows())
        if (HWND found = FirstWindowToPaint(topLevel, filter))
            return found;
    return nullptr;
}

MSG Stamped(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG result;
    result.hwnd = window;
    result.message = message;
    result.wParam = wParam;
    result.lParam = lParam;
    result.time = TickCount();
    GetCursorPos(&result.pt);
    return result;
}

bool TakeFromQueue(MSG* message, HWND window, UINT filterMin, UINT filterMax, bool remove)
{
    auto& posted = Queue().posted;
    const auto found = std::find_if(posted.begin(), posted.end(), [&](const PostedMessage& candidate) {
        return InRange(candidate.message.message, filterMin, filterMax)
            && WindowMatches(candidate.message.hwnd, window);
    });
    if (found != posted.end()) {
        if (message)
            *message = found->message;
        if (remove) {
            SetMessageKeyModifiers(
                IsKeyMessage(found->message.message) ? std::optional(found->modifiers) : std::nullopt);
            posted.erase(found);
        }
        return true;
    }
    if (remove)
        SetMessageKeyModifiers(std::nullopt);
    if (InRange(WM_PAINT, filterMin, filterMax)) {
        if (HWND toPaint = WindowToPaint(window)) {
            if (message)
                *message = Stamped(toPaint, WM_PAINT, 0, 0);
            return true;
        }
    }
    if (Queue().quitPosted && InRange(WM_QUIT, filterMin, filterMax) && !window) {
        if (message)
            *message = Stamped(nullptr, WM_QUIT, WPARAM(Queue().quitCode), 0);
        if (remove)
            Queue().quitPosted = false;
        return true;
    }
    return false;
}

} // namespace

namespace win32_internal {
void ForgetWindowInQueue(HWND window)
{
    auto& posted = Queue().posted;
    posted.erase(std::remove_if(posted.begin(), posted.end(),
                     [window](const PostedMessage& m) { return m.message.hwnd == window; }),
        posted.end());
}
} // namespace win32_internal

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsLive(window))
        return 0;
    return CallWindowProcA(window->wndProc, window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window && !IsLive(window))
        return FALSE;
    Queue().posted.push_back({ Stamped(window, message, wParam, lParam),
        IsKeyMessage(message) ? CurrentKeyModifiers() : KeyModifiers(0) });
    if (Host* host = CurrentHost())
        host->WakeUp();
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    Queue().quitPosted = true;
    Queue().quitCode = exitCode;
    if (Host* host = CurrentHost())
        host->WakeUp();
}

BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags)
{
    const bool remove = (removeFlags & PM_REMOVE) != 0;
    if (TakeFromQueue(message, window, filterMin, filterMax, remove))
        return TRUE;
    // Host input arrives only when the host is asked; a peek must see it.
    if (Host* host = CurrentHost()) {
        host->ProcessEvents(false);
        if (TakeFromQueue(message, window, filterMin, filterMax, remove))
            return TRUE;
    }
    return FALSE;
}

BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax)
{
    MSG taken;
    while (!TakeFromQueue(&taken, window, filterMin, filterMax, true)) {
        Host* host = CurrentHost();
        if (!host) {
            taken = Stamped(nullptr, WM_NULL, 0, 0);
            break;
        }
        host->ProcessEvents(true);
    }
    if (message)
        *message = taken;
    return taken.message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage()
{
    if (!Queue().posted.empty() || Queue().quitPosted || WindowToPaint(nullptr))
        return TRUE;
    if (Host* host = CurrentHost())
        host->ProcessEvents(true);
    return TRUE;
}

int QueuedMessageCount() { return int(Queue().posted.size()); }

BOOL TranslateMessage(const MSG* message)
{
    // The host delivers characters as WM_CHAR already; nothing to derive here.
    return message && (message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN) ? TRUE : FALSE;
}

LRESULT DispatchMessageA(const MSG* message)
{
    if (!message || !message->hwnd || !IsLive(message->hwnd))
        return 0;
    return SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

// Timers.
namespace {
std::map<std::pair<HWND, UINT>, int>& Timers()
{
    static std::map<std::pair<HWND, UINT>, int> timers;
    return timers;
}

bool TimerMessageQueued(HWND window, UINT id)
{
    const auto& posted = Queue().posted;
    return std::any_of(posted.begin(), posted.end(), [&](const PostedMessage& m) {
        return m.message.hwnd == window && m.message.message == WM_TIMER && m.message.wParam == id;
    });
}
} // namespace

namespace win32_internal {
void ForgetWindowTimers(HWND window)
{
    auto& timers = Timers();
    for (auto entry = timers.begin(); entry != timers.end();) {
        if (entry->first.first != window) {
            ++entry;
            continue;
        }
        if (Host* host = CurrentHost())
            host->StopTimer(entry->second);
        entry = timers.erase(entry);
    }
}
} // namespace win32_internal

UINT SetTimer(HWND window, UINT id, UINT elapse, void*)
{
    if (!IsLive(window))
        return 0;
    KillTimer(window, id);
    int hostTimer = 0;
    if (Host* host = CurrentHost()) {
        // Like the classic timer, a tick that finds one still queued is dropped.
        hostTimer = host->StartTimer(int(std::max<UINT>(elapse, 1)), [window, id] {
            if (IsLive(window) && !TimerMessageQueued(window, id))
                PostMessageA(window, WM_TIMER, id, 0);
        });
    }
    Timers()[{ window, id }] = hostTimer;
    return id == 0 ? 1 : id;
}

BOOL KillTimer(HWND window, UINT id)
{
    const auto found = Timers().find({ window, id });
    if (found == Timers().end())
        return FALSE;
    if (Host* host = CurrentHost())
        host->StopTimer(found->second);
    Timers().erase(found);
    auto& posted = Queue().posted;
    posted.erase(std::remove_if(posted.begin(), posted.end(),
                     [&](const PostedMessage& m) {
                         return m.message.hwnd == window && m.message.message == WM_TIMER
                             && m.message.wParam == id;
                     }),
        posted.end());
    return TRUE;
}

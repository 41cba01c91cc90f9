// SPDX-License-Identifier: MIT
// The default procedures of the two classes the host realises natively: the push button
// and the line edit. The host shows them; their state lives in the window record.
#include "platform/win32/internal/WindowRegistry.h"
#include "platform/win32/windows/WinUser.h"

#include <algorithm>

using namespace win32_internal;

namespace {

void SendEditChange(HWND edit)
{
    if (edit->parent)
        SendMessageA(edit->parent, WM_COMMAND, MAKEWPARAM(WORD(edit->id), WORD(EN_CHANGE)),
            reinterpret_cast<LPARAM>(edit));
}

void ClampSelection(HWND edit)
{
    const int length = int(edit->text.size());
    edit->selStart = std::clamp(edit->selStart, 0, length);
    edit->selLength = std::clamp(edit->selLength, 0, length - edit->selStart);
}

void ReplaceSelection(HWND edit, const AnsiString& replacement)
{
    ClampSelection(edit);
    AnsiString text = edit->text;
    text.replace(std::size_t(edit->selStart), std::size_t(edit->selLength), replacement);
    if (edit->maxLength > 0 && int(text.size()) > edit->maxLength)
        return;
    edit->text = text;
    edit->selStart += int(replacement.size());
    edit->selLength = 0;
    NotifyHost(edit, WindowChange::Text);
    NotifyHost(edit, WindowChange::Selection);
    SendEditChange(edit);
}

AnsiString SelectedText(HWND edit)
{
    ClampSelection(edit);
    return edit->text.substr(std::size_t(edit->selStart), std::size_t(edit->selLength));
}

} // namespace

namespace win32_internal {

LRESULT ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case BM_CLICK:
        if (window->parent && IsWindowEnabled(window))
            SendMessageA(window->parent, WM_COMMAND, MAKEWPARAM(WORD(window->id), WORD(BN_CLICKED)),
                reinterpret_cast<LPARAM>(window));
        return 0;
    case BM_SETSTYLE:
        window->style = (window->style & ~DWORD(0xFFFF)) | DWORD(wParam & 0xFFFF);
        NotifyHost(window, WindowChange::Style);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void QueryEditColors(HWND edit)
{
    if (!IsLive(edit) || edit->kind != WindowKind::NativeEdit || !IsLive(edit->parent) || edit->destroying)
        return;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return;
    try {
        SendMessageA(edit->parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    } catch (...) {
        DeleteDC(dc);
        throw;
    }
    const COLORREF text = dc->textColor;
    const COLORREF back = dc->bkColor;
    DeleteDC(dc);
    if (!IsLive(edit) || (edit->textColor == text && edit->backColor == back))
        return;
    edit->textColor = text;
    edit->backColor = back;
    NotifyHost(edit, WindowChange::Colors);
}

LRESULT EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (const auto* area = reinterpret_cast<const TRect*>(lParam))
            window->textArea = *area;
        else
            window->textArea.reset();
        NotifyHost(window, WindowChange::TextArea);
        return 0;
    case EM_GETRECT:
        if (auto* area = reinterpret_cast<TRect*>(lParam))
            *area = window->textArea.value_or(ClientRectOf(window));
        return 0;
    case WM_ENABLE:
        QueryEditColors(window);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        if (Host* host = CurrentHost())
            host->NativeKeyArrived(window, message, wParam, lParam);
        return 0;
    case WM_SETTEXT: {
        const AnsiString before = window->text;
        DefWindowProcA(window, message, wParam, lParam);
        if (window->text != before) {
            window->selStart = 0;
            window->selLength = 0;
            SendEditChange(window);
        }
        return TRUE;
    }
    case EM_LIMITTEXT:
        window->maxLength = int(wParam);
        NotifyHost(window, WindowChange::MaxLength);
        return 0;
    case EM_SETREADONLY:
        window->readOnly = wParam != 0;
        NotifyHost(window, WindowChange::ReadOnly);
        return TRUE;
    case EM_SETSEL: {
        const int length = int(window->text.size());
        int start = int(std::intptr_t(wParam));
        int end = int(lParam);
        if (start < 0)
            start = length;
        if (end < 0 || end > length)
            end = length;
        start = std::clamp(start, 0, length);
        window->selStart = std::min(start, end);
        window->selLength = std::abs(end - start);
        NotifyHost(window, WindowChange::Selection);
        return 0;
    }
    case EM_GETSEL: {
        ClampSelection(window);
        const int start = window->selStart;
        const int end = window->selStart + window->selLength;
        if (auto* startOut = reinterpret_cast<DWORD*>(wParam))
            *startOut = DWORD(start);
        if (auto* endOut = reinterpret_cast<DWORD*>(lParam))
            *endOut = DWORD(end);
        return LRESULT(MAKELPARAM(start, end));
    }
    case WM_COPY:
        if (Host* host = CurrentHost(); host && window->selLength > 0)
            host->SetClipboardText(SelectedText(window));
        return 0;
    case WM_CUT:
        if (window->readOnly)
            return 0;
        if (Host* host = CurrentHost(); host && window->selLength > 0)
            host->SetClipboardText(SelectedText(window));
        ReplaceSelection(window, "");
        return 0;
    case WM_CLEAR:
        if (!window->readOnly)
            ReplaceSelection(window, "");
        return 0;
    case WM_PASTE:
        if (Host* host = CurrentHost(); host && !window->readOnly)
            ReplaceSelection(window, host->ClipboardText());
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace win32_internal

void HostButtonClicked(HWND button)
{
    if (!IsLive(button) || !button->parent || !IsWindowEnabled(button))
        return;
    PostMessageA(button->parent, WM_COMMAND, MAKEWPARAM(WORD(button->id), WORD(BN_CLICKED)),
        reinterpret_cast<LPARAM>(button));
}

void HostEditChanged(HWND edit, const AnsiString& text, int selStart, int selLength)
{
    if (!IsLive(edit))
        return;
    const bool textChanged = text != edit->text;
    edit->text = text;
    edit->selStart = selStart;
    edit->selLength = selLength;
    ClampSelection(edit);
    if (textChanged && edit->parent)
        PostMessageA(edit->parent, WM_COMMAND, MAKEWPARAM(WORD(edit->id), WORD(EN_CHANGE)),
            reinterpret_cast<LPARAM>(edit));
}

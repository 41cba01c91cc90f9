// SPDX-License-Identifier: MIT
#include "platform/win32/shell/ShellBrowser.h"

#include "platform/gdi/Text.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win32/shell/FolderTree.h"
#include "platform/win32/windows/Host.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// The dialog's client area and its parts, in pixels.
constexpr int kDialogWidth = 360;
constexpr int kDialogHeight = 420;
constexpr int kMargin = 12;
constexpr int kTitleHeight = 44;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 8;
// Where a dialog not placed by its caller appears: this far right of and below the active
// window's corner, or of the screen's.
constexpr int kCascade = 48;

struct BrowseSession {
    BROWSEINFOA* info = nullptr;
    HWND tree = nullptr;
    HWND ok = nullptr;
    bool done = false;
    bool selectionReported = false;
    LPITEMIDLIST result = nullptr;
};

struct ItemDeleter {
    void operator()(ITEMIDLIST* item) const { CoTaskMemFree(item); }
};
using ItemPtr = std::unique_ptr<ITEMIDLIST, ItemDeleter>;

BrowseSession* SessionOf(HWND dialog)
{
    return reinterpret_cast<BrowseSession*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

bool HasTitle(const BROWSEINFOA& info)
{
    return info.lpszTitle && *info.lpszTitle;
}

// Copies the name into the caller's MAX_PATH buffer, cut at a character boundary.
void WriteDisplayName(const BROWSEINFOA& info, const AnsiString& name)
{
    if (!info.pszDisplayName)
        return;
    std::size_t length = 0;
    while (length < name.size()) {
        const std::size_t next = length + Utf8CharLength(name, length);
        if (next > MAX_PATH - 1)
            break;
        length = next;
    }
    std::memcpy(info.pszDisplayName, name.data(), length);
    info.pszDisplayName[length] = '\0';
}

void ReportSelection(HWND dialog, BrowseSession& session)
{
    session.selectionReported = true;
    const BROWSEINFOA& info = *session.info;
    const ItemPtr item(FolderTreeItem(session.tree, int(SendMessageA(session.tree, FTM_GETSELECTION, 0, 0))));
    if (!item)
        return;
    WriteDisplayName(info, item->displayName);
    if (info.ulFlags & BIF_BROWSEFORCOMPUTER)
        EnableWindow(session.ok, FALSE); // there are no computers here to choose
    else if (info.ulFlags & BIF_RETURNONLYFSDIRS)
        EnableWindow(session.ok, item->kind == ShellItemKind::Folder);
    else
        EnableWindow(session.ok, TRUE);
    if (info.lpfn)
        info.lpfn(dialog, BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item.get()), info.lParam);
}

void Finish(BrowseSession& session, bool accepted)
{
    if (session.done)
        return;
    session.done = true;
    if (!accepted)
        return;
    session.result = FolderTreeItem(session.tree, int(SendMessageA(session.tree, FTM_GETSELECTION, 0, 0)));
    if (session.result) {
        WriteDisplayName(*session.info, session.result->displayName);
        session.info->iImage = 0;
    }
}

TRect TitleRect()
{
    return Rect(kMargin, kMargin, kDialogWidth - kMargin, kMargin + kTitleHeight);
}

void CreateChildren(HWND dialog, BrowseSession& session)
{
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    TRect client;
    GetClientRect(dialog, &client);
    const int buttonTop = client.Height() - kMargin - kButtonHeight;
    const int cancelLeft = kDialogWidth - kMargin - kButtonWidth;
    const int okLeft = cancelLeft - kButtonGap - kButtonWidth;
    // OK comes first among the buttons, so it is the one a search for a "BUTTON" child finds.
    session.ok = CreateWindowExA(0, kButtonClass, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
        okLeft, buttonTop, kButtonWidth, kButtonHeight, dialog, IDOK, nullptr);
    const HWND cancel = CreateWindowExA(0, kButtonClass, "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
        cancelLeft, buttonTop, kButtonWidth, kButtonHeight, dialog, IDCANCEL, nullptr);
    const int treeTop = HasTitle(*session.info) ? TitleRect().Bottom + kButtonGap : kMargin;
    session.tree = CreateWindowExA(0, kFolderTreeClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, kMargin,
        treeTop, kDialogWidth - 2 * kMargin, buttonTop - kMargin - treeTop, dialog, kBrowseTreeId, nullptr);
    for (HWND child : { session.ok, cancel, session.tree })
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
}

void SetRoot(const BrowseSession& session)
{
    const LPCITEMIDLIST root = session.info->pidlRoot;
    if (!root || root->kind == ShellItemKind::Desktop)
        SendMessageA(session.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Desktop), 0);
    else if (root->kind == ShellItemKind::Computer)
        SendMessageA(session.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Computer), 0);
    else
        SendMessageA(session.tree, FTM_SETROOT, WPARAM(FolderTreeRoot::Folder),
            reinterpret_cast<LPARAM>(root->path.c_str()));
}

void Paint(HWND dialog, const BrowseSession& session)
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(dialog, &paint);
    TRect client;
    GetClientRect(dialog, &client);
    const HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc, client, face);
    DeleteObject(face);
    if (HasTitle(*session.info)) {
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        TRect title = TitleRect();
        DrawTextA(dc, session.info->lpszTitle, -1, &title, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    }
    EndPaint(dialog, &paint);
}

LRESULT BrowseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    BrowseSession* session = SessionOf(dialog);
    if (!session)
        return DefWindowProcA(dialog, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        CreateChildren(dialog, *session);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(dialog, *session);
        return 0;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == kBrowseTreeId && HIWORD(wParam) == FTN_SELCHANGE)
            ReportSelection(dialog, *session);
        else if (id == IDOK && IsWindowEnabled(session->ok))
            Finish(*session, true);
        else if (id == IDCANCEL)
            Finish(*session, false);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN)
            SendMessageA(session->ok, BM_CLICK, 0, 0);
        else if (wParam == VK_ESCAPE)
            Finish(*session, false);
        return 0;
    case WM_CLOSE:
        Finish(*session, false);
        return 0;
    case BFFM_SETSELECTIONA:
        if (wParam)
            return SendMessageA(session->tree, FTM_SELECTPATH, 0, lParam);
        if (const auto* item = reinterpret_cast<LPCITEMIDLIST>(lParam);
            item && item->kind == ShellItemKind::Folder)
            return SendMessageA(
                session->tree, FTM_SELECTPATH, 0, reinterpret_cast<LPARAM>(item->path.c_str()));
        return 0;
    case BFFM_ENABLEOK:
        EnableWindow(session->ok, lParam != 0);
        return 0;
    case BFFM_SETSTATUSTEXTA: // the dialog has no status line
        return 0;
    default:
        return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

void RegisterDialogClass()
{
    WNDCLASSA windowClass;
    if (GetClassInfoA(nullptr, kBrowseDialogClass, &windowClass))
        return;
    windowClass = {};
    windowClass.lpfnWndProc = &BrowseDialogProc;
    windowClass.lpszClassName = kBrowseDialogClass;
    RegisterClassA(windowClass);
}

TPoint DefaultOrigin(HWND owner)
{
    TRect anchor = Rect(0, 0, 0, 0);
    const HWND active = GetActiveWindow();
    if (IsWindowVisible(active))
        GetWindowRect(active, &anchor);
    else if (IsWindowVisible(owner))
        GetWindowRect(owner, &anchor);
    return Point(anchor.Left + kCascade, anchor.Top + kCascade);
}

// Cascaded from the window the user works in, no taller than the screen's work area and
// moved onto it, so OK and Cancel can always be reached.
TRect DialogBounds(HWND owner)
{
    TRect area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const TPoint cascade = DefaultOrigin(owner);
    const TRect wanted = Bounds(cascade.x, cascade.y, kDialogWidth, std::min(kDialogHeight, area.Height()));
    const TPoint origin = FittedOrigin(wanted, area);
    return Bounds(origin.x, origin.y, wanted.Width(), wanted.Height());
}

// The dialog is owned by the window the user works in, so it stays above that window and the
// activation goes back there; without a visible active window, by the caller's owner.
HWND DialogOwner(HWND requested)
{
    const HWND active = GetActiveWindow();
    return IsWindowVisible(active) ? active : requested;
}

// Takes the next message and dispatches it; false when the loop must end without an answer:
// a quit request, which is left for the loop that owns it, or no host to wait for.
bool PumpOne()
{
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!CurrentHost())
            return false;
        WaitMessage();
        return true;
    }
    if (message.message == WM_QUIT) {
        PostQuitMessage(int(message.wParam));
        return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

} // namespace

LPITEMIDLIST SHBrowseForFolderA(BROWSEINFOA* info)
{
    if (!info)
        return nullptr;
    RegisterDialogClass();
    BrowseSession session;
    session.info = info;
    const TRect bounds = DialogBounds(info->hwndOwner);
    const char* caption
        = (info->ulFlags & BIF_BROWSEFORCOMPUTER) ? kBrowseForComputerCaption : kBrowseForFolderCaption;

    // The dialog and the owner's disabled state go on every way out, each even when the
    // other's clean-up raises; the owner is enabled first, so it can take the activation.
    HWND dialog = nullptr;
    const ScopeExit destroyDialog([&] {
        if (IsWindow(dialog))
            DestroyWindow(dialog);
    });
    const HWND owner = info->hwndOwner;
    const bool ownerWasEnabled = IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    const ScopeExit enableOwner([&] {
        if (ownerWasEnabled)
            EnableWindow(owner, TRUE);
    });
    dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, kBrowseDialogClass, caption,
        WS_POPUP | WS_CAPTION | WS_DLGFRAME | WS_SYSMENU | WS_CLIPCHILDREN, bounds.Left, bounds.Top,
        bounds.Width(), bounds.Height(), DialogOwner(owner), 0, &session);
    if (!dialog || !session.tree)
        return nullptr;
    SetRoot(session);
    try {
        if (info->lpfn)
            info->lpfn(dialog, BFFM_INITIALIZED, 0, info->lParam);
        if (IsWindow(dialog) && !session.done) {
            ShowWindow(dialog, SW_SHOW);
            SetActiveWindow(dialog);
            SetFocus(session.tree);
            if (!session.selectionReported)
                ReportSelection(dialog, session);
        }
        while (!session.done && IsWindow(dialog))
            if (!PumpOne())
                break;
    } catch (...) {
        CoTaskMemFree(session.result);
        throw;
    }
    return session.result;
}

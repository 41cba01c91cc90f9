// SPDX-License-Identifier: MIT
// The folder browse dialog of the unit FileUtil.
#include "platform/rtl/ScopeExit.h"
#include "platform/vcl/components/ClassRegistry.h"
#include "platform/vcl/components/ComObj.h"
#include "platform/vcl/components/ComponentGuard.h"
#include "platform/vcl/components/ObjectInstance.h"
#include "platform/vcl/controls/NewStyleControls.h"
#include "platform/vcl/dialogs/Consts.h"
#include "platform/vcl/dialogs/FileCtrl.h"
#include "platform/vcl/forms/TaskWindows.h"
#include "platform/win32/shell/ShellBrowser.h"
#include "support/FileUtil.h"
#include "support/VCLUtils.h"

#include <memory>

namespace {

constexpr int kHelpButtonId = 0xFFFF;
constexpr int kHelpButtonLeft = 12;

struct ItemDeleter {
    void operator()(ITEMIDLIST* item) const { CoTaskMemFree(item); }
};
using ItemPtr = std::unique_ptr<ITEMIDLIST, ItemDeleter>;

// The item's file-system path, or "" when it has none.
AnsiString PathOf(LPCITEMIDLIST item)
{
    AnsiString path(kHostMaxPath, '\0');
    if (!SHGetPathFromIDListEx(item, path.data(), kHostMaxPath, 0))
        return {};
    path.resize(std::char_traits<char>::length(path.c_str()));
    return path;
}

} // namespace

TBrowseFolderDlg::TBrowseFolderDlg(TComponent* owner)
    : TComponent(owner)
{
    FObjectInstance = MakeObjectInstance([this](TMessage& message) { DialogWndProc(message); });
    FDisplayName.assign(MAX_PATH, '\0');
}

TBrowseFolderDlg::~TBrowseFolderDlg()
{
    if (FRunning) {
        // Freed by a handler of its own while the dialog runs: the dialog window gets its own
        // procedure back before this object's goes, and is closed as if cancelled.
        if (FHandle && FDefWndProc)
            SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefWndProc));
        if (FHandle)
            SendMessageA(FHandle, WM_CLOSE, 0, 0);
    }
    FreeObjectInstance(FObjectInstance);
}

bool TBrowseFolderDlg::Execute()
{
    if (FRunning)
        throw EInvalidOperation(
            "The folder dialog is open already and cannot be opened again from its own handlers");
    ItemPtr root;
    if (FBrowseKind == bfComputers || !FDesktopRoot) {
        LPITEMIDLIST found = nullptr;
        const HRESULT result = SHGetSpecialFolderLocation(
            Application->Handle(), FBrowseKind == bfComputers ? CSIDL_NETWORK : CSIDL_DRIVES, &found);
        root.reset(found);
        OleCheck(result);
    }
    FDisplayName.assign(MAX_PATH, '\0');

    BROWSEINFOA info;
    info.hwndOwner = Application->Handle();
    info.pidlRoot = root.get();
    info.pszDisplayName = FDisplayName.data();
    info.lpszTitle = FDialogText.empty() ? nullptr : FDialogText.c_str();
    info.ulFlags
        = FBrowseKind == bfComputers ? BIF_BROWSEFORCOMPUTER : BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    info.iImage = 0;

    ItemPtr chosen;
    const TGuardedPtr<TBrowseFolderDlg> self(this);
    {
        const HWND activeWindow = GetActiveWindow();
        const ScopeExit reactivate([&] { SetActiveWindow(activeWindow); });
        const TTaskWindowList windowList = DisableTaskWindows(nullptr);
        const ScopeExit enableWindows([&] { EnableTaskWindows(windowList); });
        FRunning = true;
        const ScopeExit idle([&] {
            if (!self)
                return;
            FRunning = false;
            FHandle = nullptr;
            FDefWndProc = nullptr;
        });
        chosen.reset(SHBrowseForFolderA(&info));
    }
    if (!self || !chosen)
        return false;

    if (FBrowseKind == bfFolders) {
        const AnsiString path = PathOf(chosen.get());
        // The shell sets no error code of its own for this, so the report says what happened.
        if (path.empty())
            throw EOSError(
                "The chosen folder \"" + chosen->displayName + "\" has no path in the file system");
        FFolderName = TrimTrailingBackslash(path);
    } else
        FFolderName = FDisplayName.c_str();
    FCurrentPath = FFolderName;
    FImageIndex = info.iImage;
    return true;
}

int TBrowseFolderDlg::BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data)
{
    auto* dialog = reinterpret_cast<TBrowseFolderDlg*>(data);
    switch (message) {
    case BFFM_INITIALIZED:
        if (dialog->FPosition == dpScreenCenter)
            CenterWindowOnScreen(window);
        dialog->FHandle = window;
        dialog->FDefWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialog->FObjectInstance)));
        dialog->DoInitialized();
        break;
    case BFFM_SELCHANGED:
        dialog->FHandle = window;
        dialog->DoSelChanged(reinterpret_cast<LPCITEMIDLIST>(lParam));
        break;
    default:
        break;
    }
    return 0;
}

void TBrowseFolderDlg::DoInitialized()
{
    if (FBrowseKind == bfComputers || IsExistingDirectory(FFolderName))
        SetSelectionPath(FFolderName);
    if (FHelpContext != 0)
        AddHelpButton();
    if (OnInitialized)
        OnInitialized(this);
}

void TBrowseFolderDlg::AddHelpButton()
{
    const HWND found = FindWindowExA(FHandle, nullptr, kButtonClass, nullptr);
    if (!found)
        return;
    TRect bounds;
    GetWindowRect(found, &bounds);
    TPoint topLeft = Point(bounds.Left, bounds.Top);
    ScreenToClient(FHandle, &topLeft);
    const LRESULT font = SendMessageA(FHandle, WM_GETFONT, 0, 0);
    const HWND help = CreateWindowExA(0, kButtonClass, SHelpButton,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, kHelpButtonLeft, topLeft.y, RectWidth(bounds),
        RectHeight(bounds), FHandle, kHelpButtonId, nullptr);
    if (help && font)
        SendMessageA(help, WM_SETFONT, WPARAM(font), 1);
    UpdateWindow(FHandle);
}

void TBrowseFolderDlg::DoSelChanged(LPCITEMIDLIST item)
{
    if (FBrowseKind == bfComputers)
        FCurrentPath = FDisplayName.c_str();
    else {
        FCurrentPath = PathOf(item);
        EnableOk(IsExistingDirectory(FCurrentPath));
    }
    if (OnSelChanged)
        OnSelChanged(this);
}

void TBrowseFolderDlg::SetSelectionPath(const AnsiString& path)
{
    if (FHandle)
        SendMessageA(FHandle, BFFM_SETSELECTIONA, 1, reinterpret_cast<LPARAM>(path.c_str()));
}

void TBrowseFolderDlg::EnableOk(bool value)
{
    if (FHandle)
        SendMessageA(FHandle, BFFM_ENABLEOK, 0, value ? 1 : 0);
}

void TBrowseFolderDlg::DialogWndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_COMMAND:
        WMCommand(message);
        break;
    case WM_NCDESTROY:
        WMNCDestroy(message);
        break;
    default:
        DefaultHandler(message);
        break;
    }
}

void TBrowseFolderDlg::DefaultHandler(TMessage& message)
{
    if (FHandle)
        message.Result = CallWindowProcA(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
    else
        message.Result = 0;
}

void TBrowseFolderDlg::WMCommand(TMessage& message)
{
    if (message.WParam == WPARAM(kHelpButtonId) && FHelpContext != 0)
        Application->HelpContext(FHelpContext);
    else
        DefaultHandler(message);
}

void TBrowseFolderDlg::WMNCDestroy(TMessage& message)
{
    DefaultHandler(message);
    FHandle = nullptr;
}

bool ChooseFolder(AnsiString& folder, const AnsiString& dialogText, THelpContext helpContext)
{
    if (!NewStyleControls)
        return SelectDirectory(folder, TSelectDirOpts(), helpContext);
    const std::unique_ptr<TBrowseFolderDlg> dialog = std::make_unique<TBrowseFolderDlg>(Application);
    dialog->SetDialogText(dialogText);
    dialog->SetFolderName(folder);
    dialog->SetHelpContext(helpContext);
    const bool chosen = dialog->Execute();
    if (chosen)
        folder = dialog->FolderName();
    return chosen;
}

void RegisterFileUtilClasses()
{
    TComponentClass& dialog = RegisterComponentClass<TBrowseFolderDlg>("TBrowseFolderDlg", "TComponent");
    dialog.Ident<TBrowseFolderDlg, TBrowseKind>("BrowseKind", &TBrowseFolderDlg::SetBrowseKind,
        { { "bfFolders", bfFolders }, { "bfComputers", bfComputers } });
    dialog.Boolean<TBrowseFolderDlg>("DesktopRoot", &TBrowseFolderDlg::SetDesktopRoot);
    dialog.String<TBrowseFolderDlg>("DialogText", &TBrowseFolderDlg::SetDialogText);
    dialog.String<TBrowseFolderDlg>("FolderName", &TBrowseFolderDlg::SetFolderName);
    dialog.Integer<TBrowseFolderDlg>("HelpContext", &TBrowseFolderDlg::SetHelpContext);
    dialog.Ident<TBrowseFolderDlg, TDialogPosition>("Position", &TBrowseFolderDlg::SetPosition,
        { { "dpDefault", dpDefault }, { "dpScreenCenter", dpScreenCenter } });
    dialog.Event<TBrowseFolderDlg>("OnInitialized", &TBrowseFolderDlg::OnInitialized);
    dialog.Event<TBrowseFolderDlg>("OnSelChanged", &TBrowseFolderDlg::OnSelChanged);
}

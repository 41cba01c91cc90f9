// SPDX-License-Identifier: MIT
// Path utilities over the platform's directory search, and the folder browse dialog. Paths may
// be written with "\" (the system's own form) or "/" (the host's form); both separate components
// and each separator is kept as written. There are no short (8.3) names on this host, so a short
// name is the long one. None of the path utilities raises: a missing entry gives an empty name
// or false.
#pragma once

#include "platform/rtl/SysUtils.h"
#include "platform/vcl/components/Component.h"
#include "platform/vcl/forms/Application.h"
#include "platform/win32/shell/ShellItems.h"

// The name without one trailing separator; a lone separator and a drive root such as "C:\"
// are kept.
AnsiString TrimTrailingBackslash(const AnsiString& directoryName);

bool IsExistingDirectory(const AnsiString& name);

// The last component of the entry the path names, in the letter case stored on disk, or ""
// when it cannot be found (a missing entry, a root, a path ending in a separator).
AnsiString LongFileNameOf(const AnsiString& path);
AnsiString ShortFileNameOf(const AnsiString& path);

// The path with every component after the first separator replaced by its name on disk,
// deepest first; a component that cannot be found becomes empty while its separator stays.
// The part before the first separator is copied without any lookup.
AnsiString LongPathOf(const AnsiString& path);
AnsiString ShortPathOf(const AnsiString& path);

// The shell's folder browser as a component, and ChooseFolder, which runs one for a directory.

enum TBrowseKind : std::uint8_t { bfFolders, bfComputers };
enum TDialogPosition : std::uint8_t { dpDefault, dpScreenCenter };

class TBrowseFolderDlg : public TComponent {
public:
    explicit TBrowseFolderDlg(TComponent* owner);
    ~TBrowseFolderDlg() override;
    const char* ClassName() const override { return "TBrowseFolderDlg"; }

    // Runs the browser modally, with the application's other windows disabled meanwhile;
    // true when the user chose an item with OK.
    bool Execute();
    // While a dialog is up: selects the folder of that path (or, browsing for computers, the
    // computer of that name). Nothing otherwise.
    void SetSelectionPath(const AnsiString& path);
    // While a dialog is up: enables or disables its OK button. Nothing otherwise.
    void EnableOk(bool value);

    TBrowseKind BrowseKind() const { return FBrowseKind; } // bfFolders
    void SetBrowseKind(TBrowseKind value) { FBrowseKind = value; }
    // Browsing folders: from the desktop when true, from the computer's file systems when false.
    bool DesktopRoot() const { return FDesktopRoot; } // true
    void SetDesktopRoot(bool value) { FDesktopRoot = value; }
    // The text above the tree; "" shows none.
    AnsiString DialogText() const { return FDialogText; } // ""
    void SetDialogText(const AnsiString& value) { FDialogText = value; }
    // In: the folder to preselect; out: the chosen folder or computer.
    AnsiString FolderName() const { return FFolderName; } // ""
    void SetFolderName(const AnsiString& value) { FFolderName = value; }
    // Nonzero adds a help button that asks the application for this topic.
    THelpContext HelpContext() const { return FHelpContext; } // 0
    void SetHelpContext(THelpContext value) { FHelpContext = value; }
    TDialogPosition Position() const { return FPosition; } // dpScreenCenter
    void SetPosition(TDialogPosition value) { FPosition = value; }

    // The path of the selection while the dialog runs; after OK, the chosen name.
    AnsiString CurrentPath() const { return FCurrentPath; }
    // The chosen item's index in the system image list.
    int SelectedImage() const { return FImageIndex; }

    TNotifyEvent OnInitialized; // the dialog window is ready, before it shows
    TNotifyEvent OnSelChanged; // after every change of the selection

    // The browser's callback, data being the component. Public so that a test can run it on
    // a window of its own.
    static int BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data);

protected:
    // Every message of the dialog window once the component has taken its procedure over.
    virtual void DialogWndProc(TMessage& message);
    // Hands the message to the dialog's own procedure while there is a dialog.
    virtual void DefaultHandler(TMessage& message);
    void WMCommand(TMessage& message);
    void WMNCDestroy(TMessage& message);

private:
    void DoInitialized();
    void DoSelChanged(LPCITEMIDLIST item);
    void AddHelpButton();

    WNDPROC FDefWndProc = nullptr;
    bool FRunning = false; // Execute is under way
    THelpContext FHelpContext = 0;
    HWND FHandle = nullptr;
    WNDPROC FObjectInstance = nullptr;
    bool FDesktopRoot = true;
    TBrowseKind FBrowseKind = bfFolders;
    TDialogPosition FPosition = dpScreenCenter;
    AnsiString FDialogText;
    AnsiString FDisplayName;
    AnsiString FCurrentPath;
    AnsiString FFolderName;
    int FImageIndex = 0;
};

// Lets the user choose a directory, starting at folder, with dialogText above the tree and a
// help button for a nonzero helpContext. On OK the choice is stored in folder and the result
// is true; otherwise folder keeps its value.
bool ChooseFolder(AnsiString& folder, const AnsiString& dialogText, THelpContext helpContext);

// Makes TBrowseFolderDlg known to the form reader.
void RegisterFileUtilClasses();

// SPDX-License-Identifier: MIT
// The one way the toolkit asks the user something: file, directory and message dialogs.
// Answers can be given in advance, so tests drive dialogs without anyone at the screen;
// what is not answered in advance goes to the host's real dialogs.
#pragma once

#include "platform/win32/windows/Host.h"

#include <deque>
#include <vector>

enum class TDialogKind : std::uint8_t { OpenFile, SaveFile, Directory, Message, PopupMenu };

// One dialog as it was asked for.
struct TDialogCall {
    TDialogKind Kind = TDialogKind::Message;
    FileDialogRequest File; // the file dialogs
    AnsiString Title; // the directory dialog's title, the message box's caption
    AnsiString InitialDir; // the directory dialog
    int HelpContext = 0; // the directory dialog
    AnsiString Text; // the message box
    UINT Type = MB_OK; // the message box
    std::vector<PopupMenuItem> MenuItems; // the popup menu
    TPoint MenuPoint; // the popup menu, on the screen
    PopupAlignment MenuAlignment = PopupAlignment::Left; // the popup menu
};

// How a dialog is to end: confirmed with a file or directory name, cancelled, (for a
// message box) closed with a button, or (for a popup menu) with the item of index Button chosen.
struct TDialogAnswer {
    TDialogKind Kind = TDialogKind::Message;
    bool Accepted = false;
    AnsiString Value;
    int Button = IDOK;
};

class TDialogService {
public:
    static TDialogService& Instance();

    // Answers are taken in order; the next dialog must be of the kind of the next answer,
    // or running it raises EInvalidOperation, so a script that went astray shows at once.
    void Prepare(const TDialogAnswer& answer);
    void PrepareFile(TDialogKind kind, bool accepted, const AnsiString& fileName = {});
    void PrepareDirectory(bool accepted, const AnsiString& directory = {});
    void PrepareMessage(int button = IDOK);
    // The index of the menu item to choose, counting separators; -1 closes it with none.
    void PrepareMenu(int chosenIndex);
    int PendingAnswers() const { return int(FAnswers.size()); }

    // Scripted: no dialog reaches the host. One without an answer is cancelled (a message
    // box returns IDOK) and every dialog is kept in Calls for the script to read.
    void SetScripted(bool value) { FScripted = value; }
    bool Scripted() const { return FScripted; }
    const std::vector<TDialogCall>& Calls() const { return FCalls; }
    // Forgets answers and calls and leaves scripted mode.
    void Reset();

    bool FileDialog(const FileDialogRequest& request, AnsiString& chosenFile);
    // The host has no help system: the help context is kept with the call, nothing more.
    bool DirectoryDialog(
        const AnsiString& title, const AnsiString& initialDir, AnsiString& chosenDir, int helpContext = 0);
    int MessageBox(const AnsiString& text, const AnsiString& caption, UINT type);
    // Returns when the menu has closed: the index of the chosen item, or -1.
    int PopupMenu(const std::vector<PopupMenuItem>& items, TPoint screenPoint, PopupAlignment alignment);

private:
    TDialogService() = default;
    // The prepared answer for a dialog of this kind, if one is waiting.
    bool TakeAnswer(TDialogKind kind, TDialogAnswer& answer);
    void Record(const TDialogCall& call);
    // Records the dialog and tells whether it ends without the host: by a prepared answer,
    // or unanswered (a default TDialogAnswer) when scripted or when there is no host.
    bool SettledHere(const TDialogCall& call, TDialogAnswer& answer);

    std::deque<TDialogAnswer> FAnswers;
    std::vector<TDialogCall> FCalls;
    bool FScripted = false;
};

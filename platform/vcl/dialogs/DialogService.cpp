// SPDX-License-Identifier: MIT
#include "platform/vcl/dialogs/DialogService.h"

namespace {

const char* KindName(TDialogKind kind)
{
    switch (kind) {
    case TDialogKind::OpenFile:
        return "an open dialog";
    case TDialogKind::SaveFile:
        return "a save dialog";
    case TDialogKind::Directory:
        return "a directory dialog";
    case TDialogKind::Message:
        return "a message box";
    case TDialogKind::PopupMenu:
        return "a popup menu";
    }
    return "a dialog";
}

bool TakeChosen(const TDialogAnswer& answer, AnsiString& chosen)
{
    if (answer.Accepted)
        chosen = answer.Value;
    return answer.Accepted;
}

} // namespace

TDialogService& TDialogService::Instance()
{
    static TDialogService service;
    return service;
}

void TDialogService::Prepare(const TDialogAnswer& answer)
{
    FAnswers.push_back(answer);
}

void TDialogService::PrepareFile(TDialogKind kind, bool accepted, const AnsiString& fileName)
{
    Prepare({ kind, accepted, fileName, accepted ? IDOK : IDCANCEL });
}

void TDialogService::PrepareDirectory(bool accepted, const AnsiString& directory)
{
    Prepare({ TDialogKind::Directory, accepted, directory, accepted ? IDOK : IDCANCEL });
}

void TDialogService::PrepareMessage(int button)
{
    Prepare({ TDialogKind::Message, true, {}, button });
}

void TDialogService::PrepareMenu(int chosenIndex)
{
    Prepare({ TDialogKind::PopupMenu, chosenIndex >= 0, {}, chosenIndex });
}

void TDialogService::Reset()
{
    FAnswers.clear();
    FCalls.clear();
    FScripted = false;
}

bool TDialogService::TakeAnswer(TDialogKind kind, TDialogAnswer& answer)
{
    if (FAnswers.empty())
        return false;
    if (FAnswers.front().Kind != kind)
        throw EInvalidOperation(AnsiString("The next prepared answer is for ")
            + KindName(FAnswers.front().Kind) + ", but " + KindName(kind) + " was opened");
    answer = FAnswers.front();
    FAnswers.pop_front();
    return true;
}

void TDialogService::Record(const TDialogCall& call)
{
    if (FScripted || !FAnswers.empty())
        FCalls.push_back(call);
}

bool TDialogService::SettledHere(const TDialogCall& call, TDialogAnswer& answer)
{
    Record(call);
    if (TakeAnswer(call.Kind, answer))
        return true;
    return FScripted || !CurrentHost();
}

bool TDialogService::FileDialog(const FileDialogRequest& request, AnsiString& chosenFile)
{
    TDialogCall call;
    call.Kind = request.save ? TDialogKind::SaveFile : TDialogKind::OpenFile;
    call.File = request;
    call.Title = request.title;
    TDialogAnswer answer;
    if (!SettledHere(call, answer))
        return CurrentHost()->FileDialog(request, chosenFile);
    return TakeChosen(answer, chosenFile);
}

bool TDialogService::DirectoryDialog(
    const AnsiString& title, const AnsiString& initialDir, AnsiString& chosenDir, int helpContext)
{
    TDialogCall call;
    call.Kind = TDialogKind::Directory;
    call.Title = title;
    call.InitialDir = initialDir;
    call.HelpContext = helpContext;
    TDialogAnswer answer;
    if (!SettledHere(call, answer))
        return CurrentHost()->DirectoryDialog(title, initialDir, chosenDir);
    return TakeChosen(answer, chosenDir);
}

int TDialogService::MessageBox(const AnsiString& text, const AnsiString& caption, UINT type)
{
    TDialogCall call;
    call.Kind = TDialogKind::Message;
    call.Title = caption;
    call.Text = text;
    call.Type = type;
    TDialogAnswer answer;
    if (!SettledHere(call, answer))
        return CurrentHost()->MessageBox(text, caption, type);
    return answer.Button;
}

int TDialogService::PopupMenu(
    const std::vector<PopupMenuItem>& items, TPoint screenPoint, PopupAlignment alignment)
{
    TDialogCall call;
    call.Kind = TDialogKind::PopupMenu;
    call.MenuItems = items;
    call.MenuPoint = screenPoint;
    call.MenuAlignment = alignment;
    TDialogAnswer answer;
    if (!SettledHere(call, answer))
        return CurrentHost()->TrackPopupMenu(items, screenPoint, alignment);
    if (!answer.Accepted || answer.Button < 0 || answer.Button >= int(items.size()))
        return -1;
    return answer.Button;
}

// SPDX-License-Identifier: MIT
#include "platform/vcl/dialogs/Dialogs.h"

#include "platform/rtl/FileNames.h"
#include "platform/vcl/dialogs/DialogService.h"
#include "platform/vcl/forms/Application.h"

namespace {

// "*.bmp", ".bmp" and "bmp" all name the extension "bmp".
AnsiString BareExtension(AnsiString extension)
{
    const auto start = extension.find_first_not_of("*.");
    return start == AnsiString::npos ? AnsiString() : extension.substr(start);
}

} // namespace

bool TOpenDialog::DoExecute(bool save)
{
    FileDialogRequest request;
    request.title = FTitle;
    request.initialDir = FInitialDir.empty() ? AnsiString() : HostPath(FInitialDir);
    request.filter = FFilter;
    request.filterIndex = FFilterIndex;
    request.defaultExt = BareExtension(FDefaultExt);
    request.fileName = FFileName;
    request.save = save;
    request.overwritePrompt = save && (FOptions & ofOverwritePrompt);
    request.fileMustExist = !save && (FOptions & ofFileMustExist);
    AnsiString chosen;
    if (!TDialogService::Instance().FileDialog(request, chosen))
        return false;
    FFileName = chosen;
    return true;
}

bool TOpenDialog::Execute()
{
    return DoExecute(false);
}
bool TSaveDialog::Execute()
{
    return DoExecute(true);
}

void ShowMessage(const AnsiString& text)
{
    TDialogService::Instance().MessageBox(text, Application->Title(), MB_OK);
}

// SPDX-License-Identifier: MIT
// The directory edit: its button chooses one folder, or adds one to a list.
#include "widgets/ToolEdit.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/vcl/controls/NewStyleControls.h"
#include "support/FileUtil.h"
#include "support/StrUtils.h"

TDirectoryEdit::TDirectoryEdit(TComponent* owner)
    : TFileDirEdit(owner)
{
    FDialogOptions = 0;
}

void TDirectoryEdit::DoButtonClick()
{
    // Every event below runs user code, which may free the edit.
    const TGuardedPtr<TDirectoryEdit> self(this);
    TFileDirEdit::DoButtonClick();
    if (!self)
        return;
    AnsiString directory = Text();
    bool action = true;
    DoBeforeDialog(directory, action);
    if (!self || !action)
        return;
    if (directory.empty())
        directory = FInitialDir.empty() ? AnsiString("\\") : FInitialDir;
    if (!IsExistingDirectory(directory))
        directory = "\\";
    SuppressErrorBoxes();
    {
        const ScopeExit restore([&self] {
            if (self)
                self->RestoreErrorBoxes();
        });
        if (NewStyleControls && FDialogKind == dkWin32)
            action = ChooseFolder(directory, FDialogText, HelpContext());
        else
            action = SelectDirectory(directory, FDialogOptions, HelpContext());
    }
    if (!self)
        return;
    if (CanFocus())
        FocusKeepingSelection();
    if (!self)
        return;
    DoAfterDialog(directory, action);
    if (!self || !action)
        return;
    SetSelText("");
    if (!self)
        return;
    if (Text().empty() || !MultipleDirs())
        SetText(directory);
    else
        SetText(Text() + ";" + directory);
    if (self && !directory.empty() && IsExistingDirectory(directory))
        FInitialDir = directory;
}

void TDirectoryEdit::ReceiveName(const AnsiString& name)
{
    const AnsiString directory = FileExists(name) ? ExtractFilePath(name) : name;
    if (Text().empty() || !MultipleDirs())
        SetText(directory);
    else
        SetText(Text() + ";" + directory);
}

AnsiString TDirectoryEdit::ConvertedText(AnsiString (*convert)(const AnsiString&))
{
    const AnsiString text = Text();
    if (!MultipleDirs())
        return convert(text);
    AnsiString result;
    int position = 1;
    while (position <= int(text.size())) {
        const AnsiString converted = convert(NextDelimitedItem(text, position, CharSetOf(";")));
        if (!result.empty() && !converted.empty())
            result += ";";
        result += converted;
    }
    return result;
}

AnsiString TDirectoryEdit::LongNameText()
{
    return ConvertedText(&LongPathOf);
}

AnsiString TDirectoryEdit::ShortNameText()
{
    return ConvertedText(&ShortPathOf);
}

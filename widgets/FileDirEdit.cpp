// SPDX-License-Identifier: MIT
// What the file and directory edits share: the folder glyph, dropped files, the hooks around
// their dialog, and quiet error boxes while it runs.
#include "widgets/ToolEdit.h"

#include "platform/rtl/ScopeExit.h"
#include "platform/win32/resources/SystemBitmaps.h"
#include "platform/win32/shell/ShellApi.h"
#include "support/FileUtil.h"

#include <memory>

namespace {
std::unique_ptr<TBitmap>& SharedGlyph()
{
    static std::unique_ptr<TBitmap> glyph;
    return glyph;
}
} // namespace

TBitmap* FileDirEditGlyph()
{
    std::unique_ptr<TBitmap>& glyph = SharedGlyph();
    if (!glyph) {
        HBITMAP loaded = LoadBitmapA(HInstance, "FEDITBMP");
        if (!loaded)
            return nullptr;
        glyph = std::make_unique<TBitmap>();
        glyph->SetHandle(loaded);
    }
    return glyph.get();
}

void ReleaseFileDirEditGlyph()
{
    SharedGlyph().reset();
}

TFileDirEdit::TFileDirEdit(TComponent* owner)
    : TCustomComboEdit(owner)
{
    SetOEMConvert(true);
    IncludeState(csCreating);
    const ScopeExit done([this] { ExcludeState(csCreating); });
    SetGlyphKind(gkDefault);
}

const TMessageTable& TFileDirEdit::Messages()
{
    static const TMessageTable table(&TCustomComboEdit::Messages(),
        {
            { WM_DROPFILES, &MessageHandler<TFileDirEdit, &TFileDirEdit::WMDropFiles> },
        });
    return table;
}

TBitmap* TFileDirEdit::DefaultGlyphBitmap(bool& callerOwns)
{
    callerOwns = false;
    return FileDirEditGlyph();
}

void TFileDirEdit::SetAcceptFiles(bool value)
{
    if (value == FAcceptFiles)
        return;
    SetDragAccept(value);
    FAcceptFiles = value;
}

void TFileDirEdit::SetDragAccept(bool value)
{
    if (ComponentState() & csDesigning)
        return;
    if (HWND window = Handle())
        DragAcceptFiles(window, value ? TRUE : FALSE);
}

void TFileDirEdit::CreateHandle()
{
    TCustomComboEdit::CreateHandle();
    if (FAcceptFiles)
        SetDragAccept(true);
}

void TFileDirEdit::DestroyWnd()
{
    if (HandleAllocated() && !(ComponentState() & csDesigning))
        DragAcceptFiles(FHandle, FALSE);
    TCustomComboEdit::DestroyWnd();
}

void TFileDirEdit::WMDropFiles(TMessage& message)
{
    message.Result = 0;
    const auto drop = reinterpret_cast<HDROP>(message.WParam);
    const ScopeExit finish([drop] { DragFinish(drop); });
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 0)
        return;
    // A name set into the text runs OnChange, whose handler may free the edit.
    const TGuardedPtr<TFileDirEdit> self(this);
    BeforeDropNames();
    for (UINT index = 0; index < count; ++index) {
        // Read whole: a name cut short names another directory.
        AnsiString name(std::size_t(DragQueryFileA(drop, index, nullptr, 0)) + 1, '\0');
        name.resize(DragQueryFileA(drop, index, name.data(), UINT(name.size())));
        ReceiveName(name);
        if (!self || !FMultipleDirs)
            break;
    }
    if (self && OnDropFiles)
        OnDropFiles(this);
}

void TFileDirEdit::DoAfterDialog(AnsiString& name, bool& action)
{
    if (OnAfterDialog)
        OnAfterDialog(this, name, action);
}

void TFileDirEdit::DoBeforeDialog(AnsiString& name, bool& action)
{
    if (OnBeforeDialog)
        OnBeforeDialog(this, name, action);
}

void TFileDirEdit::SuppressErrorBoxes()
{
    FSavedErrorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void TFileDirEdit::RestoreErrorBoxes()
{
    SetErrorMode(FSavedErrorMode);
    FSavedErrorMode = 0;
}

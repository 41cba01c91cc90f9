// SPDX-License-Identifier: MIT
// Directory edits: one holding a single folder, chosen in the toolkit's directory dialog, and
// one holding a list, chosen in the folder browser, that also takes folders dropped from a
// file manager.
#include "tools/gallery/Gallery.h"

#include "widgets/ToolEdit.h"

namespace {

TDirectoryEdit* AddDirectoryEdit(TGalleryForm& gallery, TWinControl* parent, const AnsiString& name, int top)
{
    auto* edit = new TDirectoryEdit(&gallery);
    edit->SetName(name);
    edit->SetParent(parent);
    edit->SetBounds(10, top, 404, 21);
    edit->SetText("");
    edit->OnAfterDialog = [name](TObject*, AnsiString& directory, bool& action) {
        GalleryReport(action ? name + " chose " + directory : name + " cancelled");
    };
    edit->OnDropFiles = [edit, name](TObject*) { GalleryReport(name + " dropped " + edit->Text()); };
    return edit;
}

} // namespace

void AddDirectoryEditSection(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("Directory edits", 120);
    gallery.AddLabel(section, "One folder: the button (or Alt+Down) chooses it in place of the text", 10, 18);
    AddDirectoryEdit(gallery, section, "PlainDirEdit", 34);
    gallery.AddLabel(
        section, "A list of folders separated by \";\": the folder browser adds one at the end,", 10, 62);
    gallery.AddLabel(section, "and folders or files dropped on it from a file manager are added too", 10, 76);
    TDirectoryEdit* list = AddDirectoryEdit(gallery, section, "ListDirEdit", 92);
    list->SetMultipleDirs(true);
    list->SetDialogKind(dkWin32);
    list->SetAcceptFiles(true);
}

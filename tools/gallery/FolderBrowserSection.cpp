// SPDX-License-Identifier: MIT
// The folder browse dialog, opened by a speed button; the chosen folder shows beside it.
#include "tools/gallery/Gallery.h"
#include "tools/gallery/GalleryGlyphs.h"

#include "support/FileUtil.h"
#include "widgets/SpeedButton.h"

void AddFolderBrowserSection(TGalleryForm& gallery)
{
    TGroupBox* section = gallery.AddSection("Folder browse dialog", 56);
    auto* button = new TSpeedButton(&gallery);
    button->SetName("BrowseFolderButton");
    button->SetParent(section);
    button->SetBounds(10, 20, 120, 28);
    button->SetCaption("Browse folder...");
    button->SetLayout(blGlyphLeft);
    button->SetGlyph(MakeGalleryGlyph(GalleryPicture::Square, clOlive).get());
    TLabel* chosen = gallery.AddLabel(section, "Chosen: none", 140, 28);
    chosen->SetName("FolderChoice");
    button->OnClick = [chosen, folder = AnsiString()](TObject*) mutable {
        if (!ChooseFolder(folder, "Choose a folder for the gallery:", 0)) {
            GalleryReport("cancelled");
            return;
        }
        chosen->SetCaption("Chosen: " + folder);
        GalleryReport("chosen " + folder);
    };
}

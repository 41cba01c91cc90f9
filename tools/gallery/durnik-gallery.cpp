// SPDX-License-Identifier: MIT
// durnik-gallery: opens the widget gallery. With --report it prints where each named control
// lies in the window's client area ("Name left top width height") and then a line "clicked
// Name" for every click of a speed button, and what the sections' dialogs and edits were given
// ("PlainDirEdit chose /tmp"), for tests that drive the window from outside.
#include "tools/gallery/Gallery.h"

#include "platform/qt/QtHost.h"
#include "platform/vcl/forms/Application.h"
#include "platform/vcl/menus/ActnList.h"
#include "resources/DurnikResources.h"
#include "widgets/SpeedButton.h"
#include "widgets/ToolEdit.h"

#include <cstdio>
#include <cstring>

namespace {

bool& Reporting()
{
    static bool reporting = false;
    return reporting;
}

void ReportClicks(TGalleryForm& gallery)
{
    for (int index = 0; index < gallery.ComponentCount(); ++index) {
        auto* button = dynamic_cast<TSpeedButton*>(gallery.Components(index));
        if (!button)
            continue;
        const AnsiString line = "clicked " + button->Name() + "\n";
        // A button with an action runs it when no OnClick is set; the report keeps it so.
        button->OnClick = [line, button, previous = button->OnClick](TObject* sender) {
            std::fputs(line.c_str(), stdout);
            std::fflush(stdout);
            if (previous)
                previous(sender);
            else if (button->Action())
                button->Action()->Execute();
        };
    }
}

} // namespace

void GalleryReport(const AnsiString& line)
{
    if (!Reporting())
        return;
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

int main(int argc, char** argv)
{
    bool report = false;
    for (int index = 1; index < argc; ++index)
        report = report || std::strcmp(argv[index], "--report") == 0;
    Reporting() = report;

    RegisterDurnikResources();
    QtHostSession host(argc, argv);
    RegisterSpeedCtrls();
    Application->Initialize();
    Application->SetTitle("Durnik widget gallery");
    TGalleryForm* gallery = nullptr;
    Application->CreateForm(gallery);
    for (const TGallerySectionBuilder& addSection : GallerySections())
        addSection(*gallery);
    if (report) {
        std::fputs(gallery->DescribeLayout().c_str(), stdout);
        std::fflush(stdout);
        ReportClicks(*gallery);
    }
    Application->Run();
    Application->DestroyComponents();
    ReleaseFileDirEditGlyph();
    return 0;
}

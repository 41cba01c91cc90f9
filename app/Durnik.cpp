// SPDX-License-Identifier: MIT
// The program: registers the extra cursors, creates the main window from its layout and
// runs the message loop until the window is closed.
#include "app/Main.h"
#include "app/ProgramCursors.h"
#include "platform/qt/QtHost.h"
#include "platform/vcl/forms/Application.h"
#include "resources/DurnikResources.h"
#include "resources/Version.h"
#include "widgets/ToolEdit.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool HasDisplay()
{
    for (const char* variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--version") == 0) {
            std::printf("Durnik %s (product version %s)\n", kFileVersion, kProductVersion);
            return 0;
        }
    }

    if (!HasDisplay()) {
        std::fprintf(stderr,
            "durnik: there is no display to open the window on (DISPLAY is not set).\n"
            "Start it from a graphical session, or under a virtual display: xvfb-run -a durnik\n"
            "durnik-batch converts a folder of pictures without a display.\n");
        return 1;
    }

    RegisterDurnikResources();
    RegisterProgramCursors();
    QtHostSession host(argc, argv);
    Application->Initialize();
    Application->CreateForm(MainForm);
    Application->Run();
    // What the units' finalization does: the windows go before the host that shows them,
    // and the edits' shared folder glyph after the last edit.
    Application->DestroyComponents();
    ReleaseFileDirEditGlyph();
    return 0;
}

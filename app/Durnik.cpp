// SPDX-License-Identifier: MIT
// The program: registers the extra cursors, creates the main window from its layout and
// runs the message loop until the window is closed.
#include "app/Main.h"
#include "app/ProgramCursors.h"
#include "app/Version.h"
#include "platform/qt/QtHost.h"
#include "platform/vcl/Application.h"
#include "resources/DurnikResources.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--version") == 0) {
            std::printf("Durnik %s (product version %s)\n", kFileVersion, kProductVersion);
            return 0;
        }
    }

    RegisterDurnikResources();
    RegisterProgramCursors();
    QtHostSession host(argc, argv);
    Application->Initialize();
    Application->CreateForm(MainForm);
    Application->Run();
    // What the units' finalization does: the windows go before the host that shows them.
    Application->DestroyComponents();
    return 0;
}

// SPDX-License-Identifier: MIT
// The program: registers the extra cursors, creates the main window from its layout and
// runs the message loop until the window is closed.
#include "app/Main.h"
#include "app/Version.h"
#include "platform/qt/QtHost.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Screen.h"
#include "resources/DurnikResources.h"

#include <cstdio>
#include <cstring>

namespace {

inline constexpr TCursor crHandCursor = 14000;
inline constexpr TCursor crDragCursor = 14001;

void RegisterCursors()
{
    Screen->SetCursors(crHandCursor, LoadCursorA(HInstance, kHandCursorName));
    Screen->SetCursors(crDragCursor, LoadCursorA(HInstance, kDragCursorName));
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

    RegisterDurnikResources();
    RegisterCursors();
    QtHostSession host(argc, argv);
    Application->Initialize();
    Application->CreateForm(MainForm);
    Application->Run();
    // What the units' finalization does: the windows go before the host that shows them.
    Application->DestroyComponents();
    return 0;
}

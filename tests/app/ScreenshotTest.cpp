// SPDX-License-Identifier: MIT
// The real program in a real window: started under a virtual X display, found by its
// caption, measured, and photographed with the settings panel closed and open. The
// pictures stay in screenshots/ of the build directory for a person to look at.
#include "tests/app/RealWindow.h"

#include "platform/rtl/ProgramPath.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using realwindow::Field;
using realwindow::OnPath;
using realwindow::PixelAt;
using realwindow::ReadFile;

TEST(Screenshot, ProgramOpensItsWindowOnARealDisplay)
{
    if (!OnPath("xvfb-run") || !OnPath("xwininfo") || !OnPath("xprop") || !OnPath("import"))
        GTEST_SKIP() << "xvfb-run, xwininfo, xprop or ImageMagick's import is missing";
    const bool canClick = OnPath("xdotool");
    const std::filesystem::path shots = std::filesystem::path(DURNIK_PROGRAM).parent_path() / "screenshots";
    std::filesystem::create_directories(shots);
    for (const char* name : { "window.txt", "properties.txt", "window.png", "settings.txt", "settings.png" })
        std::filesystem::remove(shots / name);

    // The window is at 309, 211; "Settings..." at 208, 48 of its client area.
    // The tests themselves run offscreen; the program is to use the X display.
    const std::string script
        = "QT_QPA_PLATFORM=xcb '" DURNIK_PROGRAM "' & program=$!\n"
          "for i in $(seq 300); do xwininfo -name 'Kalvora ' >/dev/null 2>&1 && break; sleep 0.1; done\n"
          "sleep 1.5\n"
          "xwininfo -name 'Kalvora ' > window.txt\n"
          "xprop -name 'Kalvora ' > properties.txt\n"
          "import -window root window.png\n"
        + std::string(canClick ? "xdotool mousemove 553 271 click 1\nsleep 1.5\n"
                                 "xwininfo -name 'Kalvora ' > settings.txt\n"
                                 "import -window root settings.png\n"
                               : "")
        + "kill $program; wait $program\n";
    std::ofstream(shots / "run.sh") << script;
    // Other test runs may start virtual displays at the same moment and take the number
    // this one picked; then it is tried again from another number.
    std::string window;
    for (int attempt = 0; attempt < 3 && window.empty(); ++attempt) {
        const int firstDisplay = 100 + int((::getpid() * 7 + attempt * 131) % 800);
        const std::string command = "cd '" + shots.string() + "' && timeout 120 xvfb-run -a -n "
            + std::to_string(firstDisplay) + " -s '-screen 0 800x600x24' sh run.sh >run.log 2>&1";
        std::system(command.c_str());
        window = ReadFile(shots / "window.txt");
    }
    ASSERT_FALSE(window.empty()) << "no window \"Kalvora \" appeared; see " << (shots / "run.log");
    EXPECT_EQ(Field(window, "Width:"), 384);
    EXPECT_EQ(Field(window, "Height:"), 153);
    EXPECT_EQ(Field(window, "Absolute upper-left X:"), 309);
    EXPECT_EQ(Field(window, "Absolute upper-left Y:"), 211);
    // The application icon reaches the window manager.
    EXPECT_NE(ReadFile(shots / "properties.txt").find("_NET_WM_ICON("), std::string::npos);
    ASSERT_TRUE(std::filesystem::exists(shots / "window.png"));
    // The default mask is shown: white in the middle of its diamond, black in its corner.
    EXPECT_EQ(PixelAt(shots / "window.png", 309 + 64, 211 + 80 + 31), "255,255,255");
    EXPECT_EQ(PixelAt(shots / "window.png", 309 + 2, 211 + 80 + 2), "0,0,0");
    // Beside the screen's black, the form's own face.
    EXPECT_NE(PixelAt(shots / "window.png", 309 + 370, 211 + 140), "0,0,0");

    if (!canClick)
        return;
    const std::string settings = ReadFile(shots / "settings.txt");
    EXPECT_EQ(Field(settings, "Width:"), 385);
    EXPECT_EQ(Field(settings, "Height:"), 257);
}

} // namespace

// SPDX-License-Identifier: MIT
// The real program in a real window: started under a virtual X display, found by its
// caption, measured, and photographed with the settings panel closed and open. The
// pictures stay in screenshots/ of the build directory for a person to look at.
#include "tests/app/RealWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using realwindow::Field;
using realwindow::PixelAt;
using realwindow::ReadFile;

TEST(Screenshot, ProgramOpensItsWindowOnARealDisplay)
{
    if (const std::string missing = realwindow::MissingTools({ "xprop" }); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path shots = std::filesystem::path(DURNIK_PROGRAM).parent_path() / "screenshots";
    std::filesystem::create_directories(shots);
    for (const char* name : { "window.txt", "properties.txt", "window.png", "settings.txt", "settings.png" })
        std::filesystem::remove(shots / name);

    // The window is measured once the form's face beside the mask and the mask's white middle
    // are on the screen, and again once the settings panel below them is: "Settings..." lies
    // at 208, 48 of the client area and is clicked at 244, 60. The tests themselves run
    // offscreen; the program is to use the X display.
    const std::string script = R"sh(QT_QPA_PLATFORM=xcb ')sh" DURNIK_PROGRAM R"sh(' & program=$!
wait_window 'Kalvora ' || { kill $program; exit 1; }
set -- $(corner 'Kalvora '); wx=$1; wy=$2
shot_until window "painted window.png $((wx + 370)) $((wy + 140)) && painted window.png $((wx + 64)) $((wy + 111))"
xprop -name 'Kalvora ' > properties.txt
xwininfo -name 'Kalvora ' > window.txt
xdotool mousemove $((wx + 244)) $((wy + 60)) click 1
shot_until settings "painted settings.png $((wx + 300)) $((wy + 200))"
xwininfo -name 'Kalvora ' > settings.txt
kill $program; wait $program
)sh";
    const bool ran = realwindow::RunUnderDisplay(shots, script, "800x600", "window.txt", 5);
    const std::string window = ReadFile(shots / "window.txt");
    ASSERT_TRUE(ran && !window.empty()) << "no window \"Kalvora \" appeared; see " << (shots / "run.log");
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

    const std::string settings = ReadFile(shots / "settings.txt");
    EXPECT_EQ(Field(settings, "Width:"), 385);
    EXPECT_EQ(Field(settings, "Height:"), 321);
}

} // namespace

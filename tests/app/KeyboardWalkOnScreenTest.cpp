// SPDX-License-Identifier: MIT
// The real program in a real window worked from the keyboard alone: Tab shows where the
// focus is, Ctrl+O opens a picture through the dialog, Ctrl+2 chooses Iso, Ctrl+G generates
// and Ctrl+S saves the tile durnik-batch makes of the same picture. The pictures stay in
// screenshots/keyboard of the build directory.
#include "tests/app/MainWindowFixture.h"
#include "tests/app/RealWindow.h"

#include <cstdio>
#include <filesystem>

namespace {

TEST(KeyboardWalkOnScreen, OpenIsoGenerateAndSaveWithoutTheMouse)
{
    if (const std::string missing = realwindow::MissingTools(); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path program(DURNIK_PROGRAM);
    const std::filesystem::path shots
        = realwindow::FreshFolder(program.parent_path() / "screenshots" / "keyboard");
    TemporaryDirectory work;
    const std::string pictures = work.MakeDirectory("pictures");
    const std::string tiles = work.MakeDirectory("tiles");
    WriteSolidPicture(pictures + "/texture.bmp", 90, 70, RGB(30, 140, 220));

    // Keys go to the window with the keyboard focus, which a busy machine may give a window
    // a moment after it is painted. The Generate button lies at 136, 48 of the client area;
    // the source picture at 0, 7 and the tile at 136, 80.
    std::string script = "QT_QPA_PLATFORM=xcb '" + program.string() + R"sh(' & program=$!
stop() { kill $program; exit 1; }
focused() { wait_for '[ "$(xdotool getwindowfocus)" = "$(visible "'"$1"'")" ]' || stop; }
choose() {
    wait_window "$1" || stop
    focused "$1"
    xdotool type --delay 30 "$2"
    xdotool key Return
    # The first Return may only close the name field's completion list.
    wait_gone "$1" || { xdotool key Return; wait_gone "$1" || stop; }
}
wait_window 'Kalvora ' || stop
set -- $(corner 'Kalvora '); wx=$1; wy=$2
echo "origin $wx $wy" > origin.txt
shot_until start "painted start.png $((wx + 300)) $((wy + 140))" || stop
focused 'Kalvora '
xdotool key Tab
shot_until focus "area_differs_from focus.png $((wx + 136)) $((wy + 48)) 73 25 start.png" || stop
xdotool key ctrl+o
choose 'Open image' ')sh"
        + pictures + R"sh(/texture.bmp'
focused 'Kalvora '
shot_until opened "area_differs_from opened.png $((wx + 0)) $((wy + 7)) 128 63 start.png" || stop
xdotool key ctrl+2 ctrl+g
shot_until generated "area_differs_from generated.png $((wx + 136)) $((wy + 80)) 128 63 opened.png" || stop
xdotool key ctrl+s
choose 'Save image' ')sh"
        + tiles + R"sh(/tile.bmp'
wait_for "[ -s ')sh"
        + tiles + R"sh(/tile.bmp' ]" && echo saved > saved.txt
kill $program; wait $program
)sh";

    ASSERT_TRUE(realwindow::RunUnderDisplay(shots, script, "800x600", "saved.txt", 13))
        << "the walk did not get through; see " << (shots / "run.log");
    int left = 0;
    int top = 0;
    ASSERT_EQ(
        std::sscanf(realwindow::ReadFile(shots / "origin.txt").c_str(), "origin %d %d", &left, &top), 2);

    // The top edge of Generate's focus rectangle, four pixels inside the button: dotted
    // once Tab brought the focus, not there before.
    const auto darkDots = [&](const char* picture) {
        int dots = 0;
        for (const std::uint32_t pixel :
            realwindow::PixelsIn(shots / picture, left + 136 + 4, top + 48 + 4, 64, 1))
            dots += (pixel >> 16 & 0xFF) < 128 && (pixel >> 8 & 0xFF) < 128 && (pixel & 0xFF) < 128 ? 1 : 0;
        return dots;
    };
    EXPECT_EQ(darkDots("start.png"), 0);
    EXPECT_GE(darkDots("focus.png"), 28) << "no dotted focus rectangle on Generate";
    EXPECT_LE(darkDots("focus.png"), 36) << "the focus rectangle is not dotted";
    const std::string batchOut = work.MakeDirectory("batch");
    ASSERT_EQ(RunDurnikBatch({ "--projection", "iso", pictures.c_str(), batchOut.c_str() },
                  program.parent_path().string() + "/"),
        0);
    const std::string saved = FileBytes(tiles + "/tile.bmp");
    EXPECT_FALSE(saved.empty()) << "no tile was saved";
    EXPECT_EQ(saved, FileBytes(batchOut + "/texture.bmp")) << "the saved tile is not the iso tile";
}

} // namespace

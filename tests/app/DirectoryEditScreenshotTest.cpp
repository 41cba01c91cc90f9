// SPDX-License-Identifier: MIT
// The settings panel's directory edits in the real program under a virtual X display: their
// buttons show the folder glyph, InDir's button opens the directory dialog whose choice lands
// in the edit, Alt+Down in OutDir opens it too and Escape leaves the text, and Batch then
// converts the chosen folder. The pictures stay in screenshots/directory-edits/ of the build
// directory for a person to look at.
#include "tests/app/RealWindow.h"

#include "resources/FolderGlyph.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using realwindow::PixelsIn;
using realwindow::ReadFile;
using realwindow::RunUnderDisplay;

// Where the edits lie in the window's client area, the panel's place added: 256, 32 and
// 256, 64 of the panel at 0, 160; each 121 x 21.
constexpr int kEditLeft = 256;
constexpr int kInDirTop = 160 + 32;
constexpr int kOutDirTop = 160 + 64;
constexpr int kEditWidth = 121;
constexpr int kEditHeight = 21;

// Whether every black, white and grey pixel of the folder glyph shows, at one place, among
// the screen pixels of an edit (0xRRGGBB, row by row).
bool ShowsFolderGlyph(const std::vector<std::uint32_t>& screen, int width, int height)
{
    const PixelRaster glyph = FolderGlyph();
    const auto matchesAt = [&](int left, int top) {
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x) {
                const COLORREF color = glyph.At(x, y);
                if (color == kGlyphTransparentColor)
                    continue;
                const std::uint32_t rgb = (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
                if (screen[std::size_t(top + y) * std::size_t(width) + std::size_t(left + x)] != rgb)
                    return false;
            }
        return true;
    };
    for (int top = 0; top + glyph.height <= height; ++top)
        for (int left = 0; left + glyph.width <= width; ++left)
            if (matchesAt(left, top))
                return true;
    return false;
}

// The width and height in a BMP file's information header, or 0, 0.
std::pair<int, int> BitmapSize(const std::string& file)
{
    std::ifstream stream(file, std::ios::binary);
    unsigned char header[26] = {};
    if (!stream.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' || header[1] != 'M')
        return { 0, 0 };
    const auto number = [&](int at) {
        return std::int32_t(
            header[at] | header[at + 1] << 8 | header[at + 2] << 16 | std::uint32_t(header[at + 3]) << 24);
    };
    return { number(18), number(22) < 0 ? -number(22) : number(22) };
}

} // namespace

TEST(DirectoryEditsOnScreen, ChooseTheBatchFoldersThroughTheirDialogs)
{
    if (const std::string missing = realwindow::MissingTools(); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path shots = realwindow::FreshFolder(
        std::filesystem::path(DURNIK_PROGRAM).parent_path() / "screenshots" / "directory-edits");
    TemporaryDirectory work;
    const std::string input = work.MakeDirectory("pictures");
    const std::string output = work.MakeDirectory("tiles");
    const std::filesystem::path samples = std::filesystem::path(DURNIK_PROGRAM).parent_path() / "bmp";
    for (const char* name : { "grass.bmp", "sand.bmp" })
        std::filesystem::copy_file(samples / name, std::filesystem::path(input) / name);
    const std::string roundabout = output + "/../pictures";

    const auto at = [](int x, int y) {
        return "$((wx + " + std::to_string(x) + ")) $((wy + " + std::to_string(y) + "))";
    };
    std::string script = "QT_QPA_PLATFORM=xcb '" DURNIK_PROGRAM "' >program.out 2>program.err & program=$!\n";
    const auto line = [&script](const std::string& text) { script += text + "\n"; };
    line("wait_window 'Kalvora ' || { kill $program; exit 1; }");
    line("set -- $(corner 'Kalvora '); wx=$1; wy=$2");
    line("shot_until start \"painted start.png " + at(300, 140) + "\"");
    line("xdotool mousemove " + at(244, 60) + " click 1"); // Settings...
    line("shot_until panel \"painted panel.png " + at(300, 200) + "\"");
    line("echo \"origin $wx $wy\" > origin.txt");
    // InDir holds a roundabout spelling of the pictures folder, so its dialog opens there; Return
    // in the dialog's empty path field chooses the folder shown, and the edit takes the plain
    // spelling. Nothing is typed into the dialog, whose completion list may or may not pop up.
    line("xdotool mousemove " + at(kEditLeft + 30, kInDirTop + 10) + " click 1");
    line("xdotool type --delay 30 '" + roundabout + "'");
    line("shot_until typed \"area_differs_from typed.png " + at(kEditLeft + 3, kInDirTop + 3) + " 90 15 panel.png\"");
    line("xdotool mousemove " + at(kEditLeft + 2 + 96 + 10, kInDirTop + 10) + " click 1");
    line("wait_window 'Select Directory' && xwininfo -id $(visible 'Select Directory') > dialog.txt");
    line("set -- $(corner 'Select Directory'); dx=$1; dy=$2");
    line("shot_until dialog \"painted dialog.png $((dx + 20)) $((dy + 20))\"");
    line("xdotool windowfocus --sync $(visible 'Select Directory') key Return");
    line("wait_gone 'Select Directory'");
    line("shot_until landed \"area_differs_from landed.png " + at(kEditLeft + 3, kInDirTop + 3) + " 90 15 typed.png\"");
    // OutDir is typed into, then Alt+Down opens the dialog and Escape closes it.
    line("xdotool mousemove " + at(kEditLeft + 30, kOutDirTop + 10) + " click 1");
    line("xdotool type --delay 30 '" + output + "'");
    line("xdotool key alt+Down");
    line("wait_window 'Select Directory' && xwininfo -id $(visible 'Select Directory') > outdialog.txt");
    line("set -- $(corner 'Select Directory'); dx=$1; dy=$2");
    line("shot_until outdialog \"painted outdialog.png $((dx + 20)) $((dy + 20))\"");
    line("xdotool windowfocus --sync $(visible 'Select Directory') key Escape");
    line("wait_gone 'Select Directory'");
    // The typed text scrolls to its end, so no single pixel of the edit is sure to change.
    line("shot_until chosen \"area_differs_from chosen.png " + at(kEditLeft + 3, kOutDirTop + 3)
        + " 90 15 panel.png\"");
    // Batch; its report is a message box with the program's name for its title.
    line("xdotool mousemove " + at(244, 36) + " click 1");
    line("wait_window durnik && xwininfo -id $(visible durnik) > report.txt");
    line("set -- $(corner durnik); dx=$1; dy=$2");
    line("shot_until report \"painted report.png $((dx + 10)) $((dy + 10))\"");
    line("xdotool windowfocus --sync $(visible durnik) key Return");
    line("wait_gone durnik");
    line("kill $program; wait $program");
    ASSERT_TRUE(RunUnderDisplay(shots, script, "1024x768", "origin.txt", 3))
        << "no window with the settings panel appeared; see " << (shots / "run.log");
    const std::string origin = ReadFile(shots / "origin.txt");
    int windowLeft = 0;
    int windowTop = 0;
    ASSERT_EQ(std::sscanf(origin.c_str(), "origin %d %d", &windowLeft, &windowTop), 2) << origin;

    for (const int top : { kInDirTop, kOutDirTop }) {
        const std::vector<std::uint32_t> edit
            = PixelsIn(shots / "panel.png", windowLeft + kEditLeft, windowTop + top, kEditWidth, kEditHeight);
        ASSERT_EQ(edit.size(), std::size_t(kEditWidth * kEditHeight));
        EXPECT_TRUE(ShowsFolderGlyph(edit, kEditWidth, kEditHeight))
            << "no folder glyph on the edit at " << top;
    }
    EXPECT_FALSE(ReadFile(shots / "dialog.txt").empty()) << "InDir's button opened no dialog";
    EXPECT_FALSE(ReadFile(shots / "outdialog.txt").empty()) << "Alt+Down in OutDir opened no dialog";
    EXPECT_GT(realwindow::Field(ReadFile(shots / "report.txt"), "Width:"), 100) << "Batch showed no report";
    // The batch read InDir as the dialog left it and OutDir as typed, Escape notwithstanding.
    for (const char* name : { "grass.bmp", "sand.bmp" })
        EXPECT_EQ(BitmapSize(output + "/" + name), std::make_pair(128, 63)) << name;
}

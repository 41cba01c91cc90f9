// SPDX-License-Identifier: MIT
// The widget gallery in a real window under a virtual X display, clicked and hovered with
// xdotool and photographed; the pictures stay in screenshots/gallery/ of the build directory.
#include "tests/app/RealWindow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using realwindow::Field;
using realwindow::PixelAt;
using realwindow::ReadFile;

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The screen rectangles the gallery printed for its named controls, moved by the window's
// place on the screen ("origin X Y" as the script found it).
std::map<std::string, Box> ReadLayout(const std::string& report)
{
    std::map<std::string, Box> boxes;
    std::istringstream lines(report);
    std::string name;
    Box origin;
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        Box box;
        if (!(fields >> name >> box.left >> box.top))
            continue;
        if (name == "origin") {
            origin = box;
            continue;
        }
        fields >> box.width >> box.height;
        boxes[name] = box;
    }
    for (auto& [boxName, box] : boxes) {
        box.left += origin.left;
        box.top += origin.top;
    }
    return boxes;
}

class GalleryWindow : public ::testing::Test {
protected:
    std::filesystem::path Shots() const
    {
        return std::filesystem::path(DURNIK_GALLERY).parent_path() / "screenshots" / "gallery";
    }
};

} // namespace

TEST_F(GalleryWindow, SpeedButtonsAnswerTheRealMouse)
{
    if (const std::string missing = realwindow::MissingTools(); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path shots = realwindow::FreshFolder(Shots());

    // The script finds each control by the layout the gallery prints, so it clicks where the
    // buttons are whatever the fonts make of the window. Each picture is taken once the screen
    // shows what the step should bring, or after a generous deadline, so a busy machine's slow
    // repaint is waited for rather than raced; the checks below then judge the pictures.
    const std::string script
        = R"sh(QT_QPA_PLATFORM=xcb ')sh" DURNIK_GALLERY R"sh(' --report > report.txt 2>run.err & program=$!
wait_window 'Durnik widget gallery' || { kill $program; exit 1; }
set -- $(corner 'Durnik widget gallery'); ox=$1; oy=$2
at() { awk -v n="$1" -v ox="$ox" -v oy="$oy" -v dx="$2" -v dy="$3" '$1 == n {print ox + $2 + dx, oy + $3 + dy}' report.txt; }
set -- $(at GroupB 4 4); gx=$1; gy=$2
set -- $(at FlatPlain 0 0); fx=$1; fy=$2; fw=$(awk '$1 == "FlatPlain" {print $4}' report.txt)
set -- $(at DropDownButton 4 0); mx=$1; my=$(( $2 + $(awk '$1 == "DropDownButton" {print $5}' report.txt) + 6 ))
xdotool mousemove 5 5
shot_until start "painted start.png $gx $gy && same start.png $gx $gy $((gx + 1)) $gy"
echo "origin $ox $oy" > origin.txt
xdotool mousemove $(at GroupB 14 14) click 1; xdotool mousemove 5 5
shot_until latched "differ latched.png $gx $gy $((gx + 1)) $gy"
xdotool mousemove $(at FlatPlain 14 14)
shot_until hover "differ hover.png $((fx + fw - 1)) $((fy + 10)) $((fx + 2)) $((fy + 2))"
xdotool mousemove 5 5
shot_until away "same away.png $((fx + fw - 1)) $((fy + 10)) $((fx + 2)) $((fy + 2))"
xdotool mousemove $(at DropDownButton 20 14) click 1
shot_until menu "differs_from menu.png $mx $my start.png"
xdotool click 1
shot_until closed "same_as closed.png $mx $my start.png"
xdotool mousemove 5 5; import -window root end.png
kill $program; wait $program
)sh";
    const bool ran = realwindow::RunUnderDisplay(shots, script, "800x800", "origin.txt", 11);
    const std::string origin = ReadFile(shots / "origin.txt");
    ASSERT_TRUE(ran && !origin.empty()) << "no gallery window; see " << (shots / "run.log");
    const std::string report = ReadFile(shots / "report.txt");
    const auto boxes = ReadLayout(report + origin);
    for (const char* name : { "GroupB", "FlatPlain", "DropDownButton" })
        ASSERT_TRUE(boxes.contains(name)) << name << " missing from the report";

    // Latched: the empty corner of the face turns into a checkerboard.
    const Box group = boxes.at("GroupB");
    EXPECT_EQ(PixelAt(shots / "start.png", group.left + 4, group.top + 4),
        PixelAt(shots / "start.png", group.left + 5, group.top + 4));
    EXPECT_NE(PixelAt(shots / "latched.png", group.left + 4, group.top + 4),
        PixelAt(shots / "latched.png", group.left + 5, group.top + 4))
        << "GroupB does not show latched";
    EXPECT_NE(report.find("clicked GroupB"), std::string::npos);

    // Flat: a border under the mouse only; its right edge is the shadow line.
    const Box flat = boxes.at("FlatPlain");
    const std::string face = PixelAt(shots / "away.png", flat.left + 2, flat.top + 2);
    EXPECT_EQ(PixelAt(shots / "away.png", flat.left + flat.width - 1, flat.top + 10), face);
    EXPECT_NE(PixelAt(shots / "hover.png", flat.left + flat.width - 1, flat.top + 10), face)
        << "no border while the mouse is over the flat button";

    // The menu opens at the button's lower-left corner: its edge is one pixel left of the
    // button, just below it; the second click closes it without clicking the button.
    const Box drop = boxes.at("DropDownButton");
    const int menuTop = drop.top + drop.height;
    const std::filesystem::path menu = shots / "menu.png";
    const std::filesystem::path closed = shots / "closed.png";
    EXPECT_NE(PixelAt(menu, drop.left + 4, menuTop + 6), PixelAt(closed, drop.left + 4, menuTop + 6))
        << "no menu below the drop-down button";
    EXPECT_EQ(PixelAt(menu, drop.left - 3, menuTop + 6), PixelAt(closed, drop.left - 3, menuTop + 6))
        << "the menu starts left of the button's corner";
    EXPECT_EQ(
        PixelAt(closed, drop.left + 4, menuTop + 6), PixelAt(shots / "start.png", drop.left + 4, menuTop + 6))
        << "the menu is open again after the click that closed it";
    EXPECT_EQ(report.find("clicked DropDownButton"), std::string::npos)
        << "the closing click clicked the button";
}

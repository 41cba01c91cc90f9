// SPDX-License-Identifier: MIT
// The gallery's "Browse folder..." button in a real window under a virtual X display: the
// dialog opens centred on the screen, and the folder clicked in its tree comes back with OK.
// The pictures stay in screenshots/gallery-browse/ of the build directory.
#include "tests/app/RealWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using realwindow::Field;
using realwindow::ReadFile;

TEST(GalleryBrowseFolder, OpensCentredAndReturnsTheFolderClickedWithTheMouse)
{
    if (const std::string missing = realwindow::MissingTools(); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path shots = realwindow::FreshFolder(
        std::filesystem::path(DURNIK_GALLERY).parent_path() / "screenshots" / "gallery-browse");

    // The tree's second top row is the file system's root, "/": the dialog's tree starts 64
    // pixels down its client area, below the title, and its rows are about 18 pixels high.
    // OK and Cancel, 84 x 28 and 8 apart, sit 12 pixels in from the lower right corner of the
    // 360 x 420 dialog. Each click waits for what the one before brought to the screen, and the
    // last picture for the gallery's face where the tree's white was.
    const std::string script
        = R"sh(QT_QPA_PLATFORM=xcb ')sh" DURNIK_GALLERY R"sh(' --report > report.txt 2>run.err & program=$!
wait_window 'Durnik widget gallery' || { kill $program; exit 1; }
set -- $(corner 'Durnik widget gallery'); ox=$1; oy=$2
set -- $(awk -v ox="$ox" -v oy="$oy" '$1 == "BrowseFolderButton" {print ox + $2 + 20, oy + $3 + 14}' report.txt); bx=$1; by=$2
shot_until gallery "painted gallery.png $bx $by"
xdotool mousemove $bx $by click 1
wait_window 'Browse for Folder' || { kill $program; exit 1; }
xwininfo -id "$(visible 'Browse for Folder')" > dialog.txt
set -- $(corner 'Browse for Folder'); dx=$1; dy=$2; rx=$((dx + 60)); ry=$((dy + 64 + 27))
shot_until dialog "painted dialog.png $rx $ry"
xdotool mousemove $rx $ry click 1
shot_until chosen "differs_from chosen.png $rx $ry dialog.png"
xdotool mousemove $((dx + 360 - 12 - 84 - 8 - 42)) $((dy + 420 - 12 - 14)) click 1
wait_gone 'Browse for Folder'
wait_for "grep -qs '^chosen ' report.txt"
shot_until after "same_as after.png $((dx + 80)) $((dy + 210)) gallery.png"
kill $program; wait $program
)sh";
    const bool ran = realwindow::RunUnderDisplay(
        shots, script, "800x800", "dialog.txt", 7, "HOME='" + shots.string() + "'");
    const std::string dialog = ReadFile(shots / "dialog.txt");
    ASSERT_TRUE(ran && !dialog.empty()) << "no folder dialog appeared; see " << (shots / "run.log");
    const int width = Field(dialog, "Width:");
    const int height = Field(dialog, "Height:");
    EXPECT_EQ(Field(dialog, "Absolute upper-left X:"), (800 - width) / 2);
    EXPECT_EQ(Field(dialog, "Absolute upper-left Y:"), (800 - height) / 2);
    const std::string report = ReadFile(shots / "report.txt");
    EXPECT_NE(report.find("clicked BrowseFolderButton"), std::string::npos);
    EXPECT_NE(report.find("chosen /\n"), std::string::npos) << report;
}

// SPDX-License-Identifier: MIT
// The gallery's list directory edit in a real window under a virtual X display: its button
// opens the folder browser owned by the gallery's window, drawn above it, and Escape closes the
// browser and gives the keyboard back to the edit. The pictures stay in
// screenshots/gallery-directory-edit/ of the build directory.
#include "tests/app/RealWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using realwindow::ReadFile;

namespace {

// The window id a line of xprop or xdotool ends with, hexadecimal or decimal; -1 when none.
long long TrailingWindowId(const std::string& text)
{
    const std::size_t end = text.find_last_not_of(" \n");
    if (end == std::string::npos)
        return -1;
    const std::size_t start = text.find_last_of(" #", end);
    return std::stoll(text.substr(start == std::string::npos ? 0 : start + 1, end + 1), nullptr, 0);
}

} // namespace

TEST(GalleryDirectoryEdit, TheFolderBrowserStaysAboveItsFormAndEscapeGivesTheKeyboardBack)
{
    if (const std::string missing = realwindow::MissingTools({ "xprop" }); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path shots = realwindow::FreshFolder(
        std::filesystem::path(DURNIK_GALLERY).parent_path() / "screenshots" / "gallery-directory-edit");

    // The edit's button is its last 20 pixels or so; its text starts at the left. The browser's
    // tree starts 64 pixels down its client area.
    const std::string script
        = R"sh(QT_QPA_PLATFORM=xcb ')sh" DURNIK_GALLERY R"sh(' --report > report.txt 2>run.err & program=$!
wait_window 'Durnik widget gallery' || { kill $program; exit 1; }
set -- $(corner 'Durnik widget gallery'); ox=$1; oy=$2
set -- $(awk -v ox="$ox" -v oy="$oy" '$1 == "ListDirEdit" {print ox + $2, oy + $3, $4}' report.txt); ex=$1; ey=$2; ew=$3
shot_until gallery "painted gallery.png $((ex + 30)) $((ey + 10))"
xdotool mousemove $((ex + ew - 10)) $((ey + 10)) click 1
wait_window 'Browse for Folder' || { kill $program; exit 1; }
visible 'Durnik widget gallery' > gallery-id.txt
xprop -id "$(visible 'Browse for Folder')" WM_TRANSIENT_FOR > transient.txt
set -- $(corner 'Browse for Folder'); dx=$1; dy=$2
shot_until dialog "differs_from dialog.png $((dx + 60)) $((dy + 91)) gallery.png" && echo drawn > above.txt
xdotool key Escape
wait_gone 'Browse for Folder'
wait_for "grep -qs '^ListDirEdit cancelled' report.txt"
xdotool type --delay 30 'typed'
shot_until typed "area_differs_from typed.png $((ex + 3)) $((ey + 3)) $((ew - 30)) 15 gallery.png" && echo shown > typed.txt
kill $program; wait $program
)sh";
    const bool ran = realwindow::RunUnderDisplay(
        shots, script, "800x800", "gallery-id.txt", 11, "HOME='" + shots.string() + "'");
    ASSERT_TRUE(ran) << "no folder browser appeared; see " << (shots / "run.log");
    EXPECT_EQ(TrailingWindowId(ReadFile(shots / "transient.txt")),
        TrailingWindowId(ReadFile(shots / "gallery-id.txt")))
        << "the browser is not owned by the gallery's window: " << ReadFile(shots / "transient.txt");
    EXPECT_NE(ReadFile(shots / "report.txt").find("ListDirEdit cancelled"), std::string::npos);
    EXPECT_FALSE(ReadFile(shots / "above.txt").empty()) << "the browser was not drawn over the gallery";
    EXPECT_FALSE(ReadFile(shots / "typed.txt").empty()) << "what was typed after Escape reached no edit";
}

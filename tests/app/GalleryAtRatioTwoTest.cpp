// SPDX-License-Identifier: MIT
// The widget gallery in a real window on a screen of ratio 2 (QT_SCALE_FACTOR=2): our own
// widgets show lines of two pixels and text with the detail of the physical size, as the
// host's own widgets beside them do. The picture stays in screenshots/gallery-ratio-two/.
#include "platform/gdi/Rect.h"
#include "tests/app/RealWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

using realwindow::PixelAt;

// A control's place on the screen as the script wrote it: "left top width height".
TRect ReadPlace(const std::filesystem::path& file)
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::istringstream(realwindow::ReadFile(file)) >> left >> top >> width >> height;
    return Bounds(left, top, width, height);
}

} // namespace

TEST(GalleryAtRatioTwo, FramesAreTwoPixelLinesAndTextHasPhysicalDetail)
{
    if (const std::string missing = realwindow::MissingTools(); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path shots = realwindow::FreshFolder(
        std::filesystem::path(DURNIK_GALLERY).parent_path() / "screenshots" / "gallery-ratio-two");
    // The report gives logical places; on the screen each is twice as far from the window's corner.
    const std::string script
        = R"sh(QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 ')sh" DURNIK_GALLERY R"sh(' --report > report.txt 2>run.err & program=$!
wait_window 'Durnik widget gallery' || { kill $program; exit 1; }
set -- $(corner 'Durnik widget gallery'); ox=$1; oy=$2
box() { awk -v n="$1" -v ox="$ox" -v oy="$oy" '$1 == n {print ox + 2 * $2, oy + 2 * $3, 2 * $4, 2 * $5}' report.txt; }
wait_for '[ -n "$(box RepeatCount)" ]'
box LayoutLeft > layout-left.txt; box RepeatCount > repeat-count.txt
set -- $(box LayoutLeft); bx=$(( $1 + 8 )); by=$(( $2 + 8 ))
set -- $(box RepeatCount); lx=$(( $1 + 1 )); ly=$(( $2 + 1 ))
xdotool mousemove 5 5
shot_until screen "painted screen.png $bx $by && painted screen.png $lx $ly"
echo "origin $ox $oy" > origin.txt
kill $program; wait $program
)sh";
    const bool ran = realwindow::RunUnderDisplay(shots, script, "1024x1400", "origin.txt", 17);
    ASSERT_TRUE(ran) << "no gallery window; see " << (shots / "run.log");
    const std::filesystem::path screen = shots / "screen.png";

    // A raised speed button: its outer and inner rings are two pixels each on every side.
    const TRect button = ReadPlace(shots / "layout-left.txt");
    ASSERT_GT(button.Width(), 8) << "no place for LayoutLeft in the report";
    const int row = button.Top + button.Height() / 2;
    const int left = button.Left;
    const int right = button.Right - 1;
    EXPECT_EQ(PixelAt(screen, left, row), PixelAt(screen, left + 1, row)) << "outer left line";
    EXPECT_NE(PixelAt(screen, left + 1, row), PixelAt(screen, left + 2, row));
    EXPECT_EQ(PixelAt(screen, right, row), PixelAt(screen, right - 1, row)) << "outer right line";
    EXPECT_NE(PixelAt(screen, right - 1, row), PixelAt(screen, right - 2, row));
    EXPECT_EQ(PixelAt(screen, right - 2, row), PixelAt(screen, right - 3, row)) << "inner right line";
    EXPECT_NE(PixelAt(screen, right - 3, row), PixelAt(screen, right - 4, row));

    // A label: text drawn at the physical size has edges inside the 2 x 2 blocks that one
    // logical pixel covers; text drawn at 1x and enlarged has none.
    const TRect place = ReadPlace(shots / "repeat-count.txt");
    const TSize label { place.Width(), place.Height() };
    const auto pixels = realwindow::PixelsIn(screen, place.Left, place.Top, label.cx, label.cy);
    ASSERT_EQ(pixels.size(), std::size_t(label.cx * label.cy)) << "cannot read " << screen;
    const auto at = [&](int x, int y) { return pixels[std::size_t(y * label.cx + x)]; };
    int splitBlocks = 0;
    int firstInked = label.cx;
    int lastInked = -1;
    for (int y = 0; y + 1 < label.cy; y += 2)
        for (int x = 0; x + 1 < label.cx; x += 2)
            splitBlocks += at(x + 1, y) != at(x, y) || at(x, y + 1) != at(x, y) || at(x + 1, y + 1) != at(x, y);
    for (int y = 0; y < label.cy; ++y)
        for (int x = 0; x < label.cx; ++x)
            if (at(x, y) != at(0, 0)) {
                firstInked = std::min(firstInked, x);
                lastInked = std::max(lastInked, x);
            }
    EXPECT_GT(splitBlocks, 10) << "the caption is a 1x text enlarged";
    // The label is as wide as its caption; text at the physical size fills that width, text
    // at the logical size would fill half of it.
    EXPECT_GT(4 * (lastInked - firstInked + 1), 3 * label.cx)
        << "the caption spans " << firstInked << " to " << lastInked << " of " << label.cx;
}

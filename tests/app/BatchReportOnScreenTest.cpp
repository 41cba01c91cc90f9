// SPDX-License-Identifier: MIT
// The report of a long batch in the real program on a small real screen: it lies wholly on
// the screen, its list scrolls, and Enter closes it. The pictures stay in
// screenshots/batch-report of the build directory.
#include "tests/app/MainWindowFixture.h"
#include "tests/app/RealWindow.h"

#include <filesystem>
#include <fstream>

namespace {

using realwindow::Field;
using realwindow::ReadFile;

constexpr int kPictures = 500;

TEST(BatchReportOnScreen, FiveHundredNamesFitA1024By768ScreenAndEnterClosesTheReport)
{
    if (const std::string missing = realwindow::MissingTools(); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path program(DURNIK_PROGRAM);
    const std::filesystem::path shots
        = realwindow::FreshFolder(program.parent_path() / "screenshots" / "batch-report");
    TemporaryDirectory work;
    const std::string input = work.MakeDirectory("in");
    const std::string output = work.MakeDirectory("out");
    for (int index = 0; index < kPictures; ++index)
        WriteSolidPicture(
            input + "/picture-" + std::to_string(1000 + index) + ".bmp", 2, 2, RGB(20, 90, 200));
    const std::string config = work.MakeDirectory("config");
    std::filesystem::create_directories(config + "/durnik");
    std::ofstream(config + "/durnik/durnik.ini")
        << "[Batch]\nInput=" << input << "\nOutput=" << output << "\n";

    // Batch lies at 208, 24 of the client area; the report's caption is the program's name.
    const std::string script
        = "QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME='" + config + "' '" + program.string() + R"sh(' & program=$!
wait_window 'Kalvora ' || { kill $program; exit 1; }
set -- $(corner 'Kalvora '); wx=$1; wy=$2
shot_until window "painted window.png $((wx + 300)) $((wy + 140))"
xdotool mousemove $((wx + 244)) $((wy + 36)) click 1
wait_window durnik || { kill $program; exit 1; }
set -- $(corner durnik); rx=$1; ry=$2
shot_until report "painted report.png $((rx + 20)) $((ry + 20))"
xwininfo -id "$(visible durnik)" > report.txt
wait_for '[ "$(xdotool getwindowfocus)" = "$(visible durnik)" ]'
xdotool key Return
wait_gone durnik && echo closed > closed.txt
kill $program; wait $program
)sh";
    ASSERT_TRUE(realwindow::RunUnderDisplay(shots, script, "1024x768", "report.txt", 11))
        << "no report appeared; see " << (shots / "run.log");
    const std::string report = ReadFile(shots / "report.txt");
    const int left = Field(report, "Absolute upper-left X:");
    const int top = Field(report, "Absolute upper-left Y:");
    const int width = Field(report, "Width:");
    const int height = Field(report, "Height:");
    EXPECT_GE(left, 0) << report;
    EXPECT_GE(top, 0) << report;
    EXPECT_LE(left + width, 1024) << report;
    EXPECT_LE(top + height, 768) << report;
    EXPECT_TRUE(std::filesystem::exists(shots / "closed.txt"))
        << "Enter left the report open; see " << (shots / "run.log");
    EXPECT_EQ(work.Names("out").size(), std::size_t(kPictures));
}

} // namespace

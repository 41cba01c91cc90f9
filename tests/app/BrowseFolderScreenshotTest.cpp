// SPDX-License-Identifier: MIT
// The folder browse dialog in a real window under a virtual X display: it opens centred on the
// screen, a folder clicked in its tree and OK return that folder, and its help button asks for
// the topic. The pictures stay in screenshots/browse-folder/ of the build directory.
#include "tests/app/RealWindow.h"

#include "tests/platform/rtl/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using realwindow::Field;
using realwindow::ReadFile;
using realwindow::RunUnderDisplay;

struct Outcome {
    std::string window; // xwininfo of the dialog
    std::string output; // what the program printed
    std::string coordinates; // of the tree item and the buttons on the screen
};

// Starts the dialog on an 800 x 600 display, clicks "beta" (and Help, when asked for), takes
// the pictures and presses OK. Each run keeps its files in a folder of its own, since tests
// may run at the same time. The program writes where the controls are once its dialog is laid
// out; each click then waits for what it should bring: beta highlighted, the help request
// printed, the program gone.
Outcome RunDialog(const std::filesystem::path& allShots, const std::string& folder, int helpContext)
{
    const std::filesystem::path shots = allShots / (helpContext ? "help" : "plain");
    std::filesystem::create_directories(shots);
    for (const std::string name : { "coords.txt", "dialog.txt", "out.txt" })
        std::filesystem::remove(shots / name);
    std::string script = "rm -f coords.txt\nQT_QPA_PLATFORM=xcb '" DURNIK_BROWSE_WINDOW "' '" + folder + "' "
        + std::to_string(helpContext) + " coords.txt >out.txt 2>err.txt & program=$!\n";
    script += R"sh(wait_window 'Browse for Folder' || { kill $program; exit 1; }
wait_for "grep -qs '^beta ' coords.txt && grep -qs '^ok ' coords.txt" || { kill $program; exit 1; }
xwininfo -id "$(visible 'Browse for Folder')" > dialog.txt
at() { awk -v name="$1" '$1 == name { print $2, $3 }' coords.txt; }
set -- $(at beta); bx=$1; by=$2
shot_until dialog "painted dialog.png $bx $by"
xdotool mousemove $bx $by click 1
shot_until chosen "differs_from chosen.png $bx $by dialog.png"
)sh";
    if (helpContext)
        script += R"sh(xdotool mousemove $(at help) click 1
wait_for "grep -qs '^help ' out.txt"
)sh";
    script += R"sh(xdotool mousemove $(at ok) click 1
wait_for "! kill -0 $program 2>/dev/null"
kill $program 2>/dev/null; wait $program
)sh";
    RunUnderDisplay(shots, script, "800x600", "dialog.txt", 13 + helpContext);
    Outcome outcome;
    outcome.window = ReadFile(shots / "dialog.txt");
    outcome.output = ReadFile(shots / "out.txt");
    outcome.coordinates = ReadFile(shots / "coords.txt");
    return outcome;
}

class BrowseFolderOnScreen : public testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string missing = realwindow::MissingTools(); !missing.empty())
            GTEST_SKIP() << missing;
        FShots = std::filesystem::path(DURNIK_BROWSE_WINDOW).parent_path() / "screenshots" / "browse-folder";
        std::filesystem::create_directories(FShots);
        for (const char* name : { "alpha", "beta", "gamma" })
            FFolders.MakeDirectory(name);
    }

    std::filesystem::path FShots;
    TemporaryDirectory FFolders;
};

} // namespace

TEST_F(BrowseFolderOnScreen, OpensCentredAndReturnsTheFolderClickedInTheTree)
{
    const Outcome outcome = RunDialog(FShots, FFolders / "alpha", 0);
    ASSERT_FALSE(outcome.window.empty()) << "no dialog appeared; see run.log in " << FShots;
    const int width = Field(outcome.window, "Width:");
    const int height = Field(outcome.window, "Height:");
    EXPECT_EQ(Field(outcome.window, "Absolute upper-left X:"), (800 - width) / 2);
    EXPECT_EQ(Field(outcome.window, "Absolute upper-left Y:"), (600 - height) / 2);
    EXPECT_EQ(outcome.output, "chosen " + (FFolders / "beta") + "\n");
    EXPECT_TRUE(std::filesystem::exists(FShots / "plain" / "dialog.png"));
}

TEST_F(BrowseFolderOnScreen, AHelpContextShowsAHelpButtonThatAsksForTheTopic)
{
    const Outcome outcome = RunDialog(FShots, FFolders / "alpha", 77);
    ASSERT_FALSE(outcome.window.empty()) << "no dialog appeared; see run.log in " << FShots;
    EXPECT_NE(outcome.coordinates.find("help "), std::string::npos) << "no help button";
    EXPECT_EQ(outcome.output, "help 77\nchosen " + (FFolders / "beta") + "\n");
}

// SPDX-License-Identifier: MIT
// The folder browse dialog in a real window under a virtual X display: it opens centred on the
// screen, a folder clicked in its tree and OK return that folder, and its help button asks for
// the topic. The pictures stay in screenshots/browse-folder/ of the build directory.
#include "tests/platform/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

bool OnPath(const std::string& program)
{
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

int Field(const std::string& report, const std::string& label)
{
    const auto at = report.find(label);
    return at == std::string::npos ? -1 : std::atoi(report.c_str() + at + label.size());
}

struct Outcome {
    std::string window; // xwininfo of the dialog
    std::string output; // what the program printed
    std::string coordinates; // of the tree item and the buttons on the screen
};

// Starts the dialog on an 800 x 600 display, clicks "beta" (and Help, when asked for), takes
// the pictures and presses OK. Each run keeps its files in a folder of its own, since tests
// may run at the same time.
Outcome RunDialog(const std::filesystem::path& allShots, const std::string& folder, int helpContext)
{
    const std::filesystem::path shots = allShots / (helpContext ? "help" : "plain");
    std::filesystem::create_directories(shots);
    for (const std::string name : { "coords.txt", "dialog.txt", "out.txt" })
        std::filesystem::remove(shots / name);
    const std::string script = "QT_QPA_PLATFORM=xcb '" DURNIK_BROWSE_WINDOW "' '" + folder + "' "
        + std::to_string(helpContext)
        + " coords.txt >out.txt 2>err.txt & program=$!\n"
          "for i in $(seq 300); do [ -s coords.txt ] && break; sleep 0.1; done\n"
          "xwininfo -name 'Browse for Folder' > dialog.txt\n"
          "import -window root dialog.png\n"
          "at() { awk -v name=\"$1\" '$1 == name { print $2, $3 }' coords.txt; }\n"
          "xdotool mousemove $(at beta) click 1\n"
          "sleep 0.5\n"
        + (helpContext ? "xdotool mousemove $(at help) click 1\nsleep 0.5\n" : "")
        + "import -window root chosen.png\n"
          "xdotool mousemove $(at ok) click 1\n"
          "for i in $(seq 100); do kill -0 $program 2>/dev/null || break; sleep 0.1; done\n"
          "kill $program 2>/dev/null; wait $program\n";
    std::ofstream(shots / "run.sh") << script;
    Outcome outcome;
    // Other test runs may take the display number this one picked; then another is tried.
    for (int attempt = 0; attempt < 3 && outcome.window.empty(); ++attempt) {
        const int firstDisplay = 100 + int((::getpid() * 11 + attempt * 173 + helpContext) % 800);
        const std::string command = "cd '" + shots.string() + "' && timeout 120 xvfb-run -a -n "
            + std::to_string(firstDisplay) + " -s '-screen 0 800x600x24' sh run.sh >run.log 2>&1";
        std::system(command.c_str());
        outcome.window = ReadFile(shots / "dialog.txt");
    }
    outcome.output = ReadFile(shots / "out.txt");
    outcome.coordinates = ReadFile(shots / "coords.txt");
    return outcome;
}

class BrowseFolderOnScreen : public testing::Test {
protected:
    void SetUp() override
    {
        if (!OnPath("xvfb-run") || !OnPath("xwininfo") || !OnPath("xdotool") || !OnPath("import"))
            GTEST_SKIP() << "xvfb-run, xwininfo, xdotool or ImageMagick's import is missing";
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

// SPDX-License-Identifier: MIT
// A user's way through the real program in a real window: open a PNG through the dialog,
// choose Iso and PNG tiles, Save, and find the tile durnik-batch makes of the same picture;
// then quit, start again and find the settings as they were left. The pictures stay in
// screenshots/formats of the build directory.
#include "tests/app/MainWindowFixture.h"
#include "tests/app/RealWindow.h"

#include <filesystem>

namespace {

using realwindow::ReadFile;

// Where the user clicks, in the window's client area: the commands and, in the open
// settings panel (at top 160), the projection and tile format buttons.
constexpr int kPanelTop = 160;
const std::pair<int, int> kOpen { 172, 12 };
const std::pair<int, int> kGenerate { 172, 60 };
const std::pair<int, int> kSave { 244, 12 };
const std::pair<int, int> kSettings { 244, 60 };
const std::pair<int, int> kIso { 132, kPanelTop + 106 };
const std::pair<int, int> kPngTiles { 346, kPanelTop + 130 };
// The areas compared between the runs: the projection buttons and depth, BMP and PNG tiles.
constexpr int kChoicesLeft = 72;
constexpr int kChoicesTop = kPanelTop + 96;
constexpr int kChoicesWidth = 305;
constexpr int kChoicesHeight = 45;

std::string At(std::pair<int, int> point)
{
    return "$((wx + " + std::to_string(point.first) + ")) $((wy + " + std::to_string(point.second) + "))";
}

TEST(WindowFormatsOnScreen, SavesDurnikBatchsIsoPngTileAndStartsAgainAsItWasLeft)
{
    if (const std::string missing = realwindow::MissingTools(); !missing.empty())
        GTEST_SKIP() << missing;
    const std::filesystem::path program(DURNIK_PROGRAM);
    const std::filesystem::path shots
        = realwindow::FreshFolder(program.parent_path() / "screenshots" / "formats");
    TemporaryDirectory work;
    const std::string pictures = work.MakeDirectory("pictures");
    const std::string tiles = work.MakeDirectory("tiles");
    WritePngPicture(pictures + "/texture.png", 90, 70);
    const std::string config = work.MakeDirectory("config");

    std::string script;
    const auto line = [&script](const std::string& text) { script += text + "\n"; };
    const auto start = [&](const std::string& run) {
        line("QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME='" + config + "' '" + program.string() + "' >" + run
            + ".out 2>" + run + ".err & program=$!");
        line("wait_window 'Kalvora ' || { kill $program; exit 1; }");
        line("set -- $(corner 'Kalvora '); wx=$1; wy=$2");
        line("shot_until " + run + "-start \"painted " + run + "-start.png " + At({ 300, 140 }) + "\"");
        line("xdotool mousemove " + At(kSettings) + " click 1");
        line("shot_until " + run + "-panel \"painted " + run + "-panel.png " + At({ 300, kPanelTop + 150 })
            + "\"");
    };
    const auto choose = [&](const char* title, const std::string& file, const std::string& shot) {
        line("wait_window '" + std::string(title) + "' || { kill $program; exit 1; }");
        line("set -- $(corner '" + std::string(title) + "'); dx=$1; dy=$2");
        line("shot_until " + shot + " \"painted " + shot + ".png $((dx + 20)) $((dy + 20))\"");
        // Typed keys go to the window with the keyboard focus, which a busy machine may give
        // the dialog a moment after it is painted.
        line("wait_for '[ \"$(xdotool getwindowfocus)\" = \"$(visible \"" + std::string(title) + "\")\" ]'");
        line("xdotool type --delay 30 '" + file + "'");
        line("xdotool key Return");
        // The first Return may only close the name field's completion list.
        line("wait_gone '" + std::string(title) + "' || { xdotool key Return; wait_gone '" + title + "'; }");
    };

    start("first");
    line("echo \"origin $wx $wy\" > origin.txt");
    line("xdotool mousemove " + At(kIso) + " click 1");
    line("xdotool mousemove " + At(kPngTiles) + " click 1");
    line("shot_until chosen \"area_differs_from chosen.png " + At({ kChoicesLeft, kChoicesTop }) + " "
        + std::to_string(kChoicesWidth) + " " + std::to_string(kChoicesHeight) + " first-panel.png\"");
    line("xdotool mousemove " + At(kOpen) + " click 1");
    choose("Open image", pictures + "/texture.png", "open-dialog");
    // The picture shown is the sign that the dialog's loop has ended and a click counts again.
    line("shot_until opened \"area_differs_from opened.png " + At({ 0, 7 }) + " 128 63 chosen.png\"");
    line("xdotool mousemove " + At(kGenerate) + " click 1");
    // The tile's top tip, left of the middle of the tile area, shows the picture.
    line(
        "shot_until generated \"area_differs_from generated.png " + At({ 136, 80 }) + " 128 63 chosen.png\"");
    line("xdotool mousemove " + At(kSave) + " click 1");
    choose("Save image", tiles + "/tile.png", "save-dialog");
    line("wait_for \"[ -s '" + tiles + "/tile.png' ]\"");
    // Quit as a session ends the program; what was set is written as it changes.
    line("kill $program; wait $program");
    line("wait_gone 'Kalvora '");

    start("second");
    line("echo done > second.txt");
    line("kill $program; wait $program");

    ASSERT_TRUE(realwindow::RunUnderDisplay(shots, script, "1024x768", "second.txt", 7))
        << "the program did not run through; see " << (shots / "run.log");
    int left = 0;
    int top = 0;
    ASSERT_EQ(std::sscanf(ReadFile(shots / "origin.txt").c_str(), "origin %d %d", &left, &top), 2);

    // The saved tile is durnik-batch's for the same picture, mask and settings.
    const std::string batchOut = work.MakeDirectory("batch");
    ASSERT_EQ(RunDurnikBatch({ "--from", "png", "--to", "png", "--projection", "iso", pictures.c_str(),
                                 batchOut.c_str() },
                  program.parent_path().string() + "/"),
        0);
    const std::string saved = FileBytes(tiles + "/tile.png");
    EXPECT_FALSE(saved.empty()) << "no tile was saved";
    EXPECT_EQ(saved, FileBytes(batchOut + "/texture.png"));

    // The second run shows the panel's choices as the first left them.
    const auto choices = [&](const char* picture) {
        return realwindow::PixelsIn(
            shots / picture, left + kChoicesLeft, top + kChoicesTop, kChoicesWidth, kChoicesHeight);
    };
    ASSERT_FALSE(choices("chosen.png").empty());
    EXPECT_NE(choices("first-panel.png"), choices("chosen.png")) << "the clicks chose nothing";
    EXPECT_EQ(choices("second-panel.png"), choices("chosen.png"));
    const std::string settings = ReadFile(config + "/durnik/durnik.ini");
    EXPECT_NE(settings.find("Projection=iso"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Tiles=png"), std::string::npos) << settings;
}

} // namespace

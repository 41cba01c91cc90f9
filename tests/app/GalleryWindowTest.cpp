// SPDX-License-Identifier: MIT
// The widget gallery in a real window under a virtual X display, clicked and hovered with
// xdotool and photographed; the pictures stay in screenshots/gallery/ of the build directory.
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

// "r,g,b" of one pixel of a picture, as ImageMagick reads it.
std::string PixelAt(const std::filesystem::path& picture, int x, int y)
{
    const std::string at = "p{" + std::to_string(x) + "," + std::to_string(y) + "}";
    const std::string command = "convert '" + picture.string() + "' -format '%[fx:round(255*" + at
        + ".r)],%[fx:round(255*" + at + ".g)],%[fx:round(255*" + at + ".b)]' info: 2>/dev/null";
    std::string answer;
    if (FILE* output = ::popen(command.c_str(), "r")) {
        char buffer[128];
        while (std::fgets(buffer, sizeof buffer, output))
            answer += buffer;
        ::pclose(output);
    }
    return answer;
}

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
    if (!OnPath("xvfb-run") || !OnPath("xwininfo") || !OnPath("xdotool") || !OnPath("import"))
        GTEST_SKIP() << "xvfb-run, xwininfo, xdotool or ImageMagick's import is missing";
    const std::filesystem::path shots = Shots();
    std::filesystem::create_directories(shots);
    for (const auto& entry : std::filesystem::directory_iterator(shots))
        std::filesystem::remove(entry.path());

    // The script finds each control by the layout the gallery prints, so it clicks where the
    // buttons are whatever the fonts make of the window.
    const std::string script
        = R"(QT_QPA_PLATFORM=xcb ')" DURNIK_GALLERY R"(' --report > report.txt 2>run.err & program=$!
for i in $(seq 300); do xwininfo -name 'Durnik widget gallery' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 2
info=$(xwininfo -name 'Durnik widget gallery')
ox=$(echo "$info" | awk '/Absolute upper-left X/ {print $4}')
oy=$(echo "$info" | awk '/Absolute upper-left Y/ {print $4}')
echo "origin $ox $oy" > origin.txt
at() { awk -v n="$1" -v ox="$ox" -v oy="$oy" -v dx="$2" -v dy="$3" '$1 == n {print ox + $2 + dx, oy + $3 + dy}' report.txt; }
shot() { sleep 1; import -window root "$1.png"; }
xdotool mousemove 5 5; shot start
xdotool mousemove $(at GroupB 14 14) click 1; xdotool mousemove 5 5; shot latched
xdotool mousemove $(at FlatPlain 14 14); shot hover
xdotool mousemove 5 5; shot away
xdotool mousemove $(at DropDownButton 20 14) click 1; shot menu
xdotool click 1; shot closed
xdotool mousemove 5 5; shot end
kill $program; wait $program
)";
    std::ofstream(shots / "run.sh") << script;
    std::string origin;
    for (int attempt = 0; attempt < 3 && origin.empty(); ++attempt) {
        const int firstDisplay = 100 + int((::getpid() * 11 + attempt * 137) % 800);
        const std::string command = "cd '" + shots.string() + "' && timeout 150 xvfb-run -a -n "
            + std::to_string(firstDisplay) + " -s '-screen 0 800x800x24' sh run.sh >run.log 2>&1";
        std::system(command.c_str());
        origin = ReadFile(shots / "origin.txt");
    }
    ASSERT_FALSE(origin.empty()) << "no gallery window; see " << (shots / "run.log");
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

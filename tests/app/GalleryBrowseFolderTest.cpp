// SPDX-License-Identifier: MIT
// The gallery's "Browse folder..." button in a real window under a virtual X display: the
// dialog opens centred on the screen, and the folder clicked in its tree comes back with OK.
// The pictures stay in screenshots/gallery-browse/ of the build directory.
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

} // namespace

TEST(GalleryBrowseFolder, OpensCentredAndReturnsTheFolderClickedWithTheMouse)
{
    if (!OnPath("xvfb-run") || !OnPath("xwininfo") || !OnPath("xdotool") || !OnPath("import"))
        GTEST_SKIP() << "xvfb-run, xwininfo, xdotool or ImageMagick's import is missing";
    const std::filesystem::path shots
        = std::filesystem::path(DURNIK_GALLERY).parent_path() / "screenshots" / "gallery-browse";
    std::filesystem::create_directories(shots);
    for (const auto& entry : std::filesystem::directory_iterator(shots))
        std::filesystem::remove(entry.path());

    // The tree's second top row is the file system's root, "/": the dialog's tree starts 64
    // pixels down its client area, below the title, and its rows are about 18 pixels high.
    const std::string script
        = R"(QT_QPA_PLATFORM=xcb ')" DURNIK_GALLERY R"(' --report > report.txt 2>run.err & program=$!
for i in $(seq 300); do xwininfo -name 'Durnik widget gallery' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 2
info=$(xwininfo -name 'Durnik widget gallery')
ox=$(echo "$info" | awk '/Absolute upper-left X/ {print $4}')
oy=$(echo "$info" | awk '/Absolute upper-left Y/ {print $4}')
at() { awk -v n="$1" -v ox="$ox" -v oy="$oy" '$1 == n {print ox + $2 + 20, oy + $3 + 14}' report.txt; }
xdotool mousemove $(at BrowseFolderButton) click 1
for i in $(seq 100); do xwininfo -name 'Browse for Folder' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
xwininfo -name 'Browse for Folder' > dialog.txt
import -window root dialog.png
dx=$(awk '/Absolute upper-left X/ {print $4}' dialog.txt)
dy=$(awk '/Absolute upper-left Y/ {print $4}' dialog.txt)
xdotool mousemove $((dx + 60)) $((dy + 64 + 27)) click 1
sleep 0.5
import -window root chosen.png
xdotool mousemove $((dx + 360 - 12 - 84 - 8 - 42)) $((dy + 420 - 12 - 14)) click 1
sleep 1
import -window root after.png
kill $program; wait $program
)";
    std::ofstream(shots / "run.sh") << script;
    std::string dialog;
    for (int attempt = 0; attempt < 3 && dialog.empty(); ++attempt) {
        const int firstDisplay = 100 + int((::getpid() * 13 + attempt * 149) % 800);
        const std::string command = "cd '" + shots.string() + "' && HOME='" + shots.string()
            + "' timeout 150 xvfb-run -a -n " + std::to_string(firstDisplay)
            + " -s '-screen 0 800x800x24' sh run.sh >run.log 2>&1";
        std::system(command.c_str());
        dialog = ReadFile(shots / "dialog.txt");
    }
    ASSERT_FALSE(dialog.empty()) << "no folder dialog appeared; see " << (shots / "run.log");
    const int width = Field(dialog, "Width:");
    const int height = Field(dialog, "Height:");
    EXPECT_EQ(Field(dialog, "Absolute upper-left X:"), (800 - width) / 2);
    EXPECT_EQ(Field(dialog, "Absolute upper-left Y:"), (800 - height) / 2);
    const std::string report = ReadFile(shots / "report.txt");
    EXPECT_NE(report.find("clicked BrowseFolderButton"), std::string::npos);
    EXPECT_NE(report.find("chosen /\n"), std::string::npos) << report;
}

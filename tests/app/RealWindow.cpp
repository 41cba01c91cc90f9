// SPDX-License-Identifier: MIT
#include "tests/app/RealWindow.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace realwindow {

bool OnPath(const std::string& program)
{
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string MissingTools(std::initializer_list<const char*> extra)
{
    std::string missing;
    for (const std::initializer_list<const char*>& tools :
        { { "xvfb-run", "xwininfo", "xdotool", "import" }, extra })
        for (const char* tool : tools)
            if (!OnPath(tool))
                missing += (missing.empty() ? "" : ", ") + std::string(tool);
    return missing.empty() ? missing : "missing on the PATH: " + missing;
}

std::filesystem::path FreshFolder(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
    return folder;
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

namespace {

    std::string Output(const std::string& command)
    {
        std::string answer;
        if (FILE* output = ::popen(command.c_str(), "r")) {
            char buffer[4096];
            std::size_t count = 0;
            while ((count = std::fread(buffer, 1, sizeof buffer, output)) > 0)
                answer.append(buffer, count);
            ::pclose(output);
        }
        return answer;
    }

} // namespace

std::string PixelAt(const std::filesystem::path& picture, int x, int y)
{
    const std::string at = "p{" + std::to_string(x) + "," + std::to_string(y) + "}";
    return Output("convert '" + picture.string() + "' -format '%[fx:round(255*" + at + ".r)],%[fx:round(255*"
        + at + ".g)],%[fx:round(255*" + at + ".b)]' info: 2>/dev/null");
}

std::vector<std::uint32_t> PixelsIn(
    const std::filesystem::path& picture, int left, int top, int width, int height)
{
    const std::string geometry = std::to_string(width) + "x" + std::to_string(height) + "+"
        + std::to_string(left) + "+" + std::to_string(top);
    const std::string bytes = Output(
        "convert '" + picture.string() + "' -crop " + geometry + " +repage -depth 8 rgb:- 2>/dev/null");
    if (bytes.size() != std::size_t(width) * std::size_t(height) * 3)
        return {};
    std::vector<std::uint32_t> pixels;
    for (std::size_t at = 0; at < bytes.size(); at += 3)
        pixels.push_back(std::uint32_t(std::uint8_t(bytes[at])) << 16
            | std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 | std::uint8_t(bytes[at + 2]));
    return pixels;
}

std::string ScriptHelpers()
{
    // Waits end on a deadline in seconds rather than after a count of tries, which a loaded
    // machine stretches; a wait for the program's window ends as soon as the program is gone.
    return R"sh(deadline() { echo $(( $(date +%s) + $1 )); }
alive() { [ -z "${program:-}" ] || kill -0 "$program" 2>/dev/null; }
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
wait_window() { end=$(deadline 20); while [ "$(date +%s)" -le "$end" ]; do [ -n "$(visible "$1")" ] && return 0; alive || { echo "the program ended before window $1 showed" >&2; return 1; }; sleep 0.1; done; echo "no window $1 within 20 s" >&2; return 1; }
wait_gone() { end=$(deadline 20); while [ "$(date +%s)" -le "$end" ]; do [ -z "$(visible "$1")" ] && return 0; sleep 0.1; done; echo "window $1 stayed 20 s" >&2; return 1; }
corner() { xwininfo -id "$(visible "$1")" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'; }
rgb() { convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info: 2>/dev/null; }
painted() { [ "$(rgb "$1" "$2" "$3")" != "0,0,0" ]; }
same() { [ "$(rgb "$1" "$2" "$3")" = "$(rgb "$1" "$4" "$5")" ]; }
differ() { ! same "$@"; }
same_as() { [ "$(rgb "$1" "$2" "$3")" = "$(rgb "$4" "$2" "$3")" ]; }
differs_from() { ! same_as "$@"; }
area() { convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- 2>/dev/null | cksum; }
area_differs_from() { [ "$(area "$1" "$2" "$3" "$4" "$5")" != "$(area "$6" "$2" "$3" "$4" "$5")" ]; }
wait_for() { end=$(deadline 20); while [ "$(date +%s)" -le "$end" ]; do eval "$*" && return 0; sleep 0.1; done; echo "gave up waiting 20 s for $*" >&2; return 1; }
shot_until() { name=$1; shift; end=$(deadline 20); while [ "$(date +%s)" -le "$end" ]; do import -window root "$name.png"; eval "$*" && return 0; sleep 0.25; done; echo "gave up waiting 20 s for $name: $*" >&2; return 1; }
)sh";
}

bool RunUnderDisplay(const std::filesystem::path& folder, const std::string& script,
    const std::string& screen, const std::string& proof, int seed, const std::string& environment)
{
    std::ofstream(folder / "run.sh")
        << ScriptHelpers()
        << "end=$(deadline 5); until xwininfo -root >/dev/null 2>&1 || [ \"$(date +%s)\" -gt \"$end\" ]; do sleep 0.1; done\n"
           "xwininfo -root >/dev/null 2>&1 || { echo \"no X server answers on $DISPLAY\" >&2; exit 1; }\n"
        << script;
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::filesystem::remove(folder / proof);
        // The X cookie lies beside the pictures rather than in a temporary folder of /tmp, where
        // another job's clean-up could take it away while the program still has to connect.
        // The programs keep their settings in a folder of the run, never the user's, and
        // each attempt starts without any.
        const std::filesystem::path config = folder / "config";
        std::filesystem::remove_all(config);
        const std::filesystem::path cookie = folder / "xauthority";
        std::filesystem::remove(cookie);
        std::ofstream { cookie };
        const int firstDisplay = 100 + int((::getpid() * 7 + seed * 31 + attempt * 131) % 800);
        // Each attempt's output is kept, so a failure that a later attempt hid can be looked into.
        // Without -noreset the server resets whenever its last client leaves, as xdotool or
        // xwininfo polling before the program has connected do, and refuses the program then.
        const std::string command = "cd '" + folder.string() + "' && echo \"attempt "
            + std::to_string(attempt + 1) + " at $(date +%T)\" " + (attempt == 0 ? ">" : ">>")
            + " run.log && XDG_CONFIG_HOME='" + config.string() + "' " + environment + " timeout -k 5 "
            + std::to_string(kAttemptSeconds) + " xvfb-run -a -n " + std::to_string(firstDisplay)
            + " -e run.log -f '" + cookie.string() + "' -s '-screen 0 " + screen
            + "x24 -noreset' sh run.sh >>run.log 2>&1";
        const auto started = std::chrono::steady_clock::now();
        std::system(command.c_str());
        if (std::filesystem::exists(folder / proof))
            return true;
        // A display whose number another server took at the same moment refuses the program,
        // which then ends at once, and the next attempt takes another number. An attempt that
        // took longer saw the program run and fail: another one would only fail again, later.
        if (std::chrono::steady_clock::now() - started > std::chrono::seconds(kQuickRefusalSeconds))
            break;
    }
    std::cerr << "The script under the virtual display did not finish; its log " << (folder / "run.log")
              << ":\n" << ReadFile(folder / "run.log") << "\n";
    return false;
}

} // namespace realwindow

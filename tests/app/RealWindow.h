// SPDX-License-Identifier: MIT
// What the real-window tests share: finding the X tools, running a script under a virtual X
// display, reading what the script wrote, and reading pixels of its screenshots with
// ImageMagick.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace realwindow {

// True when the program can be found on the PATH.
bool OnPath(const std::string& program);

// Empty when the tools every script needs (xvfb-run, xwininfo, xdotool, ImageMagick's import)
// and the extra ones are on the PATH; otherwise a sentence naming the missing ones, to skip by.
std::string MissingTools(std::initializer_list<const char*> extra = {});

// The folder, created and emptied, so no picture of an earlier run passes for this one's.
std::filesystem::path FreshFolder(const std::filesystem::path& folder);

// The whole content of a file, or an empty string.
std::string ReadFile(const std::filesystem::path& path);

// The number after "label" in a report such as xwininfo's, or -1.
int Field(const std::string& report, const std::string& label);

// The red, green and blue of one pixel of a picture: "240,240,240".
std::string PixelAt(const std::filesystem::path& picture, int x, int y);

// The pixels of a rectangle of a picture, row by row, as 0xRRGGBB; empty when it cannot be read.
std::vector<std::uint32_t> PixelsIn(
    const std::filesystem::path& picture, int left, int top, int width, int height);

// Shell functions every script run by RunUnderDisplay may use; all waits poll with a deadline,
// so a busy machine is waited for rather than raced:
//   visible NAME            the id of a shown window of exactly that name, if there is one
//   wait_window NAME        until such a window is shown (20 s at most; at once when the
//                           process $program, if the script set it, is gone)
//   wait_gone NAME          until none is left (20 s at most)
//   corner NAME             "X Y", the upper-left corner of that window on the screen
//   rgb FILE X Y            the pixel as PixelAt prints it
//   shot_until NAME TEST    screenshots NAME.png until the shell test TEST holds (20 s at most)
//   wait_for TEST           until the shell test TEST holds, for what shows off the screen:
//                           a line the program wrote, the program gone (20 s at most)
// and the tests for shot_until: painted FILE X Y (not the empty screen's black), same FILE X1
// Y1 X2 Y2, differ FILE X1 Y1 X2 Y2, same_as FILE X Y OTHER, differs_from FILE X Y OTHER, and
// area_differs_from FILE X Y WIDTH HEIGHT OTHER for what a single pixel may miss, such as text
// that scrolls.
std::string ScriptHelpers();

// How long one run of a script may take, however it goes: well above what the slowest script
// takes on a loaded machine, and with the quick retries below ctest's timeout.
inline constexpr int kAttemptSeconds = 35;
// An attempt that ended sooner than this without its proof was refused a display.
inline constexpr int kQuickRefusalSeconds = 10;

// Writes the helpers and script as run.sh into folder and runs it there under a virtual display
// of that size ("800x600"), the output of every attempt in run.log, with XDG_CONFIG_HOME at
// an emptied config folder inside it. When proof (a file the script writes once it found its
// window) is still missing after a quick refusal, another display number is tried: other test
// runs may take the number at the same moment. Returns whether proof exists; when it does not,
// the log goes to standard error, so the failure says what the script saw. seed varies the
// numbers.
bool RunUnderDisplay(const std::filesystem::path& folder, const std::string& script,
    const std::string& screen, const std::string& proof, int seed, const std::string& environment = {});

} // namespace realwindow

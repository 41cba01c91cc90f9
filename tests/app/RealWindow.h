// SPDX-License-Identifier: MIT
// What the real-window tests share: finding the X tools, reading what the scripts under the
// virtual display wrote, and reading pixels of their screenshots with ImageMagick.
#pragma once

#include <filesystem>
#include <string>

namespace realwindow {

// True when the program can be found on the PATH.
bool OnPath(const std::string& program);

// The whole content of a file, or an empty string.
std::string ReadFile(const std::filesystem::path& path);

// The number after "label" in a report such as xwininfo's, or -1.
int Field(const std::string& report, const std::string& label);

// The red, green and blue of one pixel of a picture: "240,240,240".
std::string PixelAt(const std::filesystem::path& picture, int x, int y);

} // namespace realwindow

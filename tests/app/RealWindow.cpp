// SPDX-License-Identifier: MIT
#include "tests/app/RealWindow.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace realwindow {

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

} // namespace realwindow

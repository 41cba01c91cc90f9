// SPDX-License-Identifier: MIT
#include "tools/BatchArguments.h"

#include <string_view>
#include <vector>

namespace {

int PositiveSize(const char* option, const AnsiString& text)
{
    const int value = StrToInt(text);
    if (value <= 0)
        throw EConvertError(AnsiString("the ") + option + " must be a positive number, not " + text);
    return value;
}

} // namespace

TBatchArguments ParseBatchArguments(std::span<const char* const> arguments)
{
    TBatchArguments parsed;
    std::vector<AnsiString> directories;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            directories.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            parsed.action = TBatchArguments::Action::Help;
            return parsed;
        }
        if (argument == "--version") {
            parsed.action = TBatchArguments::Action::Version;
            return parsed;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (name != "--width" && name != "--height" && name != "--mask")
            throw EConvertError("unknown option " + AnsiString(argument));
        AnsiString value;
        if (equals != std::string_view::npos)
            value = AnsiString(argument.substr(equals + 1));
        else if (index + 1 < arguments.size())
            value = arguments[++index];
        else
            throw EConvertError("the option " + AnsiString(name) + " needs a value");
        if (name == "--width")
            parsed.width = PositiveSize("width", value);
        else if (name == "--height")
            parsed.height = PositiveSize("height", value);
        else
            parsed.maskFile = value;
    }
    if (directories.size() != 2)
        throw EConvertError("expected an input and an output directory, got " + IntToStr(int(directories.size())) + " names");
    parsed.inputDirectory = directories[0];
    parsed.outputDirectory = directories[1];
    return parsed;
}

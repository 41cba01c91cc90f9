// SPDX-License-Identifier: MIT
#include "tools/BatchArguments.h"

#include <algorithm>
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

bool IsFormat(const AnsiString& text)
{
    return text == "bmp" || text == "png";
}

// "bmp", "png" or both, comma-separated, each taken once.
std::vector<AnsiString> SourceExtensions(const AnsiString& text)
{
    std::vector<AnsiString> extensions;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const AnsiString item
            = text.substr(start, comma == AnsiString::npos ? AnsiString::npos : comma - start);
        if (!IsFormat(item))
            throw EConvertError("the source formats must be bmp, png or bmp,png, not " + text);
        if (std::find(extensions.begin(), extensions.end(), item) == extensions.end())
            extensions.push_back(item);
        if (comma == AnsiString::npos)
            return extensions;
        start = comma + 1;
    }
}

AnsiString TileExtension(const AnsiString& text)
{
    if (!IsFormat(text))
        throw EConvertError("the tile format must be bmp or png, not " + text);
    return text;
}

TTileProjection Projection(const AnsiString& text)
{
    if (text == "stretch")
        return TTileProjection::Stretch;
    if (text == "iso")
        return TTileProjection::Iso;
    throw EConvertError("the projection must be stretch or iso, not " + text);
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
        if (name != "--width" && name != "--height" && name != "--mask" && name != "--from" && name != "--to"
            && name != "--projection")
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
        else if (name == "--from")
            parsed.sourceExtensions = SourceExtensions(value);
        else if (name == "--to")
            parsed.tileExtension = TileExtension(value);
        else if (name == "--projection")
            parsed.projection = Projection(value);
        else
            parsed.maskFile = value;
    }
    if (directories.size() != 2)
        throw EConvertError("expected an input and an output directory, got " + IntToStr(int(directories.size())) + " names");
    parsed.inputDirectory = directories[0];
    parsed.outputDirectory = directories[1];
    return parsed;
}

// SPDX-License-Identifier: MIT
#include "tools/BatchArguments.h"

#include "tile/OptionNumbers.h"
#include "tileset/SheetOptionText.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

int Depth(const AnsiString& text)
{
    const int value = StrToInt(text);
    if (value <= 0 || value > kMostBlockDepth)
        throw EConvertError("the depth must be from 1 to " + IntToStr(kMostBlockDepth) + ", not " + text);
    return value;
}

// "L,R": two factors from 0 to 1.
std::pair<double, double> Shades(const AnsiString& text)
{
    const auto factor = [&text](std::string_view item) {
        double value = -1;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (item.empty() || error != std::errc() || end != item.data() + item.size()
            || !(value >= 0 && value <= 1))
            throw EConvertError("the shade must be two numbers from 0 to 1 like 0.8,0.6, not " + text);
        return value;
    };
    const std::size_t comma = text.find(',');
    if (comma == AnsiString::npos)
        throw EConvertError("the shade must be two numbers from 0 to 1 like 0.8,0.6, not " + text);
    const std::string_view whole = text;
    return { factor(whole.substr(0, comma)), factor(whole.substr(comma + 1)) };
}

// "." and ".." name folders, and would give the sheet a hidden name such as "..png".
AnsiString SheetName(const AnsiString& text)
{
    if (text.empty() || text == "." || text == ".." || text.find_first_of("/\\") != AnsiString::npos)
        throw EConvertError("the sheet name must be a file name without a directory, not \"" + text + "\"");
    return text;
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
    if (text == "block")
        return TTileProjection::Block;
    throw EConvertError("the projection must be stretch, iso or block, not " + text);
}

// Options that only make sense with another one are refused without it, rather than
// silently ignored.
void CheckCombinations(const TBatchArguments& parsed, const std::vector<std::string_view>& given)
{
    const auto was = [&given](std::string_view name) {
        return std::find(given.begin(), given.end(), name) != given.end();
    };
    for (const char* option : { "--columns", "--spacing", "--margin", "--extrude" })
        if (was(option) && !was("--sheet"))
            throw EConvertError(AnsiString(option) + " is for a sheet: add --sheet NAME");
    for (const char* option : { "--depth", "--shade" })
        if (was(option) && parsed.projection != TTileProjection::Block)
            throw EConvertError(AnsiString(option) + " is for block tiles: add --projection block");
    if (was("--overdraw") && parsed.tileExtension != "png")
        throw EConvertError("--overdraw is for PNG tiles: add --to png");
    if (was("--sheet") && parsed.tileExtension != "png")
        throw EConvertError("a sheet is made of PNG tiles: add --to png");
}

} // namespace

TBatchArguments ParseBatchArguments(std::span<const char* const> arguments)
{
    TBatchArguments parsed;
    std::vector<AnsiString> directories;
    std::vector<std::string_view> given; // the options with a value, by name
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
        constexpr std::string_view kValueOptions[]
            = { "--width", "--height", "--mask", "--from", "--to", "--projection", "--depth", "--shade",
                  "--sheet", "--columns", "--spacing", "--margin", "--overdraw", "--extrude" };
        if (std::find(std::begin(kValueOptions), std::end(kValueOptions), name) == std::end(kValueOptions))
            throw EConvertError("unknown option " + AnsiString(argument));
        given.push_back(name);
        AnsiString value;
        if (equals != std::string_view::npos)
            value = AnsiString(argument.substr(equals + 1));
        else if (index + 1 < arguments.size())
            value = arguments[++index];
        else
            throw EConvertError("the option " + AnsiString(name) + " needs a value");
        if (name == "--width")
            parsed.width = PositiveNumber("width", value);
        else if (name == "--height")
            parsed.height = PositiveNumber("height", value);
        else if (name == "--from")
            parsed.sourceExtensions = SourceExtensions(value);
        else if (name == "--to")
            parsed.tileExtension = TileExtension(value);
        else if (name == "--projection")
            parsed.projection = Projection(value);
        else if (name == "--depth")
            parsed.block.depth = Depth(value);
        else if (name == "--shade")
            std::tie(parsed.block.leftShade, parsed.block.rightShade) = Shades(value);
        else if (name == "--sheet")
            parsed.sheet.name = SheetName(value);
        else if (name == "--columns")
            parsed.sheet.columns = SheetColumns(value);
        else if (name == "--spacing")
            parsed.sheet.spacing = SheetSpacing(value);
        else if (name == "--margin")
            parsed.sheet.margin = SheetMargin(value);
        else if (name == "--overdraw")
            parsed.overdraw = PixelCount("overdraw", value, kMostOverdraw);
        else if (name == "--extrude")
            parsed.sheet.extrude = SheetExtrusion(value);
        else
            parsed.maskFile = value;
    }
    CheckCombinations(parsed, given);
    if (directories.size() != 2)
        throw EConvertError(
            "expected an input and an output directory, got " + IntToStr(int(directories.size())) + " names");
    parsed.inputDirectory = directories[0];
    parsed.outputDirectory = directories[1];
    return parsed;
}

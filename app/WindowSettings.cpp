// SPDX-License-Identifier: MIT
#include "app/WindowSettings.h"

#include "tile/BlockProjection.h"

#include <array>
#include <utility>

namespace {

// The largest tile side taken from a settings file; a tile this size is already far more
// than a map editor shows.
constexpr int kLargestRememberedSide = 16384;
// Window corners further off than this are no screen's.
constexpr int kFarthestCorner = 100000;

// The texts stored for each choice, as durnik-batch spells them on its command line.
constexpr std::array kProjectionNames {
    std::pair { TTileProjection::Stretch, "stretch" },
    std::pair { TTileProjection::Iso, "iso" },
    std::pair { TTileProjection::Block, "block" },
};
constexpr std::array kSourceNames {
    std::pair { TSourceFormats::Bmp, "bmp" },
    std::pair { TSourceFormats::BmpAndPng, "bmp,png" },
};
constexpr std::array kTileNames {
    std::pair { TTileFormat::Bmp, "bmp" },
    std::pair { TTileFormat::Png, "png" },
};

template <class Names, class Value> const char* NameOf(const Names& names, Value value)
{
    for (const auto& [known, name] : names)
        if (known == value)
            return name;
    return names.front().second;
}

template <class Names, class Value>
void ReadChoice(const TSettingsStore& store, const char* key, const Names& names, Value& value)
{
    const std::optional<AnsiString> text = store.Value(key);
    if (!text)
        return;
    for (const auto& [known, name] : names)
        if (*text == name)
            value = known;
}

std::optional<int> Number(const std::optional<AnsiString>& text, int lowest, int highest)
{
    if (!text)
        return std::nullopt;
    try {
        const int value = StrToInt(*text);
        if (value < lowest || value > highest)
            return std::nullopt;
        return value;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<int> Side(const std::optional<AnsiString>& text)
{
    return Number(text, 1, kLargestRememberedSide);
}

void ReadSide(const TSettingsStore& store, const char* key, AnsiString& side)
{
    if (const std::optional<int> value = Side(store.Value(key)))
        side = IntToStr(*value);
}

// An empty depth is the tile height, a value in its own right.
bool IsDepth(const AnsiString& text)
{
    return text.empty() || Number(text, 0, kMostBlockDepth).has_value();
}

void ReadDirectory(const TSettingsStore& store, const char* key, AnsiString& directory)
{
    const std::optional<AnsiString> text = store.Value(key);
    if (text && !text->empty() && DirectoryExists(*text))
        directory = *text;
}

} // namespace

TWindowSettings ReadWindowSettings(const TSettingsStore& store)
{
    TWindowSettings settings;
    ReadSide(store, "Tile/Width", settings.width);
    ReadSide(store, "Tile/Height", settings.height);
    if (const std::optional<AnsiString> mask = store.Value("Tile/Mask"); mask && FileExists(*mask))
        settings.maskFile = *mask;
    ReadChoice(store, "Tile/Projection", kProjectionNames, settings.projection);
    if (const std::optional<int> depth = Number(store.Value("Tile/Depth"), 1, kMostBlockDepth))
        settings.depth = IntToStr(*depth);
    ReadChoice(store, "Batch/Sources", kSourceNames, settings.sources);
    ReadChoice(store, "Batch/Tiles", kTileNames, settings.tiles);
    ReadDirectory(store, "Batch/Input", settings.inputDirectory);
    ReadDirectory(store, "Batch/Output", settings.outputDirectory);
    ReadDirectory(store, "Dialogs/Open", settings.openDirectory);
    ReadDirectory(store, "Dialogs/Save", settings.saveDirectory);
    const std::optional<int> left = Number(store.Value("Window/Left"), -kFarthestCorner, kFarthestCorner);
    const std::optional<int> top = Number(store.Value("Window/Top"), -kFarthestCorner, kFarthestCorner);
    if (left && top)
        settings.position = TPoint { *left, *top };
    return settings;
}

void WriteWindowSettings(const TWindowSettings& settings, TSettingsStore& store)
{
    store.SetValue("Tile/Width", settings.width);
    store.SetValue("Tile/Height", settings.height);
    store.SetValue("Tile/Mask", settings.maskFile);
    store.SetValue("Tile/Projection", NameOf(kProjectionNames, settings.projection));
    store.SetValue("Tile/Depth", settings.depth);
    store.SetValue("Batch/Sources", NameOf(kSourceNames, settings.sources));
    store.SetValue("Batch/Tiles", NameOf(kTileNames, settings.tiles));
    store.SetValue("Batch/Input", settings.inputDirectory);
    store.SetValue("Batch/Output", settings.outputDirectory);
    store.SetValue("Dialogs/Open", settings.openDirectory);
    store.SetValue("Dialogs/Save", settings.saveDirectory);
    if (settings.position) {
        store.SetValue("Window/Left", IntToStr(settings.position->x));
        store.SetValue("Window/Top", IntToStr(settings.position->y));
    }
}

TWindowSettings WithLastGoodValues(TWindowSettings settings, const TWindowSettings& lastGood)
{
    if (!Side(settings.width))
        settings.width = lastGood.width;
    if (!Side(settings.height))
        settings.height = lastGood.height;
    if (!IsDepth(settings.depth))
        settings.depth = lastGood.depth;
    return settings;
}

int BlockDepthOf(const AnsiString& text)
{
    if (text.empty())
        return 0;
    const int depth = StrToInt(text);
    if (depth < 0 || depth > kMostBlockDepth)
        throw EConvertError("The depth must be from 1 to " + IntToStr(kMostBlockDepth)
            + ", or 0 for the tile height, not " + text);
    return depth;
}

std::vector<AnsiString> SourceExtensions(TSourceFormats sources)
{
    switch (sources) {
    case TSourceFormats::Bmp:
        return { "bmp" };
    case TSourceFormats::BmpAndPng:
        return { "bmp", "png" };
    }
    return { "bmp" };
}

AnsiString TileExtension(TTileFormat tiles)
{
    return NameOf(kTileNames, tiles);
}

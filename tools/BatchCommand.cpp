// SPDX-License-Identifier: MIT
#include "tools/BatchCommand.h"

#include "platform/rtl/DirectoryListing.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/ForceDirectories.h"
#include "platform/vcl/graphics/Graphics.h"
#include "resources/Version.h"
#include "tile/BatchConverter.h"
#include "tile/BlockProjection.h"
#include "tile/Overdraw.h"
#include "tile/TileFileConverters.h"
#include "tile/TileFormats.h"
#include "tileset/TileSheet.h"
#include "tools/BatchArguments.h"
#include "tools/ProgressBar.h"

#include <memory>
#include <optional>
#include <ostream>

namespace {

constexpr const char* kHelp
    = "Turns every .bmp picture of INPUT_DIR into an isometric tile of the same name in\n"
      "OUTPUT_DIR: the picture is stretched to the tile size and the mask merged over it, so\n"
      "the mask's black turns white and its white lets the picture show.\n"
      "\n"
      "  --width W     tile width in pixels (default 128)\n"
      "  --height H    tile height in pixels (default 63)\n"
      "  --mask FILE   mask picture, BMP or PNG (default mask/iso.bmp beside the program)\n"
      "  --from LIST   source formats: bmp, png or bmp,png (default bmp)\n"
      "  --to FORMAT   tile format: bmp, or png with the mask as transparency (default bmp)\n"
      "  --projection P  stretch: the picture over the whole tile; iso: laid flat onto the\n"
      "                diamond, for seamless floor tiles; block: the iso diamond on top of two\n"
      "                shaded side faces, a tile W x (H + D) without mask (default stretch)\n"
      "  --depth D     height of a block's side faces, 1 to 16384 (default H)\n"
      "  --shade L,R   factors from 0 to 1 darkening the left and right face (default 0.8,0.6)\n"
      "  --overdraw N  PNG tiles reach N pixels past their cell on every side, opaque,\n"
      "                showing the picture continued, so neighbours overlap when a map is\n"
      "                scaled and smoothed; 0 gives the exact diamond (default 2, at most 64)\n"
      "  --sheet NAME  also write every tile on one sheet NAME.png, with the Tiled tileset\n"
      "                NAME.tsx, the sprite atlas NAME.json and the Godot 4 TileSet NAME.tres\n"
      "                (needs --to png)\n"
      "  --columns N   tiles a row of the sheet (default: a square sheet)\n"
      "  --spacing S   pixels between the tiles of the sheet (default 0)\n"
      "  --margin M    pixels around the tiles of the sheet (default 0)\n"
      "  --extrude E   repeat each tile's edge E pixels into the gaps of the sheet (margin and\n"
      "                spacing grow to match), so filtering never takes a neighbour's colour\n"
      "                (default 0, at most 64)\n"
      "  --help        show this text\n"
      "  --version     show the version\n"
      "\n"
      "Exit status: 0 when every picture was converted, 1 when one could not be or a folder\n"
      "could not be read or made, 2 for a wrong command line or a sheet that cannot be made\n"
      "(nothing is written then).\n";

// The report as the window shows it, with the line ends of this host.
AnsiString PlainLineEnds(const AnsiString& text)
{
    AnsiString result;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == '\r' && index + 1 < text.size() && text[index + 1] == '\n')
            continue;
        result += text[index];
    }
    return result;
}

// One line naming the file: most errors name it already, the others get it in front.
AnsiString FailureLine(const AnsiString& fileName, const AnsiString& message)
{
    if (fileName.empty() || message.find(HostPath(fileName)) != AnsiString::npos)
        return "durnik-batch: " + message;
    return "durnik-batch: " + HostPath(fileName) + ": " + message;
}

// ".bmp", ".bmp or .png": the sources looked for.
AnsiString SourceKinds(const TBatchArguments& arguments)
{
    AnsiString kinds;
    for (const AnsiString& extension : arguments.sourceExtensions)
        kinds += (kinds.empty() ? "." : " or .") + extension;
    return kinds;
}

bool MakesBlocks(const TBatchArguments& arguments)
{
    return arguments.projection == TTileProjection::Block;
}

// The block's shape with its depth settled, once the height is known.
TBlockShape Block(const TBatchArguments& arguments)
{
    TBlockShape shape = arguments.block;
    shape.depth = BlockDepth(shape, arguments.height);
    return shape;
}

// Block tiles are taller than the top face by their depth.
int TileHeight(const TBatchArguments& arguments)
{
    return MakesBlocks(arguments) ? arguments.height + Block(arguments).depth : arguments.height;
}

// The cell each tile stands on; only PNG tiles reach past it, BMP tiles stay as they were.
TTileCell Cell(const TBatchArguments& arguments)
{
    return { arguments.width, arguments.height, TileHeight(arguments) - arguments.height,
        arguments.tileExtension == "png" ? arguments.overdraw : 0 };
}

// grownMask holds the mask of tiles with overdraw, and must outlive the converter.
std::unique_ptr<TSampledTileConverter> Converter(
    const TBatchArguments& arguments, TBitmap& mask, TBitmap& grownMask, TPngTileWritten written)
{
    const TTileCell cell = Cell(arguments);
    const TBlockShape block = Block(arguments);
    // The mask plays no part in a block, which is opaque inside its outline.
    TGraphic* tileMask = MakesBlocks(arguments) ? nullptr : &mask;
    TSampleRule rule = ProjectionRule(arguments.projection, block.depth);
    if (cell.overdraw > 0) {
        TOverdrawPlan plan = PlanOverdraw(tileMask, arguments.projection, arguments.width,
            TileHeight(arguments), block.depth, cell.overdraw);
        grownMask.SetRaster(std::move(plan.mask));
        tileMask = &grownMask;
        rule = std::move(plan.rule);
    }
    const int width = cell.PictureWidth();
    const int height = cell.PictureHeight();
    TTileWriter write = WriteBmpTile;
    if (arguments.tileExtension == "png")
        write = PngTileWriter(tileMask, width, height, std::move(written));
    const TSampledReader read = MakesBlocks(arguments)
        ? ShadedBlockReader(ReadTileSource, block, cell.overdraw)
        : TSampledReader(ReadTileSource);
    return std::make_unique<TSampledTileConverter>(tileMask, TSampler(width, height, rule), read, write);
}

// A misspelt input folder is an error rather than a batch of nothing, and the output folder
// is made before anything is read, so a batch does not fail at its first tile for want of it.
// Empty names are left to the batch, which asks for the folders.
void PrepareFolders(const TBatchArguments& arguments)
{
    if (arguments.inputDirectory.empty() || arguments.outputDirectory.empty())
        return;
    CheckListableDirectory(arguments.inputDirectory);
    ForceDirectories(arguments.outputDirectory);
}

int Convert(const TBatchArguments& arguments, const TBatchCommandContext& context)
{
    const AnsiString maskFile = arguments.maskFile.value_or(context.programDirectory + "mask/iso.bmp");
    TBitmap mask;
    TBitmap grownMask;
    AnsiString currentFile; // named in front of an error that does not name it
    TProgressBar progressBar(context.err, context.showProgress);
    try {
        PrepareFolders(arguments);
        currentFile = maskFile;
        LoadPicture(maskFile, mask);
        currentFile.clear(); // a clash of tile names is reported on its own
        const TBatchProgress progress = [&](const AnsiString& name, std::size_t index, std::size_t total) {
            currentFile = arguments.inputDirectory + "\\" + name;
            progressBar.Show(index, total, name);
        };
        const TBatchNames batchNames { arguments.sourceExtensions, arguments.tileExtension };
        std::optional<TTileSheet> sheet;
        TPngTileWritten toSheet;
        if (!arguments.sheet.name.empty()) {
            sheet.emplace(arguments.sheet, arguments.outputDirectory, Cell(arguments));
            toSheet = [&sheet](const PixelRaster& colours, std::span<const std::uint8_t> alpha) {
                sheet->Add(colours, alpha);
            };
        }
        const std::unique_ptr<TSampledTileConverter> converter
            = Converter(arguments, mask, grownMask, toSheet);
        // Reading and decoding the pictures is nearly all the work, so it runs on every core.
        const TBatchPlan readAhead = [&](const std::vector<AnsiString>& sourceFiles) {
            if (sheet)
                sheet->Plan(sourceFiles, arguments.inputDirectory, batchNames);
            converter->ReadAhead(sourceFiles, ReadAheadThreads());
        };
        const TConvertFile convert = [&](const AnsiString& sourceFile, const AnsiString& tileFile) {
            converter->Convert(sourceFile, tileFile);
        };
        const TBatchResult result = RunBatch(
            arguments.inputDirectory, arguments.outputDirectory, convert, progress, batchNames, readAhead);
        progressBar.Finish();
        if (sheet && result.outcome == TBatchOutcome::Converted) {
            currentFile.clear(); // a failed save names its own file
            sheet->Write(kFileVersion);
        }
        switch (result.outcome) {
        case TBatchOutcome::NoInputDirectory:
        case TBatchOutcome::NoOutputDirectory:
            context.err << "durnik-batch: " << result.message << '\n' << kBatchUsage;
            return kExitUsage;
        case TBatchOutcome::NothingFound:
            context.err << "durnik-batch: no " << SourceKinds(arguments) << " picture in "
                        << HostPath(arguments.inputDirectory) << '\n';
            return kExitSuccess;
        case TBatchOutcome::Converted:
            context.out << PlainLineEnds(result.message) << std::flush;
            return kExitSuccess;
        }
    } catch (const ESheetRefused& refused) {
        progressBar.Finish();
        context.err << "durnik-batch: " << refused.Message() << '\n';
        return kExitUsage;
    } catch (const std::exception& error) {
        progressBar.Finish();
        context.err << FailureLine(currentFile, error.what()) << '\n';
        return kExitConversionFailed;
    }
    return kExitConversionFailed;
}

} // namespace

int RunBatchCommand(std::span<const char* const> arguments, const TBatchCommandContext& context)
{
    TBatchArguments parsed;
    try {
        parsed = ParseBatchArguments(arguments);
    } catch (const EConvertError& error) {
        context.err << "durnik-batch: " << error.Message() << '\n' << kBatchUsage;
        return kExitUsage;
    }
    switch (parsed.action) {
    case TBatchArguments::Action::Help:
        context.out << kBatchUsage << '\n' << kHelp;
        return kExitSuccess;
    case TBatchArguments::Action::Version:
        context.out << "durnik-batch " << kFileVersion << '\n';
        return kExitSuccess;
    case TBatchArguments::Action::Convert:
        break;
    }
    return Convert(parsed, context);
}

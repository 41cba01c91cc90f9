// SPDX-License-Identifier: MIT
#include "tools/BatchCommand.h"

#include "platform/rtl/FileNames.h"
#include "platform/vcl/graphics/Graphics.h"
#include "resources/Version.h"
#include "tile/BatchConverter.h"
#include "tile/TileFileConverters.h"
#include "tile/TileFormats.h"
#include "tools/BatchArguments.h"
#include "tools/ProgressBar.h"

#include <memory>
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
      "                diamond, for seamless floor tiles (default stretch)\n"
      "  --help        show this text\n"
      "  --version     show the version\n"
      "\n"
      "Exit status: 0 when every picture was converted, 1 when one could not be, 2 for a\n"
      "wrong command line.\n";

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

std::unique_ptr<TSampledTileConverter> Converter(const TBatchArguments& arguments, TBitmap& mask)
{
    const int width = arguments.width;
    const int height = arguments.height;
    TTileWriter write = WriteBmpTile;
    if (arguments.tileExtension == "png")
        write = PngTileWriter(&mask, width, height);
    return std::make_unique<TSampledTileConverter>(
        &mask, TSampler(width, height, ProjectionRule(arguments.projection)), ReadTileSource, write);
}

int Convert(const TBatchArguments& arguments, const TBatchCommandContext& context)
{
    const AnsiString maskFile = arguments.maskFile.value_or(context.programDirectory + "mask/iso.bmp");
    TBitmap mask;
    AnsiString currentFile = maskFile;
    TProgressBar progressBar(context.err, context.showProgress);
    try {
        LoadPicture(maskFile, mask);
        currentFile.clear(); // a clash of tile names is reported on its own
        const TBatchProgress progress = [&](const AnsiString& name, std::size_t index, std::size_t total) {
            currentFile = arguments.inputDirectory + "\\" + name;
            progressBar.Show(index, total, name);
        };
        const std::unique_ptr<TSampledTileConverter> converter = Converter(arguments, mask);
        // Reading and decoding the pictures is nearly all the work, so it runs on every core.
        const TBatchPlan readAhead = [&](const std::vector<AnsiString>& sourceFiles) {
            converter->ReadAhead(sourceFiles, ReadAheadThreads());
        };
        const TConvertFile convert = [&](const AnsiString& sourceFile, const AnsiString& tileFile) {
            converter->Convert(sourceFile, tileFile);
        };
        const TBatchResult result = RunBatch(arguments.inputDirectory, arguments.outputDirectory, convert,
            progress, { arguments.sourceExtensions, arguments.tileExtension }, readAhead);
        progressBar.Finish();
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

// SPDX-License-Identifier: MIT
// The directory batch shared by the window's Batch command and durnik-batch: it walks the
// "*.bmp" files of the input directory in search order and has each one converted into the
// output directory under the same name (durnik-batch may take other extensions and rename
// the tiles). How a file is converted is the caller's, so the
// window can show each picture while the command-line tool reads only what it needs.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <cstddef>
#include <functional>
#include <vector>

// Converts one picture file into one tile file; throws to end the batch at that file.
using TConvertFile = std::function<void(const AnsiString& sourceFile, const AnsiString& tileFile)>;
// Told once, before the first file, every source file in the order they will be converted,
// so a converter can start reading the next ones while it writes the current one.
using TBatchPlan = std::function<void(const std::vector<AnsiString>& sourceFiles)>;
// Told before each file: its name, its position from 0 and the number of files found.
using TBatchProgress = std::function<void(const AnsiString& name, std::size_t index, std::size_t total)>;

enum class TBatchOutcome {
    NoInputDirectory, // the input directory text is empty
    NoOutputDirectory, // the output directory text is empty
    NothingFound, // no entry matches: nothing is shown and nothing written
    Converted // every file converted; the report is in the message
};

struct TBatchResult {
    TBatchOutcome outcome = TBatchOutcome::NothingFound;
    // What the user is told: one of the two directory messages, the closing report, or
    // empty when nothing matched.
    AnsiString message;
};

inline constexpr const char* kNoInputDirectoryMessage = "You havent selected input folder";
inline constexpr const char* kNoOutputDirectoryMessage = "You havent selected output folder";

// Which files a batch takes and what their tiles are called.
struct TBatchNames {
    // The extensions taken, letter case ignored, in one listing sorted by name.
    std::vector<AnsiString> extensions { "bmp" };
    // The tiles' extension: a source with another one gets its stem and this one. Empty
    // keeps every source's name.
    AnsiString tileExtension;
};

// The tile name of a source name under names.
AnsiString TileName(const AnsiString& sourceName, const TBatchNames& names);

// The directory texts are used as they stand; "\" is put between a directory and a name.
// An exception from convert ends the batch there and propagates after the search is closed.
// Two sources that would become one tile (a.bmp and a.png into a.png) raise EInOutError
// before anything is converted, as the second would overwrite the first.
TBatchResult RunBatch(const AnsiString& inputDirectory, const AnsiString& outputDirectory,
    const TConvertFile& convert, const TBatchProgress& progress = {}, const TBatchNames& names = {},
    const TBatchPlan& plan = {});

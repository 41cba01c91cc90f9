// SPDX-License-Identifier: MIT
#include "tile/BatchConverter.h"

#include "platform/rtl/Classes.h"
#include "platform/rtl/DirectoryListing.h"
#include "platform/rtl/ScopeExit.h"

#include <algorithm>
#include <map>

namespace {

// Hidden and read-only files too, but no directory and nothing else that is not a regular
// file (a pipe, a device, a broken link): a folder named "old.bmp" or a pipe would otherwise
// stop the batch, or hang it.
constexpr int kRegularFiles = faReadOnly | faHidden | faArchive;

AnsiString BatchReport(
    const AnsiString& inputDirectory, const AnsiString& outputDirectory, const TStringList& names)
{
    return "Files batched:  In: " + inputDirectory + " Out: " + outputDirectory + " Files: " + names.Text();
}

bool Taken(const AnsiString& name, const TBatchNames& names)
{
    return std::any_of(names.extensions.begin(), names.extensions.end(),
        [&name](const AnsiString& extension) { return MatchesFileMask(name, "*." + extension); });
}

// Refuses before any file is converted, as the later of two would overwrite the earlier.
void CheckTileNamesDiffer(const TStringList& sources, const TBatchNames& names)
{
    std::map<AnsiString, AnsiString> sourceByTile; // letter case ignored, as the search does
    for (int index = 0; index < sources.Count(); ++index) {
        const AnsiString tile = TileName(sources[index], names);
        const auto [found, added] = sourceByTile.emplace(LowerCase(tile), sources[index]);
        if (!added)
            throw EInOutError("\"" + found->second + "\" and \"" + sources[index]
                + "\" would both become the tile \"" + tile + "\"; rename one of them");
    }
}

} // namespace

AnsiString TileName(const AnsiString& sourceName, const TBatchNames& names)
{
    if (names.tileExtension.empty() || MatchesFileMask(sourceName, "*." + names.tileExtension))
        return sourceName;
    return sourceName.substr(0, sourceName.rfind('.')) + "." + names.tileExtension;
}

TBatchResult RunBatch(const AnsiString& inputDirectory, const AnsiString& outputDirectory,
    const TConvertFile& convert, const TBatchProgress& progress, const TBatchNames& batchNames,
    const TBatchPlan& plan)
{
    TStringList names;
    if (inputDirectory.empty())
        return { TBatchOutcome::NoInputDirectory, kNoInputDirectoryMessage };
    if (outputDirectory.empty())
        return { TBatchOutcome::NoOutputDirectory, kNoOutputDirectoryMessage };

    // One extension is searched for directly; several share one listing of every entry.
    const bool oneExtension = batchNames.extensions.size() == 1;
    const AnsiString pattern = oneExtension ? "*." + batchNames.extensions.front() : AnsiString("*");
    TSearchRec search;
    if (FindFirst(inputDirectory + "\\" + pattern, kRegularFiles, search) != 0)
        return { TBatchOutcome::NothingFound, {} };
    const ScopeExit closeSearch([&search] { FindClose(search); });

    // The search holds its listing already, so taking every name first changes nothing of what
    // is converted and lets a progress display know the total.
    do {
        if (oneExtension || Taken(search.Name, batchNames))
            names.Add(search.Name);
    } while (FindNext(search) == 0);
    if (names.Count() == 0)
        return { TBatchOutcome::NothingFound, {} };
    CheckTileNamesDiffer(names, batchNames);

    const auto total = std::size_t(names.Count());
    const auto sourceFile = [&](int index) { return inputDirectory + "\\" + names[index]; };
    if (plan) {
        std::vector<AnsiString> sourceFiles;
        for (int index = 0; index < names.Count(); ++index)
            sourceFiles.push_back(sourceFile(index));
        plan(sourceFiles);
    }
    for (int index = 0; index < names.Count(); ++index) {
        const AnsiString& name = names[index];
        if (progress)
            progress(name, std::size_t(index), total);
        convert(sourceFile(index), outputDirectory + "\\" + TileName(name, batchNames));
    }
    return { TBatchOutcome::Converted, BatchReport(inputDirectory, outputDirectory, names) };
}

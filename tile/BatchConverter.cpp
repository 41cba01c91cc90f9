// SPDX-License-Identifier: MIT
#include "tile/BatchConverter.h"

#include "platform/rtl/Classes.h"

namespace {

// Every entry attribute: read-only, hidden, system, volume label, directory, archive. A
// matching subdirectory is thus taken too, and its load error names it.
constexpr int kAnyAttribute = 63;

// Closes the search on every way out once it has found a first entry.
class SearchGuard {
public:
    explicit SearchGuard(TSearchRec& search) : FSearch(search) {}
    ~SearchGuard() { FindClose(FSearch); }
    SearchGuard(const SearchGuard&) = delete;
    SearchGuard& operator=(const SearchGuard&) = delete;

private:
    TSearchRec& FSearch;
};

AnsiString BatchReport(const AnsiString& inputDirectory, const AnsiString& outputDirectory, const TStringList& names)
{
    return "Files batched:  In: " + inputDirectory + " Out: " + outputDirectory + " Files: " + names.Text();
}

} // namespace

TBatchResult RunBatch(const AnsiString& inputDirectory, const AnsiString& outputDirectory,
    const TConvertFile& convert, const TBatchProgress& progress)
{
    TStringList names;
    if (inputDirectory.empty())
        return { TBatchOutcome::NoInputDirectory, kNoInputDirectoryMessage };
    if (outputDirectory.empty())
        return { TBatchOutcome::NoOutputDirectory, kNoOutputDirectoryMessage };

    TSearchRec search;
    if (FindFirst(inputDirectory + "\\*.bmp", kAnyAttribute, search) != 0)
        return { TBatchOutcome::NothingFound, {} };
    const SearchGuard closeSearch(search);

    // The search holds its listing already, so taking every name first changes nothing of what
    // is converted and lets a progress display know the total.
    names.Add(search.Name);
    while (FindNext(search) == 0)
        names.Add(search.Name);

    const auto total = std::size_t(names.Count());
    for (int index = 0; index < names.Count(); ++index) {
        const AnsiString& name = names[index];
        if (progress)
            progress(name, std::size_t(index), total);
        convert(inputDirectory + "\\" + name, outputDirectory + "\\" + name);
    }
    return { TBatchOutcome::Converted, BatchReport(inputDirectory, outputDirectory, names) };
}

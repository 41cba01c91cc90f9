// SPDX-License-Identifier: MIT
#include "tile/BatchConverter.h"

#include "platform/rtl/Classes.h"

#include <vector>

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

    // The search holds its listing already, so collecting the names first changes nothing
    // of what is converted and lets a progress display know the total.
    std::vector<AnsiString> found { search.Name };
    while (FindNext(search) == 0)
        found.push_back(search.Name);

    for (std::size_t index = 0; index < found.size(); ++index) {
        const AnsiString& name = found[index];
        if (progress)
            progress(name, index, found.size());
        names.Add(name);
        convert(inputDirectory + "\\" + name, outputDirectory + "\\" + name);
    }
    return { TBatchOutcome::Converted, BatchReport(inputDirectory, outputDirectory, names) };
}

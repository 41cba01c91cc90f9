// SPDX-License-Identifier: MIT
// The pixels of PNG files whose image data is laid out, filtered and compressed in every way a
// writer may choose, inflated whole (libdeflate, within the budget) and streamed (igzip, or
// zlib once damage is met) alike.
#include "platform/png/PngCodec.h"

#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/png/PngTestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Every picture is read twice: inflated whole, and streamed as if it were over the budget.
constexpr std::uint64_t kBudgets[] = { kWholeInflateBudget, 0 };

std::string BudgetName(std::uint64_t budget)
{
    return budget == 0 ? "streamed" : "inflated whole";
}

// A picture's stored rows, before filtering: bytes varied enough for every Paeth predictor.
Bytes StoredRows(std::size_t rowBytes, int height)
{
    Bytes rows;
    std::uint32_t seed = 7;
    for (int y = 0; y < height; ++y)
        for (std::size_t x = 0; x < rowBytes; ++x) {
            seed = seed * 1103515245u + 12345u;
            rows.push_back(std::uint8_t((x * 3 + std::size_t(y) * 5) % 256 ^ (seed >> 28)));
        }
    return rows;
}

std::uint8_t PaethPredictor(int left, int above, int aboveLeft)
{
    const int estimate = left + above - aboveLeft;
    const int toLeft = std::abs(estimate - left);
    const int toAbove = std::abs(estimate - above);
    const int toAboveLeft = std::abs(estimate - aboveLeft);
    if (toLeft <= toAbove && toLeft <= toAboveLeft)
        return std::uint8_t(left);
    return std::uint8_t(toAbove <= toAboveLeft ? above : aboveLeft);
}

// The rows as a writer stores them: each after its filter byte, filtered with filterOf(row).
template <typename FilterOf>
Bytes Filtered(const Bytes& rows, std::size_t rowBytes, std::size_t stride, FilterOf filterOf)
{
    Bytes stored;
    const std::size_t height = rows.size() / rowBytes;
    for (std::size_t y = 0; y < height; ++y) {
        const int filter = filterOf(y);
        stored.push_back(std::uint8_t(filter));
        for (std::size_t x = 0; x < rowBytes; ++x) {
            const auto at = [&](std::size_t row, std::size_t column, bool inside) {
                return inside ? int(rows[row * rowBytes + column]) : 0;
            };
            const int left = at(y, x - stride, x >= stride);
            const int above = at(y - 1, x, y > 0);
            const int aboveLeft = at(y - 1, x - stride, y > 0 && x >= stride);
            const int predictions[]
                = { 0, left, above, (left + above) / 2, PaethPredictor(left, above, aboveLeft) };
            stored.push_back(std::uint8_t(rows[y * rowBytes + x] - predictions[filter]));
        }
    }
    return stored;
}

// The image data split into chunks of chunkSize bytes, an empty chunk after each.
Bytes SplitPng(const Bytes& header, const Bytes& imageData, std::size_t chunkSize)
{
    std::vector<Bytes> parts { Bytes { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' }, header };
    for (std::size_t start = 0; start < imageData.size(); start += chunkSize) {
        parts.push_back(PngChunk("IDAT",
            Bytes(imageData.begin() + std::ptrdiff_t(start),
                imageData.begin() + std::ptrdiff_t(std::min(imageData.size(), start + chunkSize)))));
        parts.push_back(PngChunk("IDAT", {}));
    }
    parts.push_back(PngChunk("IEND", {}));
    // Sized once and filled in place: GCC 12 at -O3 misreads a vector growing from a few bytes.
    std::size_t size = 0;
    for (const Bytes& part : parts)
        size += part.size();
    Bytes file(size);
    auto end = file.begin();
    for (const Bytes& part : parts)
        end = std::copy(part.begin(), part.end(), end);
    return file;
}

// raw deflated with a window of windowBits; unfinished streams stop after a sync flush, with
// neither a final block nor a checksum.
Bytes DeflatedWith(const Bytes& raw, int windowBits, bool finished = true)
{
    z_stream stream {};
    deflateInit2(&stream, 9, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    Bytes packed(deflateBound(&stream, uLong(raw.size())) + 64);
    stream.next_in = const_cast<Bytef*>(raw.data());
    stream.avail_in = uInt(raw.size());
    stream.next_out = packed.data();
    stream.avail_out = uInt(packed.size());
    deflate(&stream, finished ? Z_FINISH : Z_SYNC_FLUSH);
    packed.resize(stream.total_out);
    deflateEnd(&stream);
    return packed;
}

PixelRaster Read(const Bytes& file, std::uint64_t budget)
{
    return ReadPng(TMemoryByteSource(file), budget);
}

void ExpectRefusedBothWays(const Bytes& file, const std::string& reason)
{
    for (const std::uint64_t budget : kBudgets) {
        SCOPED_TRACE(BudgetName(budget));
        try {
            Read(file, budget);
            ADD_FAILURE() << "accepted: " << reason;
        } catch (const EInvalidGraphic& error) {
            EXPECT_NE(error.Message().find(reason), std::string::npos) << error.Message();
        }
    }
}

struct PixelKind {
    const char* name;
    std::uint8_t depth;
    std::uint8_t colourType;
    std::size_t stride; // bytes from a pixel to the one on its left
    std::size_t channels;
};

} // namespace

TEST(PngInflate, EveryFilterGivesWhatTheUnfilteredRowsGive)
{
    constexpr int kWidth = 23;
    constexpr int kHeight = 9;
    const PixelKind kinds[] = { { "grey 2-bit", 2, 0, 1, 1 }, { "grey 8-bit", 8, 0, 1, 1 },
        { "grey and alpha 8-bit", 8, 4, 2, 2 }, { "RGB 8-bit", 8, 2, 3, 3 }, { "RGBA 8-bit", 8, 6, 4, 4 },
        { "RGB 16-bit", 16, 2, 6, 3 }, { "RGBA 16-bit", 16, 6, 8, 4 } };
    for (const PixelKind& kind : kinds) {
        const std::size_t rowBytes = (kWidth * kind.channels * kind.depth + 7) / 8;
        const Bytes rows = StoredRows(rowBytes, kHeight);
        const Bytes header = PngHeader(kWidth, kHeight, kind.depth, kind.colourType);
        const PixelRaster unfiltered
            = Read(AssemblePng(header,
                       Deflated(Filtered(rows, rowBytes, kind.stride, [](std::size_t) { return 0; }))),
                kWholeInflateBudget);
        for (const std::uint64_t budget : kBudgets)
            for (int filter = 1; filter <= 5; ++filter) {
                SCOPED_TRACE(std::string(kind.name) + ", " + BudgetName(budget) + ", filter "
                    + (filter == 5 ? "of each row in turn" : std::to_string(filter)));
                const auto filterOf
                    = [filter](std::size_t row) { return filter == 5 ? int(row % 5) : filter; };
                const Bytes file
                    = AssemblePng(header, Deflated(Filtered(rows, rowBytes, kind.stride, filterOf)));
                EXPECT_EQ(Read(file, budget), unfiltered);
            }
    }
}

TEST(PngInflate, StreamedPicturesAreTheReferencePicturesInflatedWhole)
{
    const std::string references = std::string(DURNIK_SOURCE_DIR) + "/tests/png/data";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(references)) {
        if (entry.path().extension() != ".png")
            continue;
        ++count;
        const std::string text = TemporaryDirectory::Read(entry.path().string());
        const Bytes file(text.begin(), text.end());
        EXPECT_EQ(Read(file, 0), ReadPngFile(entry.path().string())) << entry.path();
    }
    EXPECT_EQ(count, 36);
}

TEST(PngInflate, ImageDataSplitIntoAnyChunksReadsTheSame)
{
    const auto grey = [](int x, int y) { return std::uint8_t(x * 31 + y * 17); };
    for (const bool interlaced : { false, true }) {
        const Bytes header = PngHeader(40, 30, 8, 0, interlaced);
        const Bytes imageData = Deflated(GreyRows(40, 30, interlaced, grey));
        const PixelRaster whole = Read(AssemblePng(header, imageData), kWholeInflateBudget);
        for (const std::size_t chunkSize :
            { std::size_t { 1 }, std::size_t { 2 }, std::size_t { 7 }, std::size_t { 100 } })
            for (const std::uint64_t budget : kBudgets) {
                SCOPED_TRACE(std::to_string(chunkSize) + "-byte chunks, " + BudgetName(budget)
                    + (interlaced ? ", interlaced" : ""));
                EXPECT_EQ(Read(SplitPng(header, imageData, chunkSize), budget), whole);
            }
    }
}

TEST(PngInflate, StreamsThatLibspngTookAreTakenHowTheyEnd)
{
    // Noise repeating every third row: most matches lie 903 bytes back.
    const auto noise
        = [](int x, int y) { return std::uint8_t((std::uint32_t(x + 1000 * (y % 3)) * 2654435761u) >> 13); };
    const Bytes header = PngHeader(300, 200, 8, 0);
    const Bytes rows = GreyRows(300, 200, false, noise);
    const PixelRaster expected = Read(AssemblePng(header, Deflated(rows)), kWholeInflateBudget);
    Bytes rowsAndMore = rows;
    rowsAndMore.insert(rowsAndMore.end(), 5000, 0x42);
    // zlib reads every stream with its largest window, whatever the stream claims.
    Bytes pastItsWindow = DeflatedWith(rows, 15);
    pastItsWindow[0] = 0x18;
    pastItsWindow[1] = std::uint8_t(31 - (0x18 << 8) % 31);
    const std::pair<const char*, Bytes> streams[] = {
        { "a 512-byte window", DeflatedWith(rows, 9) },
        { "a 512-byte window claimed, reaching past it", pastItsWindow },
        { "no final block and no checksum", DeflatedWith(rows, 15, false) },
        { "more bytes than the rows need", DeflatedWith(rowsAndMore, 15) },
    };
    for (const auto& [name, stream] : streams)
        for (const std::uint64_t budget : kBudgets) {
            SCOPED_TRACE(std::string(name) + ", " + BudgetName(budget));
            EXPECT_EQ(Read(AssemblePng(header, stream), budget), expected);
        }
}

TEST(PngInflate, WhatTheStreamHoldsAfterThePicturesLastByteIsNotLookedAt)
{
    // After the rows, a copy of bytes from before the stream's start: deflated against a
    // preset dictionary that the header does not announce, so no reader has them. igzip
    // decodes that far ahead and stops there; zlib, as libspng used it, never gets there.
    const auto noise
        = [](int x, int y) { return std::uint8_t((std::uint32_t(x * 7 + y * 1000) * 2654435761u) >> 13); };
    const Bytes rows = GreyRows(300, 20, false, noise);
    const Bytes dictionary = GreyRows(300, 3, false, [](int x, int) { return std::uint8_t(x * 89 + 3); });
    z_stream stream {};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    deflateSetDictionary(&stream, dictionary.data(), uInt(dictionary.size()));
    Bytes input = rows;
    input.insert(input.end(), dictionary.begin(), dictionary.end());
    Bytes imageData(deflateBound(&stream, uLong(input.size())) + 2);
    imageData[0] = 0x78;
    imageData[1] = 0xDA;
    stream.next_in = input.data();
    stream.avail_in = uInt(input.size());
    stream.next_out = imageData.data() + 2;
    stream.avail_out = uInt(imageData.size() - 2);
    deflate(&stream, Z_FINISH);
    imageData.resize(2 + stream.total_out);
    deflateEnd(&stream);

    const Bytes header = PngHeader(300, 20, 8, 0);
    const PixelRaster expected = Read(AssemblePng(header, Deflated(rows)), kWholeInflateBudget);
    for (const std::uint64_t budget : kBudgets) {
        SCOPED_TRACE(BudgetName(budget));
        EXPECT_EQ(Read(AssemblePng(header, imageData), budget), expected);
    }
}

TEST(PngInflate, DamageInTheImageDataIsRefusedSayingWhat)
{
    const auto grey = [](int x, int y) { return std::uint8_t(x * 5 + y * 60); };
    const Bytes header = PngHeader(300, 200, 8, 0);
    const Bytes rows = GreyRows(300, 200, false, grey);

    Bytes damaged = DeflatedWith(rows, 15);
    for (std::size_t index = damaged.size() / 3; index < damaged.size() / 2; ++index)
        damaged[index] = std::uint8_t(damaged[index] * 37 + 11);
    ExpectRefusedBothWays(AssemblePng(header, damaged), "the image data is damaged");

    const Bytes fewerRows(rows.begin(), rows.end() - 301);
    ExpectRefusedBothWays(AssemblePng(header, DeflatedWith(fewerRows, 15)), "the image data ends early");

    Bytes unknownFilter = rows;
    unknownFilter[301 * 100] = 5;
    ExpectRefusedBothWays(AssemblePng(header, DeflatedWith(unknownFilter, 15)), "unknown filter type (5)");

    Bytes notZlib = DeflatedWith(rows, 15);
    notZlib[0] = 0x79;
    ExpectRefusedBothWays(AssemblePng(header, notZlib), "not a zlib stream");
}

TEST(PngInflate, TheChunksAroundTheImageDataAreCheckedAsEver)
{
    const auto grey = [](int x, int y) { return std::uint8_t(x + y); };
    const Bytes header = PngHeader(20, 10, 8, 0);
    const Bytes imageData = Deflated(GreyRows(20, 10, false, grey));
    const Bytes sound = SplitPng(header, imageData, 50);
    ASSERT_NO_THROW(Read(sound, kWholeInflateBudget));
    // Inserts chunk after the image data, before the end marker.
    const auto withTrailer = [&](const Bytes& chunk) {
        Bytes file = sound;
        file.insert(file.end() - 12, chunk.begin(), chunk.end());
        return file;
    };
    // A chunk that a reader must understand, and a text whose checksum is wrong.
    ExpectRefusedBothWays(withTrailer(PngChunk("ABCD", { 1, 2, 3 })), "critical");
    Bytes text = PngChunk("tEXt", Bytes { 'a', 0, 'b' });
    text.back() ^= 1;
    ExpectRefusedBothWays(withTrailer(text), "checksum");
    // Image data again after another chunk.
    Bytes split = withTrailer(PngChunk("tEXt", Bytes { 'a', 0, 'b' }));
    const Bytes more = PngChunk("IDAT", { 0 });
    split.insert(split.end() - 12, more.begin(), more.end());
    ExpectRefusedBothWays(split, "chunk");
    // The last image data chunk, which the picture never needs, with a wrong checksum.
    Bytes badLastChunk = sound;
    badLastChunk[badLastChunk.size() - 13] ^= 1;
    ExpectRefusedBothWays(badLastChunk, "checksum");
}

// SPDX-License-Identifier: MIT
#include "tile/BatchConverter.h"

#include "platform/rtl/FileNames.h"
#include "tests/platform/rtl/TemporaryDirectory.h"
#include "tests/tile/BatchTestPictures.h"
#include "tile/TileComposer.h"
#include "tile/TileFileConverters.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// The window's side of a batch: its three pictures and the converter that uses them.
struct WindowPictures {
    TPicture source;
    TPicture mask;
    TPicture tile;
    WindowPictures() { LoadHalfMask(mask); }
    // What the window's Batch does with each file.
    TConvertFile Converter()
    {
        return [this](const AnsiString& sourceFile, const AnsiString& tileFile) {
            source.LoadFromFile(sourceFile);
            ComposeTile(source, mask, tile, 128, 63);
            tile.SaveToFile(tileFile);
        };
    }
};

PixelRaster ExpectedTile(const std::string& picturePath)
{
    WindowPictures pictures;
    pictures.source.LoadFromFile(picturePath);
    ComposeTile(pictures.source, pictures.mask, pictures.tile, 128, 63);
    return pictures.tile.Bitmap()->Raster();
}

PixelRaster Loaded(const std::string& path)
{
    TBitmap bitmap;
    bitmap.LoadFromFile(path);
    return bitmap.Raster();
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

class BatchTest : public ::testing::Test {
protected:
    TemporaryDirectory root;
    std::string in = root.MakeDirectory("in");
    std::string out = root.MakeDirectory("out");
    WindowPictures window;

    TBatchResult Run(const std::string& input, const std::string& output)
    {
        return RunBatch(input, output, window.Converter());
    }
};

TEST_F(BatchTest, TwoPicturesGiveTwoTilesAndTheReportListingThem)
{
    WriteTestPicture(in + "/a.bmp", 300, 200, 1);
    WriteTestPicture(in + "/b.bmp", 40, 30, 2);

    const TBatchResult result = Run(in, out);

    EXPECT_EQ(result.outcome, TBatchOutcome::Converted);
    EXPECT_EQ(result.message, "Files batched:  In: " + in + " Out: " + out + " Files: a.bmp\r\nb.bmp\r\n");
    EXPECT_EQ(Sorted(root.Names("out")), (std::vector<std::string> { "a.bmp", "b.bmp" }));
    EXPECT_EQ(Loaded(out + "/a.bmp"), ExpectedTile(in + "/a.bmp"));
    EXPECT_EQ(Loaded(out + "/b.bmp"), ExpectedTile(in + "/b.bmp"));
    // The window is left showing the last file.
    EXPECT_EQ(window.source.Bitmap()->Raster(), Loaded(in + "/b.bmp"));
    EXPECT_EQ(window.tile.Bitmap()->Raster(), ExpectedTile(in + "/b.bmp"));
}

TEST_F(BatchTest, WithoutAMatchingFileNothingIsShownOrWritten)
{
    root.Write("in/x.png", "not a bmp");
    const TBatchResult missingDirectory = Run(root / "missing", out);
    const TBatchResult result = Run(in, out);

    EXPECT_EQ(missingDirectory.outcome, TBatchOutcome::NothingFound);
    EXPECT_EQ(result.outcome, TBatchOutcome::NothingFound);
    EXPECT_EQ(result.message, "");
    EXPECT_TRUE(root.Names("out").empty());
    EXPECT_EQ(TemporaryDirectory::Read(in + "/x.png"), "not a bmp");
    EXPECT_TRUE(window.source.Bitmap()->Empty());
}

TEST_F(BatchTest, TheInputDirectoryIsAskedForFirst)
{
    WriteTestPicture(in + "/a.bmp", 8, 8, 1);
    EXPECT_EQ(Run("", "").message, "You havent selected input folder");
    EXPECT_EQ(Run("", out).outcome, TBatchOutcome::NoInputDirectory);
    const TBatchResult noOutput = Run(in, "");
    EXPECT_EQ(noOutput.outcome, TBatchOutcome::NoOutputDirectory);
    EXPECT_EQ(noOutput.message, "You havent selected output folder");
    EXPECT_TRUE(root.Names("out").empty());
}

TEST_F(BatchTest, OutputEqualToInputReplacesEachPictureByItsTileOnce)
{
    WriteTestPicture(in + "/a.bmp", 300, 200, 1);
    WriteTestPicture(in + "/b.bmp", 50, 60, 2);
    const PixelRaster tileA = ExpectedTile(in + "/a.bmp");
    const PixelRaster tileB = ExpectedTile(in + "/b.bmp");

    const TBatchResult result = Run(in, in);

    // A tile written into the searched directory is not found again and converted twice.
    EXPECT_EQ(result.message, "Files batched:  In: " + in + " Out: " + in + " Files: a.bmp\r\nb.bmp\r\n");
    EXPECT_EQ(Loaded(in + "/a.bmp"), tileA);
    EXPECT_EQ(Loaded(in + "/b.bmp"), tileB);
    EXPECT_EQ(Sorted(root.Names("in")), (std::vector<std::string> { "a.bmp", "b.bmp" }));
}

TEST_F(BatchTest, HiddenAndUpperCaseNamesAreConvertedAndOtherExtensionsLeftAlone)
{
    WriteTestPicture(in + "/.c.bmp", 20, 20, 3);
    WriteTestPicture(in + "/D.BMP", 20, 20, 4);
    root.Write("in/x.png", "png");
    root.Write("in/e.bmp.txt", "text");

    const TBatchResult result = Run(TemporaryDirectory::Backslashed(in), out);

    EXPECT_EQ(result.outcome, TBatchOutcome::Converted);
    EXPECT_EQ(Sorted(root.Names("out")), (std::vector<std::string> { ".c.bmp", "D.BMP" }));
    EXPECT_EQ(Loaded(out + "/.c.bmp"), ExpectedTile(in + "/.c.bmp"));
}

TEST_F(BatchTest, ACorruptPictureEndsTheBatchThereAndKeepsEarlierTiles)
{
    WriteTestPicture(in + "/a.bmp", 30, 30, 1);
    root.Write("in/b.bmp", "BM but not really a bitmap");
    WriteTestPicture(in + "/c.bmp", 30, 30, 3);
    std::vector<std::string> order;
    const TBatchProgress progress
        = [&](const AnsiString& name, std::size_t, std::size_t) { order.push_back(name); };

    try {
        RunBatch(in, out, window.Converter(), progress);
        FAIL() << "the corrupt picture was accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_NE(error.Message().find(in + "/b.bmp"), AnsiString::npos) << error.Message();
    }

    // Whatever order the search gives, the batch stops at b.bmp and keeps what came before.
    const auto corrupt = std::find(order.begin(), order.end(), "b.bmp");
    ASSERT_NE(corrupt, order.end());
    const std::vector<std::string> converted(order.begin(), corrupt);
    EXPECT_EQ(Sorted(root.Names("out")), Sorted(converted));
}

TEST_F(BatchTest, EntriesThatAreNotRegularFilesAreSkipped)
{
    // Only a folder, a pipe and a broken link match: nothing to convert.
    root.MakeDirectory("in/folder.bmp");
    ASSERT_EQ(::mkfifo((in + "/pipe.bmp").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("missing.bmp", (in + "/broken.bmp").c_str()), 0);
    EXPECT_EQ(Run(in, out).outcome, TBatchOutcome::NothingFound);

    // A link to a picture is a picture.
    WriteTestPicture(in + "/a.bmp", 20, 10, 1);
    ASSERT_EQ(::symlink("a.bmp", (in + "/link.bmp").c_str()), 0);
    const TBatchResult result = Run(in, out);
    EXPECT_EQ(result.message, "Files batched:  In: " + in + " Out: " + out + " Files: a.bmp\r\nlink.bmp\r\n");
    EXPECT_EQ(Sorted(root.Names("out")), (std::vector<std::string> { "a.bmp", "link.bmp" }));
}

TEST_F(BatchTest, AReadOnlyTileIsReportedAndKeptIntact)
{
    WriteTestPicture(in + "/a.bmp", 30, 30, 1);
    const std::string old = root.Write("out/a.bmp", "the old tile");
    ::chmod(old.c_str(), 0444);

    EXPECT_THROW(Run(in, out), EInOutError);
    EXPECT_EQ(TemporaryDirectory::Read(old), "the old tile");
    EXPECT_EQ(root.Names("out"), std::vector<std::string> { "a.bmp" });
}

// Lowers the file size limit for the scope, with the signal it would raise ignored, so a
// write past the limit fails with EFBIG half-way through the tile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        FPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &FPrevious);
        rlimit lowered = FPrevious;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &FPrevious);
        std::signal(SIGXFSZ, FPreviousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit FPrevious {};
    void (*FPreviousHandler)(int) = nullptr;
};

TEST_F(BatchTest, AWriteFailingHalfWayLeavesThePictureItReplacesIntact)
{
    WriteTestPicture(in + "/a.bmp", 30, 30, 1);
    const std::string original = TemporaryDirectory::Read(in + "/a.bmp");
    ASSERT_LT(original.size(), 10000u);

    {
        const FileSizeLimit limit(10000); // a 128 x 63 tile takes 24246 bytes
        EXPECT_THROW(Run(in, in), EInOutError);
    }

    EXPECT_EQ(TemporaryDirectory::Read(in + "/a.bmp"), original);
    EXPECT_EQ(root.Names("in"), std::vector<std::string> { "a.bmp" }); // no temporary left
}

TEST_F(BatchTest, TheSampledConverterWritesTheWindowsTiles)
{
    WriteTestPicture(in + "/large.bmp", 1000, 700, 1);
    WriteTestPicture(in + "/small.bmp", 13, 7, 2);
    TBitmap monochrome;
    monochrome.SetRaster(
        PixelRaster { 3, 2, true, { clBlack, clWhite, clBlack, clWhite, clWhite, clBlack } });
    monochrome.SaveToFile(in + "/mono.bmp");
    const std::string sampled = root.MakeDirectory("sampled");

    Run(in, out);
    RunBatch(in, sampled, SampledTileConverter(window.mask.Graphic(), 128, 63));

    for (const std::string name : { "large.bmp", "small.bmp", "mono.bmp" })
        EXPECT_EQ(TemporaryDirectory::Read(sampled + "/" + name), TemporaryDirectory::Read(out + "/" + name))
            << name;
}

TEST(TileName, OnlyTheLastExtensionGivesWayToTheTiles)
{
    const TBatchNames toPng { { "bmp", "png" }, "png" };
    const std::pair<const char*, const char*> cases[] = {
        { "a.bmp", "a.png" },
        { "grass.v2.bmp", "grass.v2.png" },
        { "a.b.c.BMP", "a.b.c.png" },
        { "stone.png", "stone.png" },
        { "old.bmp.PNG", "old.bmp.PNG" },
        { ".hidden.bmp", ".hidden.png" },
    };
    for (const auto& [source, tile] : cases)
        EXPECT_EQ(TileName(source, toPng), tile) << source;
    EXPECT_EQ(TileName("grass.v2.bmp", TBatchNames {}), "grass.v2.bmp");
}

TEST_F(BatchTest, SourcesDifferingBeforeTheirLastDotGiveTilesOfTheirOwn)
{
    WriteTestPicture(in + "/a.x.bmp", 20, 10, 1);
    WriteTestPicture(in + "/a.y.bmp", 20, 10, 2);
    WriteTestPicture(in + "/grass.v2.bmp", 20, 10, 3);
    std::vector<std::string> tiles;
    const TBatchResult result = RunBatch(in, out,
        [&](const AnsiString&, const AnsiString& tileFile) { tiles.push_back(ExtractFileName(tileFile)); },
        {}, { { "bmp" }, "png" });

    EXPECT_EQ(result.outcome, TBatchOutcome::Converted);
    EXPECT_EQ(Sorted(tiles), (std::vector<std::string> { "a.x.png", "a.y.png", "grass.v2.png" }));
}

// A batch whose sources are read ahead on three threads, its tiles written by a recording
// writer that can be told to fail.
class ReadAheadBatchTest : public BatchTest {
protected:
    std::vector<std::string> written;
    std::string failingTile;

    TBatchResult RunReadAhead(const std::string& output, unsigned readers = 3)
    {
        TSampledTileConverter converter(window.mask.Graphic(), TSampler(128, 63), ReadBmpTileSource,
            [this](TBitmap& tile, const TSampleMap& map, const AnsiString& tileFile) {
                if (ExtractFileName(tileFile) == failingTile)
                    throw EInOutError("the disk is full");
                WriteBmpTile(tile, map, tileFile);
                written.push_back(ExtractFileName(tileFile));
            });
        return RunBatch(
            in, output,
            [&](const AnsiString& sourceFile, const AnsiString& tileFile) {
                converter.Convert(sourceFile, tileFile);
            },
            {}, {},
            [&](const std::vector<AnsiString>& sourceFiles) { converter.ReadAhead(sourceFiles, readers); });
    }

    void WritePictures()
    {
        // Two sizes in turn, so each reader's sampler changes its map while others use theirs.
        for (int index = 0; index < 8; ++index)
            WriteTestPicture(
                in + "/" + char('a' + index) + ".bmp", index % 2 ? 300 : 41, index % 2 ? 200 : 37, index);
    }
};

TEST_F(ReadAheadBatchTest, TilesAreTheWindowsAndWrittenInListOrder)
{
    WritePictures();
    const std::string readAhead = root.MakeDirectory("ahead");

    Run(in, out);
    RunReadAhead(readAhead);

    EXPECT_EQ(written,
        (std::vector<std::string> {
            "a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp", "f.bmp", "g.bmp", "h.bmp" }));
    for (const std::string& name : written)
        EXPECT_EQ(
            TemporaryDirectory::Read(readAhead + "/" + name), TemporaryDirectory::Read(out + "/" + name))
            << name;
}

TEST_F(ReadAheadBatchTest, PicturesOfOneWidthAndOtherHeightsGiveTheWindowsTiles)
{
    // Each reader's sampler, and the converter's own, meets the heights in turn.
    for (int index = 0; index < 6; ++index)
        WriteTestPicture(in + "/" + char('a' + index) + ".bmp", 41, index % 3 == 1 ? 150 : 37, index);
    Run(in, out);
    for (const unsigned readers : { 1U, 2U }) {
        SCOPED_TRACE(std::to_string(readers) + " readers");
        written.clear();
        const std::string readAhead = root.MakeDirectory("ahead" + std::to_string(readers));
        RunReadAhead(readAhead, readers);
        ASSERT_EQ(written.size(), 6u);
        for (const std::string& name : written)
            EXPECT_EQ(
                TemporaryDirectory::Read(readAhead + "/" + name), TemporaryDirectory::Read(out + "/" + name))
                << name;
    }
    const std::string plain = root.MakeDirectory("plain");
    RunBatch(in, plain, SampledTileConverter(window.mask.Graphic(), 128, 63));
    for (const std::string& name : written)
        EXPECT_EQ(TemporaryDirectory::Read(plain + "/" + name), TemporaryDirectory::Read(out + "/" + name))
            << name;
}

TEST_F(ReadAheadBatchTest, AFailedReadOrWriteEndsTheBatchThereWithNothingWrittenAfterIt)
{
    WritePictures();
    root.Write("in/c.bmp", "not a picture"); // later pictures are read while c fails

    try {
        RunReadAhead(out);
        FAIL() << "the damaged picture did not end the batch";
    } catch (const EInvalidGraphic& error) {
        EXPECT_NE(error.Message().find("/c.bmp"), AnsiString::npos) << error.Message();
    }
    EXPECT_EQ(written, (std::vector<std::string> { "a.bmp", "b.bmp" }));
    EXPECT_EQ(Sorted(root.Names("out")), (std::vector<std::string> { "a.bmp", "b.bmp" }));

    written.clear();
    failingTile = "f.bmp";
    const std::string second = root.MakeDirectory("second");
    WriteTestPicture(in + "/c.bmp", 20, 20, 9);
    EXPECT_THROW(RunReadAhead(second), EInOutError);
    EXPECT_EQ(written, (std::vector<std::string> { "a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp" }));
}

} // namespace

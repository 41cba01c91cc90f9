// SPDX-License-Identifier: MIT
#include "tools/BatchCommand.h"

#include "resources/Version.h"
#include "tests/tools/BatchCommandFixture.h"
#include "tile/BlockProjection.h"
#include "tile/TileComposer.h"

#include <algorithm>

namespace {

TEST_F(BatchCommandTest, ConvertsAndPrintsTheReportWithPlainLineEnds)
{
    WriteTestPicture(in + "/a.bmp", 50, 40, 1);
    WriteTestPicture(in + "/b.bmp", 50, 40, 2);

    const CommandRun run = Run({ "--width", "64", "--height=32", in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const bool inSearchOrder
        = run.out == "Files batched:  In: " + in + " Out: " + out + " Files: a.bmp\nb.bmp\n"
        || run.out == "Files batched:  In: " + in + " Out: " + out + " Files: b.bmp\na.bmp\n";
    EXPECT_TRUE(inSearchOrder) << run.out;
    TBitmap tile;
    tile.LoadFromFile(out + "/b.bmp");
    EXPECT_EQ(tile.Width(), 64);
    EXPECT_EQ(tile.Height(), 32);
}

TEST_F(BatchCommandTest, UsageErrorsExitWithTwoAndSayWhy)
{
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        { {}, "expected an input and an output directory" },
        { { "only-one" }, "expected an input and an output directory" },
        { { "--width", "x", "a", "b" }, "'x' is not a valid integer value" },
        { { "--height", "0", "a", "b" }, "the height must be a positive number" },
        { { "--width" }, "the option --width needs a value" },
        { { "--colour", "a", "b" }, "unknown option --colour" },
        { { "", "b" }, "You havent selected input folder" },
        { { "--to", "gif", "a", "b" }, "the tile format must be bmp or png, not gif" },
        { { "--from=bmp,jpg", "a", "b" }, "the source formats must be bmp, png or bmp,png, not bmp,jpg" },
        { { "--from", "", "a", "b" }, "the source formats must be" },
        { { "--projection", "flat", "a", "b" }, "the projection must be stretch, iso or block, not flat" },
    };
    for (const auto& [arguments, expected] : cases) {
        const CommandRun run = Run(arguments);
        EXPECT_EQ(run.status, 2) << expected;
        EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage: durnik-batch"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(BatchCommandTest, BlockAndSheetOptionsOutsideTheirRangeExitWithTwoAndWriteNothing)
{
    WriteTestPng(in + "/a.png", 10, 10, 1);
    const std::string i = in;
    const std::string o = out;
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        { { "--sheet", "s", i.c_str(), o.c_str() }, "a sheet is made of PNG tiles: add --to png" },
        { { "--to", "bmp", "--sheet", "s", i.c_str(), o.c_str() }, "a sheet is made of PNG tiles" },
        { { "--to", "png", "--sheet", "s", "--columns", "0", i.c_str(), o.c_str() },
            "the columns must be a positive number, not 0" },
        { { "--to", "png", "--sheet", "s", "--spacing", "-1", i.c_str(), o.c_str() },
            "the spacing must be 0 or more, not -1" },
        { { "--to", "png", "--sheet", "s", "--margin=-3", i.c_str(), o.c_str() },
            "the margin must be 0 or more" },
        { { "--to", "png", "--columns", "3", i.c_str(), o.c_str() },
            "--columns is for a sheet: add --sheet NAME" },
        { { "--to", "png", "--sheet", "sub/s", i.c_str(), o.c_str() },
            "the sheet name must be a file name without a directory, not \"sub/s\"" },
        { { "--to", "png", "--sheet", "sub\\s", i.c_str(), o.c_str() },
            "the sheet name must be a file name" },
        { { "--to", "png", "--sheet=", i.c_str(), o.c_str() }, "the sheet name must be a file name" },
        { { "--to", "png", "--sheet", ".", i.c_str(), o.c_str() },
            "the sheet name must be a file name without a directory, not \".\"" },
        { { "--to", "png", "--sheet", "..", i.c_str(), o.c_str() }, "the sheet name must be a file name" },
        { { "--projection", "block", "--shade", "1.2,0.5", i.c_str(), o.c_str() },
            "the shade must be two numbers from 0 to 1 like 0.8,0.6, not 1.2,0.5" },
        { { "--projection", "block", "--shade", "0.5,-0.1", i.c_str(), o.c_str() }, "the shade must be" },
        { { "--projection", "block", "--shade", "0.5", i.c_str(), o.c_str() }, "the shade must be" },
        { { "--projection", "block", "--shade", "0.5,x", i.c_str(), o.c_str() }, "the shade must be" },
        { { "--projection", "block", "--shade", "nan,0.5", i.c_str(), o.c_str() }, "the shade must be" },
        { { "--projection", "block", "--depth", "0", i.c_str(), o.c_str() },
            "the depth must be from 1 to 16384, not 0" },
        { { "--projection", "block", "--depth", "16385", i.c_str(), o.c_str() },
            "the depth must be from 1 to 16384" },
        { { "--depth", "5", i.c_str(), o.c_str() }, "--depth is for block tiles: add --projection block" },
        { { "--projection", "iso", "--shade", "0.5,0.5", i.c_str(), o.c_str() },
            "--shade is for block tiles" },
        { { "--to", "png", "--overdraw", "-1", i.c_str(), o.c_str() },
            "the overdraw must be from 0 to 64 pixels, not -1" },
        { { "--to", "png", "--overdraw=65", i.c_str(), o.c_str() }, "the overdraw must be from 0 to 64" },
        { { "--to", "png", "--overdraw", "one", i.c_str(), o.c_str() }, "one" },
        { { "--overdraw", "1", i.c_str(), o.c_str() }, "--overdraw is for PNG tiles: add --to png" },
        { { "--to", "png", "--extrude", "1", i.c_str(), o.c_str() },
            "--extrude is for a sheet: add --sheet NAME" },
        { { "--to", "png", "--sheet", "s", "--extrude", "65", i.c_str(), o.c_str() },
            "the extrusion must be from 0 to 64 pixels, not 65" },
    };
    for (const auto& [arguments, expected] : cases) {
        std::vector<const char*> withPng = { "--from", "png" };
        withPng.insert(withPng.end(), arguments.begin(), arguments.end());
        const CommandRun run = Run(withPng);
        EXPECT_EQ(run.status, 2) << expected;
        EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage: durnik-batch"), std::string::npos);
        EXPECT_TRUE(root.Names("out").empty()) << expected;
    }
}

TEST_F(BatchCommandTest, BlockTilesIgnoreTheMaskAndAreOpaqueExactlyInsideTheBlock)
{
    WriteTestPng(in + "/a.png", 33, 21, 4);
    const std::string bmpTiles = root.MakeDirectory("bmp");

    const CommandRun png = Run({ "--overdraw", "0", "--from", "png", "--to", "png", "--projection", "block",
        "--width", "64", "--height", "32", "--depth", "20", "--shade", "0.75,0.3", in.c_str(), out.c_str() });
    const CommandRun bmp = Run({ "--from", "png", "--projection", "block", "--width", "64", "--height", "32",
        in.c_str(), bmpTiles.c_str() });

    ASSERT_EQ(png.status, 0) << png.err;
    ASSERT_EQ(bmp.status, 0) << bmp.err;
    // The default half mask would blank the right half; a block keeps it.
    const PixelRaster picture = TestPicture(33, 21, 4)->Raster();
    const PixelRaster expected = BlockTile(picture, 64, 32, { 20, 0.75, 0.3 });
    ExpectRgbaTile(DecodeRgba(out + "/a.png"), expected,
        [](int x, int y) { return BlockFace(x, y, 64, 32, 20) != TBlockFace::None ? 255 : 0; });
    // The BMP tile: default depth (the height) and shades, white outside.
    EXPECT_EQ(LoadedBitmap(bmpTiles + "/a.bmp"), BlockTile(picture, 64, 32, {}));
}

TEST_F(BatchCommandTest, HelpAndVersionGoToStandardOutput)
{
    const CommandRun help = Run({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: durnik-batch", 0), 0u);
    const CommandRun version = Run({ "a", "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "durnik-batch " + std::string(kFileVersion) + "\n");
}

TEST_F(BatchCommandTest, AFailingFileStopsTheBatchWithOneLineNamingIt)
{
    root.Write("in/bad.bmp", "not a picture");

    const CommandRun run = Run({ in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(in + "/bad.bmp"), std::string::npos) << run.err;
    EXPECT_TRUE(root.Names("out").empty());
}

TEST_F(BatchCommandTest, AMissingMaskIsAFailureNamingTheMask)
{
    WriteTestPicture(in + "/a.bmp", 5, 5, 1);
    const std::string mask = root / "nomask.bmp";

    const CommandRun run = Run({ "--mask", mask.c_str(), in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(mask), std::string::npos) << run.err;
    EXPECT_TRUE(root.Names("out").empty());
}

TEST_F(BatchCommandTest, NothingToConvertIsNotAnError)
{
    root.Write("in/x.png", "png");
    const CommandRun run = Run({ in.c_str(), out.c_str() });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("no .bmp picture"), std::string::npos);
}

TEST_F(BatchCommandTest, AnInputFolderThatCannotBeReadIsAnErrorNamingIt)
{
    const std::string missing = root / "no/such/dir";
    const std::string file = root.Write("file");
    const std::string newOutput = root / "new-out";
    for (const auto& [input, reason] :
        { std::pair { missing, "No such file or directory" }, std::pair { file, "Not a directory" } }) {
        const CommandRun run = Run({ input.c_str(), newOutput.c_str() });
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_EQ(run.err, "durnik-batch: Cannot read the folder \"" + input + "\": " + reason + "\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(DirectoryExists(newOutput)) << "nothing is made for a batch that cannot run";
}

TEST_F(BatchCommandTest, AMissingOutputFolderIsMadeWithItsParents)
{
    WriteTestPicture(in + "/a.bmp", 20, 10, 1);
    const std::string deep = root / "new/deeper/tiles";

    const CommandRun run = Run({ in.c_str(), deep.c_str() });

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(root.Names("new/deeper/tiles"), std::vector<std::string> { "a.bmp" });
}

TEST_F(BatchCommandTest, AnOutputFolderThatCannotBeMadeIsReportedBeforeAnythingIsRead)
{
    // A damaged picture and a missing mask would be the first errors met once reading began.
    root.Write("in/bad.bmp", "not a picture");
    const std::string blocked = root.Write("blocker") + "/tiles";
    const std::string mask = root / "nomask.bmp";

    const CommandRun run = Run({ "--mask", mask.c_str(), in.c_str(), blocked.c_str() });

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "durnik-batch: Cannot create the folder \"" + blocked + "\": Not a directory\n");
}

TEST_F(BatchCommandTest, FoldersNamedLikePicturesAreSkipped)
{
    WriteTestPicture(in + "/a.bmp", 20, 10, 1);
    root.MakeDirectory("in/album.bmp");
    root.MakeDirectory("in/photos.PNG");

    const CommandRun run = Run({ "--from", "bmp,png", in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Files batched:  In: " + in + " Out: " + out + " Files: a.bmp\n");
    EXPECT_EQ(root.Names("out"), std::vector<std::string> { "a.bmp" });
}

TEST_F(BatchCommandTest, DefaultOptionsWriteTheWindowsTilesByteForByte)
{
    WriteTestPicture(in + "/a.bmp", 300, 200, 1);
    WriteTestPicture(in + "/B.BMP", 13, 7, 2);
    const std::string spelled = root.MakeDirectory("spelled");

    const CommandRun run = Run({ in.c_str(), out.c_str() });
    const CommandRun spelledOut
        = Run({ "--from", "bmp", "--to", "bmp", "--projection", "stretch", in.c_str(), spelled.c_str() });

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Files batched:  In: " + in + " Out: " + out + " Files: a.bmp\nB.BMP\n");
    EXPECT_EQ(SortedNames(root.Names("out")), (std::vector<std::string> { "B.BMP", "a.bmp" }));
    TPicture mask;
    mask.LoadFromFile(program + "mask/iso.bmp");
    for (const std::string name : { "a.bmp", "B.BMP" }) {
        // What the window's Generate and Save write for the same picture.
        TPicture source;
        TPicture tile;
        source.LoadFromFile(in + "/" + name);
        ComposeTile(source, mask, tile, 128, 63);
        const std::string window = root / ("window-" + name);
        tile.SaveToFile(window);
        EXPECT_EQ(TemporaryDirectory::Read(out + "/" + name), TemporaryDirectory::Read(window)) << name;
        EXPECT_EQ(TemporaryDirectory::Read(spelled + "/" + name), TemporaryDirectory::Read(window)) << name;
    }
}

TEST_F(BatchCommandTest, PngTilesKeepTheBmpTilesColourAndTakeTheMaskAsAlpha)
{
    WriteTestPicture(in + "/a.bmp", 90, 70, 1);
    // A grey mask: every pixel a different brightness, at the tile size, so none is lost.
    PixelRaster greyRaster { 128, 63, false, {} };
    for (int y = 0; y < 63; ++y)
        for (int x = 0; x < 128; ++x)
            greyRaster.pixels.push_back(RGB(std::uint8_t(x * 2), std::uint8_t(y * 4), 17));
    TBitmap grey;
    grey.SetRaster(greyRaster);
    const std::string greyMask = root / "grey.bmp";
    grey.SaveToFile(greyMask);
    const std::string bmpTiles = root.MakeDirectory("bmp");
    const std::string greyTiles = root.MakeDirectory("grey");

    const CommandRun png = Run({ "--to", "png", "--overdraw", "0", in.c_str(), out.c_str() });
    const CommandRun bmp = Run({ in.c_str(), bmpTiles.c_str() });
    const CommandRun greyPng
        = Run({ "--to=png", "--overdraw=0", "--mask", greyMask.c_str(), in.c_str(), greyTiles.c_str() });

    ASSERT_EQ(png.status, 0) << png.err;
    ASSERT_EQ(greyPng.status, 0) << greyPng.err;
    EXPECT_EQ(root.Names("out"), std::vector<std::string> { "a.png" });
    const PixelRaster colours = LoadedBitmap(bmpTiles + "/a.bmp");
    // The half mask: white (opaque) on the left, black (transparent) on the right.
    ExpectRgbaTile(DecodeRgba(out + "/a.png"), colours, [](int x, int) { return x < 64 ? 255 : 0; });
    const Rgba greyTile = DecodeRgba(greyTiles + "/a.png");
    ASSERT_EQ(greyTile.width, 128);
    for (int y = 0; y < 63; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(greyTile.At(x, y)[3], (x * 2 + y * 4 + 17) / 3) << x << ", " << y;
}

TEST_F(BatchCommandTest, IsoTilesAreTransparentOutsideTheDiamondWhateverTheMask)
{
    WriteTestPng(in + "/floor.png", 64, 64, 3);
    TBitmap white;
    white.SetRaster(PixelRaster { 1, 1, false, { clWhite } });
    const std::string whiteMask = root / "white.bmp";
    white.SaveToFile(whiteMask);

    const CommandRun run = Run({ "--overdraw", "0", "--from", "png", "--to", "png", "--projection", "iso",
        "--mask", whiteMask.c_str(), "--width", "64", "--height", "32", in.c_str(), out.c_str() });

    ASSERT_EQ(run.status, 0) << run.err;
    const Rgba tile = DecodeRgba(out + "/floor.png");
    ASSERT_EQ(tile.width, 64);
    for (const auto& [x, y] :
        { std::pair { 0, 0 }, std::pair { 63, 0 }, std::pair { 0, 31 }, std::pair { 63, 31 } }) {
        EXPECT_EQ(tile.At(x, y)[3], 0) << x << ", " << y;
        EXPECT_EQ(RGB(tile.At(x, y)[0], tile.At(x, y)[1], tile.At(x, y)[2]), COLORREF(clWhite));
    }
    EXPECT_EQ(tile.At(32, 16)[3], 255);
}

TEST_F(BatchCommandTest, BothSourceFormatsAreTakenInOneSortedListing)
{
    WriteTestPicture(in + "/c.bmp", 40, 30, 1);
    WriteTestPng(in + "/a.png", 40, 30, 2);
    WriteTestPng(in + "/B.PNG", 40, 30, 3);
    root.Write("in/d.txt", "text");
    const std::string reference = root.MakeDirectory("reference");
    WriteTestPicture(reference + "/a.bmp", 40, 30, 2);
    const std::string referenceTiles = root.MakeDirectory("reference-tiles");

    const CommandRun run = Run({ "--from", "png,bmp", in.c_str(), out.c_str() });
    Run({ reference.c_str(), referenceTiles.c_str() });

    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Files batched:  In: " + in + " Out: " + out + " Files: a.png\nB.PNG\nc.bmp\n");
    EXPECT_EQ(SortedNames(root.Names("out")), (std::vector<std::string> { "B.bmp", "a.bmp", "c.bmp" }));
    // The same picture as a PNG and as a BMP gives the same tile.
    EXPECT_EQ(TemporaryDirectory::Read(out + "/a.bmp"), TemporaryDirectory::Read(referenceTiles + "/a.bmp"));

    const CommandRun onlyPng = Run({ "--from", "png", root.MakeDirectory("empty").c_str(), out.c_str() });
    EXPECT_EQ(onlyPng.status, 0);
    EXPECT_NE(onlyPng.err.find("no .png picture in"), std::string::npos) << onlyPng.err;
}

TEST_F(BatchCommandTest, TwoSourcesForOneTileNameAreRefusedBeforeAnythingIsWritten)
{
    WriteTestPicture(in + "/a.bmp", 10, 10, 1);
    WriteTestPng(in + "/A.png", 10, 10, 2);

    const CommandRun run = Run({ "--from", "bmp,png", "--to", "png", in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("\"a.bmp\" and \"A.png\" would both become the tile \"A.png\""), std::string::npos)
        << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(root.Names("out").empty());
}

TEST_F(BatchCommandTest, AMalformedPngStopsTheBatchWithNothingWrittenForIt)
{
    WriteTestPng(in + "/a.png", 20, 20, 1);
    std::string cut = TemporaryDirectory::Read(in + "/a.png");
    cut.resize(cut.size() - 20);
    root.Write("in/b.png", cut);

    const CommandRun run = Run({ "--from", "png", "--to", "png", in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(in + "/b.png\": The file is not a valid PNG picture"), std::string::npos)
        << run.err;
    EXPECT_EQ(root.Names("out"), std::vector<std::string> { "a.png" });
}

} // namespace

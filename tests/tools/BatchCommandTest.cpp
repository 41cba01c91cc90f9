// SPDX-License-Identifier: MIT
#include "tools/BatchCommand.h"

#include "resources/Version.h"
#include "tests/platform/TemporaryDirectory.h"
#include "tests/tile/BatchTestPictures.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

class BatchCommandTest : public ::testing::Test {
protected:
    TemporaryDirectory root;
    std::string program = root.MakeDirectory("program") + "/";
    std::string in = root.MakeDirectory("in");
    std::string out = root.MakeDirectory("out");

    BatchCommandTest()
    {
        root.MakeDirectory("program/mask");
        TPicture mask;
        LoadHalfMask(mask);
        mask.SaveToFile(program + "mask/iso.bmp");
    }

    CommandRun Run(std::vector<const char*> arguments)
    {
        std::ostringstream outStream;
        std::ostringstream errStream;
        CommandRun run;
        run.status = RunBatchCommand(arguments, { outStream, errStream, program, false });
        run.out = outStream.str();
        run.err = errStream.str();
        return run;
    }
};

TEST_F(BatchCommandTest, ConvertsAndPrintsTheReportWithPlainLineEnds)
{
    WriteTestPicture(in + "/a.bmp", 50, 40, 1);
    WriteTestPicture(in + "/b.bmp", 50, 40, 2);

    const CommandRun run = Run({ "--width", "64", "--height=32", in.c_str(), out.c_str() });

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const bool inSearchOrder = run.out == "Files batched:  In: " + in + " Out: " + out + " Files: a.bmp\nb.bmp\n"
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
    };
    for (const auto& [arguments, expected] : cases) {
        const CommandRun run = Run(arguments);
        EXPECT_EQ(run.status, 2) << expected;
        EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage: durnik-batch"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
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

} // namespace

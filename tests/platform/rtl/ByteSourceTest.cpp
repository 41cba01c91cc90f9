// SPDX-License-Identifier: MIT
#include "platform/rtl/ByteSource.h"

#include "platform/rtl/ReadOnlyFile.h"
#include "tests/platform/rtl/TemporaryDirectory.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// More than one block of the sequential reader, each byte telling its offset apart from the
// offsets near it.
Bytes Numbered(std::size_t count)
{
    Bytes bytes(count);
    for (std::size_t index = 0; index < count; ++index)
        bytes[index] = std::uint8_t(index ^ (index >> 8) ^ (index >> 16));
    return bytes;
}

const Bytes kNumbered = Numbered((std::size_t { 1 } << 16) * 2 + 1234);

// The same bytes from memory and from a file.
class ByteSourceTest : public ::testing::TestWithParam<bool> {
protected:
    TemporaryDirectory directory;
    std::unique_ptr<TByteSource> source;

    void SetUp() override { source = Open(kNumbered); }

    std::unique_ptr<TByteSource> Open(const Bytes& bytes)
    {
        if (!GetParam())
            return std::make_unique<TMemoryByteSource>(bytes);
        return std::make_unique<TReadOnlyFile>(
            directory.Write("bytes", std::string(bytes.begin(), bytes.end())));
    }
};

} // namespace

TEST_P(ByteSourceTest, ReadsAnyRangeAndStopsWhereTheBytesEnd)
{
    ASSERT_EQ(source->Size(), kNumbered.size());
    Bytes buffer(300);
    EXPECT_EQ(source->ReadAt(70000, buffer), 300u);
    EXPECT_EQ(buffer, Bytes(kNumbered.begin() + 70000, kNumbered.begin() + 70300));
    EXPECT_EQ(source->ReadAt(kNumbered.size() - 100, buffer), 100u);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 100), Bytes(kNumbered.end() - 100, kNumbered.end()));
    EXPECT_EQ(source->ReadAt(kNumbered.size(), buffer), 0u);
    EXPECT_EQ(source->ReadAt(std::uint64_t { 1 } << 40, buffer), 0u);
}

TEST_P(ByteSourceTest, ReadsInOrderByteByByteAcrossBlocks)
{
    const std::uint64_t start = 5;
    TSequentialReader reader(*source, start);
    Bytes read;
    std::uint8_t byte = 0;
    while (reader.Next(byte))
        read.push_back(byte);
    EXPECT_EQ(read, Bytes(kNumbered.begin() + start, kNumbered.end()));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.Offset(), kNumbered.size());
}

TEST_P(ByteSourceTest, ReadsPiecesSmallAndLargeInOrder)
{
    TSequentialReader reader(*source, 0);
    Bytes read;
    // Pieces ending inside a block, one larger than a block, and one past the end.
    for (const std::size_t length :
        { std::size_t { 3 }, std::size_t { 65530 }, std::size_t { 66000 }, std::size_t { 10 } }) {
        Bytes piece(length);
        ASSERT_TRUE(reader.Read(piece)) << length;
        read.insert(read.end(), piece.begin(), piece.end());
        EXPECT_EQ(reader.Offset(), read.size());
        EXPECT_FALSE(reader.AtEnd());
    }
    Bytes rest(kNumbered.size() - read.size() + 1);
    EXPECT_FALSE(reader.Read(rest)) << "one byte more than the source holds";
    EXPECT_EQ(read, Bytes(kNumbered.begin(), kNumbered.begin() + std::ptrdiff_t(read.size())));
    EXPECT_EQ(Bytes(rest.begin(), rest.end() - 1),
        Bytes(kNumbered.begin() + std::ptrdiff_t(read.size()), kNumbered.end()));
}

// A read of a block or more goes straight to the source when nothing is buffered; running
// past the end there must fail as a short read through the buffer does.
TEST_P(ByteSourceTest, ALargeReadPastTheEndWithNothingBufferedFails)
{
    for (const std::uint64_t start : { std::uint64_t { 0 }, std::uint64_t { 70000 } }) {
        SCOPED_TRACE(start);
        TSequentialReader reader(*source, start);
        const std::size_t remaining = kNumbered.size() - std::size_t(start);
        Bytes piece(std::max<std::size_t>(remaining + 1, std::size_t { 1 } << 16));
        EXPECT_FALSE(reader.Read(piece));
        EXPECT_EQ(Bytes(piece.begin(), piece.begin() + std::ptrdiff_t(remaining)),
            Bytes(kNumbered.begin() + std::ptrdiff_t(start), kNumbered.end()));
    }
    TSequentialReader exact(*source, 0);
    Bytes whole(kNumbered.size());
    EXPECT_TRUE(exact.Read(whole));
    EXPECT_EQ(whole, kNumbered);
    EXPECT_TRUE(exact.AtEnd());
}

TEST_P(ByteSourceTest, AnEmptySourceOrAStartPastTheEndReadsNothing)
{
    const std::unique_ptr<TByteSource> empty = Open({});
    for (const auto& [bytes, start] : { std::pair { empty.get(), std::uint64_t { 0 } },
             std::pair { source.get(), std::uint64_t { kNumbered.size() + 10 } } }) {
        TSequentialReader reader(*bytes, start);
        std::uint8_t byte = 0;
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_FALSE(reader.Next(byte));
        Bytes piece(1);
        EXPECT_FALSE(reader.Read(piece));
        EXPECT_TRUE(reader.Read({}));
    }
}

INSTANTIATE_TEST_SUITE_P(MemoryAndFile, ByteSourceTest, ::testing::Values(false, true),
    [](const ::testing::TestParamInfo<bool>& parameter) { return parameter.param ? "File" : "Memory"; });

TEST(SequentialReader, AFileCutShortAfterOpeningEndsWhereItNowEnds)
{
    TemporaryDirectory directory;
    const std::string path = directory.Write("bytes", std::string(kNumbered.begin(), kNumbered.end()));
    const TReadOnlyFile file(path);
    TSequentialReader reader(file, 0);
    ASSERT_EQ(::truncate(path.c_str(), 100), 0);
    Bytes read;
    std::uint8_t byte = 0;
    while (reader.Next(byte))
        read.push_back(byte);
    EXPECT_EQ(read, Bytes(kNumbered.begin(), kNumbered.begin() + 100));
    EXPECT_TRUE(reader.AtEnd());
}

// SPDX-License-Identifier: MIT
#include "tests/platform/gdi/BmpTestFiles.h"

#include "platform/gdi/BmpCodec.h"
#include "platform/rtl/SysUtils.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>

namespace {

void Put16(Bytes& out, std::uint32_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value)
{
    Put16(out, value);
    Put16(out, value >> 16);
}

void RecordForCorpus(std::span<const std::uint8_t> bytes)
{
    const char* directory = std::getenv("DURNIK_BMP_CORPUS");
    if (directory == nullptr)
        return;
    static std::map<std::string, int> countByTest;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string testName = std::string(test->test_suite_name()) + "." + test->name();
    const int number = ++countByTest[testName];
    std::ofstream file(std::string(directory) + "/" + testName + "-" + std::to_string(number) + ".bmp",
        std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace

Bytes AssembleBmp(const BmpParts& parts)
{
    const bool core = parts.headerSize == kCoreHeader;
    const std::size_t masksAfterHeader = parts.headerSize == kInfoHeader ? parts.masks.size() : 0;
    const std::size_t paletteBytes = parts.palette.size() * (core ? 3 : 4);
    const auto pixelOffset = std::uint32_t(14 + parts.headerSize + 4 * masksAfterHeader + paletteBytes + parts.gap);

    Bytes out { 'B', 'M' };
    Put32(out, 0); // file size, patched below
    Put32(out, 0); // reserved
    Put32(out, pixelOffset);
    Put32(out, parts.headerSize);
    if (core) {
        Put16(out, std::uint32_t(parts.width));
        Put16(out, std::uint32_t(parts.height));
        Put16(out, 1); // planes
        Put16(out, parts.bitCount);
    } else {
        Put32(out, std::uint32_t(parts.width));
        Put32(out, std::uint32_t(parts.height));
        Put16(out, 1); // planes
        Put16(out, parts.bitCount);
        Put32(out, parts.compression);
        Put32(out, std::uint32_t(parts.pixels.size())); // image size
        Put32(out, 2835);                               // pixels per metre, x
        Put32(out, 2835);                               // pixels per metre, y
        Put32(out, parts.colorsUsed);
        Put32(out, 0); // important colours
        for (std::uint32_t mask : parts.masks)
            Put32(out, mask);
        // The rest of a longer header (colour space, end points, gamma, intent, profile).
        out.resize(14 + parts.headerSize + 4 * masksAfterHeader, 0);
    }
    for (COLORREF color : parts.palette) {
        out.push_back(GetBValue(color));
        out.push_back(GetGValue(color));
        out.push_back(GetRValue(color));
        if (!core)
            out.push_back(0);
    }
    out.resize(out.size() + parts.gap, 0xEE);
    out.insert(out.end(), parts.pixels.begin(), parts.pixels.end());
    const std::uint32_t fileSize = std::uint32_t(out.size());
    for (int shift = 0; shift < 32; shift += 8)
        out[2 + shift / 8] = std::uint8_t(fileSize >> shift);
    return out;
}

PixelRaster DecodeTestBmp(std::span<const std::uint8_t> bytes)
{
    RecordForCorpus(bytes);
    return ReadBmp(bytes);
}

void ExpectRejected(std::span<const std::uint8_t> bytes, const std::string& keyword)
{
    RecordForCorpus(bytes);
    try {
        ReadBmp(bytes);
        ADD_FAILURE() << "the file was accepted; expected a rejection about \"" << keyword << "\"";
    } catch (const EInvalidGraphic& error) {
        EXPECT_THAT(error.Message(), ::testing::StartsWith("The file is not a valid bitmap: "));
        EXPECT_THAT(error.Message(), ::testing::HasSubstr(keyword));
    }
}

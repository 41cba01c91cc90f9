// SPDX-License-Identifier: MIT
// Files that are not sound bitmaps: each is refused with a message saying why.
#include "tests/platform/gdi/BmpTestFiles.h"

#include <gtest/gtest.h>

namespace {

// Writes a little-endian 32-bit value into an assembled file. A field that does not fit
// is a mistake in the test: it fails there instead of writing past the end of the file.
void Patch32(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    ASSERT_LE(offset + 4, bytes.size()) << "no 32-bit field at offset " << offset;
    for (int byte = 0; byte < 4; ++byte)
        bytes[offset + std::size_t(byte)] = std::uint8_t(value >> (8 * byte));
}

constexpr std::size_t kPixelOffsetField = 10;
constexpr std::size_t kHeaderSizeField = 14;
constexpr std::size_t kPlanesField = 26;
constexpr std::size_t kBitCountField = 28;
constexpr std::size_t kCorePlanesField = 22;

} // namespace

TEST(BmpReadMalformed, EveryTruncationOfASoundFileIsRejected)
{
    // Widths without row padding, and an RLE stream that ends with its last row, so that
    // every byte counts.
    const Bytes sound[] = {
        AssembleBmp(BmpParts().Width(4).Height(2).Pixels(Bytes(24, 0x5A))),
        AssembleBmp(BmpParts().Width(4).Height(2).BitCount(8).ColorsUsed(2).Palette({ clRed, clBlue }).Pixels({ 0, 1, 1, 0, 1, 0, 0, 1 })),
        AssembleBmp(BmpParts().Width(2).Height(2).BitCount(8).Compression(kRle8).ColorsUsed(2).Palette({ clRed, clBlue }).Pixels({ 2, 1, 0, 0, 0, 2, 1, 0, 0, 1 })),
        AssembleBmp(BmpParts().HeaderSize(kV5Header).Width(2).BitCount(16).Compression(kBitFields).Masks({ 0xF800, 0x07E0, 0x001F }).Pixels({ 1, 2, 3, 4 })),
        AssembleBmp(BmpParts().HeaderSize(kCoreHeader).Width(8).BitCount(1).Palette({ clRed, clBlue }).Pixels({ 0x5A })),
    };
    for (const Bytes& file : sound) {
        ASSERT_NO_THROW(DecodeTestBmp(file));
        for (std::size_t length = 0; length < file.size(); ++length) {
            SCOPED_TRACE("first " + std::to_string(length) + " of " + std::to_string(file.size()) + " bytes");
            ExpectRejected(std::span(file).first(length), "");
        }
    }
}

TEST(BmpReadMalformed, OtherFilesAreNotBitmaps)
{
    ExpectRejected(Bytes {}, "signature");
    ExpectRejected(Bytes { 'B' }, "signature");
    Bytes png = kTiny24BottomUp;
    png[0] = 0x89;
    png[1] = 'P';
    ExpectRejected(png, "signature \"BM\"");
}

TEST(BmpReadMalformed, UnknownHeadersAreRejected)
{
    Bytes bytes = kTiny24BottomUp;
    Patch32(bytes, kHeaderSizeField, 64);
    ExpectRejected(bytes, "unknown size of 64 bytes");
    Patch32(bytes, kHeaderSizeField, 0xFFFFFFFF);
    ExpectRejected(bytes, "unknown size");
    Patch32(bytes, kHeaderSizeField, 124);
    ExpectRejected(bytes, "header is truncated");
}

TEST(BmpReadMalformed, SizesMustBePositive)
{
    ExpectRejected(AssembleBmp(BmpParts().Width(0).Pixels(Bytes(4, 0))), "width is zero or negative");
    ExpectRejected(AssembleBmp(BmpParts().Width(-3).Pixels(Bytes(4, 0))), "width is zero or negative");
    ExpectRejected(AssembleBmp(BmpParts().Height(0).Pixels(Bytes(4, 0))), "height is zero");
}

TEST(BmpReadMalformed, HugeSizesAreRejectedBeforeAnythingIsAllocated)
{
    // Pixel data that cannot fit in the file, and sizes beyond any sane raster.
    ExpectRejected(AssembleBmp(BmpParts().Width(10000).Height(10000).Pixels(Bytes(146, 0))), "pixel data is truncated");
    ExpectRejected(AssembleBmp(BmpParts().Width(100000).Height(100000).Pixels(Bytes(146, 0))), "too large");
    ExpectRejected(AssembleBmp(BmpParts().Width(0x7FFFFFFF).Height(-0x7FFFFFFF - 1).Pixels(Bytes(4, 0))), "too large");
    ExpectRejected(AssembleBmp(BmpParts().Width(0x0FFFFFFF).Height(1).BitCount(32).Pixels(Bytes(4, 0))),
        "pixel data is truncated");
}

TEST(BmpReadMalformed, UnsupportedDepthsAndCompressionsAreRejected)
{
    ExpectRejected(AssembleBmp(BmpParts().BitCount(2).Pixels(Bytes(4, 0))), "colour depth of 2 bits");
    ExpectRejected(AssembleBmp(BmpParts().BitCount(0).Pixels(Bytes(4, 0))), "colour depth of 0 bits");
    ExpectRejected(AssembleBmp(BmpParts().HeaderSize(kCoreHeader).BitCount(32).Pixels(Bytes(4, 0))), "colour depth");
    ExpectRejected(AssembleBmp(BmpParts().Compression(7).Pixels(Bytes(4, 0))), "compression method 7 is unknown");
    ExpectRejected(AssembleBmp(BmpParts().Compression(4).Pixels(Bytes(4, 0))), "JPEG");
    ExpectRejected(AssembleBmp(BmpParts().Compression(5).Pixels(Bytes(4, 0))), "PNG");
    ExpectRejected(AssembleBmp(BmpParts().Compression(kRle8).Pixels(Bytes(4, 0))), "does not fit");
    ExpectRejected(AssembleBmp(BmpParts().BitCount(8).Compression(kRle4).Palette({ clRed }).Pixels(Bytes(4, 0))),
        "does not fit");
    ExpectRejected(AssembleBmp(BmpParts().Compression(kBitFields).Masks({ 0xFF0000, 0xFF00, 0xFF }).Pixels(Bytes(4, 0))),
        "does not fit");
}

TEST(BmpReadMalformed, BadColourMasksAreRejected)
{
    struct Case {
        std::vector<std::uint32_t> masks;
        const char* keyword;
    };
    const Case cases[] = {
        { { 0xF800, 0x07E0, 0 }, "mask is empty" },
        { { 0xF800, 0x0FE0, 0x001F }, "overlap" },
        { { 0xF000, 0x07E0, 0x0011 }, "not one run of bits" },
        { { 0x1F000, 0x07E0, 0x001F }, "outside the pixel" },
    };
    for (const Case& row : cases) {
        ExpectRejected(AssembleBmp(BmpParts().BitCount(16).Compression(kBitFields).Masks(row.masks).Pixels(Bytes(4, 0))),
            row.keyword);
    }
    // Bit fields after a short header, but the file ends inside them.
    Bytes cut = AssembleBmp(BmpParts().BitCount(16).Compression(kBitFields).Masks({ 0xF800, 0x07E0, 0x001F }));
    cut.resize(14 + 40 + 6);
    ExpectRejected(cut, "masks are truncated");
}

TEST(BmpReadMalformed, PixelOffsetsOutsideTheDataAreRejected)
{
    Bytes bytes = kTiny24BottomUp;
    Patch32(bytes, kPixelOffsetField, std::uint32_t(bytes.size()));
    ExpectRejected(bytes, "past the end of the file");
    Patch32(bytes, kPixelOffsetField, 0xFFFFFFFF);
    ExpectRejected(bytes, "past the end of the file");
    Patch32(bytes, kPixelOffsetField, 20);
    ExpectRejected(bytes, "inside the header");
    Patch32(bytes, kPixelOffsetField, 58);
    ExpectRejected(bytes, "pixel data is truncated");
}

TEST(BmpReadMalformed, PalettesMustHoldEveryColourUsed)
{
    ExpectRejected(AssembleBmp(BmpParts().BitCount(8).Pixels(Bytes(4, 0))), "palette is missing");
    ExpectRejected(AssembleBmp(BmpParts().BitCount(8).ColorsUsed(2).Palette({ clRed, clBlue }).Pixels({ 2, 0, 0, 0 })),
        "past the end of the palette");
    ExpectRejected(AssembleBmp(BmpParts().Width(9).BitCount(1).ColorsUsed(1).Palette({ clRed }).Pixels({ 0, 0x80, 0, 0 })),
        "past the end of the palette");
    ExpectRejected(AssembleBmp(BmpParts().Width(3).BitCount(4).ColorsUsed(2).Palette({ clRed, clBlue }).Pixels({ 0x01, 0x30, 0, 0 })),
        "past the end of the palette");
    // Only the pixel offset puts the palette inside the file; the file ends before it does.
    Bytes cut = AssembleBmp(BmpParts().BitCount(8).ColorsUsed(2).Palette({ clRed, clBlue }).Pixels(Bytes(4, 0)));
    cut.resize(14 + 40 + 6);
    ExpectRejected(cut, "");
}

TEST(BmpReadMalformed, APaletteMustEndBeforeThePixelsAndTheFile)
{
    // All 256 colours of an 8-bit picture declared (no colours-used count), two stored.
    ExpectRejected(AssembleBmp(BmpParts().Width(2).BitCount(8).Palette({ clTeal, clPurple }).Pixels(Bytes(1100, 0))),
        "palette runs into the pixel data");
    // Four colours declared, two stored, and the file ends before the other two would.
    ExpectRejected(AssembleBmp(BmpParts().BitCount(8).ColorsUsed(4).Palette({ clRed, clBlue }).Pixels({ 0, 0, 0, 0 })),
        "palette runs past the end of the file");
    // The three-byte entries of a core header, which has no count, are all 256 declared.
    ExpectRejected(AssembleBmp(BmpParts().HeaderSize(kCoreHeader).Width(4).BitCount(8).Palette({ clRed, clBlue }).Pixels(Bytes(1000, 0))),
        "palette runs into the pixel data");
}

TEST(BmpReadMalformed, MorePaletteColoursThanTheDepthAllowsAreRefused)
{
    std::vector<COLORREF> palette(256, clTeal);
    const auto picture = [&](std::uint16_t bitCount, std::uint32_t colorsUsed, std::size_t stored) {
        return AssembleBmp(BmpParts()
                               .BitCount(bitCount)
                               .ColorsUsed(colorsUsed)
                               .Palette({ palette.begin(), palette.begin() + std::ptrdiff_t(stored) })
                               .Pixels(Bytes(4, 0)));
    };
    ExpectRejected(picture(8, 0x12345678, 256), "305419896 palette colours");
    ExpectRejected(picture(8, 257, 256), "257 palette colours");
    ExpectRejected(picture(4, 17, 16), "17 palette colours");
    ExpectRejected(picture(1, 3, 2), "3 palette colours");
    // As many as the depth allows is sound.
    EXPECT_EQ(DecodeTestBmp(picture(8, 256, 256)).pixels, (std::vector<COLORREF> { clTeal }));
    EXPECT_EQ(DecodeTestBmp(picture(1, 2, 2)).pixels, (std::vector<COLORREF> { clTeal }));
}

TEST(BmpReadMalformed, APlaneCountOtherThanOneIsRefused)
{
    for (const std::uint8_t planes : { 0, 2, 255 }) {
        Bytes info = AssembleBmp(BmpParts().Pixels(Bytes(4, 0)));
        info[kPlanesField] = planes;
        ExpectRejected(info, "colour planes");
        Bytes core = AssembleBmp(BmpParts().HeaderSize(kCoreHeader).Pixels(Bytes(4, 0)));
        core[kCorePlanesField] = planes;
        ExpectRejected(core, std::to_string(planes) + " colour planes");
    }
}

TEST(BmpReadMalformed, DepthFieldIsCheckedInEveryHeaderVersion)
{
    for (std::uint32_t headerSize : { kInfoHeader, 52u, 56u, kV4Header, kV5Header }) {
        Bytes bytes = AssembleBmp(BmpParts().HeaderSize(headerSize).Pixels(Bytes(4, 0)));
        bytes[kBitCountField] = 3;
        ExpectRejected(bytes, "colour depth of 3 bits");
    }
}

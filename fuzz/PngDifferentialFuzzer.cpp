// SPDX-License-Identifier: MIT
// libFuzzer entry holding the PNG reader against libspng, which read every PNG before: each
// input gives the same pixels both ways or is refused both ways, inflated whole (libdeflate)
// and streamed (ISA-L) alike. The one difference allowed: libspng's zlib reads a little past
// the picture's last byte and refuses damage there, which the reader, stopping at that byte,
// never sees.
//
// Each input is tried as it is and with every chunk checksum made right, so that changes to
// the image data reach the inflaters rather than stopping at the checksum.
#include "fuzz/SpngReference.h"
#include "platform/png/PngCodec.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <zlib.h>

namespace {

// Why the reader refused the input last, for the report of a disagreement.
std::string gRefusal;

std::optional<PixelRaster> ReadWithBudget(const TMemoryByteSource& bytes, std::uint64_t budget)
{
    try {
        return ReadPng(bytes, budget);
    } catch (const EInvalidGraphic& error) {
        gRefusal = error.Message();
        return std::nullopt;
    }
}

[[noreturn]] void Disagree(const char* what)
{
    std::fprintf(stderr, "%s (the reader: %s)\n", what, gRefusal.c_str());
    std::abort();
}

std::uint32_t BigEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) << 24 | std::uint32_t(bytes[1]) << 16 | std::uint32_t(bytes[2]) << 8
        | bytes[3];
}

std::vector<std::uint8_t> WithChecksumsRight(std::span<const std::uint8_t> file)
{
    std::vector<std::uint8_t> repaired(file.begin(), file.end());
    for (std::size_t offset = 8; offset + 12 <= repaired.size();) {
        const std::size_t length = BigEndian32(&repaired[offset]);
        if (length > repaired.size() - offset - 12)
            break;
        const auto checksum = std::uint32_t(crc32(0, &repaired[offset + 4], uInt(length + 4)));
        for (int index = 0; index < 4; ++index)
            repaired[offset + 8 + length + std::size_t(index)] = std::uint8_t(checksum >> (24 - 8 * index));
        offset += length + 12;
    }
    return repaired;
}

void Compare(std::span<const std::uint8_t> file)
{
    const TMemoryByteSource bytes(file);
    const std::optional<PixelRaster> whole = ReadWithBudget(bytes, kWholeInflateBudget);
    const std::optional<PixelRaster> streamed = ReadWithBudget(bytes, 0);
    if (whole != streamed)
        Disagree("inflated whole and streamed, the reader gives different results");
    const TSpngVerdict reference = ReadWithSpng(file);
    if (reference.picture.has_value() != whole.has_value()) {
        if (!whole)
            Disagree("libspng takes the file, the reader refuses it");
        if (!reference.refusedPastThePicture)
            Disagree("libspng refuses the file, the reader takes it");
        return;
    }
    if (whole && !(*whole == *reference.picture))
        Disagree("libspng and the reader give different pixels");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Three decodings of a large picture under the sanitizers take seconds; the paths a large
    // one takes are a small one's, over more rows.
    constexpr std::uint64_t kMostPixels = std::uint64_t { 1 } << 18;
    if (size >= 24 && std::uint64_t(BigEndian32(data + 16)) * BigEndian32(data + 20) > kMostPixels)
        return 0;
    const std::span<const std::uint8_t> file(data, size);
    Compare(file);
    Compare(WithChecksumsRight(file));
    return 0;
}

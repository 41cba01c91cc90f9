// SPDX-License-Identifier: MIT
#include "fuzz/SpngReference.h"

#include "platform/gdi/BmpHeader.h"
#include "platform/png/PngLayout.h"
#include "platform/png/PngPixels.h"
#include "platform/rtl/SysUtils.h"

#include <algorithm>
#include <array>
#include <memory>
#include <spng.h>
#include <vector>
#include <zlib.h>

namespace {

constexpr std::array<std::uint8_t, 4> kEndChecksum = { 0xAE, 0x42, 0x60, 0x82 };

struct ContextFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

// Whether zlib alone inflates every byte the picture needs from its image data, whatever it
// says about what follows them.
bool ZlibGivesThePicture(std::span<const std::uint8_t> file)
{
    try {
        const TMemoryByteSource source(file);
        const TPngLayout layout = FindPngLayout(source);
        TImageDataStream stream(source, layout);
        std::vector<std::uint8_t> compressed;
        for (std::span<const std::uint8_t> block = stream.NextBlock(); !block.empty();
             block = stream.NextBlock())
            compressed.insert(compressed.end(), block.begin(), block.end());
        std::vector<std::uint8_t> inflated(std::size_t(layout.header.InflatedSize()));
        z_stream zlib {};
        if (inflateInit(&zlib) != Z_OK)
            return false;
        inflateValidate(&zlib, 0);
        zlib.next_in = compressed.data();
        zlib.avail_in = uInt(compressed.size());
        zlib.next_out = inflated.data();
        zlib.avail_out = uInt(inflated.size());
        inflate(&zlib, Z_NO_FLUSH);
        const bool whole = zlib.total_out == inflated.size();
        inflateEnd(&zlib);
        return whole;
    } catch (const EInvalidGraphic&) {
        return false;
    }
}

// The file handed to libspng in order, so that how far it read is known.
struct FileStream {
    std::span<const std::uint8_t> file;
    std::size_t consumed = 0;

    static int Read(spng_ctx*, void* user, void* destination, std::size_t length)
    {
        auto& stream = *static_cast<FileStream*>(user);
        if (length > stream.file.size() - stream.consumed)
            return SPNG_IO_EOF;
        std::copy_n(stream.file.begin() + std::ptrdiff_t(stream.consumed), length,
            static_cast<std::uint8_t*>(destination));
        stream.consumed += length;
        return 0;
    }
};

} // namespace

TSpngVerdict ReadWithSpng(std::span<const std::uint8_t> file)
{
    const std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(SPNG_CTX_IGNORE_ADLER32));
    spng_ctx* const png = context.get();
    FileStream stream { file };
    spng_set_png_stream(png, FileStream::Read, &stream);
    spng_set_chunk_limits(png, std::size_t { 1 } << 22, std::size_t { 1 } << 23);
    spng_set_crc_action(png, SPNG_CRC_ERROR, SPNG_CRC_ERROR);
    spng_ihdr header {};
    if (spng_get_ihdr(png, &header) != 0)
        return {};
    // The limits the reader has always set before decoding.
    const std::uint64_t pixels = std::uint64_t(header.width) * header.height;
    if (pixels > kBmpMaxPixels)
        return {};
    const std::uint64_t channels = header.color_type == 2 ? 3
        : header.color_type == 4                          ? 2
        : header.color_type == 6                          ? 4
                                                          : 1;
    const std::uint64_t rowBytes = (header.width * channels * header.bit_depth + 7) / 8;
    if (header.height * rowBytes > 1032 * std::uint64_t(file.size()))
        return {};
    std::size_t size = 0;
    if (spng_decoded_image_size(png, SPNG_FMT_RGBA8, &size) != 0)
        return {};
    std::vector<std::uint8_t> rgba(size);
    const int decoded = spng_decode_image(png, rgba.data(), rgba.size(), SPNG_FMT_RGBA8, SPNG_DECODE_TRNS);
    if (decoded != 0)
        return { std::nullopt, decoded == SPNG_EIDAT_STREAM && ZlibGivesThePicture(file) };
    if (spng_decode_chunks(png) != 0)
        return {};
    // The end marker's checksum, which libspng lets a file leave out.
    if (stream.consumed < 4
        || !std::equal(
            kEndChecksum.begin(), kEndChecksum.end(), file.begin() + std::ptrdiff_t(stream.consumed) - 4))
        return {};
    PixelRaster raster { int(header.width), int(header.height), false, std::vector<COLORREF>(pixels) };
    RgbaOverWhite(rgba.data(), pixels, raster.pixels.data());
    return { std::move(raster), false };
}

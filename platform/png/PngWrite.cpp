// SPDX-License-Identifier: MIT
#include "platform/png/PngCodec.h"

#include <cassert>
#include <cstdlib>
#include <memory>
#include <new>
#include <spng.h>

namespace {

struct ContextFree {
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

struct BufferFree {
    void operator()(void* buffer) const { std::free(buffer); }
};

} // namespace

struct TPngRowEncoder::Context {
    std::unique_ptr<spng_ctx, ContextFree> encoder { spng_ctx_new(SPNG_CTX_ENCODER) };
};

namespace {

[[noreturn]] void EncodingFailed(int result)
{
    throw EInvalidGraphicOperation(AnsiString("Cannot encode the PNG picture: ") + spng_strerror(result));
}

} // namespace

TPngRowEncoder::TPngRowEncoder(int width, int height, TPngCompression compression)
    : FContext(std::make_unique<Context>())
    , FWidth(width)
    , FHeight(height)
    , FRow(std::size_t(width > 0 ? width : 0) * 4)
{
    if (width <= 0 || height <= 0)
        throw EInvalidGraphicOperation("Cannot save an empty picture as PNG");
    spng_ctx* encoder = FContext->encoder.get();
    if (!encoder)
        throw std::bad_alloc();
    spng_set_option(encoder, SPNG_ENCODE_TO_BUFFER, 1);
    if (compression == TPngCompression::Fastest) {
        spng_set_option(encoder, SPNG_IMG_COMPRESSION_LEVEL, 1);
        spng_set_option(encoder, SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_SUB);
    }
    spng_ihdr header {};
    header.width = std::uint32_t(width);
    header.height = std::uint32_t(height);
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    int result = spng_set_ihdr(encoder, &header);
    if (result == 0)
        result = spng_encode_image(
            encoder, nullptr, 0, SPNG_FMT_PNG, SPNG_ENCODE_PROGRESSIVE | SPNG_ENCODE_FINALIZE);
    if (result != 0)
        EncodingFailed(result);
}

TPngRowEncoder::~TPngRowEncoder() = default;

void TPngRowEncoder::AddRow(const COLORREF* colours, const std::uint8_t* alpha)
{
    assert(FRowsAdded < FHeight && "no more rows than the picture has");
    for (int x = 0; x < FWidth; ++x) {
        std::uint8_t* pixel = &FRow[std::size_t(x) * 4];
        pixel[0] = GetRValue(colours[x]);
        pixel[1] = GetGValue(colours[x]);
        pixel[2] = GetBValue(colours[x]);
        pixel[3] = alpha[x];
    }
    const int result = spng_encode_row(FContext->encoder.get(), FRow.data(), FRow.size());
    ++FRowsAdded;
    // The last row ends the image, which libspng reports as its end rather than success.
    if (result != 0 && !(result == SPNG_EOI && FRowsAdded == FHeight))
        EncodingFailed(result);
}

std::vector<std::uint8_t> TPngRowEncoder::Finish()
{
    assert(FRowsAdded == FHeight && "every row is in");
    int result = 0;
    std::size_t length = 0;
    const std::unique_ptr<void, BufferFree> encoded(
        spng_get_png_buffer(FContext->encoder.get(), &length, &result));
    if (result != 0 || !encoded)
        EncodingFailed(result);
    const auto* bytes = static_cast<const std::uint8_t*>(encoded.get());
    return { bytes, bytes + length };
}

std::vector<std::uint8_t> WritePng(const PixelRaster& colours, std::span<const std::uint8_t> alpha)
{
    if (colours.Empty())
        throw EInvalidGraphicOperation("Cannot save an empty picture as PNG");
    assert(alpha.size() == colours.pixels.size() && "one opacity a pixel");
    TPngRowEncoder encoder(colours.width, colours.height);
    for (int y = 0; y < colours.height; ++y)
        encoder.AddRow(colours.Row(y), alpha.data() + std::size_t(y) * std::size_t(colours.width));
    return encoder.Finish();
}

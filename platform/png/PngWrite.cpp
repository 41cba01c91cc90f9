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

std::vector<std::uint8_t> WritePng(const PixelRaster& colours, std::span<const std::uint8_t> alpha)
{
    if (colours.Empty())
        throw EInvalidGraphicOperation("Cannot save an empty picture as PNG");
    assert(alpha.size() == colours.pixels.size() && "one opacity a pixel");
    std::vector<std::uint8_t> rgba;
    rgba.reserve(colours.pixels.size() * 4);
    for (std::size_t index = 0; index < colours.pixels.size(); ++index) {
        const COLORREF pixel = colours.pixels[index];
        rgba.insert(rgba.end(), { GetRValue(pixel), GetGValue(pixel), GetBValue(pixel), alpha[index] });
    }

    const std::unique_ptr<spng_ctx, ContextFree> context(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!context)
        throw std::bad_alloc();
    spng_set_option(context.get(), SPNG_ENCODE_TO_BUFFER, 1);
    spng_ihdr header {};
    header.width = std::uint32_t(colours.width);
    header.height = std::uint32_t(colours.height);
    header.bit_depth = 8;
    header.color_type = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    int result = spng_set_ihdr(context.get(), &header);
    if (result == 0)
        result
            = spng_encode_image(context.get(), rgba.data(), rgba.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
    std::size_t length = 0;
    const std::unique_ptr<void, BufferFree> encoded(
        result == 0 ? spng_get_png_buffer(context.get(), &length, &result) : nullptr);
    if (result != 0 || !encoded)
        throw EInvalidGraphicOperation(AnsiString("Cannot encode the PNG picture: ") + spng_strerror(result));
    const auto* bytes = static_cast<const std::uint8_t*>(encoded.get());
    return { bytes, bytes + length };
}

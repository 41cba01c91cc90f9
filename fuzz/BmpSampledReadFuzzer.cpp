// SPDX-License-Identifier: MIT
// libFuzzer entry for the sampled BMP reader of durnik-batch (stored and run-length files,
// stretched and laid onto the diamond): any input is refused with EInvalidGraphic or sampled,
// and a picture the whole-file reader also takes samples to what the same sampling of the
// decoded picture gives.
#include "fuzz/FuzzSampling.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/BmpSampledRead.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TMemoryByteSource bytes(std::span(data, size));
    const auto read = [&bytes](TSampler& sampler) { return ReadBmpSampled(bytes, sampler); };
    ForEachSampling(read, [&](TSampler& sampler, const PixelRaster& sampled) {
        // Rows the sampling skips are not read, so the whole reader may refuse what it takes.
        PixelRaster whole;
        try {
            whole = ReadBmp(std::span(data, size));
        } catch (const EInvalidGraphic&) {
            return;
        }
        if (!(SampleRaster(whole, sampler) == sampled))
            std::abort(); // the sampled read and the decoded picture disagree
    });
    return 0;
}

// SPDX-License-Identifier: MIT
// libFuzzer entry for the PNG reader of durnik-batch: any input is refused with
// EInvalidGraphic or sampled, and a picture read both sampled and whole gives the same
// pixels both ways.
#include "fuzz/FuzzSampling.h"
#include "platform/gdi/BmpSampledRead.h"
#include "platform/png/PngCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TMemoryByteSource bytes(std::span(data, size));
    const auto read = [&bytes](TSampler& sampler) { return ReadPngSampled(bytes, sampler); };
    ForEachSampling(read, [&](TSampler& sampler, const PixelRaster& sampled) {
        // The whole picture costs a sample map of its size; only small ones are compared.
        const TSampleMap& map = sampler.Map();
        if (std::uint64_t(map.SourceWidth()) * std::uint64_t(map.SourceHeight())
            > (std::uint64_t { 1 } << 20))
            return;
        if (!(SampleRaster(ReadPng(bytes), sampler) == sampled))
            std::abort(); // sampled while decoding and sampled afterwards disagree
    });
    return 0;
}

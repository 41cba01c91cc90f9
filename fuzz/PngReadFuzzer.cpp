// SPDX-License-Identifier: MIT
// libFuzzer entry for the PNG reader of durnik-batch: any input is refused with
// EInvalidGraphic or sampled, and a picture read both sampled and whole gives the same
// pixels both ways.
#include "fuzz/FuzzFile.h"
#include "platform/gdi/BmpSampledRead.h"
#include "platform/png/PngCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = FuzzFile(data, size);
    const auto read
        = [](const std::string& file, TSampler& sampler) { return ReadPngFileSampled(file, sampler); };
    ForEachSampling(path, read, [&](TSampler& sampler, const PixelRaster& sampled) {
        // The whole picture costs a sample map of its size; only small ones are compared.
        const TSampleMap& map = sampler.Map();
        if (std::uint64_t(map.SourceWidth()) * std::uint64_t(map.SourceHeight())
            > (std::uint64_t { 1 } << 20))
            return;
        if (!(SampleRaster(ReadPngFile(path), sampler) == sampled))
            std::abort(); // sampled while decoding and sampled afterwards disagree
    });
    return 0;
}

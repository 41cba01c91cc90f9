// SPDX-License-Identifier: MIT
// What the fuzzers of the sampled readers share: the input as a file, and the two samplings
// durnik-batch uses.
#pragma once

#include "platform/gdi/SampleMap.h"
#include "platform/rtl/SysUtils.h"
#include "tile/TileProjection.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// The fuzz input as a file, for readers that take a path: an anonymous in-memory file, reused
// for every input, named through /proc so no disk is touched.
inline const std::string& FuzzFile(const std::uint8_t* data, std::size_t size)
{
    static const int descriptor = ::memfd_create("durnik-fuzz", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(descriptor);
    if (descriptor < 0 || ::ftruncate(descriptor, 0) != 0
        || (size > 0 && ::pwrite(descriptor, data, size, 0) != static_cast<ssize_t>(size)))
        std::abort();
    return path;
}

// read(path, sampler) with a stretch and with the diamond; check(sampler, sampled) for each
// picture read. A refusal (EInvalidGraphic) ends it: the other sampling would refuse too.
template <typename Read, typename Check> void ForEachSampling(const std::string& path, Read read, Check check)
{
    for (const TTileProjection projection : { TTileProjection::Stretch, TTileProjection::Iso }) {
        TSampler sampler(64, 31, ProjectionRule(projection));
        PixelRaster sampled;
        try {
            sampled = read(path, sampler);
        } catch (const EInvalidGraphic&) {
            return;
        }
        check(sampler, sampled);
    }
}

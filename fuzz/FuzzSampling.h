// SPDX-License-Identifier: MIT
// What the fuzzers of the sampled readers share: the two samplings durnik-batch uses.
#pragma once

#include "platform/gdi/SampleMap.h"
#include "platform/rtl/SysUtils.h"
#include "tile/TileProjection.h"

// read(sampler) with a stretch and with the diamond; check(sampler, sampled) for each
// picture read. A refusal (EInvalidGraphic) ends it: the other sampling would refuse too.
template <typename Read, typename Check> void ForEachSampling(Read read, Check check)
{
    for (const TTileProjection projection : { TTileProjection::Stretch, TTileProjection::Iso }) {
        TSampler sampler(64, 31, ProjectionRule(projection));
        PixelRaster sampled;
        try {
            sampled = read(sampler);
        } catch (const EInvalidGraphic&) {
            return;
        }
        check(sampler, sampled);
    }
}

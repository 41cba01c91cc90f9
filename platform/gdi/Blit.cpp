// SPDX-License-Identifier: MIT
// BitBlt, StretchBlt and PatBlt: rectangles mapped to the device, clipped, and handed to
// the row engine with a source map.
#include "platform/gdi/BlitEngine.h"
#include "platform/gdi/DeviceArea.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/NearestSample.h"
#include "platform/gdi/Rop3.h"

#include <cstdint>
#include <new>

namespace {

// One axis of a stretch: the destination span [first, last) in device coordinates that
// both lands in the drawable area and reads an existing source pixel, and the source
// index of each of its positions.
struct AxisMap {
    std::int64_t first = 0;
    std::vector<int> sourceIndices;
    std::int64_t Last() const { return first + std::int64_t(sourceIndices.size()); }
};

struct AxisRequest {
    std::int64_t destStart = 0;
    std::int64_t destLength = 0; // > 0
    std::int64_t sourceStart = 0;
    std::int64_t sourceLength = 0; // > 0
    bool mirrored = false;
    int areaStart = 0;
    int areaEnd = 0;
    int sourceLimit = 0; // the source bitmap's extent on this axis
};

// Nearest neighbour in exact integers; a mirrored span is the mirror image of the plain one.
AxisMap MapAxis(const AxisRequest& request)
{
    AxisMap map;
    const std::int64_t first = std::max<std::int64_t>(request.destStart, request.areaStart);
    const std::int64_t last = std::min<std::int64_t>(request.destStart + request.destLength, request.areaEnd);
    // The map is monotonic, so the positions that read inside the source are one run.
    for (std::int64_t position = first; position < last; ++position) {
        std::int64_t offset = position - request.destStart;
        if (request.mirrored)
            offset = request.destLength - 1 - offset;
        const std::int64_t index = NearestSourceIndex(offset, request.destLength, request.sourceLength);
        const std::int64_t sourceIndex = request.sourceStart + index;
        const bool inside = sourceIndex >= 0 && sourceIndex < request.sourceLimit;
        if (!inside && !map.sourceIndices.empty())
            break;
        if (!inside)
            continue;
        if (map.sourceIndices.empty())
            map.first = position;
        map.sourceIndices.push_back(int(sourceIndex));
    }
    return map;
}

BOOL FillDestination(GdiDc& dest, const WideRect& logical, std::uint8_t truthTable)
{
    if (!dest.bitmap)
        return FALSE;
    FillLogicalRect(dest, logical, dest.brush, truthTable);
    return TRUE;
}

BOOL Stretch(GdiDc& dest, const WideRect& destLogical, const GdiDc& source, const WideRect& sourceLogical,
    bool mirroredX, bool mirroredY, std::uint8_t truthTable)
{
    if (!dest.bitmap || !source.bitmap)
        return FALSE;
    const WideRect destDevice = ToDevice(dest, destLogical);
    const WideRect sourceDevice = ToDevice(source, sourceLogical);
    const TRect area = DrawableArea(dest);
    const PixelRaster& sourceRaster = source.bitmap->raster;
    if (area.IsEmpty() || sourceRaster.Empty())
        return TRUE;
    if (destDevice.right == destDevice.left || destDevice.bottom == destDevice.top)
        return TRUE;
    if (sourceDevice.right == sourceDevice.left || sourceDevice.bottom == sourceDevice.top)
        return TRUE;
    const AxisMap columns = MapAxis({ destDevice.left, destDevice.right - destDevice.left, sourceDevice.left,
        sourceDevice.right - sourceDevice.left, mirroredX, area.Left, area.Right, sourceRaster.width });
    if (columns.sourceIndices.empty())
        return TRUE;
    const AxisMap rows = MapAxis({ destDevice.top, destDevice.bottom - destDevice.top, sourceDevice.top,
        sourceDevice.bottom - sourceDevice.top, mirroredY, area.Top, area.Bottom, sourceRaster.height });
    if (rows.sourceIndices.empty())
        return TRUE;
    const TRect rect { int(columns.first), int(rows.first), int(columns.Last()), int(rows.Last()) };
    const BlitSource blitSource { &source, columns.sourceIndices, rows.sourceIndices };
    RunBlit(dest, rect, dest.brush, truthTable, &blitSource);
    return TRUE;
}

} // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop)
{
    return StretchBlt(dest, x, y, width, height, source, sourceX, sourceY, width, height, rop);
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
    int sourceWidth, int sourceHeight, DWORD rop)
{
    if (!dest)
        return FALSE;
    const std::uint8_t truthTable = RopTruthTable(rop);
    try {
        if (!RopUsesSource(truthTable))
            return FillDestination(*dest, SpanRect(x, y, width, height), truthTable);
        if (!source)
            return FALSE;
        // Opposite signs of the two extents mirror; equal signs only normalise the spans.
        const bool mirroredX = (width < 0) != (sourceWidth < 0);
        const bool mirroredY = (height < 0) != (sourceHeight < 0);
        return Stretch(*dest, SpanRect(x, y, width, height), *source,
            SpanRect(sourceX, sourceY, sourceWidth, sourceHeight), mirroredX, mirroredY, truthTable);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop)
{
    const std::uint8_t truthTable = RopTruthTable(rop);
    if (!dc || RopUsesSource(truthTable))
        return FALSE;
    try {
        return FillDestination(*dc, SpanRect(x, y, width, height), truthTable);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

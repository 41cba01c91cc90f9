// SPDX-License-Identifier: MIT
// The row loop shared by the blits and fills: source and pattern pixels are brought into
// the destination's colour domain, then combined by the raster operation.
#pragma once

#include "platform/gdi/DeviceArea.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <vector>

struct BlitSource {
    const GdiDc* dc = nullptr; // its bitmap is read, its background colour decides colour -> monochrome
    std::vector<int> columns;  // the source column of each destination column of the rectangle
    std::vector<int> rows;     // the source row of each destination row
};

// Applies the operation to rect, which lies inside the destination's drawable area (device
// coordinates). source is needed only when the operation uses it; its maps must hold
// valid source indices, one per destination column and row.
void RunBlit(GdiDc& dest, const TRect& rect, const GdiBrush* brush, std::uint8_t truthTable,
    const BlitSource* source);

// Applies an operation that reads no source to the part of a logical rectangle that lies in
// the destination's drawable area. The destination must hold a bitmap.
void FillLogicalRect(GdiDc& dest, const WideRect& logical, const GdiBrush* brush, std::uint8_t truthTable);
// The same for a rectangle already in device coordinates.
void FillDeviceRect(GdiDc& dest, const WideRect& device, const GdiBrush* brush, std::uint8_t truthTable);

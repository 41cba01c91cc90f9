// SPDX-License-Identifier: MIT
#include "widgets/StoredGlyph.h"

#include "platform/vcl/components/ClassRegistry.h"

#include <cstdint>
#include <span>

void ReadStoredGlyph(const TFormValue& value, TBitmap& glyph)
{
    if (value.Kind != TFormValueKind::Binary)
        throw EReadError("Binary data expected but " + DescribeFormValue(value) + " found");
    std::span<const std::uint8_t> bytes(value.Bytes);
    if (bytes.size() >= 4) {
        const std::uint32_t length = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8
            | std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
        if (length == bytes.size() - 4)
            bytes = bytes.subspan(4);
    }
    glyph.LoadFromBytes(bytes);
}

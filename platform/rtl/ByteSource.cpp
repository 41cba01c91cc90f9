// SPDX-License-Identifier: MIT
#include "platform/rtl/ByteSource.h"

#include <algorithm>
#include <cstring>

namespace {

// Large enough that a file is read in few calls, small beside any picture worth streaming.
constexpr std::uint64_t kBlockSize = std::uint64_t { 1 } << 16;

} // namespace

std::size_t TMemoryByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const
{
    if (offset >= FBytes.size())
        return 0;
    const std::size_t count = std::min<std::size_t>(buffer.size(), FBytes.size() - std::size_t(offset));
    std::memcpy(buffer.data(), FBytes.data() + offset, count);
    return count;
}

// A short source gets a buffer of its own size: a fuzzer reads thousands of tiny ones a second.
TSequentialReader::TSequentialReader(const TByteSource& source, std::uint64_t start)
    : FSource(source)
    , FNextOffset(start)
    , FBuffer(std::size_t(std::min(kBlockSize, source.Size() > start ? source.Size() - start : 0)))
{
}

bool TSequentialReader::Read(std::span<std::uint8_t> destination)
{
    while (!destination.empty()) {
        if (FPosition == FFilled) {
            if (destination.size() >= FBuffer.size()) { // large reads skip the buffer
                const std::size_t count = FSource.ReadAt(FNextOffset, destination);
                FNextOffset += count;
                return count == destination.size();
            }
            if (!Refill())
                return false;
        }
        const std::size_t count = std::min(destination.size(), FFilled - FPosition);
        std::memcpy(destination.data(), FBuffer.data() + FPosition, count);
        FPosition += count;
        destination = destination.subspan(count);
    }
    return true;
}

bool TSequentialReader::Refill()
{
    if (FNextOffset >= FSource.Size())
        return false;
    FFilled = FSource.ReadAt(FNextOffset, FBuffer);
    FNextOffset += FFilled;
    FPosition = 0;
    if (FFilled == 0)
        FNextOffset = FSource.Size(); // a file cut short since it was opened ends here
    return FFilled > 0;
}

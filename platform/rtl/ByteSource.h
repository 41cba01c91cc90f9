// SPDX-License-Identifier: MIT
// Bytes a reader takes at any offset, whether they lie in a file or in memory, so one decoder
// serves files on disk, pictures already in memory and fuzzers alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class TByteSource {
public:
    virtual ~TByteSource() = default;

    virtual std::uint64_t Size() const = 0;
    // Fills buffer from offset on; fewer bytes only where the source ends. Returns the count.
    virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const = 0;
};

// Bytes the caller holds and keeps alive while the source is in use.
class TMemoryByteSource final : public TByteSource {
public:
    explicit TMemoryByteSource(std::span<const std::uint8_t> bytes)
        : FBytes(bytes)
    {
    }

    std::uint64_t Size() const override { return FBytes.size(); }
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const override;

private:
    std::span<const std::uint8_t> FBytes;
};

// A byte source read in order from some offset on, a block at a time, so a stream of any
// length costs one block of memory.
class TSequentialReader {
public:
    TSequentialReader(const TByteSource& source, std::uint64_t start);

    // The next byte; false at the end of the source.
    bool Next(std::uint8_t& byte)
    {
        if (FPosition == FFilled && !Refill())
            return false;
        byte = FBuffer[FPosition++];
        return true;
    }
    // Fills destination with the next bytes; false when the source ends first.
    bool Read(std::span<std::uint8_t> destination);
    bool AtEnd() const { return FPosition == FFilled && FNextOffset >= FSource.Size(); }
    // The offset of the byte the next read returns.
    std::uint64_t Offset() const { return FNextOffset - (FFilled - FPosition); }

private:
    bool Refill();

    const TByteSource& FSource;
    std::uint64_t FNextOffset; // of the first byte after the buffer
    std::vector<std::uint8_t> FBuffer;
    std::size_t FFilled = 0;
    std::size_t FPosition = 0;
};

// SPDX-License-Identifier: MIT
// A regular file opened for reading at any offset, so a caller can take just the parts it
// needs instead of the whole file.
#pragma once

#include "platform/rtl/ByteSource.h"
#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <span>

class TReadOnlyFile final : public TByteSource {
public:
    // Directories, devices and pipes are refused: reading them could hang or never end.
    // Raises EInOutError, e.g. "Cannot open \"/x/a.bmp\": No such file or directory".
    explicit TReadOnlyFile(const AnsiString& path);
    ~TReadOnlyFile() override;
    TReadOnlyFile(const TReadOnlyFile&) = delete;
    TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;

    const AnsiString& HostPath() const { return FHostPath; }
    std::uint64_t Size() const override { return FSize; } // as it was when opened
    // Raises EInOutError when the file cannot be read.
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) const override;

private:
    AnsiString FHostPath;
    int FDescriptor = -1;
    std::uint64_t FSize = 0;
};

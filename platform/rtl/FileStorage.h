// SPDX-License-Identifier: MIT
// Whole-file reads and saves that never leave a file half-written.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// Writes bytes to a temporary file beside path and renames it over path, so a failure at any
// point (disk full, read-only target or directory, error mid-way) leaves the old file as it was
// and no temporary behind. A replaced file keeps its permission bits; a symbolic link is
// followed, so the file it points to is replaced and the link stays. Raises EInOutError naming
// the file and the reason, e.g. "Cannot save \"/x/a.bmp\": Permission denied".
void WriteFileAtomically(const AnsiString& path, std::span<const std::uint8_t> bytes);

// The calls that put a saved file in place: a sync of the new content (only when a file is
// replaced) and the rename over the target. The host's fsync and rename unless a test puts
// recorders in to check their order; replaced only while no save runs.
struct TSaveCalls {
    std::function<int(int descriptor)> sync;
    std::function<int(const char* from, const char* to)> rename;
};
TSaveCalls& SaveCalls();

// The whole content of a regular file. Directories, devices and pipes are refused (reading
// them could hang or never end), and so is a file over MaxReadFileSize. Raises EInOutError,
// e.g. "Cannot open \"/x/a.bmp\": No such file or directory".
std::vector<std::uint8_t> ReadFileBytes(const AnsiString& path);

inline constexpr std::int64_t MaxReadFileSize = std::int64_t { 1 } << 30;

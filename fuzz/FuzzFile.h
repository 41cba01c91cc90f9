// SPDX-License-Identifier: MIT
// The fuzz input as a file, for readers that take a path: an anonymous in-memory file, reused
// for every input, named through /proc so no disk is touched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

inline const std::string& FuzzFile(const std::uint8_t* data, std::size_t size)
{
    static const int descriptor = ::memfd_create("durnik-fuzz", 0);
    static const std::string path = "/proc/self/fd/" + std::to_string(descriptor);
    if (descriptor < 0 || ::ftruncate(descriptor, 0) != 0
        || (size > 0 && ::pwrite(descriptor, data, size, 0) != static_cast<ssize_t>(size)))
        std::abort();
    return path;
}

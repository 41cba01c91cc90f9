// SPDX-License-Identifier: MIT
// The little of COM the shell services need: result codes and the task allocator, whose blocks
// the shell hands out (item lists) and the caller gives back with CoTaskMemFree.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <new>
#include <utility>

using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
inline constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
// The shell has no network neighbourhood on this host, so there are no computers to browse.
inline constexpr HRESULT E_NOCOMPUTERBROWSING = HRESULT(0x80040201u);

constexpr bool SUCCEEDED(HRESULT result)
{
    return result >= 0;
}
constexpr bool FAILED(HRESULT result)
{
    return result < 0;
}

// The sentence that describes a result code, for error reports.
AnsiString ComErrorMessage(HRESULT result);

void* CoTaskMemAlloc(std::size_t size);
// Frees a block of the task allocator; an object made by CoTaskMemNew is destroyed first.
// nullptr is ignored.
void CoTaskMemFree(void* block);
// Blocks handed out and not yet freed, so tests can show that nothing is left behind.
int CoTaskMemLiveBlocks();

namespace com_internal {
using BlockDestructor = void (*)(void* object);
// Once set, CoTaskMemFree runs it on the block before giving the memory back.
void SetBlockDestructor(void* block, BlockDestructor destroy);
} // namespace com_internal

// An object in a block of the task allocator, to be given back with CoTaskMemFree.
template <class T, class... Args> T* CoTaskMemNew(Args&&... args)
{
    void* block = CoTaskMemAlloc(sizeof(T));
    if (!block)
        throw std::bad_alloc();
    T* object = nullptr;
    try {
        object = new (block) T(std::forward<Args>(args)...);
    } catch (...) {
        CoTaskMemFree(block);
        throw;
    }
    com_internal::SetBlockDestructor(block, [](void* created) { static_cast<T*>(created)->~T(); });
    return object;
}

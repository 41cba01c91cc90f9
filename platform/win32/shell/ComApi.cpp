// SPDX-License-Identifier: MIT
#include "platform/win32/shell/ComApi.h"

#include <cstdlib>
#include <unordered_map>

namespace {

struct BlockRecord {
    com_internal::BlockDestructor destroy = nullptr;
};

// The blocks handed out, so a block freed twice, or memory that never came from here, is
// ignored instead of corrupting the heap.
std::unordered_map<void*, BlockRecord>& Blocks()
{
    static std::unordered_map<void*, BlockRecord> blocks;
    return blocks;
}

} // namespace

AnsiString ComErrorMessage(HRESULT result)
{
    switch (result) {
    case S_OK:
    case S_FALSE:
        return "The operation completed successfully";
    case E_NOTIMPL:
        return "Not implemented";
    case E_OUTOFMEMORY:
        return "Not enough memory is available to complete this operation";
    case E_INVALIDARG:
        return "The parameter is incorrect";
    case E_NOCOMPUTERBROWSING:
        return "Browsing for computers is not available on this system";
    default:
        return "Unspecified error";
    }
}

void* CoTaskMemAlloc(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block)
        Blocks()[block] = {};
    return block;
}

void CoTaskMemFree(void* block)
{
    if (!block)
        return;
    const auto found = Blocks().find(block);
    if (found == Blocks().end())
        return;
    const BlockRecord record = found->second;
    Blocks().erase(found);
    if (record.destroy)
        record.destroy(block);
    std::free(block);
}

int CoTaskMemLiveBlocks()
{
    return int(Blocks().size());
}

namespace com_internal {
void SetBlockDestructor(void* block, BlockDestructor destroy)
{
    if (const auto found = Blocks().find(block); found != Blocks().end())
        found->second.destroy = destroy;
}
} // namespace com_internal

#include "GS/Memory.hpp"
#include "hostplatform/Memory.hpp"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

// Sits in front of every block; its alignment keeps the user part aligned for any type.
struct alignas(std::max_align_t) BlockHeader {
    GSSize size;
    UInt32 kind;
};

// Tags in the headers: a handle's master pointer and its data are blocks of their own.
constexpr UInt32 kMasterPointer = 0x4D415354; // "MAST"
constexpr UInt32 kHandleBlock = 0x48414E44;   // "HAND"
constexpr UInt32 kPtrBlock = 0x50545220;      // "PTR "
// A block of the other kind (a pointer killed as a handle, say) is refused, not freed wrongly.
constexpr GSErrCode kErrWrongBlock = -1;

std::atomic<Int64> liveBlocks{0};

BlockHeader* HeaderOf(void* data) {
    return static_cast<BlockHeader*>(data) - 1;
}

GSPtr AllocateBlock(GSSize size, GSFlags flags, UInt32 kind) {
    if (size < 0)
        return nullptr;
    const size_t bytes = sizeof(BlockHeader) + static_cast<size_t>(size);
    void* raw = (flags & ALLOCATE_CLEAR) != 0 ? std::calloc(1, bytes) : std::malloc(bytes);
    if (raw == nullptr)
        return nullptr;
    auto* header = static_cast<BlockHeader*>(raw);
    header->size = size;
    header->kind = kind;
    return reinterpret_cast<GSPtr>(header + 1);
}

bool IsBlockOf(void* data, UInt32 kind) {
    return HeaderOf(data)->kind == kind;
}

} // namespace

GSHandle BMAllocateHandle(GSSize size, GSFlags flags, GSFlags) {
    GSPtr data = AllocateBlock(size, flags, kHandleBlock);
    if (data == nullptr)
        return nullptr;
    auto handle = reinterpret_cast<GSHandle>(AllocateBlock(sizeof(GSPtr), 0, kMasterPointer));
    if (handle == nullptr) {
        std::free(HeaderOf(data));
        return nullptr;
    }
    *handle = data;
    ++liveBlocks;
    return handle;
}

GSErrCode BMKillHandle(GSHandle* handle) {
    if (handle == nullptr || *handle == nullptr)
        return NoError;
    if (!IsBlockOf(*handle, kMasterPointer) || !IsBlockOf(**handle, kHandleBlock))
        return kErrWrongBlock;
    std::free(HeaderOf(**handle));
    std::free(HeaderOf(*handle));
    *handle = nullptr;
    --liveBlocks;
    return NoError;
}

GSSize BMGetHandleSize(GSHandle handle) {
    return handle == nullptr ? 0 : HeaderOf(*handle)->size;
}

GSHandle BMReallocHandle(GSHandle handle, GSSize newSize, GSFlags flags, GSFlags) {
    if (handle == nullptr || newSize < 0)
        return nullptr;
    const GSSize oldSize = BMGetHandleSize(handle);
    void* raw = std::realloc(HeaderOf(*handle), sizeof(BlockHeader) + static_cast<size_t>(newSize));
    if (raw == nullptr)
        return nullptr;
    auto* header = static_cast<BlockHeader*>(raw);
    header->size = newSize;
    *handle = reinterpret_cast<GSPtr>(header + 1);
    if ((flags & ALLOCATE_CLEAR) != 0 && newSize > oldSize)
        std::memset(*handle + oldSize, 0, static_cast<size_t>(newSize - oldSize));
    return handle;
}

GSPtr BMAllocatePtr(GSSize size, GSFlags flags, GSFlags) {
    GSPtr ptr = AllocateBlock(size, flags, kPtrBlock);
    if (ptr != nullptr)
        ++liveBlocks;
    return ptr;
}

GSErrCode BMKillPtr(GSPtr* ptr) {
    if (ptr == nullptr || *ptr == nullptr)
        return NoError;
    if (!IsBlockOf(*ptr, kPtrBlock))
        return kErrWrongBlock;
    std::free(HeaderOf(*ptr));
    *ptr = nullptr;
    --liveBlocks;
    return NoError;
}

GSSize BMGetPtrSize(GSPtr ptr) {
    return ptr == nullptr ? 0 : HeaderOf(ptr)->size;
}

namespace hostplatform {
Int64 LiveHandleCount() {
    return liveBlocks.load();
}
} // namespace hostplatform

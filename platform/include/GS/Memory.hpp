// The host's movable memory blocks (handles) and plain blocks (pointers).
#pragma once

#include "GS/Types.hpp"

// Zero-fills the new block (and, on reallocation, the grown part).
constexpr GSFlags ALLOCATE_CLEAR = 1;

// Blocks of negative size are refused with nullptr.
GSHandle BMAllocateHandle(GSSize size, GSFlags flags, GSFlags reserved);
// Frees the handle and sets *handle to nullptr; a null handle is fine.
GSErrCode BMKillHandle(GSHandle* handle);
GSSize BMGetHandleSize(GSHandle handle);
// Keeps the contents up to the smaller size; the handle itself stays the same.
// On failure returns nullptr and leaves the handle as it was.
GSHandle BMReallocHandle(GSHandle handle, GSSize newSize, GSFlags flags, GSFlags reserved);

GSPtr BMAllocatePtr(GSSize size, GSFlags flags, GSFlags reserved);
GSErrCode BMKillPtr(GSPtr* ptr);
GSSize BMGetPtrSize(GSPtr ptr);

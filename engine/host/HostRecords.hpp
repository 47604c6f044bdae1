// Small helpers over host records for the engine's host access: scoped release of element memos and
// memory handles, and bounded reading of the host's fixed-size text fields.
#pragma once

#include "ACAPinc.hpp"
#include "GS.hpp"

#include <cstddef>
#include <cstring>
#include <string>

namespace hostaccess {

// An element memo that is released when the scope ends, once it was asked for, whether or not the read
// succeeded (the host accepts a memo without handles).
class ScopedMemo {
  public:
    ScopedMemo() = default;
    ScopedMemo(const ScopedMemo&) = delete;
    ScopedMemo& operator=(const ScopedMemo&) = delete;
    ~ScopedMemo() {
        if (asked_)
            ACAPI_DisposeElemMemoHdls(&memo_);
    }

    // True when the host handed out the memo.
    bool Read(const API_Guid& guid, UInt64 mask) {
        asked_ = true;
        return ACAPI_Element_GetMemo(guid, &memo_, mask) == NoError;
    }
    const API_ElementMemo& operator*() const { return memo_; }
    const API_ElementMemo* operator->() const { return &memo_; }

  private:
    API_ElementMemo memo_{};
    bool asked_ = false;
};

// A memory handle of records of type T, killed when the scope ends.
template <typename T> class ScopedHandle {
  public:
    explicit ScopedHandle(T** handle) : handle_(reinterpret_cast<GSHandle>(handle)) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ~ScopedHandle() { BMKillHandle(&handle_); }

    // Whole records in the handle; 0 for a null handle.
    std::size_t Count() const {
        return handle_ == nullptr ? 0 : static_cast<std::size_t>(BMGetHandleSize(handle_)) / sizeof(T);
    }
    const T& operator[](std::size_t index) const { return reinterpret_cast<const T*>(*handle_)[index]; }

  private:
    GSHandle handle_;
};

// A zero-terminated UTF-16 field of N units; a field without its terminator is read to its end.
template <std::size_t N> GS::UniString FieldText(const GS::uchar_t (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != 0)
        ++length;
    return GS::UniString(field, static_cast<GS::USize>(length));
}

// The same for an 8-bit field, in the host's default character code.
template <std::size_t N> GS::UniString FieldText(const char (&field)[N]) {
    const std::string text(field, strnlen(field, N));
    return GS::UniString(text.c_str(), CC_Default);
}

} // namespace hostaccess

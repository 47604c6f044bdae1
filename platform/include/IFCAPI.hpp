// The stand-in host's IFC interface: the IFC GlobalId of an element. Results are either a value or
// an error; a token other than the add-on's (ACAPI_GetToken) gives no accessor.
#pragma once

#include "ACAPinc.hpp"

#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

namespace IFCAPI {

struct Error {
    GSErrCode code = APIERR_GENERAL;
    std::string text;
};

// A value or an error. Unwrap of an error (or UnwrapErr of a value) throws std::logic_error.
template <class T> class Result {
  public:
    Result(T value) : content_(std::move(value)) {}     // NOLINT: a value converts to its result
    Result(Error error) : content_(std::move(error)) {} // NOLINT: an error converts to its result

    bool IsOk() const { return std::holds_alternative<T>(content_); }
    bool IsErr() const { return !IsOk(); }

    T& Unwrap() {
        if (IsErr())
            throw std::logic_error("IFCAPI::Result::Unwrap on an error: " + UnwrapErr().text);
        return std::get<T>(content_);
    }
    const T& Unwrap() const {
        if (IsErr())
            throw std::logic_error("IFCAPI::Result::Unwrap on an error: " + UnwrapErr().text);
        return std::get<T>(content_);
    }
    const Error& UnwrapErr() const {
        if (IsOk())
            throw std::logic_error("IFCAPI::Result::UnwrapErr on a value");
        return std::get<Error>(content_);
    }

  private:
    std::variant<T, Error> content_;
};

namespace v1 {
class ObjectAccessor;
}

// The IFC object of an element; made only by an accessor.
class ObjectID {
  public:
    const API_Guid& ElementGuid() const { return element_; }

  private:
    friend class v1::ObjectAccessor;
    explicit ObjectID(const API_Guid& element) : element_(element) {}
    API_Guid element_;
};

namespace v1 {

class ObjectAccessor {
  public:
    static Result<ObjectAccessor> GetObjectAccessor(API_Token token);

    // An error when the element is not in the project.
    Result<ObjectID> CreateElementObjectID(const API_Elem_Head& head) const;
    // The element's own IFC GlobalId, else the 22-character IFC compression of its guid.
    Result<GS::UniString> GetGlobalId(const ObjectID& id) const;

  private:
    ObjectAccessor() = default;
};

} // namespace v1

} // namespace IFCAPI

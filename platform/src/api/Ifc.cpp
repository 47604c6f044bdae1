#include "IFCAPI.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"

using hostplatform::Faults;
using hostplatform::HostCalls;

namespace IFCAPI {

namespace {

constexpr char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";

// Appends `digits` base-64 digits of value, most significant first.
void AppendDigits(UInt32 value, int digits, std::string& out) {
    for (int i = digits - 1; i >= 0; --i)
        out += kAlphabet[(value >> (6 * i)) & 63];
}

// The standard 22-character IFC compression: the guid as a 128-bit number in base 64, that is the
// first byte as two digits, then five groups of three bytes as four digits each.
GS::UniString CompressGuid(const API_Guid& guid) {
    const GS::Guid number = APIGuid2GSGuid(guid);
    const UInt8* bytes = number.Bytes();
    std::string text;
    AppendDigits(bytes[0], 2, text);
    for (int group = 0; group < 5; ++group) {
        const UInt8* b = bytes + 1 + 3 * group;
        AppendDigits(UInt32(b[0]) << 16 | UInt32(b[1]) << 8 | b[2], 4, text);
    }
    return GS::UniString(text.c_str());
}

} // namespace

namespace v1 {

Result<ObjectAccessor> ObjectAccessor::GetObjectAccessor(API_Token token) {
    const HostCalls::Call counted("IFCAPI_GetObjectAccessor");
    if (token == 0 || token != ACAPI_GetToken())
        return Error{APIERR_BADPARS, "unknown add-on token"};
    return ObjectAccessor();
}

Result<ObjectID> ObjectAccessor::CreateElementObjectID(const API_Elem_Head& head) const {
    const HostCalls::Call counted("IFCAPI_CreateElementObjectID");
    if (const auto fault = Faults::Check("IFCAPI_CreateElementObjectID", head.guid))
        return Error{*fault, "injected fault"};
    if (hostplatform::CurrentProject().FindElement(head.guid) == nullptr)
        return Error{APIERR_BADID, "no such element"};
    return ObjectID(head.guid);
}

Result<GS::UniString> ObjectAccessor::GetGlobalId(const ObjectID& id) const {
    const HostCalls::Call counted("IFCAPI_GetGlobalId");
    if (const auto fault = Faults::Check("IFCAPI_GetGlobalId", id.ElementGuid()))
        return Error{*fault, "injected fault"};
    const hostplatform::Element* element = hostplatform::CurrentProject().FindElement(id.ElementGuid());
    if (element == nullptr)
        return Error{APIERR_BADID, "no such element"};
    return element->ifcGlobalId.IsEmpty() ? CompressGuid(element->record.header.guid) : element->ifcGlobalId;
}

} // namespace v1

} // namespace IFCAPI

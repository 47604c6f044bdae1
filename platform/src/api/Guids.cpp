#include "ACAPinc.hpp"

namespace {

// Writes `bytes` big-endian bytes of value at out.
void PutBigEndian(UInt64 value, int bytes, UInt8* out) {
    for (int i = bytes - 1; i >= 0; --i, value >>= 8)
        out[i] = static_cast<UInt8>(value & 0xFF);
}

UInt64 GetBigEndian(const UInt8* in, int bytes) {
    UInt64 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | in[i];
    return value;
}

} // namespace

GS::Guid APIGuid2GSGuid(const API_Guid& guid) {
    GS::Guid result;
    UInt8* bytes = result.Bytes();
    PutBigEndian(guid.time_low, 4, bytes);
    PutBigEndian(guid.time_mid, 2, bytes + 4);
    PutBigEndian(guid.time_hi_and_version, 2, bytes + 6);
    bytes[8] = guid.clock_seq_hi_and_reserved;
    bytes[9] = guid.clock_seq_low;
    for (int i = 0; i < 6; ++i)
        bytes[10 + i] = guid.node[i];
    return result;
}

API_Guid GSGuid2APIGuid(const GS::Guid& guid) {
    const UInt8* bytes = guid.Bytes();
    API_Guid result;
    result.time_low = static_cast<UInt32>(GetBigEndian(bytes, 4));
    result.time_mid = static_cast<UInt16>(GetBigEndian(bytes + 4, 2));
    result.time_hi_and_version = static_cast<UInt16>(GetBigEndian(bytes + 6, 2));
    result.clock_seq_hi_and_reserved = bytes[8];
    result.clock_seq_low = bytes[9];
    for (int i = 0; i < 6; ++i)
        result.node[i] = bytes[10 + i];
    return result;
}

GS::UniString APIGuidToString(const API_Guid& guid) {
    return APIGuid2GSGuid(guid).ToUniString();
}

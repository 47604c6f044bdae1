// Locations, relative locations and names of the stand-in host's file library (POSIX paths).
#include "IO.hpp"

namespace IO {

namespace {

constexpr GS::uchar_t kSeparator = u'/';

GSErrCode LastName(GS::UniString path, Name* name) {
    if (name == nullptr)
        return APIERR_BADPARS;
    while (!path.IsEmpty() && path[path.GetLength() - 1] == kSeparator)
        path.Delete(path.GetLength() - 1);
    if (path.IsEmpty()) {
        *name = Name();
        return APIERR_BADNAME;
    }
    const GS::UIndex separator = path.FindLast(GS::UniString(u"/"));
    *name = Name(separator == GS::MaxUIndex ? path : path.GetSubstring(separator + 1, path.GetLength()));
    return NoError;
}

} // namespace

GSErrCode Location::GetLastLocalName(Name* name) const {
    return LastName(path_, name);
}

GSErrCode Location::AppendToLocal(const Name& name) {
    if (path_.IsEmpty() || name.IsEmpty() || name.ToString().Contains(kSeparator))
        return APIERR_BADNAME;
    if (path_[path_.GetLength() - 1] != kSeparator)
        path_ += kSeparator;
    path_ += name.ToString();
    return NoError;
}

GSErrCode RelativeLocation::GetLastName(Name* name) const {
    return LastName(path_, name);
}

} // namespace IO

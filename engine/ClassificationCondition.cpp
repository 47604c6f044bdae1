#include "engine/ClassificationCondition.hpp"

ClassificationCondition::ClassificationCondition(const GS::UniString& prefix, const GS::UniString& exact) {
    if (!prefix.IsEmpty()) {
        startsWith = prefix;
        kind = BeginsWith;
    } else if (!exact.IsEmpty()) {
        equals = exact;
        if (!equals.EndsWith("."))
            equals += ".";
        kind = Exact;
    }
}

bool ClassificationCondition::Complies(const GS::UniString& number) const {
    switch (kind) {
    case Exact:
        return number == equals;
    case BeginsWith:
        return number.BeginsWith(startsWith);
    default:
        return false;
    }
}

// One rule of a code-condition list: a number prefix (begins-with) or a whole number (exact).
#pragma once

#include "GS.hpp"

class ClassificationCondition {
  public:
    enum Kind : Int32 { None = 0, BeginsWith = 1, Exact = 2 };

    GS::UniString startsWith; // prefix of a begins-with rule; empty otherwise
    GS::UniString equals;     // whole number of an exact rule, always ending in "."; empty otherwise
    Int32 kind = None;

    ClassificationCondition() = default;
    // A non-empty prefix makes a begins-with rule (the exact text is then ignored); otherwise a
    // non-empty exact text makes an exact rule, closed with "." when it does not end in one; otherwise
    // the condition stays empty and complies with nothing.
    ClassificationCondition(const GS::UniString& prefix, const GS::UniString& exact);

    // Case-sensitive: an exact rule wants the whole number, a begins-with rule its prefix.
    bool Complies(const GS::UniString& number) const;
};

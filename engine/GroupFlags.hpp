// The flag words of an article group: "|word|word|" in lower case, or "". The words the add-on asks
// about are found once, when the text is set, because the take-off tests them for every filed article.
#pragma once

#include "GS.hpp"

class GroupFlags {
  public:
    enum Word : UInt32 {
        None = 0,
        Export = 1u << 0,
        FH = 1u << 1,
        VH = 1u << 2,
        ProMemory = 1u << 3,
        SumOverTotal = 1u << 4,
        Volume = 1u << 5,
        Surface = 1u << 6,
        Length = 1u << 7,
        Piece = 1u << 8,
        Weight = 1u << 9,
        Riser = 1u << 10,
        Ton = 1u << 11,
        Kw = 1u << 12,
        Dm2 = 1u << 13,
        Dm3 = 1u << 14,
    };

    GroupFlags() = default;
    GroupFlags& operator=(const GS::UniString& text);

    operator const GS::UniString&() const { return text; }
    bool IsEmpty() const { return text.IsEmpty(); }

    bool Has(Word word) const { return (words & word) != 0; }
    // True when the text holds "|" + word + "|" (exact comparison).
    bool Has(const GS::UniString& word) const;

  private:
    GS::UniString text;
    UInt32 words = None;
};

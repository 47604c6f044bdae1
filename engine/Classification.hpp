// The article list of the bill as the project holds it: the host classification system "QELM", read
// into one record per item.
#pragma once

#include "ACAPinc.hpp"
#include "GS.hpp"

// One item of the QELM system. Its description's parts are, in order: line 1, line 2 (the unit and
// mark words), the unit price and the note; parts beyond the fourth are ignored.
class Classification {
  public:
    API_Guid guid{}; // the host's item
    GS::UniString code;
    GS::UniString name;
    GS::UniString note;
    GS::UniString flags; // "|line1|line2|" (non-empty lines only) in lower case, or ""
    GS::UniString line1;
    GS::UniString line2;
    double unitPrice = 0.0; // 0.0 when part 3 holds no number, or one out of range
};

class Classifications {
  public:
    // The items of the last read, root by root, each followed by its subtree depth first. Only the
    // take-off run reads it.
    static GS::Array<Classification> Items;
    // The systems that Items come from.
    static GS::Array<API_ClassificationSystem> Systems;

    // Refills Items from every system named exactly "QELM", in the host's order. Items or subtrees the
    // host fails to give are left out silently. False, after an error alert and with Items empty, when
    // no such system exists or the systems cannot be listed.
    static bool ReadFromSystem();

    // Appends every descendant of item to out, depth first: a child, then its descendants, then the
    // next child. A child whose children cannot be read has none. Iterative, so depth is unbounded.
    static void GatherAllDescendantsOfClassification(const API_ClassificationItem& item,
                                                     GS::Array<API_ClassificationItem>& out);
};

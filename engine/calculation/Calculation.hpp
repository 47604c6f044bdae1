// The quantities of the element being evaluated, fetched from the host once per element, and the
// shared specific-weight text. Static buffers: one element at a time, on the host's main thread.
#pragma once

#include "engine/Article.hpp"

#include "ACAPinc.hpp"

class Calculation {
  public:
    static API_ElementQuantity quantity;
    static GS::Array<API_CompositeQuantity> composites;
    static GS::Array<API_ElemPartQuantity> elemPartQuantities;
    static GS::Array<API_ElemPartCompositeQuantity> elemPartComposites;
    static API_QuantityPar params;
    static API_Quantities quantities;

    // Clears the buffers and fetches every quantity of the element into them; true when the host reported
    // no error. After a failed request the record counts as unread: nothing is measured from it. Within a
    // take-off, buffers that already hold the element's quantities are kept as they are.
    static bool GetElementParameters(API_Element element);
    // Writes the article's specific-weight text into extraInfo2 (unchanged when no positive weight).
    static void GetSpecificWeightProperty(Article& article);

    // Quantity value n of the element's record. NaN when the record is unread, so that whatever is
    // computed from it is NaN as well and is not written (Article::CalculatePropertyValues), while a
    // value taken from a property or parameter alone stands.
    static double Value(Int32 n);
    // The 32-bit integer in the second half of quantity value n; -1 (not measured) when unread.
    static Int32 IntegerInSecondHalf(Int32 n);
    // The skin row of the article: its volume / projected area; -1.0 when the article has no row
    // (skinIndex below 0 or not below the number of rows), NaN when the record is unread.
    static bool HasSkinRow(const Article& article);
    static double SkinVolume(const Article& article);
    static double SkinProjectedArea(const Article& article);
};

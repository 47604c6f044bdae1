// The engine's access to the open project: element records, properties and library-part parameters by
// name, element IDs, story and library-part names, and the host selection. All operations are static.
// Within a take-off their reads go through the take-off's cache (TakeoffCache.hpp); outside one each call
// asks the host and releases every memo and handle it fetched before it returns, also on its error paths.
// No operation raises; host failures become the neutral results stated below (false, "", 0.0, or -1.0 for
// a property that is not there).
//
// Sources: Main.cpp (elements, IDs, stories, library parts, selection), MainProperties.cpp,
// MainParameters.cpp.
#pragma once

#include "ACAPinc.hpp"
#include "GS.hpp"

class Article;

class Main {
  public:
    // The palette's filter text, stored in lower case ("" for none).
    static GS::UniString usFilterText;
    // True while the palette's last take-off was of the selected elements only.
    static bool bOnlySelectedElements;

    // ---- Elements and selection ----
    // Reads the element of that guid into a cleared record; true on success.
    static bool GetElement(API_Guid guid, API_Element& element);
    // Adds the elements, in order, to the host selection; true when the host reports no error.
    static bool SelectElements(const GS::Array<API_Guid>& guids);
    // x rounded to n decimals (n <= 0: to an integer) as int64(x * 10^n + 0.5) / 10^n: positive halves
    // round up, negative values end up to one last-decimal unit nearer zero. A value that does not fit a
    // 64-bit integer after scaling is returned unchanged.
    static double Round(double x, int n);
    // "Opening[ / owner ID]" for an opening; the memo's information string for any other element ("" for
    // an element without a memo, except stairs and railings).
    static GS::UniString GetElementID(const API_Element& element);
    // The memo's element information string, trimmed; "" when the memo or its string cannot be read.
    static GS::UniString GetElementID(const API_Elem_Head& header);
    // The story's name, "N. Story" for an unnamed one; "" when the settings cannot be read or the
    // element's story is not in the table.
    static GS::UniString GetStoryName(const API_Element& element);
    // Fills libPart for a window, door or object; false only when the host's library-part read fails.
    static bool GetLibPart(const API_Element& element, API_LibPart& libPart);
    static GS::UniString GetLibPartName(API_Guid guid);
    // size1..size3 of the article from "BB"/"BH"/"hohruw", from "rm_StructalLength"/"rm_ProfileWidth"/
    // "rm_ProfileHeight", or else from the first three parameters of the list (a missing, text or array
    // one counts 0.0); unchanged when the parameter list cannot be read.
    static void GetObjectSizeParameters(const API_Element& element, Article& article);

    // ---- Properties by name (compared by StringsMatch) ----
    // The first visible definition of that name under the filter; true and the property when found.
    static bool GetElementProperty(const API_Element& element, const GS::UniString& name,
                                   API_PropertyDefinitionFilter filter, API_Property& property);
    // -1.0 when the element cannot be read or has no such property; else ToDouble.
    static double GetProperty(const API_Guid& guid, const GS::UniString& name,
                              API_PropertyDefinitionFilter filter);
    static double GetUserDefinedProperty(const API_Guid& guid, const GS::UniString& name);
    static double GetUserDefinedProperty(const API_Element& element, const GS::UniString& name);
    static double GetBuiltInProperty(const API_Guid& guid, const GS::UniString& name);
    // The single value's real-number field; 0.0 for any other collection type.
    static double ToDouble(const API_Property& property);
    // The host's text of the user-defined property's value; "" when not found.
    static GS::UniString GetUserDefinedPropertyString(API_Element element, const GS::UniString& name);
    static GS::UniString GetUserDefinedPropertyString(API_Guid guid, const GS::UniString& name);
    // Equal after lower-casing and removing every U+0020 space (tabs count).
    static bool StringsMatch(GS::UniString a, GS::UniString b);
    // Case-insensitive prefix test; false when text is shorter than prefix.
    static bool StartsWith(GS::UniString text, GS::UniString prefix);
    static GS::UniString ToString(const API_Variant& variant);
    // Single and single-choice values as text; lists as "[a, b]"; "" otherwise; trimmed.
    static GS::UniString ToString(const API_Property& property);
    // The host selection kind of element types 1 to 45; APINeig_None for any other type.
    static API_NeigID Elem_To_NeigID(API_ElemTypeID type);

    // ---- Library-part parameters (names ignore case; the first of a name decides; arrays count as
    // missing; a text parameter has no real value and a numeric one no text) ----
    static bool HasParameter(const API_Element& element, const GS::UniString& name);
    static bool HasParameter(API_Guid guid, const GS::UniString& name);
    static double GetParameterDouble(const API_Element& element, const GS::UniString& name);
    static double GetParameterDouble(API_Guid guid, const GS::UniString& name);
    static bool GetParameterBool(API_Guid guid, const GS::UniString& name);
    static GS::UniString GetParameterString(const API_Element& element, const GS::UniString& name);
    static GS::UniString GetParameterString(API_Guid guid, const GS::UniString& name);
    // Products of the first two / three parameters' real values, whatever their names; a parameter
    // missing from a shorter list, or a text or array one, counts 0.0. 0.0 when the element or its memo
    // cannot be read.
    static double GetBaseSurface(API_Guid guid);
    static double GetBaseVolume(API_Guid guid);

    // ---- Palette (defined with the add-on's menu command) ----
    // Opens a new palette object as a modeless palette and gives its dialog id (0 when the framework
    // refused it).
    static short PresentData();
};

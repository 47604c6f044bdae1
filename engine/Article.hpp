// One measured line of the bill of quantities: what one element, or one skin, profile part or property
// of it, contributes under one article code. A plain value type: copies are member-wise and own their
// texts and lists. Quantities hold -1 (or -1.0) while not measured; every reader shows -1 as blank.
#pragma once

#include "ACAPinc.hpp"
#include "GS.hpp"
#include "QelmCodes.hpp"

// How the measured skin was taken.
enum walltype : Int32 {
    WallTypeNone = 0,           // not set
    WallTypeBasic = 1,          // whole element of basic structure (skinIndex -1)
    WallTypeComposite = 2,      // skin of a composite
    WallTypeComplexProfile = 3, // skin of a complex profile
};

class Article {
  public:
    // guid and elemType are set by the code that creates the article; they start null and 0.
    API_Guid guid{};
    API_ElemTypeID elemType = API_ZombieElemID;
    GS::UniString typeName;
    // How the code was found (QelmType).
    short qelmType = QelmType::kNotSet;
    GS::UniString elementID;
    GS::UniString libPartName;
    short storyIndex = 0;
    short groupIndex = QelmCode::kReportGroup;
    Int32 pieces = -1;
    double length = -1.0;
    double size1 = -1.0;
    double size2 = -1.0;
    double size3 = -1.0;
    double size4 = -1.0;
    double surface = -1.0;
    double volume = -1.0;
    double weight = -1.0;
    double kw = -1.0;
    Int32 risers = -1;
    GS::UniString extraInfo1;
    GS::UniString extraInfo2;
    double thickness = -1.0; // metres
    short skinIndex = -1;    // -1 for the whole element
    bool volumeFlag = false;
    bool surfaceFlag = false;
    bool lengthFlag = false;
    bool pieceFlag = false;
    bool weightFlag = false;
    bool riserFlag = false;
    bool tonFlag = false;
    bool kwFlag = false;
    bool dm2Flag = false;
    bool dm3Flag = false;
    GS::UniString thicknessCm;
    GS::UniString thicknessMm;
    GS::UniString layerName;
    GS::UniString message = NoClassificationMessage();
    GS::UniString materialId;
    GS::UniString materialDescription;
    GS::UniString propertyName;
    GS::Array<GS::UniString> zoneNames;
    GS::Array<GS::UniString> zoneNumbers; // position by position with zoneNames
    GS::UniString unit;
    GS::UniString code;
    GS::UniString groupLine1;
    GS::UniString groupLine2;
    GS::UniString storyName;
    short compositeCount = -1;
    walltype wallType = WallTypeNone;

    // A "." is appended to an argument that does not end in one; true when code equals the result.
    // Decoded once: every new article starts with this text.
    static const GS::UniString& NoClassificationMessage();

    bool Equals(GS::UniString text) const;
    // Exact, case-sensitive prefix and suffix tests of code.
    bool Starts(GS::UniString prefix) const;
    bool Ends(GS::UniString suffix) const;
    // True without a palette filter, or when the lower-cased element ID contains the filter text.
    bool CompliesToFilter() const;
    // "" for 0, "Type ??" for -1, "Type N" otherwise.
    GS::UniString GetQELMtype() const;
    GS::UniString GetStory() const;
    // "id: description", or whichever of the two is non-empty.
    GS::UniString GetMaterialDescription() const;
    // Library-part name of a window, door or object; the wall-type text of any other element.
    GS::UniString GetInfo() const;
    GS::UniString GetWallType() const;
    // Sets thickness (metres) and its texts in centimetres (one decimal, "," as separator, no ",0")
    // and millimetres (from the rounded centimetres).
    void SetThickness(double metres);
    // Refills zoneNames and zoneNumbers: the zones a slab or mesh collides with, then, for every type
    // but zones, the element's own "Zone naam" / "Zone nummer" properties. Failed host calls add nothing.
    void GetZoneNames();
    // Compares with propertyName ignoring case and spaces.
    bool propertynameMatches(GS::UniString name) const;
    // Measures the article: the user's unit choice when it applies, else every set measure flag in turn
    // through the calculator of its element type. The flag is handed only to Beam::GetSurfaceProperty.
    // Nothing raised below leaves it; what was measured before a failure stays. A value computed from an
    // unread quantity record is not written (a quantity stays -1, not measured; a size keeps what it had);
    // one from a property, a parameter or the article itself stands.
    // This and CalculateUserPropertyValues are defined with the calculators' dispatch, in
    // engine/calculation/ArticleDispatch.cpp.
    void CalculatePropertyValues(bool fromProperties);
    // Applies the element's unit-choice property ("Meeteenheid ..."); true when a choice was applied.
    // Nothing raised below leaves it (false then).
    bool CalculateUserPropertyValues();
};

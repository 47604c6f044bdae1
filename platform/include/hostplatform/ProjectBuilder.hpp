// A fluent builder of stand-in projects, so a test states its situation in a few lines:
//
//   ProjectBuilder b;
//   auto qelm = b.AddSystem("QELM");
//   b.AddItem(qelm, APINULLGuid, "20.13.", "Gevelmetselwerk", "m2\n\n12,50");
//   auto layer = b.AddLayer("21 Buitenwanden");
//   auto brick = b.AddBuildingMaterial("Baksteen", "20.13.10.", "gevelsteen");
//   auto wall = b.AddElement(API_WallID).Id("W-01").Layer(layer).WallBasic(brick, 0.3, 0.3);
//   b.Install();                       // becomes the host's current project
//
// Guids are made from a counter, so a project built twice has the same guids.
#pragma once

#include "hostplatform/Model.hpp"

#include <initializer_list>
#include <vector>

namespace hostplatform {

class ProjectBuilder;

// One element under construction. Valid while its builder lives.
class ElementRef {
  public:
    ElementRef(ProjectBuilder& builder, size_t index) : builder_(&builder), index_(index) {}

    API_Guid guid() const;
    Element& element() const;
    API_Element& record() const;
    operator API_Guid() const { return guid(); } // NOLINT: an element stands for its guid in tests

    ElementRef& Id(const GS::UniString& elementID); // sets the ID and the memo flag
    ElementRef& NoMemo();                           // the header says the element has no memo
    ElementRef& Layer(API_AttributeIndex layer);
    ElementRef& Story(short floorInd);
    ElementRef& LibPart(Int32 libInd);        // windows, doors, skylights, objects, lamps
    ElementRef& Owner(const API_Guid& owner); // windows, doors, skylights, openings

    ElementRef& WallBasic(API_AttributeIndex material, double thicknessStart, double thicknessEnd);
    ElementRef& WallComposite(API_AttributeIndex composite, double thickness);
    ElementRef& WallProfile(API_AttributeIndex composite);
    // Slabs, roofs and shells (roofs and shells through their shell-base part).
    ElementRef& PlateBasic(API_AttributeIndex material, double thickness);
    ElementRef& PlateComposite(API_AttributeIndex composite, double thickness);
    ElementRef& PlateProfile();
    // Beams and columns: one segment each call.
    ElementRef& Segment(API_ModelElemStructureType structure, API_AttributeIndex material,
                        bool round = false);
    ElementRef& Opening(API_OpeningLimitType limit, API_OpeningDirection direction,
                        API_OpeningBasePolygonType polygon, double width = 0.0, double height = 0.0);
    ElementRef& Zone(const GS::UniString& name, const GS::UniString& number);

    ElementRef& Quantity(Int32 number, double value);
    ElementRef& QuantityInteger(Int32 number, Int32 half, Int32 value);
    ElementRef& CompositeRow(API_AttributeIndex material, double volume, double projectedArea,
                             double thickness = 0.0);

    // Library-part parameters, in list order.
    ElementRef& Parameter(const char* name, double value);
    ElementRef& TextParameter(const char* name, const GS::UniString& value);
    ElementRef& ArrayParameter(const char* name);

    // User-defined single-value properties; the definition is made on first use of the name.
    ElementRef& Property(const GS::UniString& name, double value);
    ElementRef& Property(const GS::UniString& name, const GS::UniString& text);
    ElementRef& ListProperty(const GS::UniString& name, std::initializer_list<GS::UniString> texts);
    ElementRef& BuiltInProperty(const GS::UniString& name, double value);
    // A value of a given definition, visible or not, for duplicate or invisible definitions.
    ElementRef& PropertyOf(const API_Guid& definition, double value, bool visible = true);
    ElementRef& PropertyOf(const API_Guid& definition, const GS::UniString& text, bool visible = true);

    ElementRef& Classify(const API_Guid& system, const API_Guid& item, bool visible = true);
    ElementRef& CollidesWith(const API_Guid& other);
    ElementRef& IfcGlobalId(const GS::UniString& globalId);

  private:
    ProjectBuilder* builder_;
    size_t index_;
};

class ProjectBuilder {
  public:
    ProjectBuilder();

    API_Guid NewGuid();

    // Classification systems and items; parent APINULLGuid makes a root item of the system.
    API_Guid AddSystem(const GS::UniString& name);
    API_Guid AddItem(const API_Guid& system, const API_Guid& parent, const GS::UniString& id,
                     const GS::UniString& name, const GS::UniString& description = GS::UniString());

    // Attributes, library parts, stories; each returns its new index (from 1).
    API_AttributeIndex AddLayer(const GS::UniString& name);
    API_AttributeIndex AddBuildingMaterial(const GS::UniString& name, const GS::UniString& id,
                                           const GS::UniString& description);
    API_AttributeIndex AddComposite(const GS::UniString& name,
                                    std::initializer_list<API_CWallComponent> skins);
    void ClassifyMaterial(API_AttributeIndex material, const API_Guid& system, const API_Guid& item,
                          bool visible = true);
    Int32 AddLibPart(API_LibTypeID type, const GS::UniString& name);
    void AddStory(short index, const GS::UniString& name, double level = 0.0);

    // Property definitions; the element setters above call these by name.
    API_Guid DefineProperty(const GS::UniString& name, API_VariantType valueType = API_PropertyRealValueType,
                            API_PropertyCollectionType collection = API_PropertySingleCollectionType,
                            API_PropertyDefinitionType definitionType = API_PropertyCustomDefinitionType);
    // The first definition of that name and kind, made when there is none.
    API_Guid PropertyNamed(const GS::UniString& name, API_VariantType valueType,
                           API_PropertyCollectionType collection, API_PropertyDefinitionType definitionType);

    void SetProjectNotes(const API_ProjectNoteInfo& notes);
    void AddAutotext(const GS::UniString& key, const GS::UniString& value);

    ElementRef AddElement(API_ElemTypeID type);
    void Select(std::initializer_list<API_Guid> guids);

    Project& project() { return project_; }
    // Makes the built project the host's current project (the builder keeps a copy to go on with).
    void Install() const;

  private:
    Project project_;
    UInt64 nextGuid_ = 1;
};

} // namespace hostplatform

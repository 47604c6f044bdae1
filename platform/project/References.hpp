// How a project file names things, and the loader's state while it reads one.
//
// Classification systems, items, property definitions and elements carry guids. An object's "guid" may
// be given; otherwise the loader makes one from the object's place in the file, so the same file always
// loads with the same guids. A reference to such an object is one text: in guid form (8-4-4-4-12 hex
// digits) it names the object with that guid; any other text names it by its readable name (a system's
// name, an item's ID within its system, a property definition's name, an element's "key"). A name that
// fits several objects is refused as ambiguous. Layers, building materials, composites and library parts
// are named by their name (a text) or by their index (an integer, from 1 in file order).
#pragma once

#include "JsonNode.hpp"
#include "hostplatform/Model.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace hostplatform::projectfile {

// A guid text in the form 8-4-4-4-12 (either case); nullopt for anything else.
std::optional<API_Guid> ParseGuidText(const std::string& text);
// The guid of an object without a "guid" key, made from its place (a JSON pointer).
API_Guid GuidFromPlace(const std::string& pointer);
// A value that must be a guid text.
API_Guid ReadGuid(const Node& node);

// Every guid of the file, whatever kind of object holds it: a guid names one object only.
class GuidRegistry {
  public:
    // The object's "guid" member, or one made from its place; fails when the guid is taken.
    API_Guid Register(const Node& object);

  private:
    std::unordered_map<API_Guid, std::string> places_;
};

// Objects that references name by guid or by a readable name.
class NameTable {
  public:
    // `what` names one object in messages ("element"); `scope` says where the names hold (' in system
    // "QELM"').
    explicit NameTable(std::string what, std::string scope = "")
        : what_(std::move(what)), scope_(std::move(scope)) {}

    void Add(const std::string& name, const API_Guid& guid);
    void AddUnnamed(const API_Guid& guid) { members_.insert(guid); }
    bool HasName(const std::string& name) const { return byName_.count(name) != 0; }
    API_Guid Resolve(const Node& reference) const;
    bool Holds(const API_Guid& guid) const { return members_.count(guid) != 0; }

  private:
    std::string what_;
    std::string scope_;
    std::map<std::string, std::vector<API_Guid>> byName_;
    std::unordered_set<API_Guid> members_;
};

// Attributes of one kind, indexed from 1 in file order; names are unique.
class AttributeTable {
  public:
    explicit AttributeTable(std::string what) : what_(std::move(what)) {}

    // Fails on a name that an earlier attribute of the kind already has.
    API_AttributeIndex Add(const Node& name);
    API_AttributeIndex Resolve(const Node& reference) const;

  private:
    std::string what_;
    std::map<std::string, API_AttributeIndex> byName_;
    API_AttributeIndex count_ = 0;
};

struct LoadContext {
    Project project;
    GuidRegistry guids;
    NameTable systems{"classification system"};
    std::unordered_map<API_Guid, NameTable> itemsOfSystem;
    NameTable propertyDefinitions{"property definition"};
    NameTable elements{"element"};
    std::vector<ElementKey> elementKeys; // in file order
    std::unordered_map<API_Guid, API_ElemTypeID> elementTypes;
    AttributeTable layers{"layer"};
    AttributeTable materials{"building material"};
    AttributeTable composites{"composite"};
    AttributeTable libParts{"library part"};
    std::map<std::string, std::vector<short>> storyNames;

    bool HasStory(Int64 index) const;
    short ResolveStory(const Node& reference) const;
    // {"system": ..., "item": ..., "visible": ...} entries; one item per system.
    std::vector<ClassificationRef> ReadClassificationRefs(const Node& list) const;
};

} // namespace hostplatform::projectfile

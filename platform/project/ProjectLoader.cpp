#include "hostplatform/ProjectLoader.hpp"

#include "ElementLoader.hpp"
#include "FaultLoader.hpp"
#include "JsonNode.hpp"
#include "References.hpp"

#include <cstddef>
#include <cstring>
#include <iterator>
#include <type_traits>
#include <unordered_set>

namespace hostplatform {

namespace projectfile {

namespace {

// The project-notes record: twelve texts of 256 bytes and one of 1024, each zero-terminated.
struct NoteField {
    std::string_view name;
    size_t offset;
    size_t capacity;
};
constexpr NoteField kNoteFields[] = {
    {"client", offsetof(API_ProjectNoteInfo, client), sizeof(API_ProjectNoteInfo::client)},
    {"projectName", offsetof(API_ProjectNoteInfo, projectName), sizeof(API_ProjectNoteInfo::projectName)},
    {"company", offsetof(API_ProjectNoteInfo, company), sizeof(API_ProjectNoteInfo::company)},
    {"street", offsetof(API_ProjectNoteInfo, street), sizeof(API_ProjectNoteInfo::street)},
    {"city", offsetof(API_ProjectNoteInfo, city), sizeof(API_ProjectNoteInfo::city)},
    {"country", offsetof(API_ProjectNoteInfo, country), sizeof(API_ProjectNoteInfo::country)},
    {"code", offsetof(API_ProjectNoteInfo, code), sizeof(API_ProjectNoteInfo::code)},
    {"architect", offsetof(API_ProjectNoteInfo, architect), sizeof(API_ProjectNoteInfo::architect)},
    {"draftsmen", offsetof(API_ProjectNoteInfo, draftsmen), sizeof(API_ProjectNoteInfo::draftsmen)},
    {"projectStatus", offsetof(API_ProjectNoteInfo, projectStatus),
     sizeof(API_ProjectNoteInfo::projectStatus)},
    {"dateOfIssue", offsetof(API_ProjectNoteInfo, dateOfIssue), sizeof(API_ProjectNoteInfo::dateOfIssue)},
    {"keywords", offsetof(API_ProjectNoteInfo, keywords), sizeof(API_ProjectNoteInfo::keywords)},
    {"notes", offsetof(API_ProjectNoteInfo, notes), sizeof(API_ProjectNoteInfo::notes)},
};

constexpr Word<API_LibTypeID> kLibTypes[] = {
    {"window", APILib_WindowID}, {"door", APILib_DoorID},    {"object", APILib_ObjectID},
    {"lamp", APILib_LampID},     {"special", APILib_SpecID},
};
constexpr Word<API_PropertyDefinitionType> kDefinitionKinds[] = {
    {"userDefined", API_PropertyCustomDefinitionType},
    {"builtIn", API_PropertyStaticBuiltInDefinitionType},
};
constexpr Word<API_PropertyCollectionType> kCollections[] = {
    {"single", API_PropertySingleCollectionType},
    {"list", API_PropertyListCollectionType},
    {"singleChoice", API_PropertySingleChoiceEnumerationCollectionType},
    {"multipleChoice", API_PropertyMultipleChoiceEnumerationCollectionType},
};
constexpr Word<API_VariantType> kValueTypes[] = {
    {"real", API_PropertyRealValueType},     {"integer", API_PropertyIntegerValueType},
    {"string", API_PropertyStringValueType}, {"boolean", API_PropertyBooleanValueType},
    {"guid", API_PropertyGuidValueType},
};

class ProjectReader {
  public:
    explicit ProjectReader(LoadContext& context) : c_(context) {}

    void Read(const Node& root) {
        root.Expect({"formatVersion", "projectNotes", "autotexts", "classifications", "layers",
                     "buildingMaterials", "composites", "libParts", "stories", "propertyDefinitions",
                     "elements", "selection", "faults"},
                    "a project");
        if (const auto version = root.Find("formatVersion"); version && version->Integer(0, 1000) != 1)
            version->Fail("this host reads format version 1 only");
        Section(root, "projectNotes", &ProjectReader::ReadNotes);
        Section(root, "autotexts", &ProjectReader::ReadAutotexts);
        Section(root, "classifications", &ProjectReader::ReadSystems);
        Section(root, "layers", &ProjectReader::ReadLayers);
        Section(root, "buildingMaterials", &ProjectReader::ReadMaterials);
        Section(root, "composites", &ProjectReader::ReadComposites);
        Section(root, "libParts", &ProjectReader::ReadLibParts);
        Section(root, "stories", &ProjectReader::ReadStories);
        Section(root, "propertyDefinitions", &ProjectReader::ReadPropertyDefinitions);
        Section(root, "elements", &ProjectReader::ReadAllElements);
        Section(root, "selection", &ProjectReader::ReadSelection);
        Section(root, "faults", &ProjectReader::ReadAllFaults);
    }

  private:
    void Section(const Node& root, std::string_view key, void (ProjectReader::*read)(const Node&)) {
        if (const auto section = root.Find(key))
            (this->*read)(*section);
    }

    void ReadNotes(const Node& notes) {
        std::vector<std::string_view> names;
        for (const NoteField& field : kNoteFields)
            names.push_back(field.name);
        notes.Expect(names, "the project notes");
        for (const NoteField& field : kNoteFields) {
            if (const auto text = notes.Find(field.name)) {
                const std::string value = text->FixedBytes(field.capacity);
                char* target = reinterpret_cast<char*>(&c_.project.notes) + field.offset;
                std::memcpy(target, value.c_str(), value.size() + 1);
            }
        }
    }

    void ReadAutotexts(const Node& list) {
        for (const Node& entry : list.Elements()) {
            entry.Expect({"key", "value", "first"}, "an autotext");
            c_.project.autotexts.push_back(
                {Uni(entry.TextOr("first", "")), Uni(entry.At("key").Text()), Uni(entry.At("value").Text())});
        }
    }

    void ReadSystems(const Node& list) {
        for (const Node& entry : list.Elements()) {
            entry.Expect({"guid", "name", "description", "source", "editionVersion", "items"},
                         "a classification system");
            ClassificationSystem system;
            system.system.guid = c_.guids.Register(entry);
            const std::string name = entry.At("name").Text();
            system.system.name = Uni(name);
            system.system.description = Uni(entry.TextOr("description", ""));
            system.system.source = Uni(entry.TextOr("source", ""));
            system.system.editionVersion = Uni(entry.TextOr("editionVersion", ""));
            c_.systems.Add(name, system.system.guid);
            NameTable& items =
                c_.itemsOfSystem.try_emplace(system.system.guid, "item", " in system " + Quote(name))
                    .first->second;
            if (const auto roots = entry.Find("items"))
                system.rootItems = ReadItems(*roots, items);
            c_.project.classificationSystems.push_back(std::move(system));
        }
    }

    std::vector<API_Guid> ReadItems(const Node& list, NameTable& names) {
        std::vector<API_Guid> guids;
        for (const Node& entry : list.Elements()) {
            entry.Expect({"guid", "id", "name", "description", "children"}, "a classification item");
            ClassificationItem item;
            item.item.guid = c_.guids.Register(entry);
            const std::string id = entry.At("id").Text();
            item.item.id = Uni(id);
            item.item.name = Uni(entry.At("name").Text());
            if (const auto description = entry.Find("description"))
                item.item.description = Uni(ReadDescription(*description));
            names.Add(id, item.item.guid);
            if (const auto children = entry.Find("children"))
                item.children = ReadItems(*children, names);
            guids.push_back(item.item.guid);
            c_.project.classificationItems.emplace(item.item.guid, std::move(item));
        }
        return guids;
    }

    // A text as it is, or an array of lines joined by line feeds.
    static std::string ReadDescription(const Node& description) {
        if (!description.IsArray())
            return description.Text();
        std::string text;
        const auto lines = description.Elements();
        for (size_t i = 0; i < lines.size(); ++i)
            text += (i == 0 ? "" : "\n") + lines[i].Text();
        return text;
    }

    void ReadLayers(const Node& list) {
        for (const Node& entry : list.Elements()) {
            const API_AttributeIndex index = c_.layers.Add(entry);
            c_.project.layers[index].name = Uni(entry.Text());
        }
    }

    void ReadMaterials(const Node& list) {
        for (const Node& entry : list.Elements()) {
            entry.Expect({"name", "id", "description", "classifications"}, "a building material");
            BuildingMaterial& material = c_.project.buildingMaterials[c_.materials.Add(entry.At("name"))];
            material.name = Uni(entry.At("name").Text());
            material.id = Uni(entry.TextOr("id", ""));
            material.description = Uni(entry.TextOr("description", ""));
            if (const auto refs = entry.Find("classifications"))
                material.classifications = c_.ReadClassificationRefs(*refs);
        }
    }

    void ReadComposites(const Node& list) {
        for (const Node& entry : list.Elements()) {
            entry.Expect({"name", "skins"}, "a composite");
            Composite& composite = c_.project.composites[c_.composites.Add(entry.At("name"))];
            composite.name = Uni(entry.At("name").Text());
            for (const Node& skin : entry.At("skins").Elements()) {
                skin.Expect({"material", "thickness"}, "a skin");
                composite.skins.push_back(API_CWallComponent{c_.materials.Resolve(skin.At("material")),
                                                             skin.At("thickness").NonNegative(), 0});
            }
        }
    }

    void ReadLibParts(const Node& list) {
        for (const Node& entry : list.Elements()) {
            entry.Expect({"type", "name"}, "a library part");
            LibPart& part = c_.project.libParts[c_.libParts.Add(entry.At("name"))];
            part.typeID = ReadWord(entry.At("type"), kLibTypes);
            part.name = Uni(entry.At("name").FixedUnits(std::extent_v<decltype(API_LibPart::docu_UName)>));
        }
    }

    void ReadStories(const Node& list) {
        for (const Node& entry : list.Elements()) {
            entry.Expect({"index", "name", "level"}, "a story");
            Story story;
            const Node index = entry.At("index");
            story.index = static_cast<short>(index.Integer(-32768, 32767));
            if (!c_.project.stories.empty() && story.index != c_.project.stories.back().index + 1)
                index.Fail("stories must be listed by consecutive index: expected " +
                           std::to_string(c_.project.stories.back().index + 1));
            const std::string name =
                entry.Has("name") ? entry.At("name").FixedUnits(std::extent_v<decltype(API_StoryType::uName)>)
                                  : "";
            story.name = Uni(name);
            story.level = entry.NumberOr("level", 0.0);
            c_.storyNames[name].push_back(story.index);
            c_.project.stories.push_back(std::move(story));
        }
    }

    void ReadPropertyDefinitions(const Node& list) {
        for (const Node& entry : list.Elements()) {
            entry.Expect({"guid", "name", "group", "kind", "collection", "valueType"},
                         "a property definition");
            PropertyDefinition definition;
            definition.guid = c_.guids.Register(entry);
            const std::string name = entry.At("name").Text();
            definition.name = Uni(name);
            definition.groupName = Uni(entry.TextOr("group", ""));
            if (const auto kind = entry.Find("kind"))
                definition.definitionType = ReadWord(*kind, kDefinitionKinds);
            if (const auto collection = entry.Find("collection"))
                definition.collectionType = ReadWord(*collection, kCollections);
            definition.valueType = ReadWord(entry.At("valueType"), kValueTypes);
            c_.propertyDefinitions.Add(name, definition.guid);
            c_.project.propertyDefinitions.push_back(std::move(definition));
        }
    }

    void ReadAllElements(const Node& list) { ReadElements(list, c_); }
    void ReadAllFaults(const Node& section) { ReadFaults(section, c_); }

    void ReadSelection(const Node& list) {
        std::unordered_set<API_Guid> selected;
        for (const Node& entry : list.Elements()) {
            API_Neig neig(c_.elements.Resolve(entry));
            neig.neigID = APINeigOfElemType(c_.elementTypes.at(neig.guid));
            if (!selected.insert(neig.guid).second)
                entry.Fail("the element is already selected");
            c_.project.selection.push_back(neig);
        }
    }

    LoadContext& c_;
};

} // namespace

} // namespace projectfile

namespace {

LoadedProject Load(const std::string& jsonText) {
    const projectfile::Json root = projectfile::ParseProjectJson(jsonText);
    projectfile::LoadContext context;
    projectfile::ProjectReader(context).Read(projectfile::Node(root, ""));
    return {std::move(context.project), std::move(context.elementKeys)};
}

} // namespace

Project LoadProjectText(const std::string& jsonText) {
    return Load(jsonText).project;
}

Project LoadProjectFile(const std::string& path) {
    return LoadProjectFileWithKeys(path).project;
}

LoadedProject LoadProjectFileWithKeys(const std::string& path) {
    return Load(projectfile::ReadFileText(path));
}

} // namespace hostplatform

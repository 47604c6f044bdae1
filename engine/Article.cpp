#include "engine/Article.hpp"

#include "engine/host/HostReads.hpp"
#include "engine/host/HostRecords.hpp"
#include "engine/host/Main.hpp"

namespace {

API_CollisionDetectionSettings ZoneDetectionSettings() {
    API_CollisionDetectionSettings settings;
    settings.volumeTolerance = 0.0001;
    settings.performSurfaceCheck = true;
    settings.surfaceTolerance = 0.0001;
    return settings;
}

void AppendZone(const API_Element& element, GS::Array<GS::UniString>& names,
                GS::Array<GS::UniString>& numbers) {
    if (element.header.type.typeID != API_ZoneID)
        return;
    names.Push(hostaccess::FieldText(element.zone.roomName));
    numbers.Push(hostaccess::FieldText(element.zone.roomNoStr));
}

// The zones that the element collides with, pair by pair in the host's order; a failed host call or an
// unreadable pair adds nothing.
void AppendCollidingZones(const API_Guid& guid, GS::Array<GS::UniString>& names,
                          GS::Array<GS::UniString>& numbers) {
    const auto zones = hostaccess::ReadZones();
    if (!zones)
        return;
    const GS::Array<API_Guid> self{guid};
    GS::Array<GS::Pair<API_Guid, API_Guid>> collisions;
    if (ACAPI_Element_GetCollisions(*zones, self, collisions, ZoneDetectionSettings()) != NoError)
        return;
    for (const GS::Pair<API_Guid, API_Guid>& pair : collisions) {
        API_Element first;
        API_Element second;
        if (!Main::GetElement(pair.first, first) || !Main::GetElement(pair.second, second))
            continue;
        AppendZone(first, names, numbers);
        AppendZone(second, names, numbers);
    }
}

} // namespace

const GS::UniString& Article::NoClassificationMessage() {
    static const GS::UniString text = "Geen classificatie toegekend";
    return text;
}

bool Article::Equals(GS::UniString text) const {
    if (!text.EndsWith("."))
        text += ".";
    return code == text;
}

bool Article::Starts(GS::UniString prefix) const {
    return code.BeginsWith(prefix);
}

bool Article::Ends(GS::UniString suffix) const {
    return code.EndsWith(suffix);
}

bool Article::CompliesToFilter() const {
    return Main::usFilterText.IsEmpty() || elementID.ToLowerCase().Contains(Main::usFilterText);
}

GS::UniString Article::GetQELMtype() const {
    switch (qelmType) {
    case QelmType::kNotSet:
        return GS::UniString();
    case QelmType::kUnresolved:
        return "Type ??";
    default:
        return GS::UniString::Printf("Type %d", static_cast<int>(qelmType));
    }
}

GS::UniString Article::GetStory() const {
    return GS::UniString::Printf("%d", static_cast<int>(storyIndex));
}

GS::UniString Article::GetMaterialDescription() const {
    GS::UniString text = materialId;
    if (!materialId.IsEmpty() && !materialDescription.IsEmpty())
        text += ": ";
    return text + materialDescription;
}

GS::UniString Article::GetInfo() const {
    switch (elemType) {
    case API_WindowID:
    case API_DoorID:
    case API_ObjectID:
        return libPartName;
    default:
        return GetWallType();
    }
}

GS::UniString Article::GetWallType() const {
    switch (wallType) {
    case WallTypeBasic:
        return "Basic";
    case WallTypeComposite:
        return "Composite";
    case WallTypeComplexProfile:
        return "Complex profile";
    default:
        return GS::UniString();
    }
}

void Article::SetThickness(double metres) {
    thickness = metres;
    const double centimetres = Main::Round(metres * 100.0, 1);
    thicknessCm = GS::UniString::Printf("%1.1f", centimetres);
    thicknessCm.ReplaceAll(".", ",");
    if (thicknessCm.EndsWith(",0"))
        thicknessCm = thicknessCm.GetPrefix(thicknessCm.GetLength() - 2);
    thicknessMm = GS::UniString::Printf("%1.0f", Main::Round(centimetres * 10.0, 0));
}

void Article::GetZoneNames() {
    zoneNames.Clear();
    zoneNumbers.Clear();
    if (elemType == API_ZoneID)
        return;

    if (elemType == API_SlabID || elemType == API_MeshID)
        AppendCollidingZones(guid, zoneNames, zoneNumbers);

    const GS::UniString name = Main::GetUserDefinedPropertyString(guid, "Zone naam");
    const GS::UniString number = Main::GetUserDefinedPropertyString(guid, "Zone nummer");
    if (!name.IsEmpty() || !number.IsEmpty()) {
        zoneNames.Push(name);
        zoneNumbers.Push(number);
    }
}

bool Article::propertynameMatches(GS::UniString name) const {
    return Main::StringsMatch(name, propertyName);
}

// Classification systems and items of the stand-in host, and the items of elements and materials.
#include "ACAPinc.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"

#include <algorithm>
#include <vector>

using hostplatform::CurrentProject;
using hostplatform::Faults;
using hostplatform::HostCalls;

namespace {

const hostplatform::ClassificationSystem* FindSystem(const API_Guid& guid) {
    const auto& systems = CurrentProject().classificationSystems;
    const auto found = std::find_if(systems.begin(), systems.end(),
                                    [&](const auto& system) { return system.system.guid == guid; });
    return found == systems.end() ? nullptr : &*found;
}

const hostplatform::ClassificationItem* FindItem(const API_Guid& guid) {
    const auto& items = CurrentProject().classificationItems;
    const auto found = items.find(guid);
    return found == items.end() ? nullptr : &found->second;
}

void PushItems(const std::vector<API_Guid>& guids, GS::Array<API_ClassificationItem>& out) {
    out.Clear();
    for (const API_Guid& guid : guids)
        if (const hostplatform::ClassificationItem* item = FindItem(guid))
            out.Push(item->item);
}

void PushRefs(const std::vector<hostplatform::ClassificationRef>& refs,
              GS::Array<GS::Pair<API_Guid, API_Guid>>& out) {
    out.Clear();
    for (const hostplatform::ClassificationRef& ref : refs)
        out.Push(GS::Pair<API_Guid, API_Guid>(ref.system, ref.item));
}

bool VisibleIn(const std::vector<hostplatform::ClassificationRef>& refs, const API_Guid& item) {
    const auto found =
        std::find_if(refs.begin(), refs.end(), [&](const auto& ref) { return ref.item == item; });
    return found != refs.end() && found->visible;
}

// The material of a building-material header; nullptr for other attribute types or unknown indices.
const hostplatform::BuildingMaterial* FindMaterial(const API_Attr_Head& head) {
    if (head.typeID != API_BuildingMaterialID)
        return nullptr;
    const auto& materials = CurrentProject().buildingMaterials;
    const auto found = materials.find(head.index);
    return found == materials.end() ? nullptr : &found->second;
}

} // namespace

GSErrCode ACAPI_Classification_GetClassificationSystems(GS::Array<API_ClassificationSystem>& systems) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__))
        return *fault;
    systems.Clear();
    for (const hostplatform::ClassificationSystem& system : CurrentProject().classificationSystems)
        systems.Push(system.system);
    return NoError;
}

GSErrCode ACAPI_Classification_GetClassificationSystemRootItems(const API_Guid& systemGuid,
                                                                GS::Array<API_ClassificationItem>& items) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, systemGuid))
        return *fault;
    const hostplatform::ClassificationSystem* system = FindSystem(systemGuid);
    if (system == nullptr)
        return APIERR_BADID;
    PushItems(system->rootItems, items);
    return NoError;
}

GSErrCode ACAPI_Classification_GetClassificationItemChildren(const API_Guid& itemGuid,
                                                             GS::Array<API_ClassificationItem>& children) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, itemGuid))
        return *fault;
    const hostplatform::ClassificationItem* item = FindItem(itemGuid);
    if (item == nullptr)
        return APIERR_BADID;
    PushItems(item->children, children);
    return NoError;
}

GSErrCode ACAPI_Classification_GetClassificationSystem(API_ClassificationSystem& system) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, system.guid))
        return *fault;
    const hostplatform::ClassificationSystem* found = FindSystem(system.guid);
    if (found == nullptr)
        return APIERR_BADID;
    system = found->system;
    return NoError;
}

GSErrCode ACAPI_Classification_GetClassificationItem(API_ClassificationItem& item) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, item.guid))
        return *fault;
    const hostplatform::ClassificationItem* found = FindItem(item.guid);
    if (found == nullptr)
        return APIERR_BADID;
    item = found->item;
    return NoError;
}

GSErrCode ACAPI_Element_GetClassificationItems(const API_Guid& elemGuid,
                                               GS::Array<GS::Pair<API_Guid, API_Guid>>& systemItemPairs) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::Check(__func__, elemGuid))
        return *fault;
    const hostplatform::Element* element = CurrentProject().FindElement(elemGuid);
    if (element == nullptr)
        return APIERR_BADID;
    PushRefs(element->classifications, systemItemPairs);
    return NoError;
}

bool ACAPI_Element_IsClassificationItemVisible(const API_Guid& elemGuid,
                                               const API_Guid& classificationItemGuid) {
    const HostCalls::Call counted(__func__);
    if (Faults::Check(__func__, elemGuid) || Faults::Check(__func__, classificationItemGuid))
        return false;
    const hostplatform::Element* element = CurrentProject().FindElement(elemGuid);
    return element != nullptr && VisibleIn(element->classifications, classificationItemGuid);
}

GSErrCode ACAPI_Attribute_GetClassificationItems(const API_Attr_Head& attrHead,
                                                 GS::Array<GS::Pair<API_Guid, API_Guid>>& systemItemPairs) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::CheckIndex(__func__, attrHead.index))
        return *fault;
    if (attrHead.typeID != API_BuildingMaterialID) {
        systemItemPairs.Clear();
        return NoError;
    }
    const hostplatform::BuildingMaterial* material = FindMaterial(attrHead);
    if (material == nullptr)
        return APIERR_BADINDEX;
    PushRefs(material->classifications, systemItemPairs);
    return NoError;
}

bool ACAPI_Attribute_IsClassificationItemVisible(const API_Attr_Head& attrHead,
                                                 const API_Guid& classificationItemGuid) {
    const HostCalls::Call counted(__func__);
    if (Faults::CheckIndex(__func__, attrHead.index))
        return false;
    const hostplatform::BuildingMaterial* material = FindMaterial(attrHead);
    return material != nullptr && VisibleIn(material->classifications, classificationItemGuid);
}

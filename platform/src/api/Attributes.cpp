// Attributes (layers, composites, building materials) and library parts of the stand-in host.
#include "ACAPinc.hpp"
#include "HostState.hpp"
#include "RecordText.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/HostCalls.hpp"

#include <iterator>

using hostplatform::CurrentProject;
using hostplatform::Faults;
using hostplatform::HostCalls;

namespace {

template <typename Map> const typename Map::mapped_type* Find(const Map& map, API_AttributeIndex index) {
    const auto found = map.find(index);
    return found == map.end() ? nullptr : &found->second;
}

// Fills the attribute's name and its type's part; false when the type has no attribute of that index.
bool FillAttribute(API_Attribute& attribute) {
    const hostplatform::Project& project = CurrentProject();
    const API_AttributeIndex index = attribute.header.index;
    switch (attribute.header.typeID) {
    case API_LayerID:
        if (const auto* layer = Find(project.layers, index)) {
            attribute.header.name = layer->name;
            return true;
        }
        return false;
    case API_CompWallID:
        if (const auto* composite = Find(project.composites, index)) {
            attribute.header.name = composite->name;
            attribute.compWall.nComps = static_cast<short>(composite->skins.size());
            return true;
        }
        return false;
    case API_BuildingMaterialID:
        if (const auto* material = Find(project.buildingMaterials, index)) {
            attribute.header.name = material->name;
            attribute.buildingMaterial.id = material->id;
            attribute.buildingMaterial.description = material->description;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool AttributeExists(API_AttrTypeID typeID, API_AttributeIndex index) {
    API_Attribute probe;
    probe.header.typeID = typeID;
    probe.header.index = index;
    return FillAttribute(probe);
}

API_CWallComponent** SkinHandle(const hostplatform::Composite& composite) {
    const auto size = static_cast<GSSize>(composite.skins.size() * sizeof(API_CWallComponent));
    auto handle = reinterpret_cast<API_CWallComponent**>(BMAllocateHandle(size, ALLOCATE_CLEAR, 0));
    if (handle == nullptr)
        return nullptr;
    for (size_t i = 0; i < composite.skins.size(); ++i)
        (*handle)[i] = composite.skins[i];
    hostplatform::detail::MemoPartHandedOut();
    return handle;
}

} // namespace

GSErrCode ACAPI_Attribute_Get(API_Attribute* attribute) {
    const HostCalls::Call counted(__func__);
    if (attribute == nullptr)
        return APIERR_BADPARS;
    if (const auto fault = Faults::CheckIndex(__func__, attribute->header.index))
        return *fault;
    return FillAttribute(*attribute) ? NoError : APIERR_BADINDEX;
}

GSErrCode ACAPI_Attribute_GetDefExt(API_AttrTypeID typeID, API_AttributeIndex index,
                                    API_AttributeDefExt* defs) {
    const HostCalls::Call counted(__func__);
    if (const auto fault = Faults::CheckIndex(__func__, index))
        return *fault;
    if (defs == nullptr)
        return APIERR_BADPARS;
    if (!AttributeExists(typeID, index))
        return APIERR_BADINDEX;
    *defs = API_AttributeDefExt();
    if (typeID == API_CompWallID)
        defs->cwall_compItems = SkinHandle(CurrentProject().composites.at(index));
    return NoError;
}

GSErrCode ACAPI_DisposeAttrDefsHdlsExt(API_AttributeDefExt* defs) {
    const HostCalls::Call counted(__func__);
    if (defs == nullptr)
        return APIERR_BADPARS;
    if (defs->cwall_compItems != nullptr) {
        auto raw = reinterpret_cast<GSHandle>(defs->cwall_compItems);
        BMKillHandle(&raw);
        defs->cwall_compItems = nullptr;
        hostplatform::detail::MemoPartDisposed();
    }
    return NoError;
}

GSErrCode ACAPI_LibraryPart_Get(API_LibPart* libPart) {
    const HostCalls::Call counted(__func__);
    if (libPart == nullptr)
        return APIERR_BADPARS;
    if (const auto fault = Faults::CheckIndex(__func__, libPart->index))
        return *fault;
    const auto* found = Find(CurrentProject().libParts, libPart->index);
    if (found == nullptr)
        return APIERR_BADINDEX;
    libPart->typeID = found->typeID;
    hostplatform::detail::CopyToUStr(found->name, libPart->docu_UName, std::size(libPart->docu_UName));
    return NoError;
}

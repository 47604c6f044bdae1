#include "engine/host/HostReads.hpp"

#include <algorithm>

namespace hostaccess {

namespace {

// Releases an attribute's extra definitions when it goes out of scope.
class AttributeDefsGuard {
  public:
    AttributeDefsGuard() = default;
    AttributeDefsGuard(const AttributeDefsGuard&) = delete;
    AttributeDefsGuard& operator=(const AttributeDefsGuard&) = delete;
    ~AttributeDefsGuard() { ACAPI_DisposeAttrDefsHdlsExt(&defs); }

    API_AttributeDefExt defs;
};

template <typename Table> Table* ElementTable(const API_Guid& element, Table ElementReads::*table) {
    ElementReads* reads = ReadsOf(element);
    return reads == nullptr ? nullptr : &(reads->*table);
}

// A yes-or-no answer of the host, kept like any other read.
template <typename Key, typename Hash, typename Ask>
bool AskOnce(ReadOnce<Key, bool, Hash>* table, const Key& key, Ask&& ask) {
    bool fresh = false;
    const bool* answer = ReadThrough(table, key, fresh, [&ask](bool& yes) {
        yes = ask();
        return true;
    });
    return *answer;
}

bool ReadSkins(API_AttributeIndex composite, GS::Array<CompositeSkin>& skins) {
    API_Attribute fresh;
    const API_Attribute* attribute = ReadAttribute(API_CompWallID, composite, fresh);
    if (attribute == nullptr)
        return false;
    AttributeDefsGuard guard;
    if (ACAPI_Attribute_GetDefExt(API_CompWallID, composite, &guard.defs) != NoError)
        return false;
    API_CWallComponent** items = guard.defs.cwall_compItems;
    const GSSize bytes = BMGetHandleSize(reinterpret_cast<GSHandle>(items));
    const GS::UIndex fitting = bytes > 0 ? static_cast<GS::UIndex>(bytes) / sizeof(API_CWallComponent) : 0;
    const GS::UIndex declared =
        attribute->compWall.nComps > 0 ? static_cast<GS::UIndex>(attribute->compWall.nComps) : 0;
    const GS::UIndex count = std::min(declared, fitting);
    for (GS::UIndex i = 0; i < count; ++i)
        skins.Push({(*items)[i].buildingMaterial, (*items)[i].fillThick});
    return true;
}

// Keeps the values of the definitions, asked for in one request with every other definition of the element
// read so far, so that the element's later look-ups need no request. When that fails, only the wanted ones
// are asked for: a definition the host cannot answer fails no other.
bool RequestValues(const API_Guid& element, ElementReads& reads, const GS::Array<API_Guid>& wanted) {
    GS::Array<API_Guid> asked = wanted;
    reads.definitions.ForEach([&](const GS::Array<API_PropertyDefinition>& definitions) {
        for (const API_PropertyDefinition& definition : definitions) {
            if (!reads.values.Holds(definition.guid) && !asked.Contains(definition.guid))
                asked.Push(definition.guid);
        }
    });
    GS::Array<API_Property> answered;
    if (ACAPI_Element_GetPropertyValuesByGuid(element, asked, answered) != NoError) {
        if (asked.GetSize() == wanted.GetSize() ||
            ACAPI_Element_GetPropertyValuesByGuid(element, wanted, answered) != NoError)
            return false;
        asked = wanted;
    }
    for (GS::UIndex i = 0; i < answered.GetSize() && i < asked.GetSize(); ++i)
        reads.values.Keep(asked[i], answered[i]);
    return true;
}

} // namespace

const API_ElementMemo* ReadMemo(const API_Guid& guid, ScopedMemo& fresh) {
    constexpr UInt64 usedParts = APIMemoMask_ElemInfoString | APIMemoMask_AddPars | APIMemoMask_BeamSegment |
                                 APIMemoMask_ColumnSegment;
    const ScopedMemo* memo = ReadThrough(ElementTable(guid, &ElementReads::memo), fresh,
                                         [&guid](ScopedMemo& read) { return read.Read(guid, usedParts); });
    return memo == nullptr ? nullptr : &**memo;
}

// ---- Properties ----

const GS::Array<API_PropertyDefinition>* ReadDefinitions(const API_Guid& element,
                                                         API_PropertyDefinitionFilter filter,
                                                         GS::Array<API_PropertyDefinition>& fresh) {
    return ReadThrough(ElementTable(element, &ElementReads::definitions), filter, fresh,
                       [&](GS::Array<API_PropertyDefinition>& definitions) {
                           return ACAPI_Element_GetPropertyDefinitions(element, filter, definitions) ==
                                  NoError;
                       });
}

bool IsDefinitionVisible(const API_Guid& element, const API_Guid& definition) {
    return AskOnce(ElementTable(element, &ElementReads::definitionVisible), definition,
                   [&] { return ACAPI_Element_IsPropertyDefinitionVisible(element, definition); });
}

bool ReadValues(const API_Guid& element, const GS::Array<API_Guid>& definitions,
                GS::Array<API_Property>& values) {
    values.Clear();
    ElementReads* reads = ReadsOf(element);
    if (reads == nullptr)
        return ACAPI_Element_GetPropertyValuesByGuid(element, definitions, values) == NoError;
    GS::Array<API_Guid> missing;
    for (const API_Guid& definition : definitions) {
        if (!reads->values.Holds(definition))
            missing.Push(definition);
    }
    if (!missing.IsEmpty() && !RequestValues(element, *reads, missing))
        return false;
    // A short answer names no more.
    for (const API_Guid& definition : definitions) {
        const API_Property* value = reads->values.Get(definition, [](API_Property&) { return false; });
        if (value == nullptr)
            break;
        values.Push(*value);
    }
    return true;
}

const API_Property* ReadValue(const API_Guid& element, const API_Guid& definition, API_Property& fresh) {
    GS::Array<API_Property> values;
    if (!ReadValues(element, {definition}, values) || values.IsEmpty())
        return nullptr;
    fresh = values[0];
    return &fresh;
}

const GS::UniString* ReadValueText(const API_Guid& element, const API_Property& property,
                                   GS::UniString& fresh) {
    return ReadThrough(ElementTable(element, &ElementReads::valueTexts), property.definition.guid, fresh,
                       [&property](GS::UniString& text) {
                           return ACAPI_Property_GetPropertyValueString(property, &text) == NoError;
                       });
}

// ---- Classification ----

const ClassificationPairs* ReadElementItems(const API_Guid& element, ClassificationPairs& fresh) {
    return ReadThrough(ElementTable(element, &ElementReads::classificationItems), fresh,
                       [&element](ClassificationPairs& pairs) {
                           return ACAPI_Element_GetClassificationItems(element, pairs) == NoError;
                       });
}

bool IsElementItemVisible(const API_Guid& element, const API_Guid& item) {
    return AskOnce(ElementTable(element, &ElementReads::itemVisible), item,
                   [&] { return ACAPI_Element_IsClassificationItemVisible(element, item); });
}

const ClassificationPairs* ReadMaterialItems(const API_Attr_Head& material, ClassificationPairs& fresh) {
    return ReadThrough(CacheTable(&TakeoffCache::materialItems), material.index, fresh,
                       [&material](ClassificationPairs& pairs) {
                           return ACAPI_Attribute_GetClassificationItems(material, pairs) == NoError;
                       });
}

bool IsMaterialItemVisible(const API_Attr_Head& material, const API_Guid& item) {
    return AskOnce(CacheTable(&TakeoffCache::materialItemVisible), TypedKey<API_Guid>{material.index, item},
                   [&] { return ACAPI_Attribute_IsClassificationItemVisible(material, item); });
}

const API_ClassificationSystem* ReadSystem(const API_Guid& guid, API_ClassificationSystem& fresh) {
    return ReadThrough(CacheTable(&TakeoffCache::systems), guid, fresh,
                       [&guid](API_ClassificationSystem& system) {
                           system = API_ClassificationSystem{};
                           system.guid = guid;
                           return ACAPI_Classification_GetClassificationSystem(system) == NoError;
                       });
}

const API_ClassificationItem* ReadItem(const API_Guid& guid, API_ClassificationItem& fresh) {
    return ReadThrough(CacheTable(&TakeoffCache::items), guid, fresh, [&guid](API_ClassificationItem& item) {
        item = API_ClassificationItem{};
        item.guid = guid;
        return ACAPI_Classification_GetClassificationItem(item) == NoError;
    });
}

// ---- Project data ----

const API_Attribute* ReadAttribute(API_AttrTypeID type, API_AttributeIndex index, API_Attribute& fresh) {
    return ReadThrough(CacheTable(&TakeoffCache::attributes), TypedKey<Int32>{type, index}, fresh,
                       [type, index](API_Attribute& attribute) {
                           attribute = API_Attribute{};
                           attribute.header.typeID = type;
                           attribute.header.index = index;
                           return ACAPI_Attribute_Get(&attribute) == NoError;
                       });
}

const GS::Array<CompositeSkin>* ReadCompositeSkins(API_AttributeIndex composite,
                                                   GS::Array<CompositeSkin>& fresh) {
    return ReadThrough(CacheTable(&TakeoffCache::compositeSkins), composite, fresh,
                       [composite](GS::Array<CompositeSkin>& skins) {
                           skins.Clear();
                           return ReadSkins(composite, skins);
                       });
}

const GS::Array<API_Guid>* ReadZones(GS::Array<API_Guid>& fresh) {
    return ReadThrough(CacheTable(&TakeoffCache::zones), fresh, [](GS::Array<API_Guid>& zones) {
        return ACAPI_Element_GetElemList(API_ZoneID, &zones, 0, APINULLGuid) == NoError;
    });
}

} // namespace hostaccess

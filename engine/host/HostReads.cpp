#include "engine/host/HostReads.hpp"

#include <algorithm>
#include <cstring>

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

// The answer from the active cache's table (asking the host only the first time), or, outside a take-off,
// read now.
template <typename Value, typename Read> Answer<Value> ReadThrough(Once<Value>* once, Read&& read) {
    if (once != nullptr)
        return Answer<Value>(once->Get(read));
    return Answer<Value>(std::in_place, read);
}

template <typename Key, typename Value, typename Hash, typename Read>
Answer<Value> ReadThrough(ReadOnce<Key, Value, Hash>* table, const Key& key, Read&& read) {
    if (table != nullptr)
        return Answer<Value>(table->Get(key, read));
    return Answer<Value>(std::in_place, read);
}

// The table of the active cache, or nullptr outside a take-off.
template <typename Table> Table* CacheTable(Table TakeoffCache::*table) {
    TakeoffCache* cache = TakeoffCache::Active();
    return cache == nullptr ? nullptr : &(cache->*table);
}

template <typename Table> Table* ElementTable(const API_Guid& element, Table ElementReads::*table) {
    ElementReads* reads = ReadsOf(element);
    return reads == nullptr ? nullptr : &(reads->*table);
}

// A yes-or-no answer of the host, kept like any other read.
template <typename Key, typename Hash, typename Ask>
bool AskOnce(ReadOnce<Key, bool, Hash>* table, const Key& key, Ask&& ask) {
    return *ReadThrough(table, key, [&ask](bool& yes) {
        yes = ask();
        return true;
    });
}

bool ReadSkins(API_AttributeIndex composite, GS::Array<CompositeSkin>& skins) {
    const Answer<API_Attribute> attribute = ReadAttribute(API_CompWallID, composite);
    if (!attribute)
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

bool ReadStoryTable(StoryTable& table) {
    API_StoryInfo info{};
    const GSErrCode err = ACAPI_ProjectSetting_GetStorySettings(&info, 0);
    const ScopedHandle<API_StoryType> stories(info.data);
    if (err != NoError)
        return false;
    table.firstStory = info.firstStory;
    for (std::size_t i = 0; i < stories.Count(); ++i)
        table.names.Push(FieldText(stories[i].uName));
    return true;
}

// A buffer the request writes into, emptied (an array also gives up its storage); none when not asked for.
template <typename Buffer> void Empty(Buffer* buffer) {
    if (buffer != nullptr)
        *buffer = Buffer();
}

void EmptyQuantities(const API_Quantities& quantities) {
    Empty(quantities.elements);
    Empty(quantities.composites);
    Empty(quantities.elemPartQuantities);
    Empty(quantities.elemPartComposites);
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

// Asks for those of the definitions whose values the element's reads do not hold yet; false when that
// request fails.
bool RequestMissing(const API_Guid& element, ElementReads& reads, const GS::Array<API_Guid>& definitions) {
    GS::Array<API_Guid> missing;
    for (const API_Guid& definition : definitions) {
        if (!reads.values.Holds(definition))
            missing.Push(definition);
    }
    return missing.IsEmpty() || RequestValues(element, reads, missing);
}

// A value the request left out: it stays unanswered.
const API_Property* KeptValue(ElementReads& reads, const API_Guid& definition) {
    return reads.values.Get(definition, [](API_Property&) { return false; });
}

} // namespace

// ---- Elements ----

Answer<API_Element> ReadElement(const API_Guid& guid) {
    return ReadThrough(ElementTable(guid, &ElementReads::record), [&guid](API_Element& record) {
        record = API_Element{};
        record.header.guid = guid;
        return ACAPI_Element_Get(&record, 0) == NoError;
    });
}

Answer<ScopedMemo> ReadMemo(const API_Guid& guid) {
    constexpr UInt64 usedParts = APIMemoMask_ElemInfoString | APIMemoMask_AddPars | APIMemoMask_BeamSegment |
                                 APIMemoMask_ColumnSegment;
    return ReadThrough(ElementTable(guid, &ElementReads::memo),
                       [&guid](ScopedMemo& read) { return read.Read(guid, usedParts); });
}

bool ReadQuantities(const API_Guid& guid, const API_QuantityPar& params, API_Quantities& quantities) {
    TakeoffCache* cache = TakeoffCache::Active();
    bool result = false;
    if (cache != nullptr && cache->HoldsQuantitiesOf(guid, result))
        return result;
    EmptyQuantities(quantities);
    API_QuantitiesMask mask;
    std::memset(&mask, 0xFF, sizeof mask);
    result = ACAPI_Element_GetQuantities(guid, &params, &quantities, &mask) == NoError;
    if (!result)
        EmptyQuantities(quantities);
    if (cache != nullptr)
        cache->QuantitiesFetched(guid, result);
    return result;
}

// ---- Properties ----

Answer<GS::Array<API_PropertyDefinition>> ReadDefinitions(const API_Guid& element,
                                                          API_PropertyDefinitionFilter filter) {
    return ReadThrough(ElementTable(element, &ElementReads::definitions), filter,
                       [&](GS::Array<API_PropertyDefinition>& definitions) {
                           return ACAPI_Element_GetPropertyDefinitions(element, filter, definitions) ==
                                  NoError;
                       });
}

bool IsDefinitionVisible(const API_Guid& element, const API_Guid& definition) {
    return AskOnce(ElementTable(element, &ElementReads::definitionVisible), definition,
                   [&] { return ACAPI_Element_IsPropertyDefinitionVisible(element, definition); });
}

Answer<GS::Array<API_Property>> ReadValues(const API_Guid& element, const GS::Array<API_Guid>& definitions) {
    return Answer<GS::Array<API_Property>>(std::in_place, [&](GS::Array<API_Property>& values) {
        ElementReads* reads = ReadsOf(element);
        if (reads == nullptr)
            return ACAPI_Element_GetPropertyValuesByGuid(element, definitions, values) == NoError;
        if (!RequestMissing(element, *reads, definitions))
            return false;
        // A short answer names no more.
        for (const API_Guid& definition : definitions) {
            const API_Property* value = KeptValue(*reads, definition);
            if (value == nullptr)
                break;
            values.Push(*value);
        }
        return true;
    });
}

Answer<API_Property> ReadValue(const API_Guid& element, const API_Guid& definition) {
    ElementReads* reads = ReadsOf(element);
    if (reads != nullptr)
        return Answer<API_Property>(
            RequestMissing(element, *reads, {definition}) ? KeptValue(*reads, definition) : nullptr);
    return Answer<API_Property>(std::in_place, [&](API_Property& value) {
        GS::Array<API_Property> values;
        if (ACAPI_Element_GetPropertyValuesByGuid(element, {definition}, values) != NoError ||
            values.IsEmpty())
            return false;
        value = values[0];
        return true;
    });
}

Answer<GS::UniString> ReadValueText(const API_Guid& element, const API_Property& property) {
    return ReadThrough(ElementTable(element, &ElementReads::valueTexts), property.definition.guid,
                       [&property](GS::UniString& text) {
                           return ACAPI_Property_GetPropertyValueString(property, &text) == NoError;
                       });
}

// ---- Classification ----

Answer<ClassificationPairs> ReadElementItems(const API_Guid& element) {
    return ReadThrough(ElementTable(element, &ElementReads::classificationItems),
                       [&element](ClassificationPairs& pairs) {
                           return ACAPI_Element_GetClassificationItems(element, pairs) == NoError;
                       });
}

bool IsElementItemVisible(const API_Guid& element, const API_Guid& item) {
    return AskOnce(ElementTable(element, &ElementReads::itemVisible), item,
                   [&] { return ACAPI_Element_IsClassificationItemVisible(element, item); });
}

Answer<ClassificationPairs> ReadMaterialItems(const API_Attr_Head& material) {
    return ReadThrough(CacheTable(&TakeoffCache::materialItems), material.index,
                       [&material](ClassificationPairs& pairs) {
                           return ACAPI_Attribute_GetClassificationItems(material, pairs) == NoError;
                       });
}

bool IsMaterialItemVisible(const API_Attr_Head& material, const API_Guid& item) {
    return AskOnce(CacheTable(&TakeoffCache::materialItemVisible), TypedKey<API_Guid>{material.index, item},
                   [&] { return ACAPI_Attribute_IsClassificationItemVisible(material, item); });
}

Answer<API_ClassificationSystem> ReadSystem(const API_Guid& guid) {
    return ReadThrough(CacheTable(&TakeoffCache::systems), guid, [&guid](API_ClassificationSystem& system) {
        system = API_ClassificationSystem{};
        system.guid = guid;
        return ACAPI_Classification_GetClassificationSystem(system) == NoError;
    });
}

Answer<API_ClassificationItem> ReadItem(const API_Guid& guid) {
    return ReadThrough(CacheTable(&TakeoffCache::items), guid, [&guid](API_ClassificationItem& item) {
        item = API_ClassificationItem{};
        item.guid = guid;
        return ACAPI_Classification_GetClassificationItem(item) == NoError;
    });
}

// ---- Project data ----

Answer<API_Attribute> ReadAttribute(API_AttrTypeID type, API_AttributeIndex index) {
    return ReadThrough(CacheTable(&TakeoffCache::attributes), TypedKey<Int32>{type, index},
                       [type, index](API_Attribute& attribute) {
                           attribute = API_Attribute{};
                           attribute.header.typeID = type;
                           attribute.header.index = index;
                           return ACAPI_Attribute_Get(&attribute) == NoError;
                       });
}

Answer<GS::Array<CompositeSkin>> ReadCompositeSkins(API_AttributeIndex composite) {
    return ReadThrough(CacheTable(&TakeoffCache::compositeSkins), composite,
                       [composite](GS::Array<CompositeSkin>& skins) {
                           skins.Clear();
                           return ReadSkins(composite, skins);
                       });
}

Answer<API_LibPart> ReadLibPart(API_LibTypeID type, Int32 index) {
    return ReadThrough(CacheTable(&TakeoffCache::libParts), TypedKey<Int32>{type, index},
                       [type, index](API_LibPart& libPart) {
                           libPart = API_LibPart{};
                           libPart.typeID = type;
                           libPart.index = index;
                           return ACAPI_LibraryPart_Get(&libPart) == NoError;
                       });
}

Answer<StoryTable> ReadStories() {
    return ReadThrough(CacheTable(&TakeoffCache::stories), ReadStoryTable);
}

Answer<GS::Array<API_Guid>> ReadZones() {
    return ReadThrough(CacheTable(&TakeoffCache::zones), [](GS::Array<API_Guid>& zones) {
        return ACAPI_Element_GetElemList(API_ZoneID, &zones, 0, APINULLGuid) == NoError;
    });
}

} // namespace hostaccess

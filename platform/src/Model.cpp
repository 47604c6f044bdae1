#include "hostplatform/Model.hpp"

#include <unordered_set>
#include <utility>

namespace hostplatform {

namespace {

// The guid at a position of the element list, for the index.
auto GuidAtIn(const std::vector<Element>& elements) {
    return [&elements](size_t position) -> const API_Guid& { return elements[position].record.header.guid; };
}

struct GuidPairHash {
    size_t operator()(const std::pair<API_Guid, API_Guid>& pair) const noexcept {
        return std::hash<API_Guid>()(pair.first) * 31 + std::hash<API_Guid>()(pair.second);
    }
};

} // namespace

Element* Project::FindElement(const API_Guid& guid) {
    const auto found = elementIndex.Find(guid, GuidAtIn(elements));
    return found ? &elements[*found] : nullptr;
}

const Element* Project::FindElement(const API_Guid& guid) const {
    const auto found = elementIndex.Find(guid, GuidAtIn(elements));
    return found ? &elements[*found] : nullptr;
}

const PropertyDefinition* Project::FindPropertyDefinition(const API_Guid& guid) const {
    // Definitions are only ever appended, so indexing the new tail keeps the index whole.
    if (indexedDefinitions_ > propertyDefinitions.size()) {
        definitionIndex_.clear();
        indexedDefinitions_ = 0;
    }
    for (; indexedDefinitions_ < propertyDefinitions.size(); ++indexedDefinitions_)
        definitionIndex_.try_emplace(propertyDefinitions[indexedDefinitions_].guid, indexedDefinitions_);
    const auto found = definitionIndex_.find(guid);
    return found == definitionIndex_.end() ? nullptr : &propertyDefinitions[found->second];
}

bool Project::AddElement(Element element) {
    const API_Guid guid = element.record.header.guid;
    if (!elementIndex.Insert(guid, elements.size(), GuidAtIn(elements)))
        return false;
    elements.push_back(std::move(element));
    return true;
}

const std::vector<API_Guid>& Project::ElementsOfType(API_ElemTypeID type) const {
    if (indexedElements_ > elements.size()) {
        typeIndex_.clear();
        indexedElements_ = 0;
    }
    for (; indexedElements_ < elements.size(); ++indexedElements_) {
        const API_Elem_Head& header = elements[indexedElements_].record.header;
        typeIndex_[header.type.typeID].push_back(header.guid);
    }
    return typeIndex_[type];
}

void Project::MakeCollisionsMutual() {
    // The pairs listed so far, so that no partner's list is scanned however many elements share it.
    std::unordered_set<std::pair<API_Guid, API_Guid>, GuidPairHash> listed;
    for (const Element& element : elements)
        for (const API_Guid& other : element.collisions)
            listed.emplace(element.record.header.guid, other);
    for (const Element& element : elements) {
        const API_Guid& guid = element.record.header.guid;
        for (const API_Guid& other : element.collisions) {
            Element* partner = FindElement(other);
            if (partner != nullptr && listed.emplace(other, guid).second)
                partner->collisions.push_back(guid);
        }
    }
}

} // namespace hostplatform

#include "Summary.hpp"

#include "hostplatform/ProjectLoader.hpp"

namespace qelmhost {

namespace {

size_t CountItems(const hostplatform::Project& project, const std::vector<API_Guid>& items) {
    size_t count = items.size();
    for (const API_Guid& guid : items) {
        const auto found = project.classificationItems.find(guid);
        if (found != project.classificationItems.end())
            count += CountItems(project, found->second.children);
    }
    return count;
}

void PrintElements(const hostplatform::Project& project, std::ostream& out) {
    out << "elements: " << project.elements.size() << "\n";
    for (const hostplatform::ElementTypeName& type : hostplatform::ElementTypeNames()) {
        size_t count = 0;
        for (const hostplatform::Element& element : project.elements)
            count += element.record.header.type.typeID == type.type ? 1 : 0;
        if (count != 0)
            out << "  " << type.name << ": " << count << "\n";
    }
}

} // namespace

void PrintSummary(const hostplatform::Project& project, std::ostream& out) {
    PrintElements(project, out);
    out << "classification systems: " << project.classificationSystems.size() << "\n";
    for (const hostplatform::ClassificationSystem& system : project.classificationSystems)
        out << "  " << system.system.name.ToUtf8() << ": " << CountItems(project, system.rootItems)
            << " items\n";
    out << "stories: " << project.stories.size() << "\n";
    for (const hostplatform::Story& story : project.stories)
        out << "  " << story.index << ": " << story.name.ToUtf8() << "\n";
    out << "layers: " << project.layers.size() << "\n";
}

} // namespace qelmhost

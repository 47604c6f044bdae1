// The stand-in host's file type manager over the session's registry of file types.
#include "FileTypeRegistry.hpp"

namespace FTM {

namespace {

GS::UniString Text(const char* text) {
    return GS::UniString(text);
}

bool SameType(const FileType& a, const FileType& b) {
    return a.GetExtension().ToLowerCase() == b.GetExtension().ToLowerCase() &&
           a.GetMacType() == b.GetMacType();
}

} // namespace

FileType::FileType(const char* description, const char* extension, UInt32 macType, UInt32 macCreator,
                   const void*, const char* mimeType, bool listed)
    : description_(Text(description)), extension_(Text(extension)), macType_(macType),
      macCreator_(macCreator), mimeType_(Text(mimeType)), listed_(listed) {}

FileTypeManager::FileTypeManager(const char* name) : name_(Text(name)) {}

TypeID FileTypeManager::SearchForType(const FileType& type, GroupID group) const {
    for (const auto& registered : hostplatform::detail::FileTypeRegistry())
        if ((group == RootGroup || registered.group == group) && SameType(registered.type, type))
            return registered.id;
    return UnknownType;
}

TypeID FileTypeManager::AddType(const FileType& type, GroupID group) {
    if (type.GetExtension().IsEmpty())
        return UnknownType;
    if (const TypeID known = SearchForType(type, group); known != UnknownType)
        return known;
    auto& registry = hostplatform::detail::FileTypeRegistry();
    const auto id = static_cast<TypeID>(registry.size() + 1);
    registry.push_back(hostplatform::detail::RegisteredFileType{id, group, name_, type});
    return id;
}

} // namespace FTM

// The stand-in host's file type manager: file types known to the host, which the file dialogs use as
// filters. The host keeps one registry for the whole session; a manager is the add-on's handle on it.
#pragma once

#include "GS.hpp"

namespace FTM {

using TypeID = Int32;
using GroupID = Int32;

constexpr TypeID UnknownType = 0;
constexpr GroupID RootGroup = 1;

// A file type: a description and an extension (without the dot) and fields the stand-in only keeps.
// Null texts count as empty.
class FileType {
  public:
    FileType(const char* description, const char* extension, UInt32 macType, UInt32 macCreator,
             const void* detector, const char* mimeType, bool listed);

    const GS::UniString& GetDescription() const { return description_; }
    const GS::UniString& GetExtension() const { return extension_; }
    UInt32 GetMacType() const { return macType_; }
    UInt32 GetMacCreator() const { return macCreator_; }
    const GS::UniString& GetMimeType() const { return mimeType_; }
    bool IsListed() const { return listed_; }

  private:
    GS::UniString description_;
    GS::UniString extension_;
    UInt32 macType_;
    UInt32 macCreator_;
    GS::UniString mimeType_;
    bool listed_;
};

class FileTypeManager {
  public:
    explicit FileTypeManager(const char* name);

    // The id of the registered type with the same extension (compared ignoring case) and Mac type, in
    // the group (RootGroup: in any group); UnknownType when there is none.
    TypeID SearchForType(const FileType& type, GroupID group = RootGroup) const;
    // Registers the type in the group and gives its id (from 1); a type found by SearchForType keeps
    // its id. UnknownType for a type without extension.
    TypeID AddType(const FileType& type, GroupID group = RootGroup);

  private:
    GS::UniString name_;
};

} // namespace FTM

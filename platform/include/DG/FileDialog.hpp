// The save-file and folder dialogs of the stand-in host. Invoke takes the next answer that the host
// program or a test queued (hostplatform::AnswerNextSaveDialog ...); with none queued the user
// cancels. Every Invoke is recorded (hostplatform::FileDialogs).
#pragma once

#include "FTM.hpp"
#include "GS.hpp"
#include "IO.hpp"

#include <vector>

namespace DG {

class FileDialog {
  public:
    enum Type : Int32 { Save = 4 };

    // Only save dialogs can be answered; Invoke of any other type records it and cancels.
    explicit FileDialog(Int32 type);

    // Adds a filter of a registered file type and gives its index (0 first); its text starts as the
    // type's description. GS::MaxUIndex for an unknown type. displayFlags is kept only.
    GS::UIndex AddFilter(FTM::TypeID type, Int32 displayFlags = 1);
    // False for a missing filter.
    bool SetFilterText(GS::UIndex filter, const GS::UniString& text);
    bool SelectFilter(GS::UIndex filter);
    // True when the user confirmed a file.
    bool Invoke();
    // The chosen file (index 0); an empty location before a confirmed Invoke or for another index.
    IO::Location GetSelectedFile(GS::UIndex index = 0) const;
    // The selected filter: the pre-selected one, or the user's choice after a confirmed Invoke.
    GS::UIndex GetSelectedFilter() const { return selectedFilter_; }

  private:
    struct Filter {
        FTM::TypeID type;
        GS::UniString text;
        GS::UniString extension;
    };

    Int32 type_;
    std::vector<Filter> filters_;
    GS::UIndex selectedFilter_ = 0;
    IO::Location selectedFile_;
};

class FolderDialog {
  public:
    void SetTitle(const GS::UniString& title) { title_ = title; }
    void SetFolder(const IO::Location& folder) { folder_ = folder; }
    // True when the user confirmed a folder.
    bool Invoke();
    // The chosen folder after a confirmed Invoke, else the start folder.
    IO::Location GetFolder() const { return folder_; }

  private:
    GS::UniString title_;
    IO::Location folder_;
};

} // namespace DG

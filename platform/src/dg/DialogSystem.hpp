// The dialog framework's state behind DG.hpp and hostplatform/Dialogs.hpp; shared by src/dg only.
#pragma once

#include "hostplatform/Dialogs.hpp"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace hostplatform::detail {

struct DialogAnswer {
    bool confirm = false;
    std::string path;
    Int32 filter = -1;
};

struct DialogSystem {
    std::map<short, DialogLayout> layouts;
    std::map<short, DialogState> dialogs;
    Focus focus;
    std::deque<DialogAnswer> saveAnswers;
    std::deque<DialogAnswer> folderAnswers;
    std::vector<FileDialogRecord> fileDialogs;
    std::vector<std::string> errors;
    std::function<void(short)> modalUser;
    std::map<short, short> closedBy; // the item that closed each dialog id last
};

DialogSystem& Dialogs();
void RecordError(const char* call, const std::string& what);

// Lookups for the framework's calls: nullptr, with the error recorded, when missing.
DialogState* OpenDialog(short dialId, const char* call);
ItemState* DialogItem(short dialId, short item, const char* call);
ListState* DialogList(short dialId, short item, const char* call);
// The row at pos (-1: the last), nullptr when missing; records nothing.
ListRow* RowAt(ListState& list, short pos);

// Sends a message to the dialog's callback; 0 when the dialog is not open.
short Deliver(short dialId, short message, short item, DGMessageData data);
// Sends DG_MSG_CLOSE with item and removes the dialog; nothing when it is not open or closing.
void CloseDialog(short dialId, short item);

} // namespace hostplatform::detail

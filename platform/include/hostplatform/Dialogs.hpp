// The stand-in host's side of the dialog framework and the file library: dialog layouts (the
// add-on's resources), the state of open dialogs to read and print, the user's actions on them, the
// answers to the next file and folder dialogs, and what the file library recorded.
#pragma once

#include "DG.hpp"

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hostplatform {

// ---- Layouts ----
enum class DialogItemType { Button, Text, EditText, ListBox, Icon, TabControl };
// Names as in the resource file: "button", "text", "editText", "listBox", "icon", "tabControl".
std::optional<DialogItemType> DialogItemTypeFromName(std::string_view name);
const char* DialogItemTypeName(DialogItemType type);

struct DialogItemLayout {
    short id = 0;
    DialogItemType type = DialogItemType::Text;
    std::string text; // UTF-8, like every text here
    bool visible = true;
    bool enabled = true;
    short fontFlags = 0;
    short left = 0;
    short top = 0;
    short width = 0;
    short height = 0;
    std::string anchor;       // help anchor text
    bool multiSelect = false; // list boxes: several rows may be selected
};
struct DialogLayout {
    short id = 0;
    std::string title;
    short width = 0;
    short height = 0;
    std::vector<DialogItemLayout> items;
};
// Registers the layout under its id, replacing one of the same id; dialogs opened later use it.
void RegisterDialogLayout(DialogLayout layout);

// ---- State of the open dialogs ----
struct ListTabField {
    short begin = 0;
    short end = 0;
    short justification = 0;
    short truncation = 0;
    bool separator = false;
    bool enabled = true;
    std::string header;
    short headerFlags = 0;
    bool headerEnabled = false;
};
struct ListRow {
    std::map<short, std::string> texts; // by tab field
    std::map<short, short> icons;       // icon id by tab field
    DGUserData userData = 0;
    short style = 0;
    std::optional<std::array<unsigned short, 3>> background; // red, green, blue
    bool selected = false;

    std::string Text(short tab) const; // "" when none
    short Icon(short tab) const;       // 0 when none
};
struct ListState {
    std::vector<ListTabField> tabs; // tab field n at [n - 1]
    std::vector<ListRow> rows;      // row n at [n - 1]
    short helpStyle = 0;
    short scrollPosition = 1;
    Int32 drawDisabled = 0; // DisableDraw calls not yet matched by EnableDraw
    Int32 redraws = 0;      // times drawing came back on
    bool multiSelect = false;

    std::vector<short> SelectedRows() const;
};
struct ItemState {
    short id = 0;
    DialogItemType type = DialogItemType::Text;
    std::string text;
    bool visible = true;
    bool enabled = true;
    short fontFlags = 0;
    short left = 0;
    short top = 0;
    short width = 0;
    short height = 0;
    std::string anchor;
    std::optional<ListState> list; // list boxes only
};
struct HotKey {
    short id = 0;
    short modifiers = 0;
    short key = 0;
};
struct DialogState {
    short id = 0;
    bool modeless = true;
    std::string title;
    short zPosition = 0;
    short width = 0;
    short height = 0;
    std::map<short, ItemState> items;
    std::vector<HotKey> hotKeys;
    std::map<short, short> enabledMessages; // message -> interval
    Int32 moveGrowDepth = 0;                // Begin calls not yet matched by End
    Int32 moveGrowRounds = 0;               // completed Begin ... End rounds
    DGDialCallBack callback = nullptr;
    DGUserData userData = 0;
    bool closing = false; // between DG_MSG_CLOSE and its removal
};

// The open dialog of that id, nullptr when none; valid until the dialog closes.
const DialogState* FindDialog(short dialogId);
std::vector<short> OpenDialogIds();
// The list state of a list box of an open dialog, nullptr when there is none.
const ListState* FindList(short dialogId, short item);
struct Focus {
    short dialogId = 0;
    short item = 0;
};
Focus CurrentFocus();

// Calls that addressed a dialog that is not open, an item it lacks, a missing row or tab field, or that
// gave a bad answer: one line each, "call: what".
std::vector<std::string>& DialogErrors();

// ---- The user's actions ----
// Each gives the callback's result, or nothing when no message was sent: the dialog is not open, the
// item is missing, hidden or disabled (or of the wrong kind), or no hot key matches.
// A click with a non-zero result closes the dialog (DG_MSG_CLOSE with that item).
std::optional<short> ClickItem(short dialogId, short item); // DG_CLOSEBOX: the close box
// Selects the row (extend: adds it, in a multi-select list) and sends a click at x in the list.
std::optional<short> ClickListRow(short dialogId, short item, short row, short x, bool extend = false);
// Selects the row and sends a double click.
std::optional<short> DoubleClickListRow(short dialogId, short item, short row);
// Focuses an edit text, replaces its text and sends DG_MSG_CHANGE.
std::optional<short> TypeText(short dialogId, short item, const std::string& text);
// Sends the hot key registered for key and modifiers in that dialog.
std::optional<short> PressKey(short dialogId, short key, short modifiers = 0);
// Grows the dialog by (h, v) and sends DG_MSG_GROW.
std::optional<short> ResizeDialog(short dialogId, short h, short v);
// Hovers a row of a list with help style 1 (a row outside the list is sent as 0): the text, when the
// callback answered 1.
std::optional<std::string> HoverListRow(short dialogId, short item, short row);
// Sends DG_MSG_IDLE to every open dialog that enabled it, in id order.
void SendIdle();
// Acts as the user of each modal dialog, after its DG_MSG_INIT; the dialog closes when it returns.
void SetModalUser(std::function<void(short dialogId)> user);

// ---- File and folder dialogs ----
struct FileDialogRecord {
    enum class Kind { Save, Folder };
    Kind kind = Kind::Save;
    Int32 type = 0; // the file dialog's type
    std::string title;
    std::vector<std::pair<std::string, std::string>> filters; // (text, extension)
    Int32 preselectedFilter = -1;                             // selected when Invoke ran
    std::string startFolder;
    bool answered = false; // an answer was queued
    bool confirmed = false;
    std::string path; // the chosen file or folder
    Int32 chosenFilter = -1;
};
// The next save dialog confirms path with that filter (-1: the pre-selected one); a filter that the
// dialog lacks makes it cancel, recorded in DialogErrors.
void AnswerNextSaveDialog(const std::string& path, Int32 filter = -1);
void CancelNextSaveDialog();
void AnswerNextFolderDialog(const std::string& path);
void CancelNextFolderDialog();
const std::vector<FileDialogRecord>& FileDialogs();
// Answers queued and not used yet.
std::size_t PendingDialogAnswers();

// ---- File library ----
// IO::Init calls not yet ended by IO::End.
Int32 IOInitDepth();
struct FileTypeRecord {
    FTM::TypeID id = 0;
    FTM::GroupID group = 0;
    std::string manager;
    std::string description;
    std::string extension;
};
std::vector<FileTypeRecord> RegisteredFileTypes();

// ---- Printing ----
// The dialog's title, items and lists' summaries; "" when it is not open.
std::string DescribeDialog(short dialogId);
// The list's header and rows as a table, one line each; "" when there is no such list.
std::string DescribeList(short dialogId, short item);

// Closes every dialog without messages and forgets layouts, answers, records, file types, the focus
// and the modal user.
void ResetDialogs();

} // namespace hostplatform

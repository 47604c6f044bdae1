#include "Commands.hpp"

#include "Summary.hpp"

#include "hostplatform/Dialogs.hpp"
#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/HostCalls.hpp"

#include <charconv>
#include <filesystem>
#include <limits>
#include <sys/stat.h>

namespace qelmhost {

namespace {

using Args = std::vector<std::string>;
using hostplatform::DialogItemType;

constexpr const char* kNoDialog = "no dialog of the add-on is open";

// ---- The add-on's open dialog ----

// The dialog the user acts on: the one opened last of those still open, 0 when none is.
short ActiveDialog() {
    const std::vector<short> ids = hostplatform::OpenDialogIds();
    return ids.empty() ? 0 : ids.back();
}

// The dialog's first item of that kind (visible only, if asked), 0 when there is none.
short FirstItem(short dialogId, DialogItemType type, bool visibleOnly) {
    const hostplatform::DialogState* dialog = hostplatform::FindDialog(dialogId);
    if (dialog == nullptr)
        return 0;
    for (const auto& [id, item] : dialog->items)
        if (item.type == type && (item.visible || !visibleOnly))
            return id;
    return 0;
}

// The row a Row argument names in the list: its number, or the first row with a cell of that text.
Int32 FindRow(const hostplatform::ListState& list, const std::string& word) {
    if (const auto number = ParseInteger(word))
        return *number;
    for (size_t i = 0; i < list.rows.size(); ++i)
        for (const auto& [tab, text] : list.rows[i].texts)
            if (text == word)
                return static_cast<Int32>(i + 1);
    return 0;
}

struct RowTarget {
    short dialog = 0;
    short list = 0;
    short row = 0;
    std::string why; // why there is no target
};

// The row of the visible list of the active dialog.
RowTarget VisibleListRow(const std::string& word) {
    RowTarget target;
    target.dialog = ActiveDialog();
    target.list = FirstItem(target.dialog, DialogItemType::ListBox, true);
    const hostplatform::ListState* list = hostplatform::FindList(target.dialog, target.list);
    if (list == nullptr) {
        target.why = target.dialog == 0 ? kNoDialog : "the dialog shows no list";
        return target;
    }
    // Checked before narrowing: row 65539 must not become row 3.
    const Int32 row = FindRow(*list, word);
    if (row < 1 || row > static_cast<Int32>(list->rows.size()) || row > std::numeric_limits<short>::max())
        target.why = "list " + std::to_string(target.list) + " has no row '" + word + "'";
    else
        target.row = static_cast<short>(row);
    return target;
}

std::string Done(bool done, const char* why) {
    return done ? std::string() : std::string(why);
}

// Why the dialog did not take an action on the item: missing, hidden or disabled.
std::string NotTaken(short dialogId, short item) {
    const hostplatform::DialogState* dialog = hostplatform::FindDialog(dialogId);
    if (dialog == nullptr)
        return "the dialog closed";
    const std::string name = "item " + std::to_string(item);
    const auto found = dialog->items.find(item);
    if (found == dialog->items.end())
        return "the dialog has no " + name;
    if (!found->second.visible)
        return name + " is hidden";
    if (!found->second.enabled)
        return name + " is disabled";
    return "the dialog did not take it";
}

// "" when the action gave a result, else why the item did not take it.
std::string Taken(std::optional<short> result, short dialogId, short item) {
    return result.has_value() ? std::string() : NotTaken(dialogId, item);
}

// ---- Actions ----

std::string Menu(Session&, const Args&) {
    const auto& menus = hostplatform::Menus();
    if (menus.empty() || menus.front().handler == nullptr)
        return "the add-on installed no menu command";
    const GSErrCode error = hostplatform::InvokeMenu(menus.front().menuStrResID, 1);
    return error == NoError ? "" : "the menu handler gave error " + std::to_string(error);
}

std::string Select(Session& session, const Args& args) {
    GS::Array<API_Neig> neigs;
    for (size_t begin = 0; begin <= args[0].size();) {
        const size_t end = std::min(args[0].find(',', begin), args[0].size());
        const std::string name = args[0].substr(begin, end - begin);
        const auto guid = session.keys.Find(name, hostplatform::CurrentProject());
        if (!guid)
            return "no element '" + name + "'";
        neigs.Push(API_Neig(*guid));
        begin = end + 1;
    }
    const hostplatform::HostCalls::Uncounted user; // the user's selection, not a call of the add-on
    return Done(ACAPI_Selection_Select(neigs, false) == NoError, "the host refused the selection");
}

std::string Deselect(Session&, const Args&) {
    const hostplatform::HostCalls::Uncounted user;
    return Done(ACAPI_Selection_DeselectAll() == NoError, "the host refused to deselect");
}

std::string PrintSelection(Session& session, const Args&) {
    const auto names = [&session](auto begin, auto end, auto guidOf) {
        std::string text;
        for (auto it = begin; it != end; ++it)
            text += (text.empty() ? " " : ", ") + session.keys.Name(guidOf(*it));
        return text;
    };
    const auto& selection = hostplatform::CurrentProject().selection;
    const auto& zoom = hostplatform::LastZoom();
    session.out << "selection:"
                << names(selection.begin(), selection.end(), [](const API_Neig& n) { return n.guid; })
                << "\nzoom:" << names(zoom.begin(), zoom.end(), [](const API_Guid& g) { return g; }) << "\n";
    return "";
}

std::string Click(Session&, const Args& args) {
    const short dialog = ActiveDialog();
    if (dialog == 0)
        return kNoDialog;
    const auto item = static_cast<short>(*ParseInteger(args[0]));
    return Taken(hostplatform::ClickItem(dialog, item), dialog, item);
}

std::string ClickRow(Session&, const Args& args) {
    const RowTarget target = VisibleListRow(args[0]);
    if (!target.why.empty())
        return target.why;
    // On the first column, where a list has its icons.
    const auto& tabs = hostplatform::FindList(target.dialog, target.list)->tabs;
    const short x = tabs.empty() ? 1 : static_cast<short>((tabs[0].begin + tabs[0].end) / 2);
    return Taken(hostplatform::ClickListRow(target.dialog, target.list, target.row, x), target.dialog,
                 target.list);
}

std::string DoubleClick(Session&, const Args& args) {
    const RowTarget target = VisibleListRow(args[0]);
    if (!target.why.empty())
        return target.why;
    return Taken(hostplatform::DoubleClickListRow(target.dialog, target.list, target.row), target.dialog,
                 target.list);
}

std::string Hover(Session& session, const Args& args) {
    const RowTarget target = VisibleListRow(args[0]);
    if (!target.why.empty())
        return target.why;
    const auto text = hostplatform::HoverListRow(target.dialog, target.list, target.row);
    session.out << "tooltip " << target.row << ": " << (text ? *text : "(none)") << "\n";
    return "";
}

std::string Type(Session&, const Args& args) {
    const short dialog = ActiveDialog();
    const short item = FirstItem(dialog, DialogItemType::EditText, false);
    if (item == 0)
        return dialog == 0 ? kNoDialog : "the dialog has no text field";
    return Taken(hostplatform::TypeText(dialog, item, args[0]), dialog, item);
}

std::string PressKey(short key) {
    const short dialog = ActiveDialog();
    if (dialog == 0)
        return kNoDialog;
    return Done(hostplatform::PressKey(dialog, key).has_value(), "the dialog has no hot key for it");
}

std::string Enter(Session&, const Args&) {
    return PressKey(DG_KEY_ENTER);
}

std::string Return(Session&, const Args&) {
    return PressKey(DG_KEY_RETURN);
}

std::string Resize(Session&, const Args& args) {
    const short dialog = ActiveDialog();
    if (dialog == 0)
        return kNoDialog;
    const auto h = static_cast<short>(*ParseInteger(args[0]));
    const auto v = static_cast<short>(*ParseInteger(args[1]));
    return Done(hostplatform::ResizeDialog(dialog, h, v).has_value(), "the dialog did not take it");
}

FileStamp StampOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return {};
    return {true, status.st_dev, status.st_ino, status.st_size,
            status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec};
}

std::string Save(Session& session, const Args& args) {
    session.savePath.clear();
    if (args[0].empty())
        return "the answer is empty; give the path of the file";
    // The add-on gets the path as host text: other bytes would name another file.
    if (GS::UniString::FromUtf8(args[0]).ToUtf8() != args[0])
        return "the path is not valid UTF-8";
    // A save dialog always answers a full path. Not normalised: "link/.." is where the link leads to.
    std::error_code error;
    const std::string path = std::filesystem::absolute(args[0], error).string();
    if (error)
        return "cannot make the path absolute: " + error.message();
    hostplatform::AnswerNextSaveDialog(path, args.size() > 1 ? *ParseInteger(args[1]) : -1);
    session.savePath = path;
    session.saveStamp = StampOf(path);
    return "";
}

std::string CancelSave(Session& session, const Args&) {
    hostplatform::CancelNextSaveDialog();
    session.savePath.clear();
    return "";
}

// The add-on reports a failed export only in its alert; this turns it into a command not done.
std::string Saved(Session& session, const Args&) {
    if (session.savePath.empty())
        return "no save answer to check";
    const FileStamp now = StampOf(session.savePath);
    if (!now.exists || now == session.saveStamp)
        return session.savePath + " was not written";
    return "";
}

std::string CancelAfter(Session& session, const Args& args) {
    session.cancelAfter = *ParseInteger(args[0]);
    hostplatform::Faults::CancelAfter(session.cancelAfter);
    return "";
}

std::string Event(Session&, const Args& args) {
    const GSErrCode error = hostplatform::SendProjectEvent(*ParseInteger(args[0]));
    return error == NoError ? "" : "the event handler gave error " + std::to_string(error);
}

std::string PrintLists(Session& session, const Args&) {
    const short dialog = ActiveDialog();
    if (dialog == 0)
        return kNoDialog;
    for (const auto& [id, item] : hostplatform::FindDialog(dialog)->items)
        if (item.type == DialogItemType::ListBox)
            session.out << hostplatform::DescribeList(dialog, id);
    return "";
}

std::string PrintDialog(Session& session, const Args&) {
    const short dialog = ActiveDialog();
    if (dialog == 0)
        return kNoDialog;
    session.out << hostplatform::DescribeDialog(dialog);
    return "";
}

std::string PrintProject(Session& session, const Args&) {
    session.out << "project: " << session.projectPath << "\n";
    PrintSummary(hostplatform::CurrentProject(), session.out);
    return "";
}

std::string Echo(Session& session, const Args& args) {
    session.out << args[0] << "\n";
    return "";
}

std::string Quit(Session& session, const Args&) {
    session.quit = true;
    return "";
}

} // namespace

const std::vector<CommandSpec>& CommandTable() {
    using enum ArgKind;
    static const std::vector<CommandSpec> table = {
        {"menu", "", 0, {}, Menu, "choose the add-on's menu command"},
        {"select", "ELEMENTS", 1, {Text}, Select, "select elements: keys or guids, separated by commas"},
        {"deselect", "", 0, {}, Deselect, "empty the selection"},
        {"selection", "", 0, {}, PrintSelection, "print the selection and the elements zoomed to last"},
        {"click", "ITEM", 1, {Short}, Click, "click an item of the dialog (-1: its close box)"},
        {"clickrow", "ROW", 1, {Row}, ClickRow, "click a row of the visible list on its first column"},
        {"doubleclick", "ROW", 1, {Row}, DoubleClick, "double-click a row of the visible list"},
        {"hover", "ROW", 1, {Row}, Hover, "hover a row of the visible list and print its tooltip"},
        {"type", "TEXT", 1, {Text}, Type, "type TEXT into the dialog's text field"},
        {"enter", "", 0, {}, Enter, "press Enter"},
        {"return", "", 0, {}, Return, "press Return"},
        {"resize", "H V", 2, {Short, Short}, Resize, "grow the dialog by H and V pixels"},
        {"save", "PATH [FILTER]", 1, {Text, Filter}, Save, "answer the next save dialog"},
        {"cancel-save", "", 0, {}, CancelSave, "cancel the next save dialog"},
        {"saved", "", 0, {}, Saved, "check that the file of the last save answer was written since"},
        {"cancel-after", "K", 1, {Count}, CancelAfter, "cancel the next process window at its K-th check"},
        {"event", "CODE", 1, {Integer}, Event, "send a project event, e.g. 0x40"},
        {"print", "", 0, {}, PrintLists, "print the dialog's lists"},
        {"dialog", "", 0, {}, PrintDialog, "print the dialog's items"},
        {"summary", "", 0, {}, PrintProject, "print a summary of the project"},
        {"echo", "TEXT", 1, {Text}, Echo, "print TEXT"},
        {"quit", "", 0, {}, Quit, "stop the script"},
    };
    return table;
}

std::string CommandList() {
    std::string text = "commands (see docs/host.md):\n";
    for (const CommandSpec& entry : CommandTable()) {
        std::string call =
            "  " + std::string(entry.name) + (entry.usage.empty() ? "" : " ") + std::string(entry.usage);
        call.resize(std::max<size_t>(call.size() + 1, 26), ' ');
        text += call + std::string(entry.help) + "\n";
    }
    return text;
}

const CommandSpec* FindCommand(std::string_view name) {
    for (const CommandSpec& entry : CommandTable())
        if (entry.name == name)
            return &entry;
    return nullptr;
}

std::optional<Int32> ParseInteger(std::string_view word) {
    const bool negative = word.starts_with("-");
    if (negative)
        word.remove_prefix(1);
    const bool hex = word.starts_with("0x") || word.starts_with("0X");
    if (hex)
        word.remove_prefix(2);
    // from_chars takes a sign of its own, which would let "--9" pass as 9.
    if (word.empty() || word.front() == '-')
        return std::nullopt;
    Int32 value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, hex ? 16 : 10);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace qelmhost

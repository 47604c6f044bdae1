// Item kinds by name, and the dialogs' state as text for the host program and test messages.
#include "DialogSystem.hpp"

#include <sstream>
#include <string>

namespace hostplatform {

namespace {

struct TypeName {
    DialogItemType type;
    const char* name;
};
constexpr TypeName kTypeNames[] = {
    {DialogItemType::Button, "button"},     {DialogItemType::Text, "text"},
    {DialogItemType::EditText, "editText"}, {DialogItemType::ListBox, "listBox"},
    {DialogItemType::Icon, "icon"},         {DialogItemType::TabControl, "tabControl"},
};

std::string ListSummary(const ListState& list) {
    std::ostringstream out;
    out << list.rows.size() << " rows, " << list.tabs.size() << " tabs, scroll " << list.scrollPosition
        << ", help style " << list.helpStyle;
    if (list.drawDisabled > 0)
        out << ", drawing off";
    return out.str();
}

void DescribeItem(std::ostringstream& out, const ItemState& item, bool focused) {
    out << "  item " << item.id << " " << DialogItemTypeName(item.type) << " \"" << item.text << "\"";
    if (!item.visible)
        out << " hidden";
    if (!item.enabled)
        out << " disabled";
    if (item.fontFlags != 0)
        out << " font " << item.fontFlags;
    if (focused)
        out << " focus";
    out << " at " << item.left << "," << item.top << " size " << item.width << "x" << item.height;
    if (item.list)
        out << ": " << ListSummary(*item.list);
    out << "\n";
}

std::string RowMarks(const ListRow& row) {
    std::string marks;
    if (row.style != 0)
        marks += " style " + std::to_string(row.style);
    if (row.background)
        marks += " bg " + std::to_string((*row.background)[0]) + "," + std::to_string((*row.background)[1]) +
                 "," + std::to_string((*row.background)[2]);
    if (row.selected)
        marks += " selected";
    return marks;
}

std::string Cell(const ListRow& row, short tab) {
    std::string cell;
    if (const short icon = row.Icon(tab); icon != 0)
        cell = "<" + std::to_string(icon) + ">";
    const std::string text = row.Text(tab);
    if (!cell.empty() && !text.empty())
        cell += " ";
    return cell + text;
}

} // namespace

std::optional<DialogItemType> DialogItemTypeFromName(std::string_view name) {
    for (const TypeName& entry : kTypeNames)
        if (name == entry.name)
            return entry.type;
    return std::nullopt;
}

const char* DialogItemTypeName(DialogItemType type) {
    for (const TypeName& entry : kTypeNames)
        if (entry.type == type)
            return entry.name;
    return "?";
}

std::string ListRow::Text(short tab) const {
    const auto found = texts.find(tab);
    return found == texts.end() ? std::string() : found->second;
}

short ListRow::Icon(short tab) const {
    const auto found = icons.find(tab);
    return found == icons.end() ? 0 : found->second;
}

std::vector<short> ListState::SelectedRows() const {
    std::vector<short> selected;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].selected)
            selected.push_back(static_cast<short>(i + 1));
    return selected;
}

std::string DescribeDialog(short dialogId) {
    const DialogState* dialog = FindDialog(dialogId);
    if (dialog == nullptr)
        return std::string();
    const Focus focus = CurrentFocus();
    std::ostringstream out;
    out << "dialog " << dialog->id << (dialog->modeless ? " modeless" : " modal") << " \"" << dialog->title
        << "\" size " << dialog->width << "x" << dialog->height;
    if (dialog->zPosition == DG_TOPMOST)
        out << " top-most";
    out << "\n";
    for (const auto& [id, item] : dialog->items)
        DescribeItem(out, item, focus.dialogId == dialogId && focus.item == id);
    return out.str();
}

std::string DescribeList(short dialogId, short item) {
    const ListState* list = FindList(dialogId, item);
    if (list == nullptr)
        return std::string();
    std::ostringstream out;
    out << "list " << item << " of dialog " << dialogId << ": " << ListSummary(*list) << "\n";
    out << "  header:";
    for (const ListTabField& tab : list->tabs)
        out << " | " << tab.header;
    out << "\n";
    for (size_t i = 0; i < list->rows.size(); ++i) {
        const ListRow& row = list->rows[i];
        out << "  " << (i + 1) << RowMarks(row) << ":";
        for (size_t tab = 1; tab <= list->tabs.size(); ++tab)
            out << " | " << Cell(row, static_cast<short>(tab));
        out << "\n";
    }
    return out.str();
}

} // namespace hostplatform

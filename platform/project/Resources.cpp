// The add-on's resource file: a JSON object of strings, menus, dialog layouts and icons by resource id.
#include "hostplatform/Resources.hpp"

#include "JsonNode.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <set>

namespace hostplatform {

namespace {

using projectfile::Node;

constexpr Int64 kMaxShort = 32767;
constexpr Int64 kMinShort = -32768;

// A resource or item id written as an object key: decimal digits, 1 to 32767.
short IdFromKey(const std::string& key, const Node& value) {
    const bool digits = !key.empty() && key.size() <= 5 &&
                        key.find_first_not_of("0123456789") == std::string::npos && key[0] != '0';
    if (!digits || std::stol(key) > kMaxShort)
        value.Fail("the key " + projectfile::Quote(key) + " is no resource id (1 to 32767)");
    return static_cast<short>(std::stol(key));
}

// The members of an id map, without its "comment".
std::vector<std::pair<short, Node>> IdMembers(const Node& map) {
    std::vector<std::pair<short, Node>> members;
    for (const auto& [key, value] : map.Members())
        if (key != "comment")
            members.emplace_back(IdFromKey(key, value), value);
    return members;
}

short ShortOr(const Node& item, std::string_view key, short absent, Int64 min = kMinShort) {
    const auto value = item.Find(key);
    return value ? static_cast<short>(value->Integer(min, kMaxShort)) : absent;
}

DialogItemLayout ReadItem(const Node& node) {
    node.Expect({"id", "type", "text", "visible", "enabled", "fontFlags", "x", "y", "w", "h", "anchor",
                 "multiSelect"},
                "a dialog item");
    DialogItemLayout item;
    item.id = static_cast<short>(node.At("id").Integer(1, kMaxShort));
    const Node type = node.At("type");
    const auto kind = DialogItemTypeFromName(type.Text());
    if (!kind)
        type.Fail("unknown item type " + projectfile::Quote(type.Text()) +
                  " (one of: button, text, editText, listBox, icon, tabControl)");
    item.type = *kind;
    item.text = node.TextOr("text", "");
    item.visible = node.BooleanOr("visible", true);
    item.enabled = node.BooleanOr("enabled", true);
    item.fontFlags = ShortOr(node, "fontFlags", 0, 0);
    item.left = ShortOr(node, "x", 0);
    item.top = ShortOr(node, "y", 0);
    item.width = ShortOr(node, "w", 0, 0);
    item.height = ShortOr(node, "h", 0, 0);
    item.anchor = node.TextOr("anchor", "");
    item.multiSelect = node.BooleanOr("multiSelect", false);
    if (item.multiSelect && item.type != DialogItemType::ListBox)
        node.At("multiSelect").Fail("only list boxes can select several rows");
    return item;
}

DialogLayout ReadDialog(short id, const Node& node) {
    node.Expect({"title", "width", "height", "items"}, "a dialog layout");
    DialogLayout layout;
    layout.id = id;
    layout.title = node.TextOr("title", "");
    layout.width = ShortOr(node, "width", 0, 0);
    layout.height = ShortOr(node, "height", 0, 0);
    std::set<short> seen;
    for (const Node& itemNode : node.At("items").Elements()) {
        DialogItemLayout item = ReadItem(itemNode);
        if (!seen.insert(item.id).second)
            itemNode.At("id").Fail("item " + std::to_string(item.id) + " is given twice in this dialog");
        layout.items.push_back(std::move(item));
    }
    return layout;
}

void ReadStrings(const Node& map, AddOnResources& resources) {
    for (const auto& [id, value] : IdMembers(map)) {
        if (resources.strings.count(id) != 0)
            value.Fail("resource " + std::to_string(id) + " is given as a string list and as a menu");
        std::vector<std::string>& items = resources.strings[id];
        for (const Node& text : value.Elements())
            items.push_back(text.Text());
        if (items.size() > static_cast<size_t>(kMaxShort))
            value.Fail("a string list holds at most 32767 items");
    }
}

AddOnResources ReadResources(const Node& root) {
    root.Expect({"strings", "menus", "dialogs", "icons"}, "a resource file");
    AddOnResources resources;
    if (const auto strings = root.Find("strings"))
        ReadStrings(*strings, resources);
    if (const auto menus = root.Find("menus"))
        ReadStrings(*menus, resources);
    if (const auto dialogs = root.Find("dialogs"))
        for (const auto& [id, value] : IdMembers(*dialogs))
            resources.dialogs.push_back(ReadDialog(id, value));
    if (const auto icons = root.Find("icons"))
        for (const auto& [id, value] : IdMembers(*icons))
            resources.icons[id] = value.Text();
    return resources;
}

} // namespace

AddOnResources LoadResourceText(const std::string& jsonText) {
    try {
        const projectfile::Json root = projectfile::ParseProjectJson(jsonText);
        return ReadResources(Node(root, ""));
    } catch (const ProjectFileError& error) {
        throw ResourceFileError(error.what());
    }
}

AddOnResources LoadResourceFile(const std::string& path) {
    std::string text;
    try {
        text = projectfile::ReadFileText(path);
    } catch (const ProjectFileError& error) {
        throw ResourceFileError(error.what());
    }
    return LoadResourceText(text);
}

void InstallResources(const AddOnResources& resources) {
    for (const DialogLayout& layout : resources.dialogs)
        RegisterDialogLayout(layout);
    auto& strings = ResourceStrings();
    for (const auto& [id, items] : resources.strings)
        for (size_t index = 0; index < items.size(); ++index)
            strings[{id, static_cast<short>(index + 1)}] = GS::UniString::FromUtf8(items[index]);
}

} // namespace hostplatform

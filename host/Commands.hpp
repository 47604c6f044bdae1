// The host program's commands: what the user does in the host (choose the menu command, select
// elements, act on the add-on's open dialog, answer the save dialog, cancel the process window, send a
// project event) and what the host prints. One table holds them all: name, arguments, action.
#pragma once

#include "ElementKeys.hpp"

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qelmhost {

// One version of a file: writing the file anew changes at least one of these.
struct FileStamp {
    bool exists = false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// What the commands share while a script plays.
struct Session {
    std::ostream& out;
    std::string projectPath;
    ElementKeys keys;
    Int32 cancelAfter = 0; // the cancel check at which the next process window is cancelled; 0 for none
    bool quit = false;
    std::string savePath{}; // the path of the last save answer, "" when none is pending
    FileStamp saveStamp{};  // that file as it was when the answer was given
};

// The kind of one argument, checked before anything runs.
enum class ArgKind {
    Text,    // any word
    Integer, // decimal, or hexadecimal with 0x
    Short,   // an Integer that fits 16 bits: a dialog item or a size
    Count,   // an Integer from 1: the first of something is 1
    Row,     // a row number from 1, or the text of one of the row's cells
    Filter,  // an Integer that indexes kSaveFilters
};

// The filters the add-on's save dialog offers, by index: known before the plug-in is loaded, so that a
// script is checked before anything runs.
constexpr std::array<std::string_view, 3> kSaveFilters = {"Samenvattende meetstaat", "Detailmeetstaat",
                                                          "Bouwsoft meetstaat"};

// An action gives "" when done, else why the host could not do it.
using CommandAction = std::string (*)(Session& session, const std::vector<std::string>& args);

struct CommandSpec {
    std::string_view name;
    std::string_view usage; // the arguments as the documentation names them
    int minArgs;
    std::vector<ArgKind> kinds; // one per argument, optional ones last
    CommandAction action;
    std::string_view help;
};

const std::vector<CommandSpec>& CommandTable();
// Every command with its arguments and what it does, one per line, for --help.
std::string CommandList();
const CommandSpec* FindCommand(std::string_view name);
// The integer of an Integer argument; nothing when the word is none.
std::optional<Int32> ParseInteger(std::string_view word);

} // namespace qelmhost

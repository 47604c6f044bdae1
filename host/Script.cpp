#include "Script.hpp"

#include "hostplatform/Dialogs.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <limits>
#include <sstream>

namespace qelmhost {

namespace {

// A script is read whole and checked before it runs; this is far more than one written by hand or made
// by a test.
constexpr UInt64 kMaxScriptBytes = UInt64{16} << 20;

// "0 "Samenvattende meetstaat", 1 ...": the filters for a message.
std::string SaveFilterList() {
    std::string list;
    for (size_t i = 0; i < kSaveFilters.size(); ++i)
        list += (i == 0 ? "" : ", ") + std::to_string(i) + " \"" + std::string(kSaveFilters[i]) + "\"";
    return list;
}

// "" when the word fits the kind, else what is wrong with it.
std::string ArgumentProblem(ArgKind kind, const std::string& word) {
    if (kind == ArgKind::Text || kind == ArgKind::Row)
        return "";
    const auto number = ParseInteger(word);
    if (!number)
        return "is not a number";
    if (kind == ArgKind::Count && *number < 1)
        return "must be at least 1";
    if (kind == ArgKind::Short &&
        (*number < std::numeric_limits<short>::min() || *number > std::numeric_limits<short>::max()))
        return "is out of range (-32768 to 32767)";
    if (kind == ArgKind::Filter && (*number < 0 || *number >= std::ssize(kSaveFilters)))
        return "is no filter of the save dialog (" + SaveFilterList() + ")";
    return "";
}

// Checks the command's name, argument count and argument kinds.
Command Check(std::vector<std::string> words, const std::string& where) {
    const CommandSpec* entry = FindCommand(words.front());
    if (entry == nullptr)
        throw ScriptError(where + ": unknown command '" + words.front() + "'");
    words.erase(words.begin());
    const int count = static_cast<int>(words.size());
    if (count < entry->minArgs || count > static_cast<int>(entry->kinds.size()))
        throw ScriptError(where + ": usage: " + std::string(entry->name) + (entry->usage.empty() ? "" : " ") +
                          std::string(entry->usage));
    for (int i = 0; i < count; ++i)
        if (const std::string problem = ArgumentProblem(entry->kinds[i], words[i]); !problem.empty())
            throw ScriptError(where + ": " + std::string(entry->name) + ": '" + words[i] + "' " + problem);
    return Command{entry, std::move(words), where};
}

// Splits a script line into words; throws for an unterminated quote.
std::vector<std::string> SplitLine(const std::string& line, const std::string& where) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] != '"') {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        } else {
            for (++i; i < line.size() && line[i] != '"'; ++i)
                word += line[i] == '\\' && i + 1 < line.size() ? line[++i] : line[i];
            if (i++ >= line.size())
                throw ScriptError(where + ": unterminated quote");
        }
        words.push_back(std::move(word));
    }
    return words;
}

// Why a command is not done when a save dialog it opened had no answer waiting, and so was cancelled:
// a script's user would not see the export fail otherwise. "" when none did.
std::string UnansweredSaveDialog(size_t since) {
    const auto& dialogs = hostplatform::FileDialogs();
    for (size_t i = since; i < dialogs.size(); ++i)
        if (dialogs[i].kind == hostplatform::FileDialogRecord::Kind::Save && !dialogs[i].answered)
            return "a save dialog opened without an answer and was cancelled (give save or cancel-save "
                   "first)";
    return "";
}

} // namespace

std::string Command::Text() const {
    std::string text(entry->name);
    for (const std::string& arg : args) {
        const bool quote = arg.empty() || arg.find_first_of(" \t") != std::string::npos;
        text += quote ? " \"" + arg + "\"" : " " + arg;
    }
    return text;
}

std::vector<Command> ReadScript(std::istream& in, const std::string& name) {
    std::vector<Command> commands;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string where = name + ":" + std::to_string(number);
        // A NUL byte would cut a word short where the system reads it: a saved file's name, for one.
        if (line.find('\0') != std::string::npos)
            throw ScriptError(where + ": the line holds a NUL byte");
        std::vector<std::string> words = SplitLine(line, where);
        if (words.empty() || words.front().starts_with("#"))
            continue;
        commands.push_back(Check(std::move(words), where));
    }
    return commands;
}

std::vector<Command> ReadScriptFile(const std::string& path) {
    // Read whole before it is checked: a folder, a device or a read error must not pass for a shorter
    // script.
    std::string text;
    try {
        text = hostplatform::ReadRegularFile(path, kMaxScriptBytes);
    } catch (const hostplatform::ProjectFileError& error) {
        throw ScriptError(path + ": " + error.what());
    }
    std::istringstream in(text);
    return ReadScript(in, path);
}

std::vector<Command> CommandsFromWords(const std::vector<std::string>& words) {
    std::vector<Command> commands;
    size_t i = 0;
    while (i < words.size()) {
        const std::string where = "command " + std::to_string(commands.size() + 1);
        const CommandSpec* entry = FindCommand(words[i]);
        std::vector<std::string> command{words[i++]};
        for (size_t n = 0; entry != nullptr && n < entry->kinds.size() && i < words.size(); ++n) {
            if (static_cast<int>(n) >= entry->minArgs && FindCommand(words[i]) != nullptr)
                break;
            command.push_back(words[i++]);
        }
        commands.push_back(Check(std::move(command), where));
    }
    return commands;
}

std::vector<Command> TakeoffExportScript(const std::string& folder) {
    // The palette's items: 9 takes off all elements, 14 exports; the save dialog's filters are the
    // three workbook kinds in this order.
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    const std::vector<std::vector<std::string>> lines = {
        {"menu"},
        {"click", "9"},
        {"print"},
        {"save", base + "samenvattende-meetstaat.xlsx", "0"},
        {"click", "14"},
        {"saved"},
        {"save", base + "detailmeetstaat.xlsx", "1"},
        {"click", "14"},
        {"saved"},
        {"save", base + "bouwsoft-meetstaat.xlsx", "2"},
        {"click", "14"},
        {"saved"},
    };
    std::vector<Command> commands;
    for (const auto& line : lines)
        commands.push_back(Check(line, "--takeoff-export"));
    return commands;
}

int PlayScript(const std::vector<Command>& commands, Session& session, std::ostream& err) {
    int notDone = 0;
    for (const Command& command : commands) {
        const size_t dialogs = hostplatform::FileDialogs().size();
        std::string why = command.entry->action(session, command.args);
        if (why.empty())
            why = UnansweredSaveDialog(dialogs);
        // The host is idle between two user actions.
        hostplatform::SendIdle();
        if (!why.empty()) {
            err << "qelm-host: " << command.where << ": " << command.Text() << ": " << why << "\n";
            ++notDone;
        }
        if (session.quit)
            break;
    }
    return notDone;
}

} // namespace qelmhost

// Scripts of host commands: read from a file, from the command line's words, or made for the main job;
// checked whole against the command table before anything runs, then played in order.
#pragma once

#include "Commands.hpp"

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace qelmhost {

// A script that cannot be played; what() names the place and says what is wrong.
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Command {
    const CommandSpec* entry = nullptr;
    std::vector<std::string> args;
    std::string where; // "FILE:LINE", or "command N" for the command line

    std::string Text() const; // the command as written, for messages
};

// One command per line: words split at blanks, "double quotes" keep blanks together (\" and \\ inside
// them stand for " and \); blank lines and lines starting with # are skipped.
std::vector<Command> ReadScript(std::istream& in, const std::string& name);
std::vector<Command> ReadScriptFile(const std::string& path);
// The command line's words: each command takes its required arguments, then an optional one only when
// the next word is not a command name.
std::vector<Command> CommandsFromWords(const std::vector<std::string>& words);
// The main job: open the palette, take off the whole model, print both lists and export the summary
// bill, the detailed bill and the Bouwsoft workbook into the folder; a workbook that was not written
// counts as a command not done.
std::vector<Command> TakeoffExportScript(const std::string& folder);

// Plays the commands until the end or quit. Every command that could not be done is reported on err as
// "qelm-host: WHERE: COMMAND: why", and the script goes on. Gives the number of those commands.
int PlayScript(const std::vector<Command>& commands, Session& session, std::ostream& err);

} // namespace qelmhost

// The command line of the host program.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace qelmhost {

// A command line the host cannot run; what() says why.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::string projectPath;
    std::string addonPath;             // "" for the plug-in of the host's own build
    std::string scriptPath;            // a file of commands, one per line
    std::string takeoffExportDir;      // the main job's output folder
    std::vector<std::string> commands; // the words after the options: commands and their arguments
    bool hostCalls = false;            // print the add-on's host calls per process window and in total
    bool help = false;
};

// Reads the arguments after the program name. Options come first; the first word that is not an option
// starts the commands, and every word from there on belongs to them. Throws UsageError for an unknown
// option, a missing or empty value, a missing --project (unless --help is asked), or more than one of
// --script, --takeoff-export and commands.
Options ParseOptions(int argc, const char* const* argv);

const char* UsageText();

} // namespace qelmhost

#include "Options.hpp"

#include <string_view>

namespace qelmhost {

namespace {

// Options that take a value, and where the value goes.
struct ValueOption {
    std::string_view name;
    std::string Options::*target;
};
constexpr ValueOption kValueOptions[] = {
    {"--project", &Options::projectPath},
    {"--addon", &Options::addonPath},
    {"--script", &Options::scriptPath},
    {"--takeoff-export", &Options::takeoffExportDir},
};

// Reads the option at argv[i] (and its value); false when it is none of ours.
bool ReadOption(int argc, const char* const* argv, int& i, Options& options) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
        options.help = true;
        return true;
    }
    if (argument == "--host-calls") {
        options.hostCalls = true;
        return true;
    }
    for (const ValueOption& option : kValueOptions) {
        if (argument != option.name)
            continue;
        // An empty value would read as "not given": --takeoff-export "$UNSET" must not pass as a summary.
        if (i + 1 >= argc || argv[i + 1][0] == '\0')
            throw UsageError(std::string(option.name) + " needs a value");
        options.*option.target = argv[++i];
        return true;
    }
    return false;
}

} // namespace

Options ParseOptions(int argc, const char* const* argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::string_view(argv[i]).starts_with("-"); ++i)
        if (!ReadOption(argc, argv, i, options))
            throw UsageError("unknown argument '" + std::string(argv[i]) + "'");
    options.commands.assign(argv + i, argv + argc);
    if (options.help)
        return options;
    if (options.projectPath.empty())
        throw UsageError("--project FILE is required");
    const int jobs = (options.scriptPath.empty() ? 0 : 1) + (options.takeoffExportDir.empty() ? 0 : 1) +
                     (options.commands.empty() ? 0 : 1);
    if (jobs > 1)
        throw UsageError("give either --script FILE, --takeoff-export DIR or commands, not several");
    return options;
}

const char* UsageText() {
    return "usage: qelm-host --project FILE [--addon MODULE] [--host-calls] [--script FILE | "
           "--takeoff-export "
           "DIR | command ...]\n"
           "  --project FILE          the project to open (JSON, see docs/project-format.md)\n"
           "  --addon MODULE          the plug-in to load (default: the qelm-addon of this build)\n"
           "  --host-calls            print the add-on's host calls per process window and in total\n"
           "  --script FILE           play the commands of FILE, one per line\n"
           "  --takeoff-export DIR    the main job: take off the whole model, print both lists and\n"
           "                          export the three workbooks into DIR\n"
           "  command ...             play these commands (see docs/host.md); without any, print a\n"
           "                          summary of the project\n"
           "  --help                  show this text\n";
}

} // namespace qelmhost

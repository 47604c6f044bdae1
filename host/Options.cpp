#include "Options.hpp"

#include <string_view>

namespace qelmhost {

namespace {

// Options that take a value, and where the value goes.
struct ValueOption {
    std::string_view name;
    std::string Options::*target;
};
constexpr ValueOption ValueOptions[] = {
    {"--project", &Options::projectPath},
};

} // namespace

Options ParseOptions(int argc, const char* const* argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        bool known = false;
        for (const ValueOption& option : ValueOptions) {
            if (argument != option.name)
                continue;
            if (i + 1 >= argc)
                throw UsageError(std::string(option.name) + " needs a value");
            options.*option.target = argv[++i];
            known = true;
        }
        if (!known)
            throw UsageError("unknown argument '" + std::string(argument) + "'");
    }
    if (!options.help && options.projectPath.empty())
        throw UsageError("--project FILE is required");
    return options;
}

const char* UsageText() {
    return "usage: qelm-host --project FILE\n"
           "  --project FILE   the project to open (JSON, see docs/project-format.md)\n"
           "  --help           show this text\n";
}

} // namespace qelmhost

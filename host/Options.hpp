// The command line of the host program.
#pragma once

#include <stdexcept>
#include <string>

namespace qelmhost {

// A command line the host cannot run; what() says why.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::string projectPath;
    bool help = false;
};

// Reads the arguments after the program name; throws UsageError for an unknown option, a missing value
// or a missing --project (unless --help is asked).
Options ParseOptions(int argc, const char* const* argv);

const char* UsageText();

} // namespace qelmhost

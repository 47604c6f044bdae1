// The stand-in host program: opens a project file and shows what it holds.
#include "Commands.hpp"
#include "Options.hpp"

#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <iostream>

namespace {

constexpr int ExitUsage = 2;
constexpr int ExitProject = 2;

} // namespace

int main(int argc, char** argv) {
    qelmhost::Options options;
    try {
        options = qelmhost::ParseOptions(argc, argv);
    } catch (const qelmhost::UsageError& error) {
        std::cerr << "qelm-host: " << error.what() << "\n" << qelmhost::UsageText();
        return ExitUsage;
    }
    if (options.help) {
        std::cout << qelmhost::UsageText();
        return 0;
    }
    try {
        hostplatform::SetProject(hostplatform::LoadProjectFile(options.projectPath));
    } catch (const std::exception& error) { // a ProjectFileError, or out of memory on a huge file
        std::cerr << "qelm-host: " << options.projectPath << ": " << error.what() << "\n";
        return ExitProject;
    }
    std::cout << "project: " << options.projectPath << "\n";
    qelmhost::PrintSummary(hostplatform::CurrentProject(), std::cout);
    return 0;
}

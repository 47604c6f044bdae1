// The stand-in host program: opens a project file, loads the plug-in, and plays a user through a script
// of commands (see docs/host.md).
#include "AddOnModule.hpp"
#include "Commands.hpp"
#include "HostCallReport.hpp"
#include "Options.hpp"
#include "Progress.hpp"
#include "Script.hpp"

#include "hostplatform/Faults.hpp"
#include "hostplatform/Host.hpp"
#include "hostplatform/ProjectLoader.hpp"

#include <clocale>
#include <filesystem>
#include <iostream>
#include <optional>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kExitNotDone = 1; // some command could not be done
constexpr int kExitUsage = 2;   // bad command line, script, project file or output folder
constexpr int kExitAddOn = 3;   // the plug-in cannot be loaded or started, or raised an exception

std::vector<qelmhost::Command> CommandsOf(const qelmhost::Options& options) {
    if (!options.scriptPath.empty())
        return qelmhost::ReadScriptFile(options.scriptPath);
    if (!options.takeoffExportDir.empty()) {
        std::filesystem::create_directories(options.takeoffExportDir);
        return qelmhost::TakeoffExportScript(options.takeoffExportDir);
    }
    if (options.commands.empty())
        return qelmhost::CommandsFromWords({"summary"});
    return qelmhost::CommandsFromWords(options.commands);
}

// The progress bar, the host calls if asked for, and the end of a cancel the user asked for: it cancels
// one process window only, and leaves the faults of the project file in place.
void WatchProcessWindow(qelmhost::Session& session, qelmhost::ProgressBar& bar,
                        std::optional<qelmhost::HostCallReport>& calls) {
    hostplatform::SetProcessObserver([&](const hostplatform::ProcessWindowState& window) {
        if (!window.open) {
            bar.SetCancelled(window.canceled);
            if (session.cancelAfter > 0) {
                hostplatform::Faults::NeverCancel();
                session.cancelAfter = 0;
            }
        }
        bar.Update(window);
        if (calls)
            calls->Update(window);
    });
}

int Run(const qelmhost::Options& options, const std::vector<qelmhost::Command>& commands,
        qelmhost::ElementKeys keys) {
    qelmhost::Session session{std::cout, options.projectPath, std::move(keys)};
    qelmhost::ProgressBar bar(std::cerr, isatty(STDERR_FILENO) != 0);
    std::optional<qelmhost::HostCallReport> calls;
    if (options.hostCalls)
        calls.emplace(std::cout);
    WatchProcessWindow(session, bar, calls);
    hostplatform::SetPrintAlerts(true);

    const std::string path = options.addonPath.empty() ? qelmhost::DefaultAddOnPath() : options.addonPath;
    qelmhost::AddOnModule addOn(path);
    API_EnvirParams& environment = hostplatform::Environment();
    addOn.Start(environment);
    std::cout << "add-on: " << environment.addOnInfo.name.ToUtf8() << " - "
              << environment.addOnInfo.description.ToUtf8() << "\n";
    // The add-on is unloaded the host's way whatever a command threw.
    const auto unload = [&addOn, &calls] {
        addOn.FreeData();
        hostplatform::SetProcessObserver(nullptr);
        if (calls)
            calls->PrintTotal();
    };
    int notDone = 0;
    try {
        notDone = qelmhost::PlayScript(commands, session, std::cerr);
    } catch (...) {
        unload();
        throw;
    }
    unload();
    return notDone == 0 ? 0 : kExitNotDone;
}

} // namespace

int main(int argc, char** argv) {
    // The add-on runs under the user's locale, as it does inside a desktop application.
    std::setlocale(LC_ALL, "");
    qelmhost::Options options;
    std::vector<qelmhost::Command> commands;
    try {
        options = qelmhost::ParseOptions(argc, argv);
        if (options.help) {
            std::cout << qelmhost::UsageText() << qelmhost::CommandList();
            return 0;
        }
        commands = CommandsOf(options);
    } catch (const qelmhost::UsageError& error) {
        std::cerr << "qelm-host: " << error.what() << "\n" << qelmhost::UsageText();
        return kExitUsage;
    } catch (const std::exception& error) { // a ScriptError, or an output folder that cannot be made
        std::cerr << "qelm-host: " << error.what() << "\n";
        return kExitUsage;
    }
    qelmhost::ElementKeys keys;
    try {
        hostplatform::LoadedProject loaded = hostplatform::LoadProjectFileWithKeys(options.projectPath);
        keys = qelmhost::ElementKeys(loaded.elementKeys);
        hostplatform::SetProject(std::move(loaded.project));
    } catch (const std::exception& error) { // a ProjectFileError, or out of memory on a huge file
        std::cerr << "qelm-host: " << options.projectPath << ": " << error.what() << "\n";
        return kExitUsage;
    }
    try {
        return Run(options, commands, std::move(keys));
    } catch (const std::exception& error) { // an AddOnError, or an exception out of the add-on
        std::cerr << "qelm-host: " << error.what() << "\n";
        return kExitAddOn;
    }
}

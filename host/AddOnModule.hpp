// A plug-in module loaded into the host program: its resource file installed into the stand-in host,
// the module opened with dlopen and its four entry functions found by name.
#pragma once

#include "ACAPinc.hpp"

#include <stdexcept>
#include <string>

namespace qelmhost {

// A plug-in that cannot be loaded or started; what() says why.
class AddOnError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class AddOnModule {
  public:
    // Opens the module (a relative path counts from the working folder), finds its entry functions and
    // installs the resource file beside it (ResourcePathOf); throws AddOnError when any of these fails.
    explicit AddOnModule(const std::string& modulePath);
    // Closes the module (dlclose); call FreeData first.
    ~AddOnModule();
    AddOnModule(const AddOnModule&) = delete;
    AddOnModule& operator=(const AddOnModule&) = delete;

    // CheckEnvironment, RegisterInterface and Initialize in this order; throws AddOnError when the
    // add-on declines the host or an entry function reports an error.
    void Start(API_EnvirParams& environment);
    GSErrCode FreeData();

    // The resource file of a module: same folder and name, extension ".json".
    static std::string ResourcePathOf(const std::string& modulePath);

  private:
    using CheckEnvironmentProc = API_AddonType(API_EnvirParams*);
    using EntryProc = GSErrCode();

    void* Symbol(const char* name);
    void InstallResources() const;

    std::string path_;
    void* handle_ = nullptr;
    CheckEnvironmentProc* checkEnvironment_ = nullptr;
    EntryProc* registerInterface_ = nullptr;
    EntryProc* initialize_ = nullptr;
    EntryProc* freeData_ = nullptr;
};

// The plug-in of the host program's own build, found relative to the running program.
std::string DefaultAddOnPath();

} // namespace qelmhost

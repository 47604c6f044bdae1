#include "AddOnModule.hpp"

#include "hostplatform/Resources.hpp"

#include <dlfcn.h>
#include <filesystem>

namespace qelmhost {

namespace {

void Require(GSErrCode error, const char* entry) {
    if (error != NoError)
        throw AddOnError(std::string(entry) + " failed with error " + std::to_string(error));
}

} // namespace

// Made absolute: dlopen looks for a bare file name in the library path, not in the working folder where
// the resource file is looked for.
AddOnModule::AddOnModule(const std::string& modulePath)
    : path_(std::filesystem::absolute(modulePath).string()) {
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr)
        throw AddOnError(std::string("cannot load the add-on: ") + dlerror());
    try {
        checkEnvironment_ = reinterpret_cast<CheckEnvironmentProc*>(Symbol("CheckEnvironment"));
        registerInterface_ = reinterpret_cast<EntryProc*>(Symbol("RegisterInterface"));
        initialize_ = reinterpret_cast<EntryProc*>(Symbol("Initialize"));
        freeData_ = reinterpret_cast<EntryProc*>(Symbol("FreeData"));
        InstallResources();
    } catch (...) {
        dlclose(handle_);
        throw;
    }
}

void AddOnModule::InstallResources() const {
    const std::string resources = ResourcePathOf(path_);
    try {
        hostplatform::InstallResources(hostplatform::LoadResourceFile(resources));
    } catch (const hostplatform::ResourceFileError& error) {
        throw AddOnError(resources + ": " + error.what());
    }
}

AddOnModule::~AddOnModule() {
    dlclose(handle_);
}

void* AddOnModule::Symbol(const char* name) {
    void* symbol = dlsym(handle_, name);
    if (symbol == nullptr)
        throw AddOnError(path_ + ": the add-on has no entry function " + name);
    return symbol;
}

void AddOnModule::Start(API_EnvirParams& environment) {
    if (checkEnvironment_(&environment) == APIAddon_DontRegister)
        throw AddOnError(path_ + ": the add-on does not run in this host (CheckEnvironment gave 0)");
    Require(registerInterface_(), "RegisterInterface");
    Require(initialize_(), "Initialize");
}

GSErrCode AddOnModule::FreeData() {
    return freeData_();
}

std::string AddOnModule::ResourcePathOf(const std::string& modulePath) {
    return std::filesystem::path(modulePath).replace_extension(".json").string();
}

std::string DefaultAddOnPath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return (program.parent_path() / QELM_DEFAULT_ADDON).lexically_normal().string();
}

} // namespace qelmhost

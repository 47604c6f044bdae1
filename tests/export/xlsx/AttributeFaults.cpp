#include "tests/export/xlsx/AttributeFaults.hpp"

#include <cerrno>
#include <cstddef>

#include <dlfcn.h>
#include <sys/types.h>

namespace {

attribute_faults::Call armed = attribute_faults::Call::none;
bool silently = false;

template <class F> F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// True when the call is to be faked; its result is then `*result`.
bool Faked(attribute_faults::Call call, int* result) {
    if (call != armed)
        return false;
    *result = silently ? 0 : -1;
    if (!silently)
        errno = EPERM;
    return true;
}

} // namespace

namespace attribute_faults {

void Arm(Call call, bool silent) {
    armed = call;
    silently = silent;
}

} // namespace attribute_faults

extern "C" {

int fchown(int fd, uid_t owner, gid_t group) {
    static const auto real = Real<int (*)(int, uid_t, gid_t)>("fchown");
    int result = 0;
    return Faked(attribute_faults::Call::fchown, &result) ? result : real(fd, owner, group);
}

int fchmod(int fd, mode_t mode) {
    static const auto real = Real<int (*)(int, mode_t)>("fchmod");
    int result = 0;
    return Faked(attribute_faults::Call::fchmod, &result) ? result : real(fd, mode);
}

int fsetxattr(int fd, const char* name, const void* value, std::size_t size, int flags) {
    static const auto real = Real<int (*)(int, const char*, const void*, std::size_t, int)>("fsetxattr");
    int result = 0;
    return Faked(attribute_faults::Call::fsetxattr, &result) ? result : real(fd, name, value, size, flags);
}

} // extern "C"

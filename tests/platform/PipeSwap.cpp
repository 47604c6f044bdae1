#include "PipeSwap.hpp"

#include <cstdarg>
#include <cstdio>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

std::string armed;

template <class F> F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

void SwapIfArmed(const char* path) {
    if (armed.empty() || armed != path)
        return;
    const std::string fifo = armed + ".fifo";
    armed.clear();
    if (mkfifo(fifo.c_str(), 0600) != 0 || std::rename(fifo.c_str(), path) != 0)
        std::perror("pipe_swap");
}

} // namespace

namespace pipe_swap {

void Arm(const std::string& path) {
    armed = path;
}

} // namespace pipe_swap

extern "C" {

int stat(const char* path, struct stat* status) {
    static const auto real = Real<int (*)(const char*, struct stat*)>("stat");
    const int result = real(path, status);
    SwapIfArmed(path);
    return result;
}

int open(const char* path, int flags, ...) {
    static const auto real = Real<int (*)(const char*, int, ...)>("open");
    mode_t mode = 0;
    if ((flags & (O_CREAT | O_TMPFILE)) != 0) {
        va_list arguments;
        va_start(arguments, flags);
        mode = static_cast<mode_t>(va_arg(arguments, unsigned));
        va_end(arguments);
    }
    SwapIfArmed(path);
    return real(path, flags, mode);
}

} // extern "C"

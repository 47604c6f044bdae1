#include "tests/export/xlsx/WriteFaults.hpp"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <string>

#include <dlfcn.h>
#include <stdio_ext.h>

namespace {

bool armed = false;
long writes = 0;
long failing = 0;
write_faults::Mode mode = write_faults::Mode::fail;

template <class F> F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

std::size_t Waiting(FILE* stream) {
    return static_cast<std::size_t>(stream->_IO_write_ptr - stream->_IO_write_base);
}

// True when this call loses its bytes and those waiting: the armed write has come.
bool Lost(FILE* stream, bool hands_bytes_over) {
    if (!armed || stream == nullptr || stream == stdout || stream == stderr || !hands_bytes_over)
        return false;
    if (++writes != failing)
        return false;
    __fpurge(stream);
    stream->_flags |= _IO_ERR_SEEN;
    errno = ENOSPC;
    return true;
}

bool Overflows(FILE* stream, std::size_t size) {
    return stream != nullptr &&
           size > static_cast<std::size_t>(stream->_IO_write_end - stream->_IO_write_ptr);
}

bool Silent() {
    return mode == write_faults::Mode::silent;
}

} // namespace

namespace write_faults {

void Arm(long k, Mode how) {
    armed = true;
    writes = 0;
    failing = k;
    mode = how;
}

long Disarm() {
    armed = false;
    return writes;
}

} // namespace write_faults

extern "C" {

std::size_t fwrite(const void* data, std::size_t size, std::size_t count, FILE* stream) {
    static const auto real = Real<std::size_t (*)(const void*, std::size_t, std::size_t, FILE*)>("fwrite");
    if (Lost(stream, Overflows(stream, size * count)))
        return Silent() ? count : 0;
    return real(data, size, count, stream);
}

int fputs(const char* text, FILE* stream) {
    static const auto real = Real<int (*)(const char*, FILE*)>("fputs");
    if (Lost(stream, Overflows(stream, std::char_traits<char>::length(text))))
        return Silent() ? 0 : EOF;
    return real(text, stream);
}

int fputc(int c, FILE* stream) {
    static const auto real = Real<int (*)(int, FILE*)>("fputc");
    if (Lost(stream, Overflows(stream, 1)))
        return Silent() ? static_cast<unsigned char>(c) : EOF;
    return real(c, stream);
}

int __fprintf_chk(FILE* stream, int, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    if (length <= 0)
        return length;
    text.pop_back();
    return fwrite(text.data(), 1, text.size(), stream) == text.size() ? length : -1;
}

int fflush(FILE* stream) {
    static const auto real = Real<int (*)(FILE*)>("fflush");
    if (Lost(stream, stream != nullptr && Waiting(stream) > 0))
        return Silent() ? 0 : EOF;
    return real(stream);
}

int fseek(FILE* stream, long offset, int whence) {
    static const auto real = Real<int (*)(FILE*, long, int)>("fseek");
    const bool lost = Lost(stream, Waiting(stream) > 0);
    return real(stream, offset, whence) != 0 || (lost && !Silent()) ? -1 : 0;
}

int fseeko64(FILE* stream, off64_t offset, int whence) {
    static const auto real = Real<int (*)(FILE*, off64_t, int)>("fseeko64");
    const bool lost = Lost(stream, Waiting(stream) > 0);
    return real(stream, offset, whence) != 0 || (lost && !Silent()) ? -1 : 0;
}

int fclose(FILE* stream) {
    static const auto real = Real<int (*)(FILE*)>("fclose");
    const bool lost = Lost(stream, Waiting(stream) > 0);
    const int rc = real(stream);
    return lost && !Silent() ? EOF : rc;
}

} // extern "C"

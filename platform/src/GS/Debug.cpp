#include "GS/Debug.hpp"
#include "hostplatform/DebugLog.hpp"

#include "Format.hpp"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <utility>

namespace {

constexpr size_t kMaxEntries = 10000;

struct DebugLogState {
    std::mutex mutex;
    std::deque<std::string> entries;
};

DebugLogState& State() {
    static DebugLogState state;
    return state;
}

bool EchoToStderr() {
    const char* value = std::getenv("HOSTPLATFORM_DEBUG");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

} // namespace

void DBPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = GS::detail::FormatWithCNumerics(format, args);
    va_end(args);

    if (EchoToStderr())
        std::fputs(text.c_str(), stderr);
    DebugLogState& state = State();
    const std::lock_guard lock(state.mutex);
    if (state.entries.size() == kMaxEntries)
        state.entries.pop_front();
    state.entries.push_back(std::move(text));
}

namespace hostplatform {

std::vector<std::string> DebugLog() {
    DebugLogState& state = State();
    const std::lock_guard lock(state.mutex);
    return {state.entries.begin(), state.entries.end()};
}

void ClearDebugLog() {
    DebugLogState& state = State();
    const std::lock_guard lock(state.mutex);
    state.entries.clear();
}

} // namespace hostplatform

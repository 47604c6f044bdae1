#include "hostplatform/HostCalls.hpp"

#include <map>

namespace hostplatform {

namespace {

struct CallTable {
    HostCalls::Slots counts;
    int depth = 0;                 // calls running, plus scopes that count nothing
    const char* running = nullptr; // the counted call that is running, if any
    std::uint64_t resets = 0;
};

CallTable& Table() {
    static CallTable table;
    return table;
}

// Counts by name, less `start`; the same text may sit at several addresses.
HostCalls::Counts Since(const HostCalls::Slots& start) {
    std::map<std::string, std::uint64_t> byName;
    for (const auto& [name, count] : Table().counts) {
        const auto before = start.find(name);
        const std::uint64_t calls = count - (before == start.end() ? 0 : before->second);
        if (calls > 0)
            byName[name] += calls;
    }
    return {byName.begin(), byName.end()};
}

template <class Counts> std::uint64_t Sum(const Counts& counts) {
    std::uint64_t total = 0;
    for (const auto& entry : counts)
        total += entry.second;
    return total;
}

} // namespace

HostCalls::Call::Call(const char* name) {
    CallTable& table = Table();
    if (table.depth++ > 0)
        return;
    ++table.counts[name];
    table.running = name;
}

HostCalls::Call::~Call() {
    CallTable& table = Table();
    if (--table.depth == 0)
        table.running = nullptr;
}

HostCalls::Uncounted::Uncounted() {
    ++Table().depth;
}

HostCalls::Uncounted::~Uncounted() {
    --Table().depth;
}

HostCalls::Tally::Tally() : start_(Table().counts), resets_(Table().resets) {
    if (const char* running = Table().running)
        --start_[running];
}

HostCalls::Counts HostCalls::Tally::ByName() const {
    // A Reset since the tally began restarts it from zero.
    return Table().resets == resets_ ? Since(start_) : Since({});
}

std::uint64_t HostCalls::Tally::Total() const {
    return Sum(ByName());
}

void HostCalls::Reset() {
    Table().counts.clear();
    ++Table().resets;
}

std::uint64_t HostCalls::Count(std::string_view name) {
    std::uint64_t count = 0;
    for (const auto& [slotName, calls] : Table().counts)
        if (name == slotName)
            count += calls;
    return count;
}

std::uint64_t HostCalls::Total() {
    return Sum(Table().counts);
}

HostCalls::Counts HostCalls::ByName() {
    return Since({});
}

} // namespace hostplatform

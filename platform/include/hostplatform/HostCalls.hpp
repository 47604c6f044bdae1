// Host-call counting of the stand-in host: every ACAPI_ function and every call of the IFC accessor
// counts itself by name, so tests, benchmarks and the host program can see how often the add-on asks
// the host. A call the stand-in makes from inside another call is not counted. One thread only, like
// the host's add-on interface.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace hostplatform {

class HostCalls {
  public:
    // Call names with their counts, in alphabetical order; names without calls are left out.
    using Counts = std::vector<std::pair<std::string, std::uint64_t>>;
    // The running counts, kept by the address of the name: no text is made per call.
    using Slots = std::unordered_map<const char*, std::uint64_t>;

    // Counts one call of `name` unless another call is running. `name` must live as long as the
    // process: a string literal or __func__.
    class Call {
      public:
        explicit Call(const char* name);
        ~Call();
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;
    };

    // While one lives nothing is counted: for calls the host program makes as the user, not the add-on.
    class Uncounted {
      public:
        Uncounted();
        ~Uncounted();
        Uncounted(const Uncounted&) = delete;
        Uncounted& operator=(const Uncounted&) = delete;
    };

    // The calls since it was made. Made while a call runs (in a process-window observer, say), it
    // includes that call.
    class Tally {
      public:
        Tally();
        Counts ByName() const;
        std::uint64_t Total() const;

      private:
        Slots start_;
        std::uint64_t resets_;
    };

    static void Reset();
    static std::uint64_t Count(std::string_view name);
    static std::uint64_t Total();
    static Counts ByName();
};

} // namespace hostplatform

#include "Format.hpp"

#include <clocale>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace GS::detail {

namespace {

// Switches this thread to the current locale with LC_NUMERIC replaced by "C";
// only numbers change, so the other categories keep their behaviour.
class CNumericScope {
  public:
    CNumericScope() {
        locale_t base = duplocale(uselocale(static_cast<locale_t>(0)));
        if (base != static_cast<locale_t>(0)) {
            scoped_ = newlocale(LC_NUMERIC_MASK, "C", base);
            if (scoped_ == static_cast<locale_t>(0))
                freelocale(base);
        }
        if (scoped_ != static_cast<locale_t>(0))
            previous_ = uselocale(scoped_);
    }
    ~CNumericScope() {
        if (scoped_ == static_cast<locale_t>(0))
            return;
        uselocale(previous_);
        freelocale(scoped_);
    }
    CNumericScope(const CNumericScope&) = delete;
    CNumericScope& operator=(const CNumericScope&) = delete;

  private:
    locale_t scoped_ = static_cast<locale_t>(0);
    locale_t previous_ = static_cast<locale_t>(0);
};

} // namespace

std::string FormatWithCNumerics(const char* format, va_list args) {
    if (format == nullptr)
        return {};
    CNumericScope numerics;
    char small[256];
    va_list first;
    va_copy(first, args);
    const int needed = std::vsnprintf(small, sizeof small, format, first);
    va_end(first);
    if (needed < 0)
        return {};
    if (static_cast<size_t>(needed) < sizeof small)
        return std::string(small, static_cast<size_t>(needed));

    std::vector<char> large(static_cast<size_t>(needed) + 1);
    va_list second;
    va_copy(second, args);
    std::vsnprintf(large.data(), large.size(), format, second);
    va_end(second);
    return std::string(large.data(), static_cast<size_t>(needed));
}

} // namespace GS::detail

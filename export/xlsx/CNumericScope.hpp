// Runs a scope of the current thread under the "C" locale. libxlsxwriter prints numbers with the
// thread's numeric locale, and a decimal comma ("12,5") corrupts the workbook.
#pragma once

#include <locale.h>

namespace xlsx {

class CNumericScope {
  public:
    CNumericScope() : previous_(uselocale(CLocale())) {}
    ~CNumericScope() { uselocale(previous_); }
    CNumericScope(const CNumericScope&) = delete;
    CNumericScope& operator=(const CNumericScope&) = delete;

  private:
    // Made once and kept for the life of the process. Should it ever fail, uselocale(0) only queries.
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }

    locale_t previous_;
};

} // namespace xlsx

// A Dutch locale (decimal comma) for tests that must show a result does not depend on the process's
// numeric locale: the installed one when there is one, else one generated with localedef under the
// test's temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale.h>
#include <string>

namespace testsupport {

constexpr const char* DutchLocaleName = "nl_NL.UTF-8";

// The folder of a generated locale; empty when the system's own locales will do or none can be made.
inline std::string GeneratedLocaleFolder() {
    if (const locale_t installed = newlocale(LC_ALL_MASK, DutchLocaleName, static_cast<locale_t>(0))) {
        freelocale(installed);
        return "";
    }
    if (!std::filesystem::exists("/usr/share/i18n/locales/nl_NL"))
        return "";
    const std::string dir = testing::TempDir() + "qelm-locales";
    const std::string target = dir + "/" + DutchLocaleName;
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    // localedef may exit non-zero over mere warnings; loading the result is the real check.
    if (!std::filesystem::exists(target + "/LC_NUMERIC"))
        (void)std::system(("localedef -i nl_NL -f UTF-8 '" + target + "' >/dev/null 2>&1").c_str());
    return dir;
}

// Runs load with LOCPATH pointing at a generated locale when one is needed; LOCPATH is only read
// while a locale is loaded.
template <typename Load> auto WithDutchLocalePath(Load load) {
    const std::string dir = GeneratedLocaleFolder();
    if (!dir.empty())
        setenv("LOCPATH", dir.c_str(), 1);
    auto result = load();
    if (!dir.empty())
        unsetenv("LOCPATH");
    return result;
}

// A Dutch locale object for the categories of mask; (locale_t)0 when none can be made.
inline locale_t NewDutchLocale(int mask) {
    return WithDutchLocalePath([mask] { return newlocale(mask, DutchLocaleName, static_cast<locale_t>(0)); });
}

// Makes the Dutch locale the process locale (all categories); false when none can be made.
inline bool UseDutchLocale() {
    return WithDutchLocalePath([] { return std::setlocale(LC_ALL, DutchLocaleName) != nullptr; });
}

} // namespace testsupport

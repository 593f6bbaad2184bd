#pragma once

#include <clocale>
#include <string>

namespace tessara::testing {

// Restores the process locale however the test ends.
class LocaleGuard {
public:
    LocaleGuard() : previous_(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() { std::setlocale(LC_ALL, previous_.c_str()); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    std::string previous_;
};

}  // namespace tessara::testing

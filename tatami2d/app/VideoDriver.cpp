#include "tatami2d/app/VideoDriver.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace tatami2d {

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool ListNames(std::string_view list, std::string_view name) {
    for (;;) {
        const std::size_t comma = list.find(',');
        if (EqualIgnoringCase(list.substr(0, comma), name)) {
            return true;
        }
        if (comma == std::string_view::npos) {
            return false;
        }
        list.remove_prefix(comma + 1);
    }
}

} // namespace

bool IsUnseenFallbackDriver(const char* driver, const char* requestedDrivers) {
    // "evdev" is SDL's dummy driver with keyboard input from the Linux console.
    constexpr std::array<std::string_view, 3> unseen{"offscreen", "dummy", "evdev"};
    if (driver == nullptr || std::find(unseen.begin(), unseen.end(), driver) == unseen.end()) {
        return false;
    }
    return requestedDrivers == nullptr || !ListNames(requestedDrivers, driver);
}

} // namespace tatami2d

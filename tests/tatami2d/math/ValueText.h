#pragma once

#include "tatami2d/math/Pos2f.h"

#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

// Values written out for comparison with a whole row of expected results at once: "v " for a
// number, "x,y " for a point or vector, each point of a sequence in turn.
template <class... Values>
std::string ValueText(const Values&... values) {
    std::ostringstream text;
    const auto put = [&text](const auto& value) {
        using Value = std::decay_t<decltype(value)>;
        if constexpr (std::is_arithmetic_v<Value>) {
            text << value << ' ';
        } else if constexpr (std::is_same_v<Value, std::vector<tatami2d::Pos2f>>) {
            for (const tatami2d::Pos2f& point : value) {
                text << point.x << ',' << point.y << ' ';
            }
        } else {
            text << value.x << ',' << value.y << ' ';
        }
    };
    (put(values), ...);
    return text.str();
}

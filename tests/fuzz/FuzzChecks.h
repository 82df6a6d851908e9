// What both fuzz targets share: a quiet parser, and checks that crash so libFuzzer keeps the input.
#pragma once

#include "tatami2d/math/Pos2f.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    // Every refusal the parser reports on std::cerr would drown libFuzzer's output and slow it.
    std::cerr.setstate(std::ios::badbit);
    return 0;
}

inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

inline bool AllFinite(const std::vector<Pos2f>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const Pos2f& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

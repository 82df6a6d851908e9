#include "tatami2d/app/DrawArea.h"

namespace tatami2d {
namespace {

// One window per process, so one area: views read it on the thread that draws.
DrawArea current{};

} // namespace

DrawArea GetDrawArea() {
    return current;
}

void SetDrawArea(const DrawArea& area) {
    current = area;
}

} // namespace tatami2d

#include "ResizeDemo.h"
#include "tatami2d/app/Core.h"

#include <memory>

int main(int /*argc*/, char* /*argv*/[]) {
    // Resizable, and sharp on a high-density display; F switches full screen at run time.
    auto core = std::make_unique<tatami2d::Core>(
        tatami2d::WindowSpec{"Tatami2D: resize", 640.0f, 480.0f, true},
        tatami2d::WindowOptions{true, false, true});
    core->Run<ResizeDemo>();
    core.reset();
    return 0;
}

#include "TextDemo.h"
#include "tatami2d/app/Core.h"

#include <memory>

int main(int /*argc*/, char* /*argv*/[]) {
    auto core = std::make_unique<tatami2d::Core>(
        tatami2d::WindowSpec{"Tatami2D: text in any script", 640.0f, 480.0f, true});
    core->Run<TextDemo>();
    core.reset();
    return 0;
}

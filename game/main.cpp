#include "game/Game.h"
#include "tatami2d/app/Core.h"
#include "tatami2d/app/Platform.h"

#include <cstdlib>
#include <ctime>
#include <memory>

int main(int /*argc*/, char* /*argv*/[]) {
    std::srand(static_cast<unsigned int>(std::time(nullptr)));
    tatami2d::platform::EnableHeapChecks();

    auto core = std::make_unique<tatami2d::Core>(
        tatami2d::WindowSpec{"Numeral Dojo", 1350.0f, 345.0f, true});
    core->Run<dojo::Game>();
    core.reset();

    tatami2d::platform::ReportLeaks();
    return 0;
}

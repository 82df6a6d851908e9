#include "game/Game.h"
#include "tatami2d/app/Core.h"
#include "tatami2d/app/Heap.h"
#include "tatami2d/app/Platform.h"

#include <cstdlib>
#include <ctime>
#include <memory>

int main(int /*argc*/, char* /*argv*/[]) {
    std::srand(static_cast<unsigned int>(std::time(nullptr)));
    tatami2d::platform::EnableHeapChecks();
    // The software renderers the game often runs on free and take again large buffers every
    // frame; keeping freed memory saves a page fault per page each time.
    tatami2d::RetainFreedHeap();

    auto core = std::make_unique<tatami2d::Core>(
        tatami2d::WindowSpec{"Numeral Dojo", 1350.0f, 345.0f, true});
    core->Run<dojo::Game>();
    core.reset();

    tatami2d::platform::ReportLeaks();
    return 0;
}

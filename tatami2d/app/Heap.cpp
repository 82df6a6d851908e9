#include "tatami2d/app/Heap.h"

#include "tatami2d/app/Platform.h"

namespace tatami2d {

void RetainFreedHeap() {
    platform::RetainFreedHeap();
}

} // namespace tatami2d

#pragma once

#include <cstddef>

// Calls of the global operator new so far, in a binary that links AllocationCounter.cpp.
std::size_t HeapAllocationCount();

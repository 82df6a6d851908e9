#pragma once

#include <cstddef>

// Calls of the global operator new so far, in a binary that links AllocationCounter.cpp.
std::size_t HeapAllocationCount();

// Makes every later allocation over `bytes` fail as if memory had run out (SIZE_MAX: no limit).
void LimitAllocationSize(std::size_t bytes);

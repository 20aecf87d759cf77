#pragma once

#include <cstdint>

// Heap allocations made by one thread. The benchmark replaces the global
// operator new and the C allocator's entry points with counting versions that
// forward to the C library, and sorts each allocation by the code that called
// the allocator.
struct AllocationCount {
    // The program's own code, linked into this executable, and the C++
    // library's string code, which runs on its behalf.
    std::uint64_t programCalls = 0;
    // Qt's libraries and plugins: their own work, and the containers
    // (QString, QList) that inline code of the program grows through them.
    std::uint64_t qtCalls = 0;
    // Everything else: the OpenGL driver, X, the C library.
    std::uint64_t systemCalls = 0;
    // Blocks given back by anyone (free, and operator delete through it).
    std::uint64_t frees = 0;
};

// Starts counting on the calling thread from zero.
void StartCountingAllocations();

// Stops counting on the calling thread and returns what it counted.
AllocationCount StopCountingAllocations();

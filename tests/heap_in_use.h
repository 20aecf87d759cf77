#pragma once

#include <malloc.h>

// What the process holds from malloc, arena and mapped chunks together, in
// kilobytes. Unlike the resident size it does not move with the allocator's
// fragmentation or the machine's load, so a small steady growth shows.
inline long HeapKilobytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

#pragma once

#include <malloc.h>

#include <algorithm>
#include <climits>

// What the process holds from malloc, arena and mapped chunks together, in
// kilobytes. Unlike the resident size it does not move with the allocator's
// fragmentation or the machine's load, so a small steady growth shows.
inline long HeapKilobytesInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

// The lowest HeapKilobytesInUse() over a span of frames. Mesa's software
// renderer holds vertex and upload buffers of a megabyte for a few frames at
// a time, so that one reading swings by as much; the low point moves only
// with what is kept.
class HeapFloor {
public:
    void Note() { low = std::min(low, HeapKilobytesInUse()); }
    long Kilobytes() const { return low; }

private:
    long low = LONG_MAX;
};

#include "libnova_turn.h"

#include <cassert>

namespace {

// Not inlined: no caller keeps a value in the vector registers across a call.
[[gnu::noinline]] void ClearUpperVectorHalves()
{
#if defined(__x86_64__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        __asm__ volatile("vzeroupper");
    }
#endif
}

std::mutex& Theories()
{
    static std::mutex theories;
    return theories;
}

thread_local bool heldHere = false;

} // namespace

LibnovaTurn::LibnovaTurn()
{
    assert(!heldHere && "a thread that holds libnova's turn asked for it again");
    Lock = std::unique_lock(Theories());
    heldHere = true;
    ClearUpperVectorHalves();
}

LibnovaTurn::~LibnovaTurn()
{
    heldHere = false;
}

bool LibnovaTurn::HeldHere()
{
    return heldHere;
}

#include "libnova_turn.h"

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

} // namespace

std::unique_lock<std::mutex> LibnovaTurn()
{
    static std::mutex theories;
    std::unique_lock turn(theories);
    ClearUpperVectorHalves();
    return turn;
}

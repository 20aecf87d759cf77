#include "libnova_turn.h"

std::unique_lock<std::mutex> LibnovaTurn()
{
    static std::mutex theories;
    return std::unique_lock(theories);
}

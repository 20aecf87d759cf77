#include "allocation_counter.h"

#include <link.h>

#include <array>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <new>

// The C library's allocator under its own names, which stay reachable when
// the program defines malloc and friends.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

enum class Caller { Program, Qt, System };

struct CodeRange {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    Caller caller = Caller::System;
};

// The code of the program and of Qt, as loaded when counting last started.
// Anything else is the system's.
std::array<CodeRange, 64> gCodeRanges;
std::size_t gCodeRangeCount = 0;

// Per thread, so that the driver's and Qt's worker threads do not mix into
// the main thread's figures. Plain data: reading it never allocates.
thread_local bool tCounting = false;
thread_local AllocationCount tCount;

Caller CallerOfModule(const char* name)
{
    // The executable comes first and has no name.
    if (name == nullptr || name[0] == '\0' || std::strstr(name, "libstdc++") != nullptr) {
        return Caller::Program;
    }
    if (std::strstr(name, "libQt6") != nullptr || std::strstr(name, "/qt6/plugins/") != nullptr) {
        return Caller::Qt;
    }
    return Caller::System;
}

int AddCodeRanges(dl_phdr_info* info, std::size_t /*size*/, void* /*data*/)
{
    const Caller caller = CallerOfModule(info->dlpi_name);
    for (int header = 0; header < info->dlpi_phnum && caller != Caller::System; ++header) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[header];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X) != 0 && gCodeRangeCount < gCodeRanges.size()) {
            const std::uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
            gCodeRanges[gCodeRangeCount++] = {begin, begin + segment.p_memsz, caller};
        }
    }
    return 0;
}

Caller CallerAt(const void* address)
{
    const auto value = reinterpret_cast<std::uintptr_t>(address);
    for (std::size_t index = 0; index < gCodeRangeCount; ++index) {
        if (value >= gCodeRanges[index].begin && value < gCodeRanges[index].end) {
            return gCodeRanges[index].caller;
        }
    }
    return Caller::System;
}

void CountAllocation(const void* caller)
{
    if (!tCounting) {
        return;
    }
    switch (CallerAt(caller)) {
    case Caller::Program:
        ++tCount.programCalls;
        break;
    case Caller::Qt:
        ++tCount.qtCalls;
        break;
    case Caller::System:
        ++tCount.systemCalls;
        break;
    }
}

// Null when out of memory; the throwing forms of new throw instead.
void* NewBlock(std::size_t size, std::size_t alignment, const void* caller)
{
    CountAllocation(caller);
    return alignment > __STDCPP_DEFAULT_NEW_ALIGNMENT__ ? __libc_memalign(alignment, size)
                                                        : __libc_malloc(size == 0 ? 1 : size);
}

void* ThrowingNewBlock(std::size_t size, std::size_t alignment, const void* caller)
{
    void* block = NewBlock(size, alignment, caller);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

} // namespace

void StartCountingAllocations()
{
    // Qt loads its plugins as it goes: look at the loaded code afresh.
    gCodeRangeCount = 0;
    dl_iterate_phdr(AddCodeRanges, nullptr);
    tCount = {};
    tCounting = true;
}

AllocationCount StopCountingAllocations()
{
    tCounting = false;
    return tCount;
}

extern "C" {

void* malloc(std::size_t size) noexcept
{
    CountAllocation(__builtin_return_address(0));
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept
{
    CountAllocation(__builtin_return_address(0));
    return __libc_calloc(count, size);
}

void* realloc(void* block, std::size_t size) noexcept
{
    CountAllocation(__builtin_return_address(0));
    return __libc_realloc(block, size);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept
{
    CountAllocation(__builtin_return_address(0));
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept
{
    CountAllocation(__builtin_return_address(0));
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** block, std::size_t alignment, std::size_t size) noexcept
{
    if (alignment % sizeof(void*) != 0 || !std::has_single_bit(alignment)) {
        return EINVAL;
    }
    CountAllocation(__builtin_return_address(0));
    void* aligned = __libc_memalign(alignment, size);
    if (aligned == nullptr) {
        return ENOMEM;
    }
    *block = aligned;
    return 0;
}

void free(void* block) noexcept
{
    if (tCounting && block != nullptr) {
        ++tCount.frees;
    }
    __libc_free(block);
}

} // extern "C"

// Each form of new is replaced, so that each sees its own caller; every form
// of delete reaches free.
void* operator new(std::size_t size)
{
    return ThrowingNewBlock(size, 0, __builtin_return_address(0));
}

void* operator new[](std::size_t size)
{
    return ThrowingNewBlock(size, 0, __builtin_return_address(0));
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    return ThrowingNewBlock(size, static_cast<std::size_t>(alignment), __builtin_return_address(0));
}

void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return ThrowingNewBlock(size, static_cast<std::size_t>(alignment), __builtin_return_address(0));
}

void* operator new(std::size_t size, const std::nothrow_t& /*tag*/) noexcept
{
    return NewBlock(size, 0, __builtin_return_address(0));
}

void* operator new[](std::size_t size, const std::nothrow_t& /*tag*/) noexcept
{
    return NewBlock(size, 0, __builtin_return_address(0));
}

void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t& /*tag*/) noexcept
{
    return NewBlock(size, static_cast<std::size_t>(alignment), __builtin_return_address(0));
}

void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t& /*tag*/) noexcept
{
    return NewBlock(size, static_cast<std::size_t>(alignment), __builtin_return_address(0));
}

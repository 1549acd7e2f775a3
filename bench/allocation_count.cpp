#include "allocation_count.h"

#include <cstdlib>
#include <new>

namespace {
thread_local std::size_t t_nAllocations = 0;
}  // namespace

std::size_t AllocationCount() {
    return t_nAllocations;
}

// The other forms of new and delete that the program uses (new[], nothrow) end in these.
void* operator new(std::size_t nSize) {
    ++t_nAllocations;
    if (void* p = std::malloc(nSize == 0 ? 1 : nSize)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

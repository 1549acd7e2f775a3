#pragma once
// Counts the allocations made through operator new on this thread, so that a benchmark can
// report how many a decode costs. allocation_count.cpp replaces the global operator new of
// the benchmark program that links it; the count is a plain thread-local number, so counting
// costs the measured code next to nothing.
#include <benchmark/benchmark.h>

#include <cstddef>

std::size_t AllocationCount();

// The counters of one benchmark: allocations per iteration and, given the items one
// iteration decodes, per item. nBefore is AllocationCount() taken before the timed loop.
inline void ReportAllocations(benchmark::State& state, std::size_t nBefore, double dItems) {
    const double dPerIteration =
        static_cast<double>(AllocationCount() - nBefore) / static_cast<double>(state.iterations());
    state.counters["allocs"] = dPerIteration;
    if (dItems > 0) state.counters["allocs_per_item"] = dPerIteration / dItems;
}

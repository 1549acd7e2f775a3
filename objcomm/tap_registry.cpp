#include "objcomm/tap_registry.h"

#include <atomic>
#include <mutex>
#include <unordered_map>

namespace {

struct CTapRegistry {
    std::mutex lock;
    std::unordered_map<const void*, CConnectionTap*> taps;
    std::atomic<size_t> nTaps{0};
};

CTapRegistry& Registry() {
    // Never destroyed: a connection may be destroyed during the process's exit.
    static auto* pRegistry = new CTapRegistry;
    return *pRegistry;
}

}  // namespace

void AttachTap(const void* pConnection, CConnectionTap* pTap) {
    CTapRegistry& registry = Registry();
    const std::lock_guard<std::mutex> hold(registry.lock);
    if (pTap) {
        registry.taps[pConnection] = pTap;
    } else {
        registry.taps.erase(pConnection);
    }
    registry.nTaps = registry.taps.size();
}

CConnectionTap* FindTap(const void* pConnection) {
    CTapRegistry& registry = Registry();
    if (registry.nTaps == 0) return nullptr;
    const std::lock_guard<std::mutex> hold(registry.lock);
    const auto found = registry.taps.find(pConnection);
    return found == registry.taps.end() ? nullptr : found->second;
}

// Destroying a Bulk Serial Process frees each of its commands, and each command's operation,
// exactly once; a command still shared outside the response outlives it. The frees are
// counted by this program's own operator delete.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

#include "objcomm/station/bulk_serial_process_response.h"
#include "tests/support/frames.h"

namespace {

// Fixed storage, so that recording a free allocates nothing.
constexpr size_t kMaxFreed = 4096;
const void* g_freed[kMaxFreed];
size_t g_nFreed = 0;
bool g_bRecording = false;

void Record(const void* p) {
    if (g_bRecording && p != nullptr && g_nFreed < kMaxFreed) g_freed[g_nFreed++] = p;
}

}  // namespace

void* operator new(std::size_t nSize) {
    if (void* p = std::malloc(nSize != 0 ? nSize : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    Record(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Record(p);
    std::free(p);
}

namespace {

using station_test::DecodePassThrough;
using station_test::Hex;

// The frees that happen while fn runs.
template <typename Fn>
std::vector<const void*> FreedDuring(Fn fn) {
    g_nFreed = 0;
    g_bRecording = true;
    fn();
    g_bRecording = false;
    return std::vector<const void*>(g_freed, g_freed + g_nFreed);
}

long TimesFreed(const std::vector<const void*>& freed, const void* p) {
    return std::count(freed.begin(), freed.end(), p);
}

// Three commands for the SLE 4418: Verify PIN, Reset Card, Change PIN.
const char kBulkSerial[] =
    "81 0003 0009 03 0002 ffff 0002 9000  0005 00 0000 0000  0009 02 0004 1234 5678 0000";

TEST(SharedOwnershipTest, BulkSerialResponseFreesEachCommandAndOperationOnce) {
    auto response = DecodePassThrough(0x0E, Hex(kBulkSerial));
    std::vector<const void*> held;
    for (const auto& command : dynamic_cast<CRspBulkSerialProcess&>(*response).m_arrCommands) {
        held.insert(held.end(), {command.Get(), command->m_operation.Get()});
    }
    ASSERT_EQ(held.size(), 6u);

    const auto freed = FreedDuring([&] { response.reset(); });
    for (const void* p : held) EXPECT_EQ(TimesFreed(freed, p), 1);
}

TEST(SharedOwnershipTest, ACommandSharedOutsideOutlivesItsResponse) {
    auto response = DecodePassThrough(0x0E, Hex(kBulkSerial));
    CRCPtr<CBulkSerialProcessCommand> kept =
        dynamic_cast<CRspBulkSerialProcess&>(*response).m_arrCommands[1];
    const void* pCommand = kept.Get();
    const void* pOperation = kept->m_operation.Get();

    auto freed = FreedDuring([&] { response.reset(); });
    EXPECT_EQ(TimesFreed(freed, pCommand), 0);
    EXPECT_EQ(TimesFreed(freed, pOperation), 0);
    EXPECT_EQ(kept->Describe()[1], "Reset Card");

    freed = FreedDuring([&] { kept = CRCPtr<CBulkSerialProcessCommand>(); });
    EXPECT_EQ(TimesFreed(freed, pCommand), 1);
    EXPECT_EQ(TimesFreed(freed, pOperation), 1);
}

}  // namespace

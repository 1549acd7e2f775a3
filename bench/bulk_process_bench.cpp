// Decoding a Bulk Process frame against its floor: one checksum pass over a copy of the
// same bytes. A frame in the 16-bit long form carries up to about 1,000 card commands in
// 60 KiB; the sweep over the command count shows the cost growing linearly with the frame.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

#include "objcomm/checksum.h"
#include "objcomm/frame_codes.h"
#include "objcomm/length_prefix.h"
#include "objcomm/out_binary_string.h"
#include "objcomm/response.h"
#include "objcomm/station/bulk_process_response.h"

#include "allocation_count.h"

namespace {

// A response of 1,000 commands frees some 450 KiB at once. With glibc's default thresholds
// that memory is sometimes handed back to the system and sometimes kept, depending on the
// heap's history, and an iteration after a hand-back pays a page fault for every page it
// takes again: several times the decoding itself, and varying from run to run. Fixed
// thresholds keep the heap, so what is measured is decoding.
[[maybe_unused]] const bool kSteadyHeap =
    mallopt(M_TRIM_THRESHOLD, 64 << 20) && mallopt(M_MMAP_THRESHOLD, 64 << 20);

// A typical personalisation command: an ISO case 3 APDU writing 45 bytes to the card in TBP,
// checked against the status word 9000. 61 bytes on the wire.
void AppendUpdateCommand(COutBinaryString& payload, int nIndex) {
    CByteArray apdu = {0x00, 0xD6, static_cast<BYTE>(nIndex >> 8), static_cast<BYTE>(nIndex), 45};
    apdu.resize(apdu.size() + 45, static_cast<BYTE>(nIndex));
    COutBinaryString process;
    process.AppendByte(0x58).AppendByte(0x0A).AppendByte('3');
    process.SetPrefix(kCountWord).AppendBytes(apdu);
    const CByteArray statusWord = {0x90, 0x00};
    payload.AppendWord(static_cast<WORD>(process.GetSize() + 4)).AppendBytes(process.GetBytes());
    payload.AppendByte(2).SetPrefix(kCountByte).AppendBytes(statusWord).SetPrefix(0);
}

// The whole frame in the long form with a 16-bit length.
CByteArray BulkProcessFrame(int nCommands) {
    COutBinaryString body;
    body.AppendByte(CRspBulkProcess::kSubCommand).AppendWord(1);
    body.AppendWord(static_cast<WORD>(nCommands));
    for (int i = 0; i < nCommands; ++i) AppendUpdateCommand(body, i);
    COutBinaryString frame;
    frame.AppendByte(kLongForm16).SetPrefix(kCountByte).AppendString("ID");
    frame.AppendByte(kPassThrough);
    frame.SetPrefix(kCountWord).AppendBytes(body.GetBytes()).AppendChecksum();
    return frame.GetBytes();
}

void BM_DecodeBulkProcess(benchmark::State& state) {
    const CByteArray bytes = BulkProcessFrame(static_cast<int>(state.range(0)));
    DWORD dwTag = 0;
    const std::size_t nAllocations = AllocationCount();
    for (auto _ : state) {
        CInBinaryString reader(bytes);
        const std::unique_ptr<CObjCommResponse> bulk(CObjCommResponse::Create(reader, &dwTag, 0));
        benchmark::DoNotOptimize(bulk.get());
    }
    ReportAllocations(state, nAllocations, static_cast<double>(state.range(0)));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["frame_bytes"] = static_cast<double>(bytes.size());
}

void BM_ChecksumBulkProcess(benchmark::State& state) {
    const CByteArray bytes = BulkProcessFrame(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        // Decoding copies the frame into its reader; so does the floor.
        const CByteArray copy(bytes);
        benchmark::DoNotOptimize(ComputeChecksum(copy.data(), copy.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

}  // namespace

// 1,000 commands make the 60 KiB frame; the smaller ones show the growth up to it.
BENCHMARK(BM_DecodeBulkProcess)->Arg(125)->Arg(250)->Arg(500)->Arg(1000);
BENCHMARK(BM_ChecksumBulkProcess)->Arg(125)->Arg(250)->Arg(500)->Arg(1000);

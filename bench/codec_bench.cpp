// Decoding cost against its floor: one checksum pass over the same bytes. Every decode
// must at least read each byte once, so the ratio shows what parsing adds on top.
#include <benchmark/benchmark.h>

#include <memory>

#include "objcomm/checksum.h"
#include "objcomm/frame_codes.h"
#include "objcomm/health_check_request.h"
#include "objcomm/key_record.h"
#include "objcomm/key_tags.h"
#include "objcomm/length_prefix.h"
#include "objcomm/out_binary_string.h"
#include "objcomm/response.h"

#include "allocation_count.h"

namespace {

CByteArray SmallFrame() {
    COutBinaryString out;
    out.AppendByte(kLongForm16).SetPrefix(kCountByte).AppendString(kStationIdentifier);
    out.AppendByte(kError).SetPrefix(kCountWord).AppendBytes({0x93}).AppendChecksum();
    return out.GetBytes();
}

// A key-store frame of about nBodyBytes: tagged items whose repeated tags replace each
// other, as a server that streams many attribute updates would send. *pnItems receives the
// number of items.
CByteArray KeyStoreFrame(size_t nBodyBytes, int* pnItems = nullptr) {
    COutBinaryString body;
    body.SetPrefix(kCountWord);
    const CByteArray value(60, 0x41);
    int nItems = 0;
    for (int tag = kTagNumber; body.GetSize() + value.size() + 3 <= nBodyBytes;
         tag = tag % kTagIdentifier + 1) {
        body.AppendByte(static_cast<BYTE>(tag)).AppendBytes(value);
        ++nItems;
    }
    if (pnItems != nullptr) *pnItems = nItems;
    COutBinaryString frame;
    frame.AppendByte(kLongForm32).SetPrefix(kCountByte).AppendString("ID");
    frame.AppendByte(kKeyStore);
    frame.SetPrefix(kCountDWord).AppendBytes(body.GetBytes()).AppendChecksum();
    return frame.GetBytes();
}

// Counts the allocations too: per frame, and per item when nItems is given.
void Decode(benchmark::State& state, const CByteArray& bytes, int nItems = 0) {
    const std::size_t nAllocations = AllocationCount();
    for (auto _ : state) {
        CInBinaryString frame(bytes);
        DWORD tag = 0;
        std::unique_ptr<CObjCommResponse> response(CObjCommResponse::Create(frame, &tag, 0));
        benchmark::DoNotOptimize(response.get());
    }
    ReportAllocations(state, nAllocations, nItems);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void ChecksumFloor(benchmark::State& state, const CByteArray& bytes) {
    for (auto _ : state) {
        // The copy matches the one Decode makes into its reader.
        CByteArray copy(bytes);
        benchmark::DoNotOptimize(ComputeChecksum(copy.data(), copy.size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_DecodeSmallFrame(benchmark::State& state) {
    Decode(state, SmallFrame());
}
void BM_ChecksumSmallFrame(benchmark::State& state) {
    ChecksumFloor(state, SmallFrame());
}

void BM_DecodeKeyStore(benchmark::State& state) {
    int nItems = 0;
    const CByteArray frame = KeyStoreFrame(static_cast<size_t>(state.range(0)), &nItems);
    Decode(state, frame, nItems);
}
void BM_ChecksumKeyStore(benchmark::State& state) {
    ChecksumFloor(state, KeyStoreFrame(static_cast<size_t>(state.range(0))));
}

void BM_DescribeKeyStore(benchmark::State& state) {
    CInBinaryString frame(KeyStoreFrame(60 * 1024));
    DWORD tag = 0;
    std::unique_ptr<CObjCommResponse> response(CObjCommResponse::Create(frame, &tag, 0));
    for (auto _ : state) benchmark::DoNotOptimize(response->Describe().data());
}

void BM_BuildPacketHealthCheck(benchmark::State& state) {
    CMsgHealthCheck request(true, 0);
    COutBinaryString out;
    for (auto _ : state) {
        request.BuildPacket(out, 0, "0123456789ABCDEF", FALSE);
        benchmark::DoNotOptimize(out.GetBytes().data());
    }
}

}  // namespace

BENCHMARK(BM_DecodeSmallFrame);
BENCHMARK(BM_ChecksumSmallFrame);
// 60 KiB is the size the station sees; the range shows that cost grows linearly.
BENCHMARK(BM_DecodeKeyStore)->Arg(15 * 1024)->Arg(60 * 1024)->Arg(240 * 1024);
BENCHMARK(BM_ChecksumKeyStore)->Arg(15 * 1024)->Arg(60 * 1024)->Arg(240 * 1024);
BENCHMARK(BM_DescribeKeyStore);
BENCHMARK(BM_BuildPacketHealthCheck);

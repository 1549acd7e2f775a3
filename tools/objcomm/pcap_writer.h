#pragma once
#include <cstdio>
#include <mutex>
#include <string>

#include "platform/types.h"

// A capture file in the classic pcap format, link type Ethernet, that connections on any
// number of threads write their packets to, each packet stamped with the time it is written.
class CPcapWriter {
public:
    CPcapWriter() = default;
    CPcapWriter(const CPcapWriter&) = delete;
    CPcapWriter& operator=(const CPcapWriter&) = delete;
    ~CPcapWriter();

    // Creates strPath, or empties it, and writes the file header; false, with the reason in
    // *pstrError, when it cannot.
    bool Open(const std::string& strPath, std::string* pstrError);
    // Appends one Ethernet frame of at most 262144 bytes.
    void Write(const CByteArray& frame);
    // Writes what is buffered and closes the file; false when some packet was not written,
    // with the reason in *pstrError.
    bool Close(std::string* pstrError);

private:
    void WriteBytes(const CByteArray& bytes);

    std::mutex m_mutex;
    FILE* m_pFile = nullptr;
    int m_nError = 0;  // errno of the first failed write
};

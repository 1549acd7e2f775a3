#include "tools/objcomm/pcap_writer.h"

#include <cerrno>
#include <chrono>
#include <cstring>

namespace {

constexpr DWORD kPcapMagic = 0xA1B2C3D4;  // microsecond time stamps
constexpr WORD kVersionMajor = 2;
constexpr WORD kVersionMinor = 4;
constexpr DWORD kSnapLength = 262144;
constexpr DWORD kLinkEthernet = 1;

// pcap's numbers are in the writer's byte order; the magic number tells readers which.
template <typename T>
void AppendNative(CByteArray& out, T value) {
    const auto* p = reinterpret_cast<const BYTE*>(&value);
    out.insert(out.end(), p, p + sizeof value);
}

}  // namespace

CPcapWriter::~CPcapWriter() {
    if (m_pFile) std::fclose(m_pFile);
}

bool CPcapWriter::Open(const std::string& strPath, std::string* pstrError) {
    m_pFile = std::fopen(strPath.c_str(), "wb");
    if (!m_pFile) {
        *pstrError = std::strerror(errno);
        return false;
    }
    CByteArray header;
    AppendNative(header, kPcapMagic);
    AppendNative(header, kVersionMajor);
    AppendNative(header, kVersionMinor);
    AppendNative(header, DWORD{0});  // time zone: UTC
    AppendNative(header, DWORD{0});  // accuracy of the time stamps
    AppendNative(header, kSnapLength);
    AppendNative(header, kLinkEthernet);
    WriteBytes(header);
    return true;
}

void CPcapWriter::Write(const CByteArray& frame) {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(since).count();
    CByteArray record;
    AppendNative(record, static_cast<DWORD>(micros / 1000000));
    AppendNative(record, static_cast<DWORD>(micros % 1000000));
    AppendNative(record, static_cast<DWORD>(frame.size()));
    AppendNative(record, static_cast<DWORD>(frame.size()));
    record.insert(record.end(), frame.begin(), frame.end());
    WriteBytes(record);
}

void CPcapWriter::WriteBytes(const CByteArray& bytes) {
    const std::lock_guard lock(m_mutex);
    if (m_pFile && std::fwrite(bytes.data(), 1, bytes.size(), m_pFile) != bytes.size() &&
        m_nError == 0) {
        m_nError = errno ? errno : EIO;
    }
}

bool CPcapWriter::Close(std::string* pstrError) {
    const std::lock_guard lock(m_mutex);
    if (m_pFile && std::fclose(m_pFile) != 0 && m_nError == 0) m_nError = errno ? errno : EIO;
    m_pFile = nullptr;
    if (m_nError != 0) *pstrError = std::strerror(m_nError);
    return m_nError == 0;
}

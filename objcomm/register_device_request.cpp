#include "objcomm/register_device_request.h"

#include "objcomm/describe.h"
#include "platform/format.h"

namespace {
constexpr char kOverwriteAllowed = '1';
constexpr char kOverwriteWithPseudoIp = '2';
}  // namespace

CMsgRegisterDevice::CMsgRegisterDevice(const CString& strDeviceName, const CByteArray& arrModules,
                                       const CString& strOldDeviceName, DWORD dwContext)
    : CObjCommMessage(dwContext),
      m_strDeviceName(strDeviceName),
      m_strOldDeviceName(strOldDeviceName),
      m_arrModules(arrModules) {}

COutBinaryString CMsgRegisterDevice::GetData() {
    COutBinaryString out;
    out.AppendByte(static_cast<BYTE>(m_cOverwriteMode)).SetPrefix(-1);
    if (m_cOverwriteMode == kOverwriteWithPseudoIp) out.AppendString(m_strOldDeviceName);
    out.AppendString(m_strDeviceName).AppendBytes(m_arrModules);
    return out;
}

CStringArray& CMsgRegisterDevice::Describe() {
    BeginDescribe(m_arrDescribe, "Register Device Name");
    const char* mode = m_cOverwriteMode == kOverwriteAllowed        ? "Over write is allowed"
                       : m_cOverwriteMode == kOverwriteWithPseudoIp ? "Over write name and use pseudo IP"
                                                                    : "Over write is not allowed";
    AddPair(m_arrDescribe, "Over Write Name Settings", mode);
    if (m_cOverwriteMode == kOverwriteWithPseudoIp) {
        AddPair(m_arrDescribe, "Old Personalization Device Name", m_strOldDeviceName);
    }
    AddPair(m_arrDescribe, "Personalization Device Name", m_strDeviceName);
    for (size_t i = 0; i < m_arrModules.size(); ++i) {
        AddPair(m_arrDescribe, FormatText("Sequence number of Module %zu", i),
                FormatText("%02X", m_arrModules[i]));
    }
    return m_arrDescribe;
}

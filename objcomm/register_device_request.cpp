#include "objcomm/register_device_request.h"

#include "objcomm/describe.h"
#include "objcomm/length_prefix.h"
#include "platform/format.h"

namespace {
constexpr CodeText kOverwriteModeCodes[] = {
    {'1', "Over write is allowed"},
    {CMsgRegisterDevice::kOverwriteWithPseudoIp, "Over write name and use pseudo IP"},
};
constexpr CTextTable kOverwriteModes{kOverwriteModeCodes, "Over write is not allowed"};
}  // namespace

CMsgRegisterDevice::CMsgRegisterDevice(const CString& strDeviceName, const CByteArray& arrModules,
                                       const CString& strOldDeviceName, DWORD dwContext)
    : CObjCommMessage(dwContext),
      m_strOldDeviceName(strOldDeviceName),
      m_strDeviceName(strDeviceName),
      m_arrModules(arrModules) {}

CMsgRegisterDevice::CMsgRegisterDevice(CInBinaryString& payload, DWORD dwContext)
    : CObjCommMessage(dwContext) {
    ReadFields(*this, payload);
}

void CMsgRegisterDevice::VisitFields(CFieldVisitor& visitor) {
    visitor.Number(m_cOverwriteMode, 1, "Over Write Name Settings", kOverwriteModes);
    if (m_cOverwriteMode == kOverwriteWithPseudoIp) {
        visitor.Text(m_strOldDeviceName, kCountByte, "Old Personalization Device Name");
    }
    visitor.Text(m_strDeviceName, kCountByte, "Personalization Device Name");
    // Each module is shown on its own, after the fields.
    visitor.Block(m_arrModules, kCountByte, nullptr);
}

COutBinaryString CMsgRegisterDevice::GetData() {
    COutBinaryString out;
    WriteFields(*this, out);
    return out;
}

CStringArray& CMsgRegisterDevice::Describe() {
    BeginDescribe(m_arrDescribe, "Register Device Name");
    DescribeFields(*this, m_arrDescribe);
    for (size_t i = 0; i < m_arrModules.size(); ++i) {
        AddPair(m_arrDescribe, FormatText("Sequence number of Module %zu", i),
                FormatText("%02X", m_arrModules[i]));
    }
    return m_arrDescribe;
}

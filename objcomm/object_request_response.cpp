#include "objcomm/object_request_response.h"

#include "objcomm/describe.h"
#include "objcomm/errors.h"
#include "objcomm/key_tags.h"
#include "objcomm/length_prefix.h"
#include "platform/format.h"

namespace {

constexpr BYTE kGeneralObject = 0x11;
constexpr BYTE kSearchMarker = 0x20;
constexpr BYTE kResponseMarker = 0x30;

// Reads items until their summed wire size, kept in 16 bits like the length field it is
// compared with, reaches the section length.
void ReadSection(CInBinaryString& payload, CKeyRecord& record) {
    payload.ReadByte();  // section marker, not checked
    const WORD wLength = payload.ReadWord();
    WORD wRead = 0;
    while (wRead < wLength) wRead = static_cast<WORD>(wRead + record.ReadItem(payload));
}

void WriteSection(COutBinaryString& out, BYTE marker, const CKeyRecord& record) {
    COutBinaryString items;
    record.AppendTo(items, kCountWord);
    out.AppendByte(marker).SetPrefix(kCountWord).AppendBytes(items.GetBytes());
}

void DescribeSection(CStringArray& list, const char* pszLabel, const CKeyRecord& record) {
    AddPair(list, pszLabel, FormatText("%d", record.GetPresentCount()));
    record.DescribeTo(list);
}

}  // namespace

CRspObjectRequest::CRspObjectRequest(CInBinaryString& payload, DWORD dwContext)
    : CServerResponse(kCommand, dwContext) {
    if (payload.ReadByte() != kGeneralObject) throw CPassThruParseError();
    payload.ReadBytes(m_arrRequestedFields, kCountWord);
    ReadSection(payload, m_searchItems);
    ReadSection(payload, m_responseItems);
}

CStringArray& CRspObjectRequest::Describe() {
    BeginDescribe(m_arrDescribe, "Object Request Response");
    AddPair(m_arrDescribe, "Object Type Requested", "General");
    for (BYTE tag : m_arrRequestedFields)
        AddPair(m_arrDescribe, "Requested Field", GetKeyTagName(tag));
    DescribeSection(m_arrDescribe, "Number Of Search Items", m_searchItems);
    DescribeSection(m_arrDescribe, "Number Of Response Items", m_responseItems);
    return m_arrDescribe;
}

COutBinaryString CRspObjectRequest::GetData() {
    COutBinaryString out;
    out.AppendByte(kGeneralObject).SetPrefix(kCountWord).AppendBytes(m_arrRequestedFields);
    WriteSection(out, kSearchMarker, m_searchItems);
    WriteSection(out, kResponseMarker, m_responseItems);
    return out;
}

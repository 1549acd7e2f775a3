#include "objcomm/key_request_response.h"

#include "objcomm/describe.h"
#include "objcomm/hex.h"
#include "objcomm/key_tags.h"
#include "objcomm/length_prefix.h"
#include "platform/format.h"

CRspKeyRequest::CRspKeyRequest(CInBinaryString& payload, DWORD dwContext)
    : CServerResponse(kCommand, dwContext) {
    while (!payload.IsExhausted()) {
        // The field is built in its block, in its place in the array; should its value be
        // cut short, the half-read field goes with the array as the response unwinds.
        CKeyField& field = *m_arrFields.emplace_back(std::in_place);
        field.m_nTag = payload.ReadByte();
        if (field.m_nTag == kTagEncrypted) {
            field.m_bText = 0;
            payload.ReadBytes(field.m_arrBytes, kCountWord);
        } else {
            field.m_strText = payload.ReadString(kCountWord);
        }
    }
}

CStringArray& CRspKeyRequest::Describe() {
    BeginDescribe(m_arrDescribe, "Key Request Response");
    if (!m_arrSuppliedValue.empty()) {
        AddPair(m_arrDescribe, "Supplied Value", FormatHexSpaced(m_arrSuppliedValue));
    }
    for (const CRCPtr<CKeyField>& field : m_arrFields) {
        AddPair(m_arrDescribe, "Field Type", FormatText("%u", field->m_nTag));
        AddPair(m_arrDescribe, "Field Value",
                field->m_bText ? field->m_strText : FormatHexSpaced(field->m_arrBytes));
    }
    return m_arrDescribe;
}

COutBinaryString CRspKeyRequest::GetData() {
    COutBinaryString out;
    out.AppendBytes(m_arrSuppliedValue);
    out.SetPrefix(kCountWord);
    for (const CRCPtr<CKeyField>& field : m_arrFields) {
        out.AppendByte(field->m_nTag);
        if (field->m_bText) {
            out.AppendString(field->m_strText);
        } else {
            out.AppendBytes(field->m_arrBytes);
        }
    }
    return out;
}

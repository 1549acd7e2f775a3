#include "objcomm/key_store_response.h"

#include "objcomm/describe.h"

CRspKeyStore::CRspKeyStore(CInBinaryString& payload, DWORD dwContext)
    : CServerResponse(3, dwContext) {
    while (!payload.IsExhausted()) m_record.ReadItem(payload);
}

CStringArray& CRspKeyStore::Describe() {
    BeginDescribe(m_arrDescribe, "Key Store Response");
    m_record.DescribeTo(m_arrDescribe);
    return m_arrDescribe;
}

COutBinaryString CRspKeyStore::GetData() {
    COutBinaryString out;
    m_record.AppendTo(out, -2);
    return out;
}

#include "objcomm/key_store_response.h"

#include "objcomm/describe.h"
#include "objcomm/length_prefix.h"

CRspKeyStore::CRspKeyStore(CInBinaryString& payload, DWORD dwContext)
    : CServerResponse(kCommand, dwContext) {
    while (!payload.IsExhausted()) m_record.ReadItem(payload);
}

CStringArray& CRspKeyStore::Describe() {
    BeginDescribe(m_arrDescribe, "Key Store Response");
    m_record.DescribeTo(m_arrDescribe);
    return m_arrDescribe;
}

COutBinaryString CRspKeyStore::GetData() {
    COutBinaryString out;
    m_record.AppendTo(out, kCountWord);
    return out;
}

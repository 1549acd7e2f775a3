#pragma once
#include "objcomm/pass_through_response.h"

// The serial memory responses open with the chip type, which decides what their operation
// codes mean.
class CSerialMemoryResponse : public CPassThroughResponse {
public:
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    int m_nChipType;

protected:
    CSerialMemoryResponse(int nSubCommand, const char* pszDisplayName, CInBinaryString& payload,
                          DWORD dwContext);

    // What follows the chip type.
    virtual void DescribeOperations(CStringArray& list) = 0;
    virtual void WriteOperations(COutBinaryString& out) = 0;

private:
    const char* const m_pszDisplayName;
};

#pragma once
#include "objcomm/export.h"
#include "objcomm/pass_through_response.h"

// The serial memory responses open with the chip type, which decides what their operation
// codes mean.
class OBJCOMM_API CSerialMemoryResponse : public CPassThroughResponse {
public:
    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    // The chip type, the payload's first byte.
    int m_nChipType;

protected:
    // Reads the chip type from the payload; the derived class reads what follows.
    CSerialMemoryResponse(int nSubCommand, const char* pszDisplayName, CInBinaryString& payload,
                          DWORD dwContext);

    // What follows the chip type.
    virtual void DescribeOperations(CStringArray& list) = 0;
    // Writes what follows the chip type.
    virtual void WriteOperations(COutBinaryString& out) = 0;

private:
    const char* const m_pszDisplayName;
};

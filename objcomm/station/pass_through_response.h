#pragma once
#include "objcomm/response.h"

// Base of every card pass-through (command 10) response. The sub-command is fixed per class;
// the context, when nonzero, selects the extended form in which some fields are wider.
class CPassThroughResponse : public CObjCommResponse {
public:
    int GetCommand() override { return 10; }
    int GetSubCommand() override { return m_nSubCommand; }

protected:
    CPassThroughResponse(int nSubCommand, DWORD dwContext)
        : CObjCommResponse(dwContext), m_nSubCommand(nSubCommand) {}

    bool IsExtended() const { return m_dwContext != 0; }

    CStringArray m_arrDescribe;

private:
    const int m_nSubCommand;
};

// Uppercase hex of a byte block; pszEmpty stands in for a block with no bytes, since these
// lists show "None" where the older contactless classes show nothing.
CString HexOrText(const CByteArray& bytes, const char* pszEmpty);

#pragma once
#include "objcomm/field_visitor.h"
#include "objcomm/frame_codes.h"
#include "objcomm/response.h"

// Base of every card pass-through (command 10) response. The sub-command is fixed per class;
// the context, when nonzero, selects the extended form in which some fields are wider.
class CPassThroughResponse : public CObjCommResponse {
public:
    int GetCommand() override { return kPassThrough; }
    int GetSubCommand() override { return m_nSubCommand; }

protected:
    CPassThroughResponse(int nSubCommand, DWORD dwContext)
        : CObjCommResponse(dwContext), m_nSubCommand(nSubCommand) {}

    bool IsExtended() const { return m_dwContext != 0; }
    // A setting: a code byte shown by its text, or in the extended form four bytes holding
    // the value itself, shown by format.
    void VisitSetting(CFieldVisitor& visitor, DWORD& dwValue, const char* pszLabel,
                      const CTextTable& codes, Formatter format) const;

    CStringArray m_arrDescribe;

private:
    const int m_nSubCommand;
};

#pragma once
#include "objcomm/export.h"
#include "objcomm/field_visitor.h"
#include "objcomm/frame_codes.h"
#include "objcomm/response.h"

// Base of every card pass-through (command 10) response. The sub-command is fixed per class;
// the context, when nonzero, selects the extended form in which some fields are wider.
class OBJCOMM_API CPassThroughResponse : public CObjCommResponse {
public:
    // kPassThrough.
    int GetCommand() override { return kPassThrough; }
    // The sub-command the class answers.
    int GetSubCommand() override { return m_nSubCommand; }

protected:
    // nSubCommand is the sub-command byte of the class's frames.
    CPassThroughResponse(int nSubCommand, DWORD dwContext)
        : CObjCommResponse(dwContext), m_nSubCommand(nSubCommand) {}

    // Whether the payload is in the extended form.
    bool IsExtended() const { return m_dwContext != 0; }
    // A setting: a code byte shown by its text, or in the extended form four bytes holding
    // the value itself, shown by format.
    void VisitSetting(CFieldVisitor& visitor, DWORD& dwValue, const char* pszLabel,
                      const CTextTable& codes, Formatter format) const;

    // The list Describe fills and returns.
    CStringArray m_arrDescribe;

private:
    const int m_nSubCommand;
};

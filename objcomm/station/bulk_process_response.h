#pragma once
#include "objcomm/contact/process_response.h"
#include "objcomm/export.h"
#include "objcomm/field_walks.h"
#include "objcomm/pass_through_response.h"
#include "objcomm/station/command_list.h"

// One command of a Bulk Process: a card command (the payload of a Process response) and how
// the station is to compare the card's answer with the predicted result. Its fields are
// those after the process.
class OBJCOMM_API CBulkProcessCommand : public CFieldRecord {
public:
    // Reads one command record; dwContext is the enclosing response's.
    CBulkProcessCommand(CInBinaryString& reader, DWORD dwContext);
    CBulkProcessCommand(const CBulkProcessCommand&) = delete;
    CBulkProcessCommand& operator=(const CBulkProcessCommand&) = delete;
    virtual ~CBulkProcessCommand() = default;

    void VisitFields(CFieldVisitor& visitor) override;
    // The bytes Encode appends.
    int GetEncodedLength();
    // The command record. Its length field is computed afresh, never copied from the one read.
    void Encode(COutBinaryString& out);
    // The process's pairs without its "Command" pair, then the check mode and the predicted result.
    CStringArray& Describe();

    // Always the command's own, so it lives inside the command: one allocation fewer for
    // each of the hundreds of commands a frame may carry.
    CRspProcess m_process;
    // 0: not checked; 1: the whole result; 2: the status word.
    int m_nCheckMode = 0;
    // Travels only when the check mode is not 0.
    CByteArray m_arrPredictedResult;
    // The list Describe fills and returns.
    CStringArray m_arrDescribe;
    // The enclosing response's context.
    DWORD m_dwContext;

private:
    // The command length field: four bytes in the extended form, else two.
    static int GetLengthFieldWidth(DWORD dwContext) { return dwContext != 0 ? 4 : 2; }
    // Reads past the command length: the record is read field by field instead.
    static CInBinaryString& SkipCommandLength(CInBinaryString& reader, DWORD dwContext);
    bool HasPredictedResult() const { return m_nCheckMode != 0; }
};

// A counted list of card commands. The count is two bytes in both forms.
class OBJCOMM_API CRspBulkProcess : public CPassThroughResponse {
public:
    static constexpr int kSubCommand = 0x0C;

    CRspBulkProcess(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    // The commands, in order.
    CArray<CRCPtr<CBulkProcessCommand>> m_arrCommands;
};

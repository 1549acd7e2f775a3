#include "objcomm/serialmem/parameter_operation.h"

#include "platform/format.h"

CString FormatParameter(DWORD dwValue) {
    return FormatText("%02x", dwValue);
}

std::unique_ptr<CField> MakeNumber(CFieldList& owner, const CParameterInfo& parameter) {
    return std::make_unique<CValueField<DWORD>>(owner, parameter.nWidth, parameter.pszLabel,
                                                parameter.format);
}

std::unique_ptr<CField> MakeCode(CFieldList& owner, const CParameterInfo& parameter) {
    return std::make_unique<CValueField<DWORD>>(owner, parameter.pszLabel, *parameter.pCodes);
}

std::unique_ptr<CField> MakeFlag(CFieldList& owner, const CParameterInfo& parameter) {
    return std::make_unique<CValueField<bool>>(owner, parameter.pszLabel, *parameter.pCodes);
}

std::unique_ptr<CField> MakeBlock(CFieldList& owner, const CParameterInfo& parameter) {
    return std::make_unique<CBlockField>(owner, parameter.pszLabel, -parameter.nWidth, "None");
}

CFieldListOperation::CFieldListOperation(int nChipType, BYTE nCode, CInBinaryString& reader,
                                         DWORD dwContext)
    : CSerialMemoryOperation(nChipType, nCode, reader, dwContext), CFieldList(reader, false) {}

int CFieldListOperation::GetParameterLength() const {
    COutBinaryString parameters;
    WriteFields(parameters);
    return static_cast<int>(parameters.GetSize());
}

void CFieldListOperation::WriteParameters(COutBinaryString& out) const {
    out.AppendWord(static_cast<WORD>(GetParameterLength()));
    WriteFields(out);
}

void CFieldListOperation::DescribeParameters(CStringArray& list) const {
    DescribeFields(list);
}

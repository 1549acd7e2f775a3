#include "objcomm/serialmem/parameter_operation.h"

#include "platform/format.h"

CString FormatParameter(DWORD dwValue) {
    return FormatText("%02x", dwValue);
}

std::unique_ptr<CField> MakeNumber(CFieldList& owner, const CParameterSpec& spec) {
    return std::make_unique<CValueField<DWORD>>(owner, spec.nWidth, spec.pszLabel, spec.format);
}

std::unique_ptr<CField> MakeCode(CFieldList& owner, const CParameterSpec& spec) {
    return std::make_unique<CValueField<DWORD>>(owner, spec.pszLabel, *spec.pCodes);
}

std::unique_ptr<CField> MakeFlag(CFieldList& owner, const CParameterSpec& spec) {
    return std::make_unique<CValueField<bool>>(owner, spec.pszLabel, *spec.pCodes);
}

std::unique_ptr<CField> MakeBlock(CFieldList& owner, const CParameterSpec& spec) {
    return std::make_unique<CBlockField>(owner, spec.pszLabel, -spec.nWidth, "None");
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

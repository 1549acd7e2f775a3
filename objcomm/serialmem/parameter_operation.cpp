#include "objcomm/serialmem/parameter_operation.h"

void VisitNumber(CFieldVisitor& visitor, const CParameterInfo& parameter, CParameterValue& value) {
    visitor.Number(value.dwNumber, parameter.nWidth, parameter.pszLabel, parameter.show);
}

void VisitFlag(CFieldVisitor& visitor, const CParameterInfo& parameter, CParameterValue& value) {
    bool bSet = value.dwNumber != 0;
    visitor.Number(bSet, 1, parameter.pszLabel, parameter.show);
    value.dwNumber = bSet;
}

void VisitBlock(CFieldVisitor& visitor, const CParameterInfo& parameter, CParameterValue& value) {
    visitor.Block(value.arrBytes, parameter.nWidth, parameter.pszLabel, "None");
}

int CFieldListOperation::GetParameterLength() {
    return static_cast<int>(GetFieldsLength(*this));
}

void CFieldListOperation::WriteParameters(COutBinaryString& out) {
    out.AppendWord(static_cast<WORD>(GetParameterLength()));
    WriteFields(*this, out);
}

void CFieldListOperation::DescribeParameters(CStringArray& list) {
    DescribeFields(*this, list);
}

#pragma once
#include <memory>

#include "objcomm/serialmem/serial_memory_operation.h"
#include "objcomm/station/field_kinds.h"
#include "objcomm/station/field_list.h"

// A single number shows as "%02x": lowercase, and every significant digit of a wider one.
CString FormatParameter(DWORD dwValue);

// One parameter of an operation, as data: how it travels and how a person reads it.
struct CParameterInfo {
    using Maker = std::unique_ptr<CField> (*)(CFieldList& owner, const CParameterInfo& parameter);

    Maker make;
    const char* pszLabel;
    int nWidth;  // of a number, or of a block's length
    Formatter format = nullptr;
    const CTextTable* pCodes = nullptr;
};

std::unique_ptr<CField> MakeNumber(CFieldList& owner, const CParameterInfo& parameter);
std::unique_ptr<CField> MakeCode(CFieldList& owner, const CParameterInfo& parameter);
std::unique_ptr<CField> MakeFlag(CFieldList& owner, const CParameterInfo& parameter);
std::unique_ptr<CField> MakeBlock(CFieldList& owner, const CParameterInfo& parameter);

// A number of nWidth bytes.
constexpr CParameterInfo Number(const char* pszLabel, int nWidth = 1,
                                Formatter format = FormatParameter) {
    return {MakeNumber, pszLabel, nWidth, format};
}
// A code byte, shown by its text.
constexpr CParameterInfo Code(const char* pszLabel, const CTextTable& codes) {
    return {MakeCode, pszLabel, 1, nullptr, &codes};
}
// A byte that is true when non-zero, written back as 1 or 0 and shown by the text of 1 or 0.
constexpr CParameterInfo Flag(const char* pszLabel, const CTextTable& texts) {
    return {MakeFlag, pszLabel, 1, nullptr, &texts};
}
// Bytes after a length of nLengthWidth bytes, shown as hex, or "None" when there are none.
constexpr CParameterInfo Block(const char* pszLabel, int nLengthWidth = 1) {
    return {MakeBlock, pszLabel, nLengthWidth};
}

// An operation with parameters. Its parameter length is what the parameters write, so the
// two cannot disagree.
class CFieldListOperation : public CSerialMemoryOperation, public CFieldList {
public:
    CFieldListOperation(int nChipType, BYTE nCode, CInBinaryString& reader, DWORD dwContext);

    int GetParameterLength() const override;
    void WriteParameters(COutBinaryString& out) const override;
    void DescribeParameters(CStringArray& list) const override;
};

// The shape of every CSmOp class: the parameters kParameters, in wire order. Each class differs
// from the others only in this list and in its name, which the operation table holds.
template <const CParameterInfo&... kParameters>
class CParameters : public CFieldListOperation {
public:
    CParameters(int nChipType, BYTE nCode, CInBinaryString& reader, DWORD dwContext)
        : CFieldListOperation(nChipType, nCode, reader, dwContext),
          m_parameters{kParameters.make(*this, kParameters)...} {}

private:
    // A braced list is evaluated in order, so the parameters read in wire order.
    std::unique_ptr<CField> m_parameters[sizeof...(kParameters)];
};

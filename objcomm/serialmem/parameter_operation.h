#pragma once
#include <array>

#include "objcomm/export.h"
#include "objcomm/field_walks.h"
#include "objcomm/length_prefix.h"
#include "objcomm/serialmem/serial_memory_operation.h"

// A parameter's value: a number, or the bytes of a block.
struct OBJCOMM_API CParameterValue {
    // The value of a number, a code or a flag.
    DWORD dwNumber = 0;
    // The bytes of a block.
    CByteArray arrBytes;
};

// One parameter of an operation, as data: how it travels and how a person reads it.
struct OBJCOMM_API CParameterInfo {
    // Hands the parameter's value to a visitor as its kind of field: VisitNumber, VisitFlag or
    // VisitBlock.
    using Visit = void (*)(CFieldVisitor& visitor, const CParameterInfo& parameter,
                           CParameterValue& value);

    // How the parameter travels.
    Visit visit;
    // Its label in the describe list.
    const char* pszLabel;
    int nWidth;  // of a number; a block's length mode
    // How a number reads to a person.
    CShow show;
};

// A number of the parameter's width.
OBJCOMM_API void VisitNumber(CFieldVisitor& visitor, const CParameterInfo& parameter,
                             CParameterValue& value);
// A one-byte flag: true when nonzero, written back as 1 or 0.
OBJCOMM_API void VisitFlag(CFieldVisitor& visitor, const CParameterInfo& parameter,
                           CParameterValue& value);
// Bytes after a length in the parameter's mode.
OBJCOMM_API void VisitBlock(CFieldVisitor& visitor, const CParameterInfo& parameter,
                            CParameterValue& value);

// A number of nWidth bytes, shown by format ("%02x": every significant digit, lowercase).
constexpr CParameterInfo Number(const char* pszLabel, int nWidth = 1,
                                Formatter format = FormatLowerHex) {
    return {VisitNumber, pszLabel, nWidth, format};
}
// A code byte, shown by its text.
constexpr CParameterInfo Code(const char* pszLabel, const CTextTable& codes) {
    return {VisitNumber, pszLabel, 1, codes};
}
// A byte that is true when non-zero, written back as 1 or 0 and shown by the text of 1 or 0.
constexpr CParameterInfo Flag(const char* pszLabel, const CTextTable& texts) {
    return {VisitFlag, pszLabel, 1, texts};
}
// Bytes after a length in nMode, shown as hex, or "None" when there are none.
constexpr CParameterInfo Block(const char* pszLabel, int nMode = kCountByte) {
    return {VisitBlock, pszLabel, nMode, {}};
}

// An operation with parameters. Its parameter length is what the parameters write, so the
// two cannot disagree.
class OBJCOMM_API CFieldListOperation : public CSerialMemoryOperation, public CFieldRecord {
public:
    // As CSerialMemoryOperation; the most derived class reads the parameters.
    CFieldListOperation(int nChipType, BYTE nCode, CInBinaryString& reader, DWORD dwContext)
        : CSerialMemoryOperation(nChipType, nCode, reader, dwContext) {}

    int GetParameterLength() override;
    void WriteParameters(COutBinaryString& out) override;
    // The label/value pairs of the parameters.
    void DescribeParameters(CStringArray& list) override;
};

// The shape of every CSmOp class: the parameters kParameters, in wire order. Each class
// differs from the others only in this list and in its name, which the operation table holds.
template <const CParameterInfo&... kParameters>
class OBJCOMM_API CParameters : public CFieldListOperation {
public:
    // Reads the parameters from reader, where Create left it after the code and the length word;
    // throws CInBinaryStringException when the bytes end first.
    CParameters(int nChipType, BYTE nCode, CInBinaryString& reader, DWORD dwContext)
        : CFieldListOperation(nChipType, nCode, reader, dwContext) {
        ReadFields(*this, reader);
    }

    // The parameters, in the order kParameters names them.
    void VisitFields(CFieldVisitor& visitor) override {
        size_t i = 0;
        // A comma fold runs left to right: the parameters go in wire order.
        (kParameters.visit(visitor, kParameters, m_values[i++]), ...);
    }

private:
    std::array<CParameterValue, sizeof...(kParameters)> m_values;
};

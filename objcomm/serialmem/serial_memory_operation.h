#pragma once
#include "objcomm/export.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "platform/types.h"

// One low-level operation on a serial memory chip: an operation code and a block of
// parameters. What most codes mean depends on the chip type that the enclosing response
// names. Operations without parameters are objects of this class itself; the CSmOp classes
// add their parameters.
class OBJCOMM_API CSerialMemoryOperation {
public:
    // Reads nothing: Create has consumed the code and the length word already.
    CSerialMemoryOperation(int nChipType, BYTE nCode, CInBinaryString& reader, DWORD dwContext);
    CSerialMemoryOperation(const CSerialMemoryOperation&) = delete;
    CSerialMemoryOperation& operator=(const CSerialMemoryOperation&) = delete;

    virtual ~CSerialMemoryOperation() = default;
    // The bytes WriteParameters puts after the length word.
    virtual int GetParameterLength() { return 0; }
    // The length word, then the parameters.
    virtual void WriteParameters(COutBinaryString& out);
    // Appends "Operation" and the operation's name for its chip type.
    virtual void DescribeName(CStringArray& list) const;
    // Appends the parameters' label/value pairs; an operation without parameters appends none.
    virtual void DescribeParameters(CStringArray&) {}

    // The wire form: the code byte, then WriteParameters.
    void Write(COutBinaryString& out);
    // "Operation", the name, then the parameter pairs, after whatever the list holds.
    void DescribeTo(CStringArray& list);

    // Reads one operation in its wire form. Null when the chip type has no operation of the
    // code read: only the code and the length word are then consumed, so the caller reads
    // the parameters as whatever comes next. The length word is never checked against what
    // the class reads.
    static CSerialMemoryOperation* Create(int nChipType, CInBinaryString& reader, DWORD dwContext);

    // The chip type of the enclosing response, which decides what the code means.
    const int m_nChipType;
    // The operation code.
    const BYTE m_nCode;
    // The enclosing response's; operations read the same in either form.
    const DWORD m_dwContext;
};

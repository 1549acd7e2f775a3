#pragma once
#include "objcomm/export.h"
#include "platform/types.h"

// One tagged field of a Key Request response, kept as it arrived. Tag 4 (Key Encrypted)
// holds bytes; every other tag, known or not, holds text.
struct OBJCOMM_API CKeyField {
    // The attribute tag (EKeyTag, or any other).
    BYTE m_nTag = 0;
    // Nonzero when the value is text (m_strText), else bytes (m_arrBytes).
    BYTE m_bText = 1;
    // The value, when it is text.
    CString m_strText;
    // The value, when it is bytes.
    CByteArray m_arrBytes;
};

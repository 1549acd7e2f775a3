#pragma once
#include "platform/types.h"

// One tagged field of a Key Request response, kept as it arrived. Tag 4 (Key Encrypted)
// holds bytes; every other tag, known or not, holds text.
struct CKeyField {
    BYTE m_nTag = 0;
    BYTE m_bText = 1;
    CString m_strText;
    CByteArray m_arrBytes;
};

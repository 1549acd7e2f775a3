#include "objcomm/pass_through_response.h"

void CPassThroughResponse::VisitSetting(CFieldVisitor& visitor, DWORD& dwValue,
                                        const char* pszLabel, const CTextTable& codes,
                                        Formatter format) const {
    if (IsExtended()) {
        visitor.Number(dwValue, 4, pszLabel, format);
    } else {
        visitor.Number(dwValue, 1, pszLabel, codes);
    }
}

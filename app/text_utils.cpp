#include "app/text_utils.h"

int SplitString(CStringArray& arrPieces, const CString& strText, char cSeparator) {
    arrPieces.clear();
    if (strText.empty()) return 0;
    size_t nStart = 0;
    for (size_t nEnd = strText.find(cSeparator); nEnd != CString::npos;
         nEnd = strText.find(cSeparator, nStart)) {
        arrPieces.push_back(strText.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    arrPieces.push_back(strText.substr(nStart));
    return static_cast<int>(arrPieces.size());
}

bool IsBlank(const CString& strText) {
    return strText.find_first_not_of(" \t\n\v\f\r") == CString::npos;
}

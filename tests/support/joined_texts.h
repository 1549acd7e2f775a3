#pragma once
// Describe lists written on one line: "a|b|c" stands for the texts a, b and c. No text of
// the station's contains '|'; empty texts, leading blanks and a trailing empty text stay.
#include "platform/types.h"

namespace station_test {

inline CStringArray Texts(const CString& strJoined) {
    CStringArray texts;
    size_t nStart = 0;
    for (size_t nBar; (nBar = strJoined.find('|', nStart)) != CString::npos; nStart = nBar + 1) {
        texts.push_back(strJoined.substr(nStart, nBar - nStart));
    }
    texts.push_back(strJoined.substr(nStart));
    return texts;
}

}  // namespace station_test

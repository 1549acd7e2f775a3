#pragma once
#include "platform/types.h"

// Every describe list opens with "Command" and the display name, then label/value pairs.
inline CStringArray& BeginDescribe(CStringArray& list, const CString& strDisplayName) {
    list.clear();
    list.push_back("Command");
    list.push_back(strDisplayName);
    return list;
}

// Appends one label and its value.
inline void AddPair(CStringArray& list, const CString& strLabel, const CString& strValue) {
    list.push_back(strLabel);
    list.push_back(strValue);
}

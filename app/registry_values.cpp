#include "app/registry_values.h"

#include "app/registry_value_path.h"

CString ReadRegistryString(const CString& strFullPath) {
    CRegistryValuePath path(strFullPath, false);
    CString strValue;
    const bool bRead = path.OpenForReading(KEY_READ) && path.ReadString(strValue);
    path.Close();
    return bRead ? strValue : CString();
}

DWORD ReadRegistryDword(const CString& strFullPath) {
    CRegistryValuePath path(strFullPath, false);
    DWORD dwValue = 0;
    const bool bRead = path.OpenForReading(KEY_READ) && path.ReadDword(dwValue);
    path.Close();
    return bRead ? dwValue : 0;
}

bool WriteRegistryString(const CString& strFullPath, const CString& strValue, bool bExpand) {
    CRegistryValuePath path(strFullPath, false);
    const bool bWritten = path.OpenForWriting() && path.WriteString(strValue, bExpand);
    path.Close();
    return bWritten;
}

bool WriteRegistryDword(const CString& strFullPath, DWORD dwValue) {
    CRegistryValuePath path(strFullPath, false);
    const bool bWritten = path.OpenForWriting() && path.WriteDword(dwValue);
    path.Close();
    return bWritten;
}

LONG CheckRegistryKeyWritable(const CString& strFullPath) {
    CRegistryValuePath path(strFullPath, false);
    return path.CreateForWriting();
}

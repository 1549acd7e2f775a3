#pragma once
#include "platform/registry.h"
#include "platform/types.h"

// One value's full path ("HKEY_LOCAL_MACHINE\SOFTWARE\...\Name") split into the predefined
// root, the sub-key and the value name, with the key it opens. Made for one access and
// closed when it goes out of scope at the latest.
class CRegistryValuePath {
public:
    // With bKeyOnly every component belongs to the key; the value name is still the last
    // component. A first component that names no root leaves the root null, and every open
    // then fails.
    CRegistryValuePath(const CString& strFullPath, bool bKeyOnly);
    CRegistryValuePath(const CRegistryValuePath&) = delete;
    CRegistryValuePath& operator=(const CRegistryValuePath&) = delete;
    ~CRegistryValuePath();

    bool OpenForReading(REGSAM samDesired);
    // Creates the key when it is missing.
    bool OpenForWriting();
    // OpenForWriting with the registry's own result, which tells a refusal from a failure.
    LONG CreateForWriting();
    void Close();

    bool ReadDword(DWORD& dwValue);
    bool ReadString(CString& strValue);
    bool WriteDword(DWORD dwValue);
    bool WriteString(const CString& strValue, bool bExpand);

    HKEY GetRootKey() const { return m_hRootKey; }
    const CString& GetSubKey() const { return m_strSubKey; }
    const CString& GetValueName() const;

private:
    bool SetValue(DWORD dwType, const BYTE* pData, DWORD cbData);

    HKEY m_hRootKey = nullptr;
    HKEY m_hKey = nullptr;
    CString m_strSubKey;
    CStringArray m_arrComponents;
};

#include "app/registry_value_path.h"

#include "app/text_utils.h"

CRegistryValuePath::CRegistryValuePath(const CString& strFullPath, bool bKeyOnly) {
    const int nComponents = SplitString(m_arrComponents, strFullPath, '\\');
    if (nComponents == 0) return;
    if (const CRegistryRoot* pRoot = FindRegistryRoot(m_arrComponents[0], false)) {
        m_hRootKey = pRoot->hKey;
    }
    const int nKeyComponents = bKeyOnly ? nComponents : nComponents - 1;
    for (int i = 1; i < nKeyComponents; ++i) {
        if (i > 1) m_strSubKey += '\\';
        m_strSubKey += m_arrComponents[i];
    }
}

CRegistryValuePath::~CRegistryValuePath() {
    Close();
}

const CString& CRegistryValuePath::GetValueName() const {
    static const CString strNone;
    return m_arrComponents.empty() ? strNone : m_arrComponents.back();
}

bool CRegistryValuePath::OpenForReading(REGSAM samDesired) {
    Close();
    return m_hRootKey &&
           RegOpenKeyExA(m_hRootKey, m_strSubKey.c_str(), 0, samDesired, &m_hKey) == ERROR_SUCCESS;
}

bool CRegistryValuePath::OpenForWriting() {
    return CreateForWriting() == ERROR_SUCCESS;
}

LONG CRegistryValuePath::CreateForWriting() {
    Close();
    if (!m_hRootKey) return ERROR_INVALID_HANDLE;
    return RegCreateKeyExA(m_hRootKey, m_strSubKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_WRITE, nullptr, &m_hKey, nullptr);
}

void CRegistryValuePath::Close() {
    if (m_hKey) RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

bool CRegistryValuePath::ReadDword(DWORD& dwValue) {
    DWORD dwType = 0;
    DWORD dwData = 0;
    DWORD cbData = sizeof(dwData);
    const LONG lResult = RegQueryValueExA(m_hKey, GetValueName().c_str(), nullptr, &dwType,
                                          reinterpret_cast<BYTE*>(&dwData), &cbData);
    if (lResult != ERROR_SUCCESS || dwType != REG_DWORD) return false;
    dwValue = dwData;
    return true;
}

bool CRegistryValuePath::ReadString(CString& strValue) {
    // The type is not examined: whatever is stored comes back as text, unexpanded.
    DWORD cbData = 0;
    const char* pszName = GetValueName().c_str();
    if (RegQueryValueExA(m_hKey, pszName, nullptr, nullptr, nullptr, &cbData) != ERROR_SUCCESS) {
        return false;
    }
    CString strBuffer(cbData, '\0');
    if (RegQueryValueExA(m_hKey, pszName, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(strBuffer.data()), &cbData) != ERROR_SUCCESS) {
        return false;
    }
    // The stored size counts the terminating zero.
    strBuffer.resize(cbData > 0 ? cbData - 1 : 0);
    strValue = std::move(strBuffer);
    return true;
}

bool CRegistryValuePath::SetValue(DWORD dwType, const BYTE* pData, DWORD cbData) {
    return RegSetValueExA(m_hKey, GetValueName().c_str(), 0, dwType, pData, cbData) ==
           ERROR_SUCCESS;
}

bool CRegistryValuePath::WriteDword(DWORD dwValue) {
    return SetValue(REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
}

bool CRegistryValuePath::WriteString(const CString& strValue, bool bExpand) {
    return SetValue(bExpand ? REG_EXPAND_SZ : REG_SZ,
                    reinterpret_cast<const BYTE*>(strValue.c_str()),
                    static_cast<DWORD>(strValue.size() + 1));
}

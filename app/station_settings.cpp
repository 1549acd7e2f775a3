#include "app/station_settings.h"

#include <algorithm>
#include <initializer_list>

#include "app/registry_values.h"
#include "app/text_utils.h"

const CString g_strStationKeyPath = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenvale\\Tarrow\\";

namespace {

CString ReadText(const char* pszName) {
    return ReadRegistryString(g_strStationKeyPath + pszName);
}
DWORD ReadNumber(const char* pszName) {
    return ReadRegistryDword(g_strStationKeyPath + pszName);
}
bool WriteText(const char* pszName, const CString& strValue) {
    return WriteRegistryString(g_strStationKeyPath + pszName, strValue, false);
}
bool WriteNumber(const char* pszName, DWORD dwValue) {
    return WriteRegistryDword(g_strStationKeyPath + pszName, dwValue);
}

// Every write has been made, in the order listed, before the results are looked at.
bool AllWritten(std::initializer_list<bool> written) {
    return std::all_of(written.begin(), written.end(), [](bool bWritten) { return bWritten; });
}

void DefaultWhenBlank(CString& strValue, const char* pszDefault) {
    if (IsBlank(strValue)) strValue = pszDefault;
}

}  // namespace

void CStationSettings::Load() {
    ObjectCommunicatorIp = ReadText("ObjectCommunicatorIp");
    PrinterName = ReadText("PrinterName");
    StationName = ReadText("StationName");
    ReaderId = ReadText("ReaderId");
    PiccReaderId = ReadText("PiccReaderId");
    ExtReaderId = ReadText("ExtReaderId");
    ObjectCommunicatorPort = ReadNumber("ObjectCommunicatorPort");
    InstallPath = ReadText("InstallPath");
    RegisterByName = ReadNumber("RegisterByName");
    SuppressDialogs = ReadNumber("SuppressDialogs");

    DefaultWhenBlank(ObjectCommunicatorIp, "127.0.0.1");
    if (ObjectCommunicatorPort == 0) ObjectCommunicatorPort = 1500;
    DefaultWhenBlank(PrinterName, "Simulator");
    DefaultWhenBlank(StationName, "STA1");
    DefaultWhenBlank(ReaderId, "");
    DefaultWhenBlank(PiccReaderId, "");
    DefaultWhenBlank(ExtReaderId, "");
    DefaultWhenBlank(InstallPath, "");
}

bool CStationSettings::Save() {
    return AllWritten({
        WriteText("ObjectCommunicatorIp", ObjectCommunicatorIp),
        WriteNumber("ObjectCommunicatorPort", ObjectCommunicatorPort),
        WriteText("PrinterName", PrinterName),
        WriteText("StationName", StationName),
        WriteText("ReaderId", ReaderId),
        WriteText("PiccReaderId", PiccReaderId),
        WriteText("ExtReaderId", ExtReaderId),
        WriteNumber("RegisterByName", RegisterByName),
        WriteNumber("SuppressDialogs", SuppressDialogs),
    });
}

bool CStationSettings::SaveRegistration() {
    return AllWritten({
        WriteText("PrinterName", PrinterName),
        WriteNumber("RegisterByName", RegisterByName),
    });
}

LONG CStationSettings::CheckWritable() {
    return CheckRegistryKeyWritable(g_strStationKeyPath);
}

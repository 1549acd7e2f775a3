#include "app/station_settings.h"

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
void WriteText(const char* pszName, const CString& strValue) {
    WriteRegistryString(g_strStationKeyPath + pszName, strValue, false);
}
void WriteNumber(const char* pszName, DWORD dwValue) {
    WriteRegistryDword(g_strStationKeyPath + pszName, dwValue);
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

void CStationSettings::Save() {
    WriteText("ObjectCommunicatorIp", ObjectCommunicatorIp);
    WriteNumber("ObjectCommunicatorPort", ObjectCommunicatorPort);
    WriteText("PrinterName", PrinterName);
    WriteText("StationName", StationName);
    WriteText("ReaderId", ReaderId);
    WriteText("PiccReaderId", PiccReaderId);
    WriteText("ExtReaderId", ExtReaderId);
    WriteNumber("RegisterByName", RegisterByName);
    WriteNumber("SuppressDialogs", SuppressDialogs);
}

void CStationSettings::SaveRegistration() {
    WriteText("PrinterName", PrinterName);
    WriteNumber("RegisterByName", RegisterByName);
}

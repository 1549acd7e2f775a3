#pragma once
#include "platform/registry.h"
#include "platform/types.h"

// "HKEY_LOCAL_MACHINE\SOFTWARE\Quenvale\Tarrow\": a value's full path is this followed by
// the value name.
extern const CString g_strStationKeyPath;

// The station's ten registry values. Load reads them all and applies the defaults; Save and
// SaveRegistration write theirs one by one, each in its own open, write, close cycle, and go
// on past a failure: the value then simply stays as it was. Their result tells whether every
// value was written.
class CStationSettings {
public:
    void Load();
    bool Save();
    bool SaveRegistration();
    // Asked before saving, so that a caller who may not write learns it before anything is
    // written: ERROR_SUCCESS, ERROR_ACCESS_DENIED, or another registry failure.
    static LONG CheckWritable();

    CString GetObjectCommunicatorIp() const { return ObjectCommunicatorIp; }
    void SetObjectCommunicatorIp(CString strValue) { ObjectCommunicatorIp = std::move(strValue); }
    DWORD GetObjectCommunicatorPort() const { return ObjectCommunicatorPort; }
    void SetObjectCommunicatorPort(DWORD dwValue) { ObjectCommunicatorPort = dwValue; }
    CString GetPrinterName() const { return PrinterName; }
    void SetPrinterName(CString strValue) { PrinterName = std::move(strValue); }
    CString GetStationName() const { return StationName; }
    void SetStationName(CString strValue) { StationName = std::move(strValue); }
    CString GetReaderId() const { return ReaderId; }
    void SetReaderId(CString strValue) { ReaderId = std::move(strValue); }
    CString GetPiccReaderId() const { return PiccReaderId; }
    void SetPiccReaderId(CString strValue) { PiccReaderId = std::move(strValue); }
    CString GetExtReaderId() const { return ExtReaderId; }
    void SetExtReaderId(CString strValue) { ExtReaderId = std::move(strValue); }
    CString GetInstallPath() const { return InstallPath; }
    void SetInstallPath(CString strValue) { InstallPath = std::move(strValue); }
    DWORD GetRegisterByName() const { return RegisterByName; }
    void SetRegisterByName(DWORD dwValue) { RegisterByName = dwValue; }
    DWORD GetSuppressDialogs() const { return SuppressDialogs; }
    void SetSuppressDialogs(DWORD dwValue) { SuppressDialogs = dwValue; }

private:
    CString ObjectCommunicatorIp;
    DWORD ObjectCommunicatorPort = 0;
    CString PrinterName;
    CString StationName;
    CString ReaderId;
    CString PiccReaderId;
    CString ExtReaderId;
    CString InstallPath;
    DWORD RegisterByName = 0;
    DWORD SuppressDialogs = 0;
};

#pragma once
#include "platform/types.h"

// The first bytes of the two long frame forms; any other first byte is the command of a
// short-form frame.
inline constexpr BYTE kLongForm16 = 0x00;
inline constexpr BYTE kLongForm32 = 0x02;

// Whether a frame that begins with the byte first is in one of the long forms.
inline bool IsLongForm(BYTE first) {
    return first == kLongForm16 || first == kLongForm32;
}

// The command codes of the Object Communicator protocol.
inline constexpr BYTE kKeyRequest = 0x01;
inline constexpr BYTE kKeyStore = 0x03;
inline constexpr BYTE kObjectRequest = 0x04;
inline constexpr BYTE kObjectDataLoading = 0x05;
inline constexpr BYTE kRegisterDevice = 0x06;
inline constexpr BYTE kRequestDeviceName = 0x07;
inline constexpr BYTE kAuthenticateClient = 0x08;
inline constexpr BYTE kSetDeviceName = 0x09;
inline constexpr BYTE kPassThrough = 0x0A;
inline constexpr BYTE kHealthCheck = 0x99;
inline constexpr BYTE kError = 0xFF;

// GetSubCommand of every message whose command is not the pass-through one.
inline constexpr int kNoSubCommand = -1;

#pragma once
// Every text the dialogs show, in one place: the string table, the template captions that
// code sets, and the messages. The .ui files hold the captions that never change.

// The application title (every message box's caption) and the context menu's entry.
inline constexpr const char* kAboutBoxMenuItem = "&About Configure Programming Station";
inline constexpr const char* kAppTitle = "Configure Programming Station";

// Application start-up.
inline constexpr const char* kMsgSocketsInitFailed = "Windows sockets initialization failed.";

// Registration status (static 1016).
inline constexpr const char* kRegisteredAsComputerName = "Registered as computer name.";
inline constexpr const char* kRegistrationRequired = "<<< Registration required.";

// The first entry of every reader list; stored as the empty text.
inline constexpr const char* kNoReader = "none";

// Data exchange: the port checks, then the reader rules in the order they are applied.
inline constexpr const char* kMsgPortNotUnsigned = "Please enter an unsigned integer.";
inline constexpr const char* kFmtRangeUnsigned = "Please enter an integer between %u and %u.";
inline constexpr const char* kMsgNoProgrammingStation =
    "You must select a contact programming station or a contactless programming station "
    "(or both).";
inline constexpr const char* kMsgSameStationReader =
    "You cannot use the same reader for both the contact and contactless programming "
    "stations.";
inline constexpr const char* kMsgSameKeyStationReader =
    "You cannot use the same reader for both the programming station and dedicated key "
    "station.";

// Server actions.
inline constexpr const char* kMsgUnableToConnect = "Unable to Connect to Object Communicator.";
inline constexpr const char* kMsgResponding = "Object Communicator responding.";
inline constexpr const char* kFmtRespondedWithError =
    "Object Communicator responded with error 0x%02X.";
inline constexpr const char* kMsgUnexpectedResponse =
    "Object Communicator returned unexpected response.";
inline constexpr const char* kMsgNoResponseInTime = "Object Communicator did not respond in time.";
inline constexpr const char* kMsgClosedWithoutResponse =
    "Object Communicator closed the connection without responding.";
inline constexpr const char* kMsgMalformedResponse =
    "Object Communicator sent a malformed response.";

// Storing the settings when the registry will not take them.
inline constexpr const char* kMsgSaveNotAllowed =
    "The settings could not be saved: you are not allowed to change them. Ask an administrator "
    "to add you to the configure-station group.";
inline constexpr const char* kMsgSaveFailed = "The settings could not be saved.";
inline constexpr const char* kMsgRegistrationNotAllowed =
    "The station was registered, but the registration could not be stored: you are not "
    "allowed to change the settings.";
inline constexpr const char* kMsgRegistrationNotStored =
    "The station was registered, but the registration could not be stored.";

// What screen readers call the address control's fields, numbered from 1.
inline constexpr const char* kFmtAddressFieldName = "IP address, field %u";

// About box.
inline constexpr const char* kAboutProduct = "Olvane Desktop Utility Software 2.0";
inline constexpr const char* kAboutVersionPrefix = "Configure Programming Station Version ";
inline constexpr const char* kAboutCopyright = "Copyright (C) 2003-2026 Olvane";

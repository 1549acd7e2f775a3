#pragma once
// The objcomm protocol's registration with Wireshark: its fields, preference and dissector,
// then its place on TCP.

// Registers the protocol, its fields, expert infos and preference.
void RegisterObjCommProtocol();
// Puts the dissector on TCP port 1500 and into Decode As.
void HandOffObjCommProtocol();

// The entry points by which Wireshark loads the plugin; it checks the version it was built
// for against its own before it registers anything.
#include <epan/proto.h>
#include <ws_symbol_export.h>
#include <ws_version.h>

#include "wireshark/dissector.h"

// extern: a const at namespace scope would otherwise be local to this file, and unexported.
extern "C" {
WS_DLL_PUBLIC_DEF extern const char plugin_version[] = OBJCOMM_PLUGIN_VERSION;
WS_DLL_PUBLIC_DEF extern const int plugin_want_major = WIRESHARK_VERSION_MAJOR;
WS_DLL_PUBLIC_DEF extern const int plugin_want_minor = WIRESHARK_VERSION_MINOR;

WS_DLL_PUBLIC void plugin_register(void);
}

void plugin_register(void) {
    static const proto_plugin plugin = {RegisterObjCommProtocol, HandOffObjCommProtocol};
    proto_register_plugin(&plugin);
}

#pragma once
#include "platform/sockets.h"
#include "platform/types.h"

// Starts the sockets layer, then runs the configuration dialog modally. The QApplication
// must exist first.
class CStationConfigApp {
public:
    // pfnStartSockets is the start-up to use; tests pass one that fails.
    explicit CStationConfigApp(BOOL (*pfnStartSockets)() = StartSockets)
        : m_pfnStartSockets(pfnStartSockets) {}

    // Always false: by the time it returns the dialog has run its own loop, and the process
    // simply ends. The dialog's result is not needed, Save has written the settings itself.
    bool InitInstance();

private:
    BOOL (*m_pfnStartSockets)();
};

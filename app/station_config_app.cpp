#include "app/station_config_app.h"

#include <QApplication>

#include "app/message_box.h"
#include "app/station_config_dlg.h"
#include "app/station_icon.h"
#include "app/station_strings.h"

bool CStationConfigApp::InitInstance() {
    // The dialog reads the host name through the sockets layer, so nothing else may run
    // before it has started; on failure no setting is read and no dialog is shown.
    if (!m_pfnStartSockets()) {
        StationMessageBox(kMsgSocketsInitFailed);
        return false;
    }
    QApplication::setWindowIcon(StationIcon());
    CStationConfigDlg dlg;
    dlg.exec();
    return false;
}

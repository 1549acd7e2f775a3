// configure-station's own start-up, ended once its dialog is shown.
#include "app/station_config_app.h"
#include "close_once_shown.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CloseModalDialogOnceShown();
    CStationConfigApp theApp;
    theApp.InitInstance();
    return 0;
}

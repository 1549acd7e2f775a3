#include <QApplication>

#include "app/station_config_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Matches the installed .desktop file, so that desktops show the right icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("configure-station"));
    CStationConfigApp theApp;
    theApp.InitInstance();
    return 0;
}

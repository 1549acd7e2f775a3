#include "app/station_icon.h"

QIcon StationIcon() {
    QIcon icon;
    for (const int nSize : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/station-%1.png").arg(nSize), QSize(nSize, nSize));
    }
    return icon;
}

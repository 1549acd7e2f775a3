#include "app/station_icon.h"

#include <QImageReader>
#include <QPixmap>

QIcon StationIcon() {
    // The resource lives in a static library, where nothing would otherwise pull it in.
    static const bool bRegistered = [] {
        Q_INIT_RESOURCE(station_icons);
        return true;
    }();
    Q_UNUSED(bRegistered);
    QIcon icon;
    for (const int nSize : {16, 32, 48}) {
        QImageReader reader(QStringLiteral(":/icons/station-%1.png").arg(nSize), "png");
        // Named and not guessed, the format goes straight to Qt's own PNG reader; guessing
        // would load every image plugin first, which costs the start-up several milliseconds.
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

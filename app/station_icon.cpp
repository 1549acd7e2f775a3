#include "app/station_icon.h"

#include <QImageReader>
#include <QPixmap>

QIcon StationIcon() {
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

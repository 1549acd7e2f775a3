// Draws the application icon, a smart card with its contact chip and contactless waves, at
// the sizes given on the command line: draw_icon DIR 16 32 48 writes DIR/station-16.png ...
// The build runs it, so the picture lives here as code rather than as binary files.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstdlib>

namespace {

void DrawCard(QPainter& painter) {
    // Designed on a 48 by 48 grid; the painter scales it.
    painter.setPen(QPen(QColor(0x1d, 0x4a, 0x80), 1.5));
    painter.setBrush(QColor(0x2f, 0x6d, 0xb5));
    painter.drawRoundedRect(QRectF(2.5, 10.5, 43, 30), 4, 4);

    painter.setPen(QPen(QColor(0x9c, 0x7a, 0x1e), 1.2));
    painter.setBrush(QColor(0xe8, 0xc0, 0x50));
    const QRectF chip(8.5, 19.5, 12, 10);
    painter.drawRoundedRect(chip, 2, 2);
    painter.drawLine(QPointF(chip.left(), chip.center().y()),
                     QPointF(chip.right(), chip.center().y()));
    painter.drawLine(QPointF(chip.center().x(), chip.top()),
                     QPointF(chip.center().x(), chip.bottom()));

    painter.setPen(QPen(QColor(0xf4, 0xf7, 0xfb), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const double r = 5.0 + 5.0 * i;
        painter.drawArc(QRectF(36 - r, 26 - r, 2 * r, 2 * r), 20 * 16, 50 * 16);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: draw_icon DIR SIZE...\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int nSize = std::atoi(argv[i]);
        QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(nSize / 48.0, nSize / 48.0);
        DrawCard(painter);
        painter.end();
        const QString strPath = QStringLiteral("%1/station-%2.png").arg(argv[1]).arg(nSize);
        if (nSize <= 0 || !image.save(strPath)) {
            std::fprintf(stderr, "draw_icon: cannot write %s\n", qPrintable(strPath));
            return 1;
        }
    }
    return 0;
}

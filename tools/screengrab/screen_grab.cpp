// screen_grab OUT.png: waits until a window shows on the X display's black root, then saves
// the part of the screen that holds it. scripts/screenshot uses it on a virtual display,
// where no window manager draws frames, so the picture is the window's content.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>

namespace {

constexpr qint64 kPatienceMs = 30000;
constexpr unsigned long kPollMs = 100;

// The smallest rectangle holding every pixel that is not the root's black.
QRect ContentRect(const QImage& image) {
    QRect rect;
    for (int y = 0; y < image.height(); ++y) {
        const auto* pLine = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(pLine[x]) | qGreen(pLine[x]) | qBlue(pLine[x])) rect |= QRect(x, y, 1, 1);
        }
    }
    return rect;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen_grab OUT.png\n");
        return 2;
    }
    QScreen* pScreen = QGuiApplication::primaryScreen();
    QImage previous;
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < kPatienceMs) {
        const QImage image = pScreen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        // The window is ready once it shows and two grabs in a row agree: painting is done.
        if (!ContentRect(image).isEmpty() && image == previous) {
            if (!image.copy(ContentRect(image)).save(argv[1])) {
                std::fprintf(stderr, "screen_grab: cannot write %s\n", argv[1]);
                return 1;
            }
            return 0;
        }
        previous = image;
        QThread::msleep(kPollMs);
    }
    std::fprintf(stderr, "screen_grab: no window appeared within %lld s\n", kPatienceMs / 1000);
    return 1;
}

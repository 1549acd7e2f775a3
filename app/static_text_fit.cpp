#include "app/static_text_fit.h"

#include <QLabel>
#include <algorithm>

void FitStaticTexts(QWidget& dialog) {
    for (QLabel* pLabel : dialog.findChildren<QLabel*>()) {
        if (pLabel->text().isEmpty()) continue;
        const int nRoom = dialog.width() - pLabel->mapTo(&dialog, QPoint(0, 0)).x();
        const int nWidth = std::min(pLabel->sizeHint().width(), nRoom);
        if (nWidth > pLabel->width()) pLabel->resize(nWidth, pLabel->height());
    }
}

#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>

// Closes the modal dialog as soon as its own event loop runs, that is once it is shown and
// painted; the probe then ends.
inline void CloseModalDialogOnceShown() {
    QTimer::singleShot(0, [] {
        if (QWidget* pDialog = QApplication::activeModalWidget()) pDialog->close();
    });
}

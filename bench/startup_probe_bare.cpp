// The floor of the startup benchmark: a Qt program that shows a dialog with one list.
#include <QDialog>
#include <QListWidget>

#include "close_once_shown.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CloseModalDialogOnceShown();
    QDialog dialog;
    auto* pList = new QListWidget(&dialog);
    pList->addItem(QStringLiteral("none"));
    dialog.exec();
    return 0;
}

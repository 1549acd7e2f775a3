#include "app/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "app/qt_text.h"
#include "app/station_strings.h"

namespace {
CMessageRecorder* g_pRecorder = nullptr;
}

CMessageRecorder::CMessageRecorder() : m_pOuter(g_pRecorder) {
    g_pRecorder = this;
}

CMessageRecorder::~CMessageRecorder() {
    g_pRecorder = m_pOuter;
}

void StationMessageBox(const CString& strText) {
    if (g_pRecorder) {
        g_pRecorder->m_arrTexts.push_back(strText);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, ToQString(strText), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

#include "app/about_dlg.h"

#include <algorithm>

#include "app/qt_text.h"
#include "app/static_text_fit.h"
#include "app/station_icon.h"
#include "app/station_strings.h"
#include "ui_about_dlg.h"

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent), m_pUi(new Ui::CAboutDlg) {
    m_pUi->setupUi(this);
    m_pUi->iconLabel->setPixmap(StationIcon().pixmap(32));

    // The version resource reads "2, 0, 0, 27"; the box shows it with full stops.
    CString strVersion = STATION_VERSION_TEXT;
    std::replace(strVersion.begin(), strVersion.end(), ',', '.');
    m_pUi->productLabel->setText(kAboutProduct);
    m_pUi->versionLabel->setText(ToQString(kAboutVersionPrefix + strVersion));
    m_pUi->copyrightLabel->setText(kAboutCopyright);
    FitStaticTexts(*this);
}

CAboutDlg::~CAboutDlg() = default;

#include "app/station_config_dlg.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

#include "app/about_dlg.h"
#include "app/data_exchange.h"
#include "app/dotted_ip.h"
#include "app/host_name.h"
#include "app/ip_address_ctrl.h"
#include "app/list_box.h"
#include "app/message_box.h"
#include "app/objcomm_exchange.h"
#include "app/qt_text.h"
#include "app/reader_rules.h"
#include "app/smart_card_readers.h"
#include "app/static_text_fit.h"
#include "app/station_icon.h"
#include "app/station_settings.h"
#include "app/station_strings.h"
#include "objcomm/frame_codes.h"
#include "objcomm/health_check_request.h"
#include "objcomm/register_device_request.h"
#include "ui_station_config_dlg.h"

namespace {

constexpr DWORD kMinPort = 1;
constexpr DWORD kMaxPort = 32000;

// "none" is never stored: no reader is the empty text in the settings.
CString StoredReaderName(const CString& strChoice) {
    return strChoice == kNoReader ? CString() : strChoice;
}

// Writes with pfnSave only once the key is known to take writes, so that an operator who may
// not change the settings finds every value as it was. Null when everything was written,
// else the message to show.
const char* StoreSettings(CStationSettings& settings, bool (CStationSettings::*pfnSave)(),
                          const char* pszNotAllowed, const char* pszFailed) {
    const LONG lWritable = CStationSettings::CheckWritable();
    if (lWritable == ERROR_ACCESS_DENIED) return pszNotAllowed;
    return lWritable == ERROR_SUCCESS && (settings.*pfnSave)() ? nullptr : pszFailed;
}

}  // namespace

CStationConfigDlg::CStationConfigDlg(CSmartCardService& readerService, QWidget* pParent)
    : QDialog(pParent), m_pUi(new Ui::CStationConfigDlg), m_readerService(readerService) {
    m_pUi->setupUi(this);
    m_ctlExtList = m_pUi->extList;
    m_ctlContactList = m_pUi->contactList;
    m_ctlPiccList = m_pUi->piccList;
    m_ctlIpAddress = m_pUi->ipAddress;
    m_ctlComputerName = m_pUi->computerName;
    // The edits' own menus would hide the dialog's, which holds the About entry.
    for (QWidget* pEdit : findChildren<QLineEdit*>()) {
        pEdit->setContextMenuPolicy(Qt::NoContextMenu);
    }
    // A screen reader names a control by the caption beside it; item views do not look for
    // their caption themselves.
    for (const QLabel* pLabel : findChildren<QLabel*>()) {
        if (QWidget* pBuddy = pLabel->buddy()) pBuddy->setAccessibleName(pLabel->text());
    }

    m_strComputerName = GetHostComputerName(false);
    CStationSettings settings;
    settings.Load();
    m_strPrinterName = settings.GetPrinterName();
    m_strReaderId = settings.GetReaderId();
    m_strPiccReaderId = settings.GetPiccReaderId();
    m_strExtReaderId = settings.GetExtReaderId();
    m_nPort = settings.GetObjectCommunicatorPort();
    m_strIp = settings.GetObjectCommunicatorIp();
    UpdateRegistrationLabel(settings.GetRegisterByName());
    m_hIcon = StationIcon();

    connect(m_pUi->saveButton, &QPushButton::clicked, this, &CStationConfigDlg::OnSave);
    connect(m_pUi->cancelButton, &QPushButton::clicked, this, &CStationConfigDlg::reject);
    connect(m_pUi->checkIfPresentButton, &QPushButton::clicked, this,
            &CStationConfigDlg::OnCheckIfPresent);
    connect(m_pUi->registerButton, &QPushButton::clicked, this, &CStationConfigDlg::OnRegister);
}

CStationConfigDlg::~CStationConfigDlg() = default;

void CStationConfigDlg::UpdateRegistrationLabel(DWORD dwRegistered) {
    const bool bRegistered = m_strComputerName == m_strPrinterName && dwRegistered != 0;
    m_strRegistration = bRegistered ? kRegisteredAsComputerName : kRegistrationRequired;
}

bool CStationConfigDlg::DoDataExchange(bool bSaveAndValidate) {
    ExchangeListText(*m_ctlContactList, m_strReaderId, bSaveAndValidate);
    ExchangeListText(*m_ctlPiccList, m_strPiccReaderId, bSaveAndValidate);
    QLineEdit& portEdit = *m_pUi->portEdit;
    if (!ExchangeUnsigned(portEdit, m_nPort, bSaveAndValidate)) return false;
    if (bSaveAndValidate && !ValidateRange(portEdit, m_nPort, kMinPort, kMaxPort)) return false;
    ExchangeListText(*m_ctlExtList, m_strExtReaderId, bSaveAndValidate);

    QLabel& registration = *m_pUi->registrationLabel;
    BYTE b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    if (!bSaveAndValidate) {
        registration.setText(ToQString(m_strRegistration));
        // An address that does not parse leaves the bytes at 0: the control shows 0.0.0.0.
        ParseDottedIp(b1, b2, b3, b4, m_strIp);
        m_ctlIpAddress->SetAddress(b1, b2, b3, b4);
        return true;
    }
    m_strRegistration = FromQString(registration.text());
    m_ctlIpAddress->GetAddress(b1, b2, b3, b4);
    m_strIp = FormatDottedIp(b1, b2, b3, b4);
    if (const char* pszBroken =
            BrokenReaderRule(m_strReaderId, m_strPiccReaderId, m_strExtReaderId)) {
        StationMessageBox(pszBroken);
        return false;
    }
    return true;
}

void CStationConfigDlg::showEvent(QShowEvent* pEvent) {
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(pEvent);
}

void CStationConfigDlg::OnInitDialog() {
    // The lists are still empty here, so they get no selection.
    DoDataExchange(false);
    setWindowIcon(m_hIcon);
    FillReaderLists();
    const std::pair<CListBox*, const CString*> arrChoices[] = {{m_ctlContactList, &m_strReaderId},
                                                               {m_ctlPiccList, &m_strPiccReaderId},
                                                               {m_ctlExtList, &m_strExtReaderId}};
    for (const auto& [pList, pstrReader] : arrChoices) {
        pList->SelectString(0, pstrReader->empty() ? CString(kNoReader) : *pstrReader);
    }
    // The port is shown but changed only outside the dialog. The lists need no horizontal
    // extent of ours: Qt sizes their scroll range to the widest entry.
    m_pUi->portEdit->setReadOnly(true);
    m_ctlComputerName->setText(ToQString(m_strComputerName));
    FitStaticTexts(*this);
}

void CStationConfigDlg::FillReaderLists() {
    CStringArray arrReaders;
    // A failed listing leaves the array empty: every list then offers only "none".
    ListSmartCardReaders(arrReaders, m_readerService);
    for (CListBox* pList : {m_ctlContactList, m_ctlPiccList, m_ctlExtList}) {
        pList->AddString(kNoReader);
        for (const CString& strReader : arrReaders) pList->AddString(strReader);
    }
}

void CStationConfigDlg::OnSave() {
    if (!DoDataExchange(true)) return;
    // Reloaded, so that the values the dialog does not edit keep what is stored now,
    // including a registration made since the dialog opened.
    CStationSettings settings;
    settings.Load();
    settings.SetReaderId(StoredReaderName(m_strReaderId));
    settings.SetPiccReaderId(StoredReaderName(m_strPiccReaderId));
    settings.SetExtReaderId(StoredReaderName(m_strExtReaderId));
    settings.SetObjectCommunicatorPort(m_nPort);
    settings.SetObjectCommunicatorIp(m_strIp);
    // Unlike the settings store, the dialog tells the operator; the choices stay on screen.
    if (const char* pszFailure =
            StoreSettings(settings, &CStationSettings::Save, kMsgSaveNotAllowed, kMsgSaveFailed)) {
        StationMessageBox(pszFailure);
        return;
    }
    OnOK();
}

void CStationConfigDlg::OnOK() {
    if (DoDataExchange(true)) accept();
}

void CStationConfigDlg::keyPressEvent(QKeyEvent* pEvent) {
    const bool bEnter = pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter;
    // No button is the default: Enter presses the button that has the focus, and elsewhere
    // it is the OK command, which validates and closes without writing anything.
    if (bEnter) {
        if (auto* pButton = qobject_cast<QPushButton*>(focusWidget())) {
            pButton->click();
        } else {
            OnOK();
        }
        return;
    }
    if (pEvent->key() == Qt::Key_F10 && pEvent->modifiers() == Qt::ShiftModifier) {
        QWidget* pTarget = focusWidget() ? focusWidget() : this;
        ShowSystemMenu(pTarget->mapToGlobal(pTarget->rect().center()));
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CStationConfigDlg::contextMenuEvent(QContextMenuEvent* pEvent) {
    ShowSystemMenu(pEvent->globalPos());
}

void CStationConfigDlg::ShowSystemMenu(const QPoint& ptGlobal) {
    auto* pMenu = new QMenu(this);
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    pMenu->addAction(kAboutBoxMenuItem, this, &CStationConfigDlg::OnAboutBox);
    pMenu->popup(ptGlobal);
}

void CStationConfigDlg::OnAboutBox() {
    // Modal to this dialog without a nested event loop of its own.
    auto* pAbout = new CAboutDlg(this);
    pAbout->setAttribute(Qt::WA_DeleteOnClose);
    pAbout->open();
}

std::unique_ptr<CObjCommResponse> CStationConfigDlg::ExchangeWithServer(CObjCommMessage& request) {
    CExchangeOutcome outcome = ExchangeWithObjComm(m_strIp, m_nPort, request, m_receiveTimeout);
    if (!outcome.pResponse) StationMessageBox(outcome.strFailure);
    return std::move(outcome.pResponse);
}

void CStationConfigDlg::OnCheckIfPresent() {
    if (!DoDataExchange(true)) return;
    CMsgHealthCheck request(true, 0);
    const std::unique_ptr<CObjCommResponse> pResponse = ExchangeWithServer(request);
    if (!pResponse) return;
    StationMessageBox(pResponse->GetCommand() == kHealthCheck
                          ? CString(kMsgResponding)
                          : DescribeUnwantedResponse(*pResponse));
}

void CStationConfigDlg::OnRegister() {
    if (!DoDataExchange(true)) return;
    const CByteArray arrModules{1};
    CMsgRegisterDevice request(m_strComputerName, arrModules, m_strPrinterName, 1);
    const std::unique_ptr<CObjCommResponse> pResponse = ExchangeWithServer(request);
    if (!pResponse) return;
    if (pResponse->GetCommand() != kRegisterDevice) {
        StationMessageBox(DescribeUnwantedResponse(*pResponse));
        return;
    }
    // Accepted: stored at once, independently of Save and Cancel, and no message.
    CStationSettings settings;
    settings.Load();
    settings.SetPrinterName(m_strComputerName);
    settings.SetRegisterByName(1);
    if (const char* pszFailure =
            StoreSettings(settings, &CStationSettings::SaveRegistration, kMsgRegistrationNotAllowed,
                          kMsgRegistrationNotStored)) {
        // The label keeps saying what is stored.
        StationMessageBox(pszFailure);
        return;
    }
    m_strPrinterName = m_strComputerName;
    UpdateRegistrationLabel(1);
    DoDataExchange(false);
}

#pragma once
#include <QDialog>
#include <QIcon>
#include <chrono>
#include <memory>

#include "app/pcsc_lite_service.h"
#include "objcomm/connection.h"
#include "platform/types.h"

class CIPAddressCtrl;
class CListBox;
class CObjCommMessage;
class CObjCommResponse;
class QLabel;

namespace Ui {
class CStationConfigDlg;
}

// The program's main window: the Object Communicator's address, the readers of the contact
// station, the contactless station and the external key station, the registration status,
// and the two server actions. Showing it the first time initialises it: the reader lists
// are filled then, once per dialog.
class CStationConfigDlg : public QDialog {
    Q_OBJECT

public:
    // Loads the settings and reads the host name; the readers come from readerService.
    explicit CStationConfigDlg(CSmartCardService& readerService = PcscLiteService(),
                               QWidget* pParent = nullptr);
    ~CStationConfigDlg() override;

    // Reads the controls into the members and checks them (bSaveAndValidate), or writes the
    // members into the controls. False when a check failed; its message has been shown.
    bool DoDataExchange(bool bSaveAndValidate);
    void UpdateRegistrationLabel(DWORD dwRegistered);

    // How long the server actions wait for a response.
    void SetReceiveTimeout(std::chrono::milliseconds timeout) { m_receiveTimeout = timeout; }

protected:
    void showEvent(QShowEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    void OnInitDialog();
    void FillReaderLists();
    void OnSave();
    void OnOK();
    void OnCheckIfPresent();
    void OnRegister();
    void OnAboutBox();
    void ShowSystemMenu(const QPoint& ptGlobal);
    // The exchange of both actions; null when it failed, after the message is shown.
    std::unique_ptr<CObjCommResponse> ExchangeWithServer(CObjCommMessage& request);

    std::unique_ptr<Ui::CStationConfigDlg> m_pUi;
    CSmartCardService& m_readerService;
    bool m_bInitialised = false;
    std::chrono::milliseconds m_receiveTimeout = CObjCommConnection::kDefaultReceiveTimeout;

    CListBox* m_ctlExtList;
    CListBox* m_ctlContactList;
    CListBox* m_ctlPiccList;
    CIPAddressCtrl* m_ctlIpAddress;
    CString m_strReaderId;
    CString m_strPiccReaderId;
    DWORD m_nPort = 1500;
    CString m_strExtReaderId;
    CString m_strComputerName;
    CString m_strPrinterName;
    CString m_strIp;
    QLabel* m_ctlComputerName;
    CString m_strRegistration;
    QIcon m_hIcon;
};

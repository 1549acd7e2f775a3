#include "app/data_exchange.h"

#include <QLineEdit>
#include <limits>

#include "app/list_box.h"
#include "app/message_box.h"
#include "app/station_strings.h"
#include "platform/format.h"

namespace {

bool FailOn(QLineEdit& edit, const CString& strMessage) {
    StationMessageBox(strMessage);
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
    return false;
}

// Blanks around the number are allowed; a sign, other characters or more than 32 bits are
// not.
bool ParseUnsigned(const QString& strText, DWORD& dwValue) {
    const QString strNumber = strText.trimmed();
    if (strNumber.isEmpty()) return false;
    for (const QChar c : strNumber) {
        if (c < u'0' || c > u'9') return false;
    }
    bool bOk = false;
    const qulonglong nValue = strNumber.toULongLong(&bOk);
    if (!bOk || nValue > std::numeric_limits<DWORD>::max()) return false;
    dwValue = static_cast<DWORD>(nValue);
    return true;
}

}  // namespace

void ExchangeListText(CListBox& list, CString& strValue, bool bSave) {
    if (bSave) {
        strValue = list.GetText(list.GetCurSel());
    } else {
        list.SelectString(-1, strValue);
    }
}

bool ExchangeUnsigned(QLineEdit& edit, DWORD& dwValue, bool bSave) {
    if (!bSave) {
        edit.setText(QString::number(dwValue));
        return true;
    }
    return ParseUnsigned(edit.text(), dwValue) || FailOn(edit, kMsgPortNotUnsigned);
}

bool ValidateRange(QLineEdit& edit, DWORD dwValue, DWORD dwMin, DWORD dwMax) {
    return (dwValue >= dwMin && dwValue <= dwMax) ||
           FailOn(edit, FormatText(kFmtRangeUnsigned, dwMin, dwMax));
}

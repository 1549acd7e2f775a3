#include "app/data_exchange.h"

#include <QLineEdit>
#include <limits>

#include "app/list_box.h"
#include "app/message_box.h"
#include "app/station_strings.h"
#include "platform/format.h"
#include "platform/unsigned_number.h"

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
    unsigned long long nValue = 0;
    if (!ParseUnsignedNumber(strText.trimmed().toStdString(), false,
                             std::numeric_limits<DWORD>::max(), nValue)) {
        return false;
    }
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

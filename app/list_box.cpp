#include "app/list_box.h"

#include <algorithm>

#include "app/qt_text.h"

namespace {

constexpr int kBytesRole = Qt::UserRole;

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsText(const CString& strBytes) {
    return FromQString(ToQString(strBytes)) == strBytes;
}

// As text when both decode without loss, so that case is ignored beyond ASCII too; a name
// that is no text (PC/SC hands over bytes) matches byte for byte, ASCII letters in any case.
bool BeginsWithNoCase(const CString& strText, const CString& strPrefix) {
    if (IsText(strText) && IsText(strPrefix)) {
        return ToQString(strText).startsWith(ToQString(strPrefix), Qt::CaseInsensitive);
    }
    return strText.size() >= strPrefix.size() &&
           std::equal(strPrefix.begin(), strPrefix.end(), strText.begin(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace

CListBox::CListBox(QWidget* pParent) : QListWidget(pParent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CListBox::AddString(const CString& strText) {
    auto* pItem = new QListWidgetItem(ToQString(strText), this);
    pItem->setData(kBytesRole, QByteArray::fromStdString(strText));
}

CString CListBox::GetText(int nIndex) const {
    const QListWidgetItem* pItem = item(nIndex);
    return pItem ? pItem->data(kBytesRole).toByteArray().toStdString() : CString();
}

int CListBox::GetCurSel() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

int CListBox::SelectString(int nStartAfter, const CString& strPrefix) {
    const int nCount = count();
    for (int nStep = 1; nStep <= nCount; ++nStep) {
        const int nRow = (nStartAfter + nStep) % nCount;
        if (BeginsWithNoCase(GetText(nRow), strPrefix)) {
            setCurrentRow(nRow);
            return nRow;
        }
    }
    return -1;
}

QItemSelectionModel::SelectionFlags CListBox::selectionCommand(const QModelIndex& index,
                                                               const QEvent* pEvent) const {
    // Qt lets Ctrl+click, Ctrl+Space and a click beside the entries clear a single selection;
    // a list box only ever moves it.
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, pEvent);
    const bool bTakesAway = !index.isValid() || flags.testFlag(QItemSelectionModel::Deselect);
    return bTakesAway ? QItemSelectionModel::NoUpdate : flags;
}

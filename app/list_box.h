#pragma once
#include <QListWidget>

#include "platform/types.h"

// A single-selection list box of texts in the system's multibyte character set. Each entry
// keeps the bytes it was given: what Qt shows is only their decoding, so a name that is not
// valid text comes back unchanged. Once an entry is selected, no click or key takes the
// selection away again; only another entry replaces it.
class CListBox : public QListWidget {
    Q_OBJECT

public:
    explicit CListBox(QWidget* pParent = nullptr);

    void AddString(const CString& strText);
    CString GetText(int nIndex) const;
    // The selected entry's index, or -1.
    int GetCurSel() const;
    // The select-string search: from the entry after nStartAfter to the end, then from the
    // top, the first entry whose text begins with strPrefix (case-insensitive) is selected;
    // with no match the selection stays as it was. nStartAfter -1 searches from the top.
    // Returns the index selected, or -1.
    int SelectString(int nStartAfter, const CString& strPrefix);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* pEvent = nullptr) const override;
};

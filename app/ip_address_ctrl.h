#pragma once
#include <QWidget>
#include <array>

#include "platform/types.h"

class QLineEdit;

// The address control: four fields of 0 to 255 between dots, framed like an edit and one
// tab stop as a whole. A blank field reads as 0. It types like the platform's IP address
// control: entering a field selects its text, so typing replaces it; a third digit moves on
// to the next field, and a dot typed right after that move is taken as already done; a dot
// in a field with digits moves on; Backspace at the start of a field and the arrows at its
// edges go to the neighbouring field; a value over 255 becomes 255 with a beep. The fields
// are named "octet1" to "octet4".
class CIPAddressCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CIPAddressCtrl(QWidget* pParent = nullptr);

    // b1 is the first field, the most significant byte of the address.
    void SetAddress(BYTE b1, BYTE b2, BYTE b3, BYTE b4);
    void GetAddress(BYTE& b1, BYTE& b2, BYTE& b3, BYTE& b4) const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    enum class ECaret { kSelectAll, kStart, kEnd };

    void OnFieldEdited(size_t nIndex);
    bool OnFieldKey(size_t nIndex, const QKeyEvent& key);
    void MoveToField(size_t nIndex, ECaret caret);

    std::array<QLineEdit*, 4> m_arrFields{};
    // The field a third digit moved to, until the next key: a dot there is swallowed once.
    QLineEdit* m_pAdvancedTo = nullptr;
};

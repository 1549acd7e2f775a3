#pragma once
#include <QWidget>
#include <array>

#include "platform/types.h"

class QLineEdit;

// The address control: four fields of 0 to 255 between dots, framed like an edit and one
// tab stop as a whole. A blank field reads as 0. Typing a dot, or a third digit, moves on to
// the next field. The fields are named "octet1" to "octet4".
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
    void MoveToField(size_t nIndex);

    std::array<QLineEdit*, 4> m_arrFields{};
};

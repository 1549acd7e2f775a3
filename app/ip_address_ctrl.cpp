#include "app/ip_address_ctrl.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>

namespace {

constexpr int kMaxDigits = 3;

// Blank, or up to three digits worth at most 255; anything else is refused as typed.
class COctetValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& strInput, int&) const override {
        if (strInput.size() > kMaxDigits) return Invalid;
        const bool bDigits =
            std::all_of(strInput.begin(), strInput.end(), [](QChar c) { return c.isDigit(); });
        return bDigits && strInput.toInt() <= 255 ? Acceptable : Invalid;
    }
};

}  // namespace

CIPAddressCtrl::CIPAddressCtrl(QWidget* pParent) : QWidget(pParent) {
    auto* pLayout = new QHBoxLayout(this);
    const int nFrame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    pLayout->setContentsMargins(nFrame, nFrame, nFrame, nFrame);
    pLayout->setSpacing(0);
    auto* pValidator = new COctetValidator(this);
    for (size_t i = 0; i < m_arrFields.size(); ++i) {
        if (i > 0) {
            auto* pDot = new QLabel(QStringLiteral("."), this);
            pDot->setAlignment(Qt::AlignCenter);
            pLayout->addWidget(pDot);
        }
        QLineEdit* pField = new QLineEdit(this);
        pField->setObjectName(QStringLiteral("octet%1").arg(i + 1));
        pField->setFrame(false);
        pField->setAlignment(Qt::AlignCenter);
        pField->setValidator(pValidator);
        pField->installEventFilter(this);
        // Tab leaves the control as a whole; the fields after the first are reached with a
        // dot, the arrows or a click.
        if (i > 0) pField->setFocusPolicy(Qt::ClickFocus);
        connect(pField, &QLineEdit::textEdited, this, [this, i](const QString& strText) {
            if (strText.size() == kMaxDigits) MoveToField(i + 1);
        });
        pLayout->addWidget(pField, 1);
        m_arrFields[i] = pField;
    }
    setFocusProxy(m_arrFields[0]);
}

void CIPAddressCtrl::SetAddress(BYTE b1, BYTE b2, BYTE b3, BYTE b4) {
    const BYTE arrBytes[] = {b1, b2, b3, b4};
    for (size_t i = 0; i < m_arrFields.size(); ++i) {
        m_arrFields[i]->setText(QString::number(arrBytes[i]));
    }
}

void CIPAddressCtrl::GetAddress(BYTE& b1, BYTE& b2, BYTE& b3, BYTE& b4) const {
    BYTE* arrBytes[] = {&b1, &b2, &b3, &b4};
    for (size_t i = 0; i < m_arrFields.size(); ++i) {
        // The validator keeps each field blank or within 0 to 255; blank converts to 0.
        *arrBytes[i] = static_cast<BYTE>(m_arrFields[i]->text().toUInt());
    }
}

void CIPAddressCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.state |= QStyle::State_Sunken;
    const bool bFocused = std::any_of(m_arrFields.begin(), m_arrFields.end(),
                                      [](const QLineEdit* pField) { return pField->hasFocus(); });
    if (bFocused) option.state |= QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}

bool CIPAddressCtrl::eventFilter(QObject* pWatched, QEvent* pEvent) {
    const auto it = std::find(m_arrFields.begin(), m_arrFields.end(), pWatched);
    if (it == m_arrFields.end()) return QWidget::eventFilter(pWatched, pEvent);
    const auto nIndex = static_cast<size_t>(it - m_arrFields.begin());
    if (pEvent->type() == QEvent::FocusIn || pEvent->type() == QEvent::FocusOut) update();
    if (pEvent->type() != QEvent::KeyPress) return false;
    const auto* pKey = static_cast<QKeyEvent*>(pEvent);
    const QLineEdit* pField = *it;
    if (pKey->key() == Qt::Key_Period) {
        MoveToField(nIndex + 1);
        return true;
    }
    if (pKey->key() == Qt::Key_Right && pField->cursorPosition() == pField->text().size()) {
        MoveToField(nIndex + 1);
        return true;
    }
    if (pKey->key() == Qt::Key_Left && pField->cursorPosition() == 0 && nIndex > 0) {
        MoveToField(nIndex - 1);
        return true;
    }
    return false;
}

void CIPAddressCtrl::MoveToField(size_t nIndex) {
    if (nIndex >= m_arrFields.size()) return;
    m_arrFields[nIndex]->setFocus(Qt::OtherFocusReason);
    m_arrFields[nIndex]->selectAll();
}

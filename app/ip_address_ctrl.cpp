#include "app/ip_address_ctrl.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>

#include "app/qt_text.h"
#include "app/station_strings.h"
#include "platform/format.h"

namespace {

constexpr int kMaxDigits = 3;
constexpr uint kMaxOctet = 255;

// Blank, or up to three digits; a value over 255 is corrected once it is typed.
class COctetValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& strInput, int&) const override {
        const bool bDigits =
            std::all_of(strInput.begin(), strInput.end(), [](QChar c) { return c.isDigit(); });
        return bDigits && strInput.size() <= kMaxDigits ? Acceptable : Invalid;
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
        pField->setAccessibleName(
            ToQString(FormatText(kFmtAddressFieldName, static_cast<unsigned>(i + 1))));
        pField->setFrame(false);
        pField->setAlignment(Qt::AlignCenter);
        pField->setValidator(pValidator);
        pField->installEventFilter(this);
        // Tab leaves the control as a whole; the fields after the first are reached with a
        // dot, the arrows or a click.
        if (i > 0) pField->setFocusPolicy(Qt::ClickFocus);
        connect(pField, &QLineEdit::textEdited, this, [this, i] { OnFieldEdited(i); });
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
        // Every edit corrects a value over 255 at once; blank converts to 0.
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
    QLineEdit* pField = *it;
    switch (pEvent->type()) {
        case QEvent::FocusIn:
            // A click places the caret where it lands; every other way in selects the field.
            if (static_cast<QFocusEvent*>(pEvent)->reason() != Qt::MouseFocusReason) {
                pField->selectAll();
            }
            update();
            return false;
        case QEvent::FocusOut:
            if (pField == m_pAdvancedTo) m_pAdvancedTo = nullptr;
            update();
            return false;
        case QEvent::KeyPress:
            return OnFieldKey(static_cast<size_t>(it - m_arrFields.begin()),
                              *static_cast<QKeyEvent*>(pEvent));
        default:
            return false;
    }
}

bool CIPAddressCtrl::OnFieldKey(size_t nIndex, const QKeyEvent& key) {
    QLineEdit* pField = m_arrFields[nIndex];
    const bool bJustAdvanced = pField == m_pAdvancedTo;
    m_pAdvancedTo = nullptr;
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const bool bSelection = pField->hasSelectedText();
    const bool bAtStart = !bSelection && pField->cursorPosition() == 0;
    const bool bAtEnd = !bSelection && pField->cursorPosition() == pField->text().size();
    const bool bLast = nIndex + 1 == m_arrFields.size();
    switch (key.key()) {
        case Qt::Key_Period:
            if (!bJustAdvanced && !pField->text().isEmpty()) {
                MoveToField(nIndex + 1, ECaret::kSelectAll);
            }
            return true;
        case Qt::Key_Backspace:
        case Qt::Key_Left:
            if (!bAtStart || nIndex == 0) return false;
            MoveToField(nIndex - 1, ECaret::kEnd);
            return true;
        case Qt::Key_Right:
            if (!bAtEnd || bLast) return false;
            MoveToField(nIndex + 1, ECaret::kStart);
            return true;
        default:
            // A digit that a full field cannot take is refused audibly, not silently.
            if (key.text().size() == 1 && key.text().front().isDigit() && !bSelection &&
                pField->text().size() == kMaxDigits) {
                QApplication::beep();
                return true;
            }
            return false;
    }
}

void CIPAddressCtrl::OnFieldEdited(size_t nIndex) {
    QLineEdit* pField = m_arrFields[nIndex];
    if (pField->text().toUInt() > kMaxOctet) {
        // Corrected at once and kept in the field, selected, so the next digit types anew.
        pField->setText(QString::number(kMaxOctet));
        pField->selectAll();
        QApplication::beep();
        return;
    }
    if (pField->text().size() == kMaxDigits && nIndex + 1 < m_arrFields.size()) {
        MoveToField(nIndex + 1, ECaret::kSelectAll);
        m_pAdvancedTo = m_arrFields[nIndex + 1];
    }
}

void CIPAddressCtrl::MoveToField(size_t nIndex, ECaret caret) {
    if (nIndex >= m_arrFields.size()) return;
    QLineEdit* pField = m_arrFields[nIndex];
    pField->setFocus(Qt::OtherFocusReason);
    switch (caret) {
        case ECaret::kSelectAll:
            pField->selectAll();
            break;
        case ECaret::kStart:
            pField->setCursorPosition(0);
            break;
        case ECaret::kEnd:
            pField->setCursorPosition(static_cast<int>(pField->text().size()));
            break;
    }
}

#include "descriptionfield.h"

#include "Money.h"

#include <QFocusEvent>

descriptionfield::descriptionfield(QWidget *parent) : QLineEdit(parent) {}

void descriptionfield::dataNeeded(RegisterPtr reg, QLineEdit *description)
{
    dataArray = std::move(reg);
    descriptionField = description;
}

std::optional<QString> descriptionfield::proposedAmount(const Register &reg, QStringView description)
{
    if (description.isEmpty())
        return std::nullopt;
    for (int row = reg.count() - 1; row >= 0; --row) {
        const bool found = reg[row].value(Key::DescriptionofTransaction).visitText([&](auto text) {
            return text.contains(description, Qt::CaseInsensitive);
        });
        if (found)
            return reg[row].value(Key::Amount).toString();
    }
    return std::nullopt;
}

void descriptionfield::becomeFirstResponder()
{
    if (dataArray && descriptionField) {
        const QString lookup = descriptionField->text();
        if (std::optional<QString> amount = proposedAmount(*dataArray, lookup))
            setText(shownNumber(*amount, m_decimalPoint));
    }
    selectAll();
}

void descriptionfield::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
        becomeFirstResponder();
        break;
    default:
        // The window, a menu or a popup gave the keyboard back.
        break;
    }
    // A click that gives the focus would place the cursor and drop the
    // selection just made; keep it selected.
    m_selectAfterClick = event->reason() == Qt::MouseFocusReason;
}

void descriptionfield::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (m_selectAfterClick) {
        m_selectAfterClick = false;
        selectAll();
    }
}

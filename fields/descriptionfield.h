#pragma once

// The amount entry field. When the user moves into it (Tab, Shift+Tab, a
// click, a shortcut) it proposes the amount of the latest transaction whose
// description contains what the user typed as the description, all of it
// selected, so that the user can accept it or type over it. When the keyboard
// only comes back to it (from a menu, a dialog or another window) it keeps
// what it holds: an amount the user typed must never change by itself.

#include "Register.h"

#include <QLineEdit>
#include <QPointer>

class descriptionfield : public QLineEdit
{
    Q_OBJECT

public:
    explicit descriptionfield(QWidget *parent = nullptr);

    // Connects the field to the register and to the description field; must
    // run before the field can take the focus.
    void dataNeeded(RegisterPtr dataArray, QLineEdit *descriptionField);
    // The decimal separator an amount is proposed with.
    void setDecimalPoint(QChar decimalPoint) { m_decimalPoint = decimalPoint; }

    // The amount the field would propose for a description: the text form of
    // the Amount of the last row whose description contains it, ignoring
    // case; nothing when no row matches or the description is empty.
    static std::optional<QString> proposedAmount(const Register &reg, QStringView description);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // What focusing does: propose, then select everything.
    void becomeFirstResponder();

    QPointer<QLineEdit> descriptionField;
    RegisterPtr dataArray;
    bool m_selectAfterClick = false;
    QChar m_decimalPoint = u'.';
};

// Entering a transaction from the four entry fields, and proposing the next
// check number.

#include "MyWindowController.h"

#include "DateReader.h"
#include "EntryFields.h"
#include "RegisterTableModel.h"
#include "RunningBalance.h"
#include "descriptionfield.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kEasterEgg = u"Easter Egg"_s;

// The refusal for an amount that names no number; the fields keep their text.
QString notAnAmountMessage(const QString &typed, NumberStatus status)
{
    if (status == NumberStatus::OutOfRange)
        return u"\u201c%1\u201d is more than I can keep track of.\n"
               "Please enter an amount under 90 trillion!"_s.arg(typed.trimmed());
    return u"\u201c%1\u201d is not an amount.\nPlease enter the transaction amount as a number, "
           "like 12.34 for a deposit or -12.34 for a payment!"_s.arg(typed.trimmed());
}

} // namespace

void MyWindowController::addTransaction(QObject *sender)
{
    // A button appends; any other control (the menu) inserts after the
    // selected row.
    enterTransaction(sender, qobject_cast<QAbstractButton *>(sender) ? Placement::End : Placement::AfterSelection);
}

void MyWindowController::insertTransactionBefore(QObject *sender)
{
    enterTransaction(sender, Placement::BeforeSelection);
}

void MyWindowController::enterTransaction(QObject *sender, Placement placement)
{
    if (DescriptionofTransaction->text() == kEasterEgg)
        m_toolkit.alert(m_window, u"Boing"_s, u"You paid how much for that Easter Egg?"_s);

    // While balancing too the entry fields enter a transaction (the fee the
    // statement shows and the register lacks); the drawer's fields have an
    // Enter of their own.

    // Blanks alone are nothing too.
    if (Amount->text().trimmed().isEmpty()) {
        refuseEntry(Amount, u"I can't make something from nothing.\nPlease enter the transaction amount!"_s);
        return;
    }
    const CentsReading amount = readTypedAmount(Amount->text(), m_forms.decimalPoint);
    if (!amount.ok()) {
        refuseEntry(Amount, notAnAmountMessage(Amount->text(), amount.status));
        return;
    }

    // An insertion needs a selection, which is checked before the fields
    // are emptied so that a refusal loses nothing the user typed.
    const bool fromButton = placement == Placement::End;
    if (!fromButton && numberOfSelectedRows() <= 0) {
        refuseEntry(table, placement == Placement::BeforeSelection
                               ? tr("As powerful a computer as I am, I can't read your mind.\n"
                                    "Please select a row to enter this above!")
                               : u"As powerful a computer as I am, I can't read your mind.\n"
                                 "Please select a row to enter this below!"_s);
        return;
    }
    if (!dateMayBeEntered())
        return;

    RecordPtr previous = myDocument->count() > 0 ? myDocument->objectAtIndex(myDocument->count() - 1) : nullptr;
    RecordPtr record = makeRecord();
    record->set(Key::CheckNumber, Value::text(CheckNumber->text()));
    record->set(Key::DescriptionofTransaction, Value::text(DescriptionofTransaction->text()));
    record->set(Key::Date, Value::text(dateToStore(Date->text())));
    record->set(Key::Amount, Value::text(moneyText(amount.cents)));
    // Inserted among other rows, the balance is worked out with theirs, in
    // their form; at the end it is carried from the last row as money text.
    if (fromButton) {
        const Cents total = previous && previous->contains(Key::Total)
            ? addCents(amount.cents, previous->value(Key::Total).centsOrZero())
            : amount.cents;
        record->set(Key::Total, Value::text(moneyText(total)));
    }

    const int row = fromButton ? std::min(numberOfRows(), dataArray->count())
                               : selectedRow() + (placement == Placement::AfterSelection ? 1 : 0);
    const QString refusal = myDocument->edit(
        transactionStepName(fromButton ? u"Enter"_s : u"Insert"_s, DescriptionofTransaction->text()), [&] {
            myDocument->addData(record, row);
            if (!fromButton)
                myDocument->recalculateBalances();
            myDocument->updateChangeCount(MyDocument::ChangeDone);
        });
    if (!refusal.isEmpty()) {
        refuseEntry(Amount, u"The transaction was not entered.\n\n%1"_s.arg(refusal));
        return;
    }
    // Into an empty register the record was appended whatever the row.
    const int newRow = std::min(row, dataArray->count() - 1);
    myDocument->setStepRows({}, rowRuns({newRow}));
    // What was typed went into the register: emptied with setText, which
    // forgets the fields' own typing, so that Ctrl+Z now undoes the entry.
    CheckNumber->setText(QString());
    DescriptionofTransaction->setText(QString());
    Date->setText(QString());
    Amount->setText(QString());
    reloadData();
    scrollRowToVisible(dataArray->count() - 1);
    if (m_model->viewRow(newRow) < 0)
        m_window->statusBar()->showMessage(
            u"The transaction was entered; the filter hides it (Escape in the filter shows every row)."_s, 10000);
    autoNumber();
    Date->setText(m_newDateFromLast ? shownDateText(record->value(Key::Date)) : today());
    showOpeningHint();
    CheckNumber->setFocus(Qt::OtherFocusReason);
    CheckNumber->selectAll();
}

QString MyWindowController::dateToStore(const QString &typed) const
{
    // "yesterday" and "12/1" are kept as the day they mean now, not read
    // anew each day; a date in the user's order is kept in the file's.
    const std::optional<QDate> date = readTypedDate(typed, m_forms.dateOrder, m_toolkit.today());
    return date ? fileDateText(*date) : typed;
}

void MyWindowController::refuseEntry(QWidget *atFault, const QString &message)
{
    // The keyboard goes where the fault is before the alert takes it, so that
    // it comes back there: what is typed next mends the fault instead of
    // landing in another field.
    atFault->setFocus(Qt::OtherFocusReason);
    if (auto *field = qobject_cast<QLineEdit *>(atFault))
        field->selectAll();
    m_toolkit.alert(m_window, u"Error"_s, message);
}

void MyWindowController::autoNumber()
{
    if (!shouldAutoNumber)
        return;
    if (const std::optional<qint64> next = nextCheckNumber(*dataArray)) {
        CheckNumber->setText(QString::number(*next));
        // Proposed, not typed: typing replaces it.
        CheckNumber->selectAll();
    }
}

void MyWindowController::followCheckNumber(bool propose)
{
    // A number the user typed is the user's; only a proposal (or nothing)
    // follows the register.
    if (!shouldAutoNumber || (CheckNumber->isModified() && !CheckNumber->text().isEmpty()))
        return;
    const std::optional<qint64> next = propose ? nextCheckNumber(*dataArray) : std::nullopt;
    CheckNumber->setText(next ? QString::number(*next) : QString());
    CheckNumber->selectAll();
}

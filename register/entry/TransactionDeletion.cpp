// Deleting the one selected transaction.

#include "MyWindowController.h"

#include "CutForShowing.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QStatusBar>

using namespace Qt::StringLiterals;

void MyWindowController::deleteTransaction(QObject *)
{
    const int selectedCount = numberOfSelectedRows();
    if (selectedCount <= 0) {
        m_toolkit.alert(m_window, u"Error"_s,
                        u"As powerful a computer as I am, I can't read your mind.\n"
                        "Please select a row to be deleted!"_s);
        return;
    }
    if (selectedCount >= 2) {
        m_toolkit.alert(m_window, u"Error"_s,
                        u"I con only delete one row at a time.\nPlease select only one row to delete!"_s);
        return;
    }
    const int row = selectedRow();
    if (row == 0) {
        m_toolkit.alert(m_window, u"Error"_s, u"I can't delete what you started out with,\nthat would be silly!"_s);
        return;
    }
    const RecordPtr record = myDocument->objectAtIndex(row);
    if (isReconciled(*record)
        && !confirmReconciledChange(tr("Deleting it takes its amount out of the cleared balance, so the register no "
                                       "longer agrees with the bank. Edit > Undo puts it back."),
                                    u"Delete Anyway"_s))
        return;
    const QString description = cutForShowing(record->value(Key::DescriptionofTransaction));
    const QString name = transactionStepName(u"Delete"_s, description);
    const QString refusal = myDocument->edit(name, [&] {
        myDocument->remData(record);
        myDocument->recalculateBalances();
    });
    if (!refusal.isEmpty()) {
        m_toolkit.alert(m_window, u"Error"_s, u"The transaction was not deleted.\n\n%1"_s.arg(refusal));
        return;
    }
    myDocument->setStepRows(rowRuns({row}), {});
    reloadData();
    // The row number now names the next transaction: a second Delete must be
    // a choice, not a slip.
    deselectAll();
    autoNumber();
    // Said where the eye is, with the way back.
    m_window->statusBar()->showMessage(
        u"%1 (%2 to undo)"_s.arg(transactionStepName(u"Deleted"_s, description),
                                 QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)),
        10000);
}

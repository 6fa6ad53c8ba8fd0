// Deleting the one selected transaction.

#include "MyWindowController.h"

#include "BalancingDrawer.h"

#include "CutForShowing.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QStatusBar>

using namespace Qt::StringLiterals;

void MyWindowController::deleteTransaction(QObject *)
{
    const int selectedCount = numberOfSelectedRows();
    if (selectedCount <= 0) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("As powerful a computer as I am, I can't read your mind.\n"
                           "Please select a row to be deleted!"));
        return;
    }
    if (selectedCount >= 2) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("I con only delete one row at a time.\nPlease select only one row to delete!"));
        return;
    }
    const int row = selectedRow();
    if (row == 0) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(), tr("I can't delete what you started out with,\nthat would be silly!"));
        return;
    }
    const RecordPtr record = myDocument->objectAtIndex(row);
    if (isReconciled(*record)
        && !m_drawer->confirmReconciledChange(tr("Deleting it takes its amount out of the cleared balance, so the register no "
                                       "longer agrees with the bank. Edit > Undo puts it back."),
                                    tr("Delete Anyway")))
        return;
    const QString description = cutForShowing(record->value(Key::DescriptionofTransaction));
    const QString name = transactionStepName(tr("Delete \u201c%1\u201d"), tr("Delete Transaction"), description);
    const QString refusal = myDocument->edit(name, [&] {
        myDocument->remData(record);
        myDocument->recalculateBalances();
    });
    if (!refusal.isEmpty()) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(), tr("The transaction was not deleted.\n\n%1").arg(refusal));
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
        tr("%1 (%2 to undo)")
            .arg(transactionStepName(tr("Deleted \u201c%1\u201d"), tr("Deleted Transaction"), description),
                 QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText)),
        10000);
}

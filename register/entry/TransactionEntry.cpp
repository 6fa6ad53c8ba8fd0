// Entering a transaction from the entry fields, and proposing the next
// check number: the window's side, which places the entry in the table.

#include "MyWindowController.h"

#include "EntryForm.h"
#include "RegisterTableModel.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>

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

void MyWindowController::enterTransaction(QObject *, Placement placement)
{
    const bool fromButton = placement == Placement::End;
    const RecordPtr record = m_entry->typedRecord(fromButton, [&] {
        if (fromButton || numberOfSelectedRows() > 0)
            return true;
        m_entry->refuse(table, placement == Placement::BeforeSelection
                                   ? tr("As powerful a computer as I am, I can't read your mind.\n"
                                        "Please select a row to enter this above!")
                                   : tr("As powerful a computer as I am, I can't read your mind.\n"
                                        "Please select a row to enter this below!"));
        return false;
    });
    if (!record)
        return;
    const int row = fromButton ? std::min(numberOfRows(), dataArray->count())
                               : selectedRow() + (placement == Placement::AfterSelection ? 1 : 0);
    const int newRow = m_entry->enter(record, row, fromButton);
    if (newRow < 0)
        return;
    reloadData();
    showCategoryColumnIfAnyIn(newRow, 1);
    scrollRowToVisible(dataArray->count() - 1);
    if (m_model->viewRow(newRow) < 0)
        m_window->statusBar()->showMessage(
            tr("The transaction was entered; the filter hides it (Escape in the filter shows every row)."), 10000);
    m_entry->entered(record);
}

void MyWindowController::autoNumber() { m_entry->autoNumber(); }

void MyWindowController::followCheckNumber(bool propose) { m_entry->followCheckNumber(propose); }

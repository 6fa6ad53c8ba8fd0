// Finding text anywhere in the register, with wrap-around.

#include "MyWindowController.h"

#include "Find.h"
#include "FindWindow.h"
#include "RegisterTableModel.h"

#include <QMainWindow>
#include <QStatusBar>

using namespace Qt::StringLiterals;

void MyWindowController::showFindWindow(QObject *) { m_findWindow->show(); }

void MyWindowController::find(QObject *)
{
    const QString text = m_findWindow->take();
    const int row = findRow(*dataArray, selectedRow(), text);
    if (row < 0) {
        m_toolkit.beep();
        deselectAll();
        return;
    }
    // Find walks the whole register: a row the filter hides is shown by
    // taking the filter away.
    if (m_model->viewRow(row) < 0) {
        clearFilter(m_findWindow);
        m_window->statusBar()->showMessage(tr("The filter was cleared to show the transaction found."), 10000);
    }
    scrollRowToVisible(row);
    selectRowIndexes(row, false);
}

void MyWindowController::findAgain(QObject *sender) { find(sender); }

void MyWindowController::cancelFind(QObject *) { m_findWindow->hide(); }

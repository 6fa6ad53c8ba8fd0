// Finding text anywhere in the register, with wrap-around.

#include "MyWindowController.h"

#include "Find.h"
#include "RegisterTableModel.h"
#include "ui_Find.h"

#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

using namespace Qt::StringLiterals;

void MyWindowController::buildFindWindow()
{
    theFindWindow = new QDialog(m_window, Qt::Dialog);
    Ui::Find ui;
    ui.setupUi(theFindWindow);
    findField = ui.findField;
    connect(ui.findButton, &QPushButton::clicked, this, [this, b = ui.findButton] { find(b); });
    connect(ui.findAgainButton, &QPushButton::clicked, this, [this, b = ui.findAgainButton] { findAgain(b); });
    connect(ui.cancelButton, &QPushButton::clicked, this, [this, b = ui.cancelButton] { cancelFind(b); });
}

void MyWindowController::showFindWindow(QObject *)
{
    findField->clear();
    showAuxiliaryWindow(theFindWindow);
    findField->setFocus();
}

void MyWindowController::find(QObject *)
{
    // A line edit always holds a text, possibly empty; an empty one finds
    // nothing, below.
    const QString text = findField->text();
    hideAuxiliaryWindow(theFindWindow);
    const int row = findRow(*dataArray, selectedRow(), text);
    if (row < 0) {
        m_toolkit.beep();
        deselectAll();
        return;
    }
    // Find walks the whole register: a row the filter hides is shown by
    // taking the filter away.
    if (m_model->viewRow(row) < 0) {
        clearFilter(theFindWindow);
        m_window->statusBar()->showMessage(tr("The filter was cleared to show the transaction found."), 10000);
    }
    scrollRowToVisible(row);
    selectRowIndexes(row, false);
}

void MyWindowController::findAgain(QObject *sender) { find(sender); }

void MyWindowController::cancelFind(QObject *) { hideAuxiliaryWindow(theFindWindow); }

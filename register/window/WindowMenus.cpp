// The window's menus: every command a user gives the register, with its key.

#include "MyWindowController.h"

#include "RegisterWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

void MyWindowController::buildMenus()
{
    QMenuBar *bar = m_window->menuBar();
    m_fileMenu = bar->addMenu(tr("&File"));
    QAction *import = m_fileMenu->addAction(tr("&Import Statement\u2026"));
    import->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_I);
    connect(import, &QAction::triggered, this, [this, import] { importWF(import); });
    QAction *year = m_fileMenu->addAction(tr("New &Year\u2026"));
    connect(year, &QAction::triggered, this, [this, year] { newYear(year); });
    QAction *mergeItem = m_fileMenu->addAction(tr("&Merge Another Version\u2026"));
    connect(mergeItem, &QAction::triggered, this, [this, mergeItem] { mergeVersion(mergeItem); });
    m_fileMenu->addSeparator();
    QAction *preview = m_fileMenu->addAction(tr("Print Previe&w\u2026"));
    connect(preview, &QAction::triggered, this, [this, preview] { printPreview(preview); });
    QAction *pdf = m_fileMenu->addAction(tr("&Export PDF\u2026"));
    connect(pdf, &QAction::triggered, this, [this, pdf] { exportPdf(pdf); });
    QAction *printItem = m_fileMenu->addAction(tr("&Print\u2026"));
    printItem->setShortcut(Qt::CTRL | Qt::Key_P);
    connect(printItem, &QAction::triggered, this, [this, printItem] { print(printItem); });
    QAction *printReconciled = m_fileMenu->addAction(tr("Print Reconci&liation\u2026"));
    connect(printReconciled, &QAction::triggered, this,
            [this, printReconciled] { printReconciliation(printReconciled); });
    QAction *pdfReconciled = m_fileMenu->addAction(tr("Export Reconciliation P&DF\u2026"));
    connect(pdfReconciled, &QAction::triggered, this, [this, pdfReconciled] { exportReconciliationPdf(pdfReconciled); });

    QMenu *edit = bar->addMenu(tr("&Edit"));
    buildUndoActions(edit);
    edit->addSeparator();
    QAction *prefs = edit->addAction(tr("&Preferences\u2026"));
    prefs->setShortcut(Qt::CTRL | Qt::Key_Comma);
    connect(prefs, &QAction::triggered, this, [this, prefs] { openPrefWindow(prefs); });
    edit->addSeparator();
    QAction *findItem = edit->addAction(tr("&Find\u2026"));
    findItem->setShortcut(Qt::CTRL | Qt::Key_F);
    connect(findItem, &QAction::triggered, this, [this, findItem] { showFindWindow(findItem); });
    QAction *again = edit->addAction(tr("Find &Again"));
    again->setShortcut(Qt::CTRL | Qt::Key_G);
    connect(again, &QAction::triggered, this, [this, again] { findAgain(again); });

    QMenu *reg = bar->addMenu(tr("&Register"));
    QAction *insert = reg->addAction(tr("&Insert After Selected Row"));
    insert->setShortcut(Qt::CTRL | Qt::Key_Return);
    connect(insert, &QAction::triggered, this, [this, insert] { addTransaction(insert); });
    QAction *insertBefore = reg->addAction(tr("Insert Bef&ore Selected Row"));
    insertBefore->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Return);
    insertBefore->setToolTip(tr("Puts the transaction above the selected row; above the first row, it becomes the "
                                "opening balance"));
    connect(insertBefore, &QAction::triggered, this, [this, insertBefore] { insertTransactionBefore(insertBefore); });
    QAction *remove = reg->addAction(tr("&Delete Transaction"));
    remove->setShortcut(QKeySequence::Delete);
    // Delete deletes a transaction only from the table, never from a field.
    remove->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(remove);
    connect(remove, &QAction::triggered, this, [this, remove] { deleteTransaction(remove); });
    reg->addSeparator();
    QAction *sort = reg->addAction(tr("&Sort by Date"));
    connect(sort, &QAction::triggered, this, [this, sort] { showSortWarning(sort); });
    QAction *balance = reg->addAction(tr("&Balance Month\u2026"));
    balance->setShortcut(Qt::CTRL | Qt::Key_B);
    connect(balance, &QAction::triggered, this, [this, balance] { showEndOfMonthWindowAction(balance); });
    reg->addSeparator();
    QAction *checks = reg->addAction(tr("Print &Checks\u2026"));
    checks->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    checks->setToolTip(tr("Prints the selected checks, or every check marked to print, on check stock"));
    connect(checks, &QAction::triggered, this, [this, checks] { printChecks(checks); });
    QAction *checksPdf = reg->addAction(tr("E&xport Checks PDF\u2026"));
    connect(checksPdf, &QAction::triggered, this, [this, checksPdf] { exportChecksPdf(checksPdf); });
    QAction *mark = reg->addAction(tr("&Mark to Print"));
    mark->setToolTip(tr("Puts a P in the Check # of the selected checks: they get their numbers when printed"));
    connect(mark, &QAction::triggered, this, [this, mark] { markChecksToPrint(mark); });
    QAction *address = reg->addAction(tr("Payee &Address\u2026"));
    address->setToolTip(tr("The address printed on checks under the selected transaction's payee"));
    connect(address, &QAction::triggered, this, [this, address] { editPayeeAddress(address); });

    buildViewMenu();
}

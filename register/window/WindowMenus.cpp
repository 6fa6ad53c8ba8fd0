// The window's menus: every command a user gives the register, with its key.

#include "MyWindowController.h"

#include "CategoryMenus.h"
#include "RegisterWindow.h"

#include <QAction>
#include <QHeaderView>
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
    buildCategoryMenus(reg);
    reg->addSeparator();
    m_schedulesMenu = reg->addMenu(tr("Sc&hedules"));
    QAction *list = m_schedulesMenu->addAction(tr("&Schedules\u2026"));
    connect(list, &QAction::triggered, this, [this, list] { showSchedules(list); });
    QAction *newSchedule = m_schedulesMenu->addAction(tr("&New Schedule\u2026"));
    newSchedule->setToolTip(tr("A schedule of the transaction in the entry fields"));
    connect(newSchedule, &QAction::triggered, this, [this, newSchedule] { newScheduleFromEntry(newSchedule); });
    QAction *repeat = m_schedulesMenu->addAction(tr("&Repeat\u2026"));
    repeat->setToolTip(tr("A schedule repeating the selected transaction"));
    connect(repeat, &QAction::triggered, this, [this, repeat] { repeatTransaction(repeat); });
    QAction *due = m_schedulesMenu->addAction(tr("&Enter Due Transactions\u2026"));
    connect(due, &QAction::triggered, this, [this, due] { enterDueSchedules(due); });
    QAction *suggest = m_schedulesMenu->addAction(tr("Su&ggest\u2026"));
    suggest->setToolTip(tr("Payees the register shows coming round regularly, proposed as schedules"));
    connect(suggest, &QAction::triggered, this, [this, suggest] { suggestSchedules(suggest); });
    QAction *reserve = m_schedulesMenu->addAction(tr("Set Reser&ve\u2026"));
    connect(reserve, &QAction::triggered, this, [this, reserve] { setScheduleReserve(reserve); });
    m_schedulesMenu->addSeparator();

    buildViewMenu();
}

void MyWindowController::buildViewMenu()
{
    QMenu *view = m_window->menuBar()->addMenu(tr("&View"));
    QAction *filter = view->addAction(tr("&Filter"));
    filter->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
    connect(filter, &QAction::triggered, this, [this, filter] { focusFilter(filter); });
    QAction *all = view->addAction(tr("Show &All Transactions"));
    connect(all, &QAction::triggered, this, [this, all] { clearFilter(all); });
    if (auto *categories = findChild<CategoryMenus *>())
        categories->addViewActions(view);
    view->addSeparator();
    // The columns' widths without a mouse on their edges; also on the
    // header's own menu.
    QAction *fit = view->addAction(tr("Fit C&olumns"));
    connect(fit, &QAction::triggered, this, [this, fit] { fitColumns(fit); });
    table->horizontalHeader()->setContextMenuPolicy(Qt::ActionsContextMenu);
    table->horizontalHeader()->addAction(fit);
    view->addSeparator();
    QAction *charts = view->addAction(tr("&Charts"));
    connect(charts, &QAction::triggered, this, [this, charts] { showCharts(charts); });
}

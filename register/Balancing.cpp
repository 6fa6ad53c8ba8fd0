// End-of-month balancing against the bank's statement, in the drawer.

#include "MyWindowController.h"

#include "Reconciliation.h"
#include "ui_EOMDrawer.h"

#include <QDockWidget>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

void MyWindowController::buildDrawer()
{
    EOMDrawer = new QDockWidget(m_window);
    Ui::EOMDrawer ui;
    ui.setupUi(EOMDrawer);
    currentEOMAmount = ui.currentEOMAmount;
    EOMMessages = ui.EOMMessages;
    EOMBalance = ui.EOMBalance;
    m_window->addDockWidget(Qt::RightDockWidgetArea, EOMDrawer);
    EOMDrawer->hide();
    QPushButton *enter = ui.EOMEnter;
    connect(enter, &QPushButton::clicked, this, [this, enter] { EOMEnterButton(enter); });
    connect(currentEOMAmount, &QLineEdit::returnPressed, enter, &QPushButton::click);
    connect(ui.EOMDone, &QPushButton::clicked, this, [this, done = ui.EOMDone] { EOMDoneButton(done); });
    // Closing the drawer by its own button ends balancing as Done does.
    connect(EOMDrawer, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && doingEndOfMonth && !EOMDrawer->isVisible() && !m_window->isMinimized())
            EOMDoneButton(EOMDrawer);
    });
}

void MyWindowController::showEndOfMonthWindowAction(QObject *)
{
    const Cents sum = reconciledSum(*dataArray);
    doingEndOfMonth = true;
    // The reconciled rows join whatever is selected; runs of them are added
    // as one range each, which keeps a long register quick.
    QItemSelection reconciled;
    const int count = std::min(dataArray->count(), numberOfRows());
    for (int row = 0; row < count;) {
        if (!isReconciled((*dataArray)[row])) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < count && isReconciled((*dataArray)[row]))
            ++row;
        reconciled.select(table->model()->index(first, 0), table->model()->index(row - 1, table->model()->columnCount() - 1));
    }
    table->selectionModel()->select(reconciled, QItemSelectionModel::Select);
    EOMMessages->setText(drawBalancingBegunMessage().toString());
    EOMBalance->setText(reconciledSumText(sum));
    EOMDrawer->show();
    EOMDrawer->raise();
    currentEOMAmount->setFocus();
}

void MyWindowController::EOMEnterButton(QObject *)
{
    const TypedStatementAmount typed = readStatementAmount(currentEOMAmount->text());
    if (!typed.error.isEmpty()) {
        m_toolkit.beep();
        EOMMessages->setText(typed.error);
        return;
    }
    const int row = matchStatementAmount(*dataArray, typed.cents);
    if (row < 0) {
        m_toolkit.beep();
        EOMMessages->setText(kAmountNotFoundMessage.toString());
        return;
    }
    // The mark is saved with the register; closing without saving must ask,
    // or a month's balancing would be lost without a word.
    myDocument->edit(
        transactionStepName(u"Reconcile"_s, (*dataArray)[row].value(Key::DescriptionofTransaction).toString()), [&] {
            myDocument->setValue(row, Key::EOMSeen, reconciledMark());
            myDocument->updateChangeCount(MyDocument::ChangeDone);
        });
    myDocument->setStepRows(rowRuns({row}), rowRuns({row}));
    scrollRowToVisible(row);
    selectRowIndexes(row, false);
    EOMMessages->clear();
    currentEOMAmount->clear();
    EOMBalance->setText(reconciledSumText(reconciledSum(*dataArray)));
}

void MyWindowController::EOMDoneButton(QObject *)
{
    doingEndOfMonth = false;
    EOMMessages->setText(kBalancingDoneMessage.toString());
    EOMDrawer->hide();
}

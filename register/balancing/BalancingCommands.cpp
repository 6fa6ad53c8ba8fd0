// End-of-month balancing against the bank's statement, in the drawer: the
// statement's closing date and ending balance, matching typed amounts, the
// marks set by hand, the live difference, and finishing the statement.

#include "MyWindowController.h"

#include "DateReader.h"
#include "Reconciliation.h"
#include "RegisterTableModel.h"
#include "RegisterTableView.h"
#include "ui_EOMDrawer.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QPushButton>
#include <QStatusBar>
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
    m_statement = {ui.statementDate, ui.statementBalance, ui.previousStatement, ui.clearedValue, ui.statementValue,
                   ui.differenceValue, ui.statementValueLabel, ui.differenceLabel};
    m_window->addDockWidget(Qt::RightDockWidgetArea, EOMDrawer);
    EOMDrawer->hide();
    QPushButton *enter = ui.EOMEnter;
    connect(enter, &QPushButton::clicked, this, [this, enter] { EOMEnterButton(enter); });
    // Return in any of the drawer's fields is the drawer's Enter, never an
    // entry into the register.
    for (QLineEdit *field : {currentEOMAmount, ui.statementDate, ui.statementBalance})
        connect(field, &QLineEdit::returnPressed, enter, &QPushButton::click);
    connect(ui.EOMDone, &QPushButton::clicked, this, [this, done = ui.EOMDone] { EOMDoneButton(done); });
    connect(ui.finishButton, &QPushButton::clicked, this, [this, b = ui.finishButton] { finishStatementButton(b); });
    // Closing the drawer by its own button ends balancing as Done does.
    connect(EOMDrawer, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && doingEndOfMonth && !EOMDrawer->isVisible() && !m_window->isMinimized())
            EOMDoneButton(EOMDrawer);
    });
    for (QLineEdit *field : {m_statement.date, m_statement.balance})
        connect(field, &QLineEdit::textChanged, this, &MyWindowController::updateBalancingSummary);
    m_onlyUncleared = ui.onlyUncleared;
    connect(ui.onlyUncleared, &QCheckBox::toggled, this, [this](bool only) {
        RowFilter filter = m_filter;
        filter.reconciled = only ? RowFilter::Reconciled::NotReconciled : RowFilter::Reconciled::All;
        setRowFilter(filter);
    });
    // Every change to the register may move the cleared balance.
    connect(myDocument, &MyDocument::historyChanged, this, [this] {
        if (EOMDrawer->isVisible())
            updateBalancingSummary();
    });
    // The check mark column is a tick box while balancing, and only then.
    auto *view = static_cast<RegisterTableView *>(table);
    connect(view, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (doingEndOfMonth && index.column() == RegisterTableModel::ReconciledColumn)
            toggleReconciled(m_model->registerRow(index.row()));
    });
    connect(view, &RegisterTableView::spacePressed, this, [this](const QModelIndex &index) {
        if (doingEndOfMonth && index.isValid() && index.column() == RegisterTableModel::ReconciledColumn)
            toggleReconciled(m_model->registerRow(index.row()));
    });
}

void MyWindowController::showEndOfMonthWindowAction(QObject *)
{
    const Cents sum = reconciledSum(*dataArray);
    doingEndOfMonth = true;
    // The selection is the user's: the reconciled rows show their marks
    // already, and selecting them all would throw away what was chosen.
    // The keyboard comes back where it was when the drawer closes.
    if (QWidget *focused = m_window->focusWidget(); focused && !EOMDrawer->isAncestorOf(focused))
        m_focusBeforeDrawer = focused;
    EOMMessages->setText(drawBalancingBegunMessage().toString());
    EOMBalance->setText(reconciledSumText(sum, m_forms.decimalPoint));
    const std::vector<RecordedStatement> finished = recordedStatements(*dataArray);
    m_statement.previous->setText(
        finished.empty() ? QString()
                         : u"Last statement: %1, ending balance %2"_s.arg(
                               shownDateText(Value::text(finished.back().dateText)),
                               shownMoneyText(finished.back().balance)));
    m_statement.previous->setVisible(!finished.empty());
    updateBalancingSummary();
    EOMDrawer->show();
    EOMDrawer->raise();
    currentEOMAmount->setFocus();
}

BankStatement MyWindowController::typedStatement(QString *problem) const
{
    BankStatement statement;
    const QString dateText = m_statement.date->text().trimmed();
    if (!dateText.isEmpty()) {
        statement.closingDate = readTypedDate(dateText, m_forms.dateOrder, m_toolkit.today());
        if (!statement.closingDate && problem)
            *problem = u"The closing date \u201c%1\u201d is not a date Cheqbook reads, like %2."_s.arg(
                dateText, dateFormsRead(m_forms.dateOrder).section(u", "_s, 0, 2));
    }
    const QString balanceText = m_statement.balance->text().trimmed();
    if (!balanceText.isEmpty()) {
        const TypedStatementAmount balance = readStatementAmount(balanceText, m_forms.decimalPoint);
        if (balance.error.isEmpty())
            statement.endingBalance = balance.cents;
        else if (problem && problem->isEmpty())
            *problem = u"The ending balance: %1."_s.arg(balance.error);
    }
    return statement;
}

void MyWindowController::setStatement(const BankStatement &statement)
{
    if (statement.closingDate)
        m_statement.date->setText(shownDateText(*statement.closingDate));
    if (statement.endingBalance)
        m_statement.balance->setText(shownMoneyText(*statement.endingBalance));
}

void MyWindowController::updateBalancingSummary()
{
    const Cents cleared = clearedBalance(*dataArray);
    m_statement.cleared->setText(shownMoneyText(cleared));
    const BankStatement statement = typedStatement(nullptr);
    const bool withBalance = statement.endingBalance.has_value();
    for (QLabel *w : {m_statement.statementValue, m_statement.difference, m_statement.statementLabel,
                      m_statement.differenceLabel})
        w->setVisible(withBalance);
    if (!withBalance)
        return;
    const Cents difference = *statement.endingBalance - cleared;
    m_statement.statementValue->setText(shownMoneyText(*statement.endingBalance));
    m_statement.difference->setText(shownMoneyText(difference));
    // Marked until the register agrees with the bank, in a colour that reads
    // on a light and on a dark palette alike.
    const bool dark = m_window->palette().color(QPalette::Window).lightness() < 128;
    m_statement.difference->setStyleSheet(
        difference == 0 ? u"font-weight: bold"_s
                        : u"font-weight: bold; color: %1"_s.arg(dark ? u"#ff7b72"_s : u"#c01c28"_s));
    m_statement.difference->setToolTip(difference == 0 ? u"The register agrees with the statement"_s
                                                       : u"The statement's balance minus the cleared balance"_s);
}

void MyWindowController::EOMEnterButton(QObject *)
{
    const TypedStatementAmount typed = readStatementAmount(currentEOMAmount->text(), m_forms.decimalPoint);
    if (!typed.error.isEmpty()) {
        m_toolkit.beep();
        EOMMessages->setText(typed.error);
        return;
    }
    QString problem;
    const BankStatement statement = typedStatement(&problem);
    if (!m_statement.date->text().trimmed().isEmpty() && !statement.closingDate) {
        m_toolkit.beep();
        EOMMessages->setText(problem);
        return;
    }
    const int row = matchStatementAmount(*dataArray, typed.cents, statement.closingDate, m_toolkit.today());
    if (row < 0) {
        m_toolkit.beep();
        const int later = statement.closingDate
            ? matchStatementAmount(*dataArray, typed.cents, std::nullopt, m_toolkit.today())
            : -1;
        EOMMessages->setText(later < 0 ? kAmountNotFoundMessage.toString()
                                       : datedAfterClosingMessage((*dataArray)[later], later));
        return;
    }
    // The mark is saved with the register; closing without saving must ask,
    // or a month's balancing would be lost without a word.
    setReconciled(*myDocument, row, true);
    reloadData();
    scrollRowToVisible(row);
    selectRowIndexes(row, false);
    EOMMessages->clear();
    currentEOMAmount->setText(QString()); // forgetting its typing: Ctrl+Z now undoes the match
    EOMBalance->setText(reconciledSumText(reconciledSum(*dataArray), m_forms.decimalPoint));
}

void MyWindowController::toggleReconciled(int row)
{
    if (row < 0 || row >= dataArray->count())
        return;
    const Record &record = (*dataArray)[row];
    const bool reconciled = isReconciled(record);
    if (reconciled && belongsToAStatement(record)
        && !confirmReconciledChange(tr("Taking its mark away takes it out of that statement and out of the cleared "
                                       "balance, so the register no longer agrees with the bank."),
                                    u"Unreconcile Anyway"_s))
        return;
    setReconciled(*myDocument, row, !reconciled);
    reloadData();
    selectRowIndexes(row, false);
    EOMBalance->setText(reconciledSumText(reconciledSum(*dataArray), m_forms.decimalPoint));
}

bool MyWindowController::confirmReconciledChange(const QString &consequence, const QString &goOn)
{
    return m_toolkit.confirm(m_window, u"Reconciled Transaction"_s,
                             u"This transaction was reconciled with a statement. "_s + consequence, goOn, u"Cancel"_s);
}

void MyWindowController::finishStatementButton(QObject *)
{
    QString problem;
    const BankStatement statement = typedStatement(&problem);
    if (!statement.closingDate || !statement.endingBalance) {
        m_toolkit.alert(m_window, u"Finish"_s,
                        problem.isEmpty() ? u"Type the statement's closing date and ending balance first."_s
                                          : problem);
        return;
    }
    const Cents difference = *statement.endingBalance - clearedBalance(*dataArray);
    if (difference != 0
        && !m_toolkit.confirm(m_window, u"Finish"_s,
                              u"The register is %1 away from the statement."_s.arg(
                                  shownMoneyText(difference < 0 ? -difference : difference)),
                              u"Finish Anyway"_s, u"Cancel"_s))
        return;
    const int recorded = finishStatement(*myDocument, *statement.closingDate, *statement.endingBalance);
    if (recorded == 0) {
        m_toolkit.alert(m_window, u"Finish"_s,
                        u"No transaction was reconciled since the last statement, so there is nothing to record."_s);
        return;
    }
    m_lastFinished = statementDateText(*statement.closingDate);
    const QString finishedOn = shownDateText(*statement.closingDate);
    EOMDoneButton(m_window);
    m_statement.date->setText(QString());
    m_statement.balance->setText(QString());
    reloadData();
    m_window->statusBar()->showMessage(
        u"The statement of %1 is finished: %2 reconciled with it."_s.arg(
            finishedOn, recorded == 1 ? u"1 transaction"_s : u"%1 transactions"_s.arg(recorded)),
        10000);
}

void MyWindowController::EOMDoneButton(QObject *)
{
    doingEndOfMonth = false;
    EOMMessages->setText(kBalancingDoneMessage.toString());
    const bool hadKeyboard = EOMDrawer->isAncestorOf(m_window->focusWidget());
    EOMDrawer->hide();
    // Hiding the drawer passes the keyboard on to the next widget in line,
    // the filter bar, where typing would filter the register: it goes back
    // to where it was before the drawer took it.
    if (hadKeyboard || !m_window->focusWidget() || !m_window->focusWidget()->isVisible()) {
        QWidget *back = m_focusBeforeDrawer && m_focusBeforeDrawer->isVisible() && m_focusBeforeDrawer->isEnabled()
            ? m_focusBeforeDrawer.data()
            : CheckNumber;
        back->setFocus(Qt::OtherFocusReason);
    }
    m_focusBeforeDrawer = nullptr;
}

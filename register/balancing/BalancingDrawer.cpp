// The balancing drawer's texts keep the window's translation context, where
// the translations of them are.

#include "BalancingDrawer.h"

#include "DateReader.h"
#include "MyDocument.h"
#include "RegisterTableModel.h"
#include "RegisterTableView.h"
#include "Toolkit.h"
#include "ui_EOMDrawer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>

using namespace Qt::StringLiterals;

BalancingDrawer::BalancingDrawer(MyDocument &document, Toolkit &toolkit, QMainWindow *window,
                                 RegisterTableView *view, const WrittenForms &forms, QWidget *keyboardHome)
    : QObject(window), m_document(document), m_toolkit(toolkit), m_window(window), m_forms(forms),
      m_keyboardHome(keyboardHome)
{
    m_dock = new QDockWidget(m_window);
    Ui::EOMDrawer ui;
    ui.setupUi(m_dock);
    m_amount = ui.currentEOMAmount;
    m_messages = ui.EOMMessages;
    m_markedSum = ui.EOMBalance;
    m_onlyUncleared = ui.onlyUncleared;
    m_statement = {ui.statementDate, ui.statementBalance, ui.previousStatement, ui.clearedValue, ui.statementValue,
                   ui.differenceValue, ui.statementValueLabel, ui.differenceLabel};
    m_window->addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    QPushButton *enter = ui.EOMEnter;
    connect(enter, &QPushButton::clicked, this, &BalancingDrawer::enterAmount);
    // Return in any of the drawer's fields is the drawer's Enter, never an
    // entry into the register.
    for (QLineEdit *field : {m_amount, ui.statementDate, ui.statementBalance})
        connect(field, &QLineEdit::returnPressed, enter, &QPushButton::click);
    connect(ui.EOMDone, &QPushButton::clicked, this, &BalancingDrawer::done);
    connect(ui.finishButton, &QPushButton::clicked, this, &BalancingDrawer::finish);
    // Closing the drawer by its own button ends balancing as Done does.
    connect(m_dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && m_balancing && !m_dock->isVisible() && !m_window->isMinimized())
            done();
    });
    for (QLineEdit *field : {m_statement.date, m_statement.balance})
        connect(field, &QLineEdit::textChanged, this, &BalancingDrawer::updateSummary);
    connect(m_onlyUncleared, &QCheckBox::toggled, this, &BalancingDrawer::onlyUnclearedChosen);
    // Every change to the register may move the cleared balance.
    connect(&m_document, &MyDocument::historyChanged, this, [this] {
        if (m_dock->isVisible())
            updateSummary();
    });
    // The check mark column is a tick box while balancing, and only then.
    const auto toggle = [this, view](const QModelIndex &index) {
        if (m_balancing && index.isValid() && index.column() == RegisterTableModel::ReconciledColumn)
            toggleReconciled(static_cast<RegisterTableModel *>(view->model())->registerRow(index.row()));
    };
    connect(view, &QTableView::clicked, this, toggle);
    connect(view, &RegisterTableView::spacePressed, this, toggle);
}

QString BalancingDrawer::shownDateText(const Value &stored) const { return shownDate(stored, m_forms.dateOrder); }

QString BalancingDrawer::shownDateText(QDate date) const { return writtenDate(date, m_forms.dateOrder); }

QString BalancingDrawer::shownMoneyText(Cents cents) const { return shownMoney(cents, m_forms.decimalPoint); }

void BalancingDrawer::begin()
{
    const Register &rows = *m_document.array();
    m_balancing = true;
    // The selection is the user's: the reconciled rows show their marks
    // already, and selecting them all would throw away what was chosen.
    // The keyboard comes back where it was when the drawer closes.
    if (QWidget *focused = m_window->focusWidget(); focused && !m_dock->isAncestorOf(focused))
        m_focusBeforeDrawer = focused;
    m_messages->setText(drawBalancingBegunMessage());
    showMarkedSum();
    const std::vector<RecordedStatement> finished = recordedStatements(rows);
    m_statement.previous->setText(finished.empty()
                                      ? QString()
                                      : QCoreApplication::translate("MyWindowController",
                                                                    "Last statement: %1, ending balance %2")
                                            .arg(shownDateText(Value::text(finished.back().dateText)),
                                                 shownMoneyText(finished.back().balance)));
    m_statement.previous->setVisible(!finished.empty());
    updateSummary();
    m_dock->show();
    m_dock->raise();
    m_amount->setFocus();
}

BankStatement BalancingDrawer::typedStatement(QString *problem) const
{
    BankStatement statement;
    const QString dateText = m_statement.date->text().trimmed();
    if (!dateText.isEmpty()) {
        statement.closingDate = readTypedDate(dateText, m_forms.dateOrder, m_toolkit.today());
        if (!statement.closingDate && problem)
            *problem = QCoreApplication::translate("MyWindowController",
                                                   "The closing date \u201c%1\u201d is not a date Cheqbook reads, "
                                                   "like %2.")
                           .arg(dateText, dateFormsRead(m_forms.dateOrder).section(u", "_s, 0, 2));
    }
    const QString balanceText = m_statement.balance->text().trimmed();
    if (!balanceText.isEmpty()) {
        const TypedStatementAmount balance = readStatementAmount(balanceText, m_forms.decimalPoint);
        if (balance.error.isEmpty())
            statement.endingBalance = balance.cents;
        else if (problem && problem->isEmpty())
            *problem = QCoreApplication::translate("MyWindowController", "The ending balance: %1.").arg(balance.error);
    }
    return statement;
}

void BalancingDrawer::setStatement(const BankStatement &statement)
{
    if (statement.closingDate)
        m_statement.date->setText(shownDateText(*statement.closingDate));
    if (statement.endingBalance)
        m_statement.balance->setText(shownMoneyText(*statement.endingBalance));
}

void BalancingDrawer::updateSummary()
{
    const Cents cleared = clearedBalance(*m_document.array());
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
    m_statement.difference->setToolTip(
        difference == 0
            ? QCoreApplication::translate("MyWindowController", "The register agrees with the statement")
            : QCoreApplication::translate("MyWindowController", "The statement's balance minus the cleared balance"));
}

void BalancingDrawer::enterAmount()
{
    const Register &rows = *m_document.array();
    const TypedStatementAmount typed = readStatementAmount(m_amount->text(), m_forms.decimalPoint);
    if (!typed.error.isEmpty()) {
        m_toolkit.beep();
        m_messages->setText(typed.error);
        return;
    }
    QString problem;
    const BankStatement statement = typedStatement(&problem);
    if (!m_statement.date->text().trimmed().isEmpty() && !statement.closingDate) {
        m_toolkit.beep();
        m_messages->setText(problem);
        return;
    }
    const int row = matchStatementAmount(rows, typed.cents, statement.closingDate, m_toolkit.today());
    if (row < 0) {
        m_toolkit.beep();
        const int later = statement.closingDate
            ? matchStatementAmount(rows, typed.cents, std::nullopt, m_toolkit.today())
            : -1;
        m_messages->setText(later < 0 ? QCoreApplication::translate("Reconciliation", kAmountNotFoundText)
                                      : datedAfterClosingMessage(rows[later], later));
        return;
    }
    // The mark is saved with the register; closing without saving must ask,
    // or a month's balancing would be lost without a word.
    setReconciled(m_document, row, true);
    emit rowMarked(row, true);
    m_messages->clear();
    m_amount->setText(QString()); // forgetting its typing: Ctrl+Z now undoes the match
    showMarkedSum();
}

void BalancingDrawer::toggleReconciled(int row)
{
    const Register &rows = *m_document.array();
    if (row < 0 || row >= rows.count())
        return;
    const Record &record = rows[row];
    const bool reconciled = isReconciled(record);
    if (reconciled && belongsToAStatement(record)
        && !confirmReconciledChange(
            QCoreApplication::translate("MyWindowController",
                                        "Taking its mark away takes it out of that statement and out of the cleared "
                                        "balance, so the register no longer agrees with the bank."),
            QCoreApplication::translate("MyWindowController", "Unreconcile Anyway")))
        return;
    setReconciled(m_document, row, !reconciled);
    emit rowMarked(row, false);
    showMarkedSum();
}

bool BalancingDrawer::confirmReconciledChange(const QString &consequence, const QString &goOn)
{
    return m_toolkit.confirm(
        m_window, QCoreApplication::translate("MyWindowController", "Reconciled Transaction"),
        QCoreApplication::translate("MyWindowController", "This transaction was reconciled with a statement. ")
            + consequence,
        goOn, Toolkit::cancelButton());
}

void BalancingDrawer::finish()
{
    QString problem;
    const BankStatement statement = typedStatement(&problem);
    if (!statement.closingDate || !statement.endingBalance) {
        m_toolkit.alert(m_window, QCoreApplication::translate("MyWindowController", "Finish"),
                        problem.isEmpty() ? QCoreApplication::translate(
                                                "MyWindowController",
                                                "Type the statement's closing date and ending balance first.")
                                          : problem);
        return;
    }
    const Cents difference = *statement.endingBalance - clearedBalance(*m_document.array());
    if (difference != 0
        && !m_toolkit.confirm(m_window, QCoreApplication::translate("MyWindowController", "Finish"),
                              QCoreApplication::translate("MyWindowController",
                                                          "The register is %1 away from the statement.")
                                  .arg(shownMoneyText(difference < 0 ? -difference : difference)),
                              QCoreApplication::translate("MyWindowController", "Finish Anyway"),
                              Toolkit::cancelButton()))
        return;
    const int recorded = finishStatement(m_document, *statement.closingDate, *statement.endingBalance);
    if (recorded == 0) {
        m_toolkit.alert(m_window, QCoreApplication::translate("MyWindowController", "Finish"),
                        QCoreApplication::translate("MyWindowController",
                                                    "No transaction was reconciled since the last statement, so "
                                                    "there is nothing to record."));
        return;
    }
    const QString finishedOn = shownDateText(*statement.closingDate);
    done();
    m_statement.date->setText(QString());
    m_statement.balance->setText(QString());
    emit finished();
    m_window->statusBar()->showMessage(
        (recorded == 1 ? QCoreApplication::translate("MyWindowController",
                                                     "The statement of %1 is finished: 1 transaction reconciled "
                                                     "with it.")
                       : QCoreApplication::translate("MyWindowController",
                                                     "The statement of %1 is finished: %n transactions reconciled "
                                                     "with it.",
                                                     nullptr, int(recorded)))
            .arg(finishedOn),
        10000);
}

void BalancingDrawer::done()
{
    m_balancing = false;
    m_messages->setText(QCoreApplication::translate("Reconciliation", kBalancingDoneText));
    const bool hadKeyboard = m_dock->isAncestorOf(m_window->focusWidget());
    m_dock->hide();
    // Hiding the drawer passes the keyboard on to the next widget in line,
    // the filter bar, where typing would filter the register: it goes back
    // to where it was before the drawer took it.
    if (hadKeyboard || !m_window->focusWidget() || !m_window->focusWidget()->isVisible()) {
        QWidget *back = m_focusBeforeDrawer && m_focusBeforeDrawer->isVisible() && m_focusBeforeDrawer->isEnabled()
            ? m_focusBeforeDrawer.data()
            : m_keyboardHome;
        back->setFocus(Qt::OtherFocusReason);
    }
    m_focusBeforeDrawer = nullptr;
}

void BalancingDrawer::retypeDate(DateOrder before)
{
    if (const std::optional<QDate> typed = readTypedDate(m_statement.date->text(), before, m_toolkit.today()))
        m_statement.date->setText(writtenDate(*typed, m_forms.dateOrder));
}

void BalancingDrawer::showWrittenForms()
{
    m_statement.date->setPlaceholderText(datePlaceholder(m_forms.dateOrder));
    m_statement.balance->setPlaceholderText(shownMoney(0, m_forms.decimalPoint));
    m_amount->setPlaceholderText(shownMoney(-1234, m_forms.decimalPoint));
    updateSummary();
}

void BalancingDrawer::showMarkedSum()
{
    m_markedSum->setText(reconciledSumText(reconciledSum(*m_document.array()), m_forms.decimalPoint));
}

void BalancingDrawer::showOnlyUncleared(bool only)
{
    const QSignalBlocker quiet(m_onlyUncleared);
    m_onlyUncleared->setChecked(only);
}

#include "ReconciliationReport.h"

#include "CutForShowing.h"
#include "DateReader.h"
#include "Report.h"
#include "RunningBalance.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// A text of the file as the report shows it: cut, and with its control
// characters as symbols, so that neither a page nor a terminal is upset.
QString shownField(const Value &value) { return withControlsShown(cutForShowing(value)); }

ReconciliationItem itemOf(const Record &r)
{
    return {shownField(r.value(Key::Date)), shownField(r.value(Key::CheckNumber)),
            shownField(r.value(Key::DescriptionofTransaction)), r.value(Key::Amount).centsOrZero()};
}

std::optional<QDate> dateOf(const Record &r, QDate today)
{
    return r.value(Key::Date).visitText([&](auto text) { return readDate(text, today); });
}

// Which statement cleared a row: the index of a finished one, kCurrent for
// one reconciled since the last finished statement, kNone for none.
constexpr int kCurrent = 1 << 30;
constexpr int kNone = kCurrent + 1;

int clearedBy(const Record &r, const std::vector<RecordedStatement> &statements)
{
    if (!isReconciled(r))
        return kNone;
    for (size_t k = 0; k < statements.size(); ++k)
        if (belongsToStatement(r, statements[k]))
            return int(k);
    return kCurrent;
}

// The report for the statement at index `which` (kCurrent: the one being
// balanced) dated `date` (none: as things stand).
ReconciliationReport report(const Register &reg, int which, std::optional<QDate> date, QDate today)
{
    ReconciliationReport rep;
    rep.statementDate = date;
    const std::vector<RecordedStatement> statements = recordedStatements(reg);
    if (which == kCurrent && !statements.empty())
        rep.previousDate = statements.back().date;
    else if (which != kCurrent && which > 0)
        rep.previousDate = statements[size_t(which - 1)].date;
    if (reg.isEmpty())
        return rep;
    const Cents opening = reg[0].value(Key::Amount).centsOrZero();
    rep.previousCleared = opening;
    rep.registerBalance = opening;
    if (!rep.previousDate)
        rep.opening = itemOf(reg[0]);
    for (int row = 1; row < reg.count(); ++row) {
        const Record &r = reg[row];
        const Cents amount = r.value(Key::Amount).centsOrZero();
        const int by = clearedBy(r, statements);
        const std::optional<QDate> day = dateOf(r, today);
        const bool byTheDate = !date || (day && *day <= *date);
        if (by < which) {
            rep.previousCleared = addCents(rep.previousCleared, amount);
        } else if (by == which) {
            rep.cleared.push_back(itemOf(r));
            if (amount < 0) {
                ++rep.withdrawalCount;
                rep.withdrawals = addCents(rep.withdrawals, amount);
            } else {
                ++rep.depositCount;
                rep.deposits = addCents(rep.deposits, amount);
            }
        } else if (byTheDate) {
            // Not cleared by then: reconciled later, or not yet.
            rep.outstanding.push_back(itemOf(r));
            rep.outstandingTotal = addCents(rep.outstandingTotal, amount);
        }
        if (byTheDate)
            rep.registerBalance = addCents(rep.registerBalance, amount);
    }
    rep.clearedBalance = addCents(rep.previousCleared, addCents(rep.deposits, rep.withdrawals));
    return rep;
}

void appendAmountLine(QString &out, const QString &label, Cents amount, const WrittenForms &forms)
{
    const QString money = shownMoney(amount, forms.decimalPoint);
    out += label.leftJustified(40, u' ') + money.rightJustified(16, u' ') + u'\n';
}

void appendItems(QString &out, const QString &title, const std::vector<ReconciliationItem> &items,
                 const WrittenForms &forms)
{
    out += u'\n' + title + u'\n';
    if (items.empty()) {
        out += QCoreApplication::translate("ReconciliationReport", "  (none)\n");
        return;
    }
    out += QCoreApplication::translate("ReconciliationReport",
                                       "Date       | Check #  | Description                          |       Amount\n");
    out += QString(76, u'-') + u'\n';
    for (const ReconciliationItem &item : items) {
        out += shownDate(item.date, forms.dateOrder).left(10).leftJustified(10, u' ') + u" | "_s
            + item.checkNumber.left(8).leftJustified(8, u' ') + u" | "_s
            + item.description.left(36).leftJustified(36, u' ') + u" | "_s
            + shownMoney(item.amount, forms.decimalPoint).rightJustified(12, u' ') + u'\n';
    }
}

} // namespace

ReconciliationReport currentReconciliation(const Register &reg, const BankStatement &statement, QDate today)
{
    ReconciliationReport rep = report(reg, kCurrent, statement.closingDate, today);
    rep.statementBalance = statement.endingBalance;
    if (rep.statementBalance)
        rep.difference = *rep.statementBalance - rep.clearedBalance;
    return rep;
}

ReconciliationReport finishedReconciliation(const Register &reg, const RecordedStatement &statement, QDate today)
{
    const std::vector<RecordedStatement> statements = recordedStatements(reg);
    int which = 0;
    while (which < int(statements.size()) && !(statements[size_t(which)].dateText == statement.dateText
                                              && statements[size_t(which)].balanceText == statement.balanceText))
        ++which;
    ReconciliationReport rep = report(reg, which, statement.date.isValid() ? std::optional(statement.date)
                                                                           : std::nullopt, today);
    rep.statementBalance = statement.balance;
    rep.difference = statement.balance - rep.clearedBalance;
    return rep;
}

ReconciliationReport reconciliationFor(const Register &reg, const BankStatement &statement, QDate today)
{
    const std::vector<RecordedStatement> finished = recordedStatements(reg);
    const RecordedStatement *known = nullptr;
    if (statement.closingDate) {
        for (const RecordedStatement &s : finished)
            if (s.date == *statement.closingDate)
                known = &s;
    } else if (statement.endingBalance) {
        if (!finished.empty() && finished.back().balance == *statement.endingBalance
            && rowsClearedSinceLastStatement(reg).empty())
            known = &finished.back();
    } else if (!finished.empty()) {
        known = &finished.back();
    }
    if (!known)
        return currentReconciliation(reg, statement, today);
    ReconciliationReport rep = finishedReconciliation(reg, *known, today);
    // The balance given is the one asked about, should it differ from the
    // one recorded.
    if (statement.endingBalance) {
        rep.statementBalance = statement.endingBalance;
        rep.difference = *statement.endingBalance - rep.clearedBalance;
    }
    return rep;
}

QString reconciliationText(const ReconciliationReport &r, const QString &registerName, const WrittenForms &forms)
{
    const auto appendLine = [&](QString &text, const QString &label, Cents amount) {
        appendAmountLine(text, label, amount, forms);
    };
    const auto dateText = [&](QDate date) { return writtenDate(date, forms.dateOrder); };
    QString out = QCoreApplication::translate("ReconciliationReport", "Reconciliation of %1\n")
                      .arg(withControlsShown(registerName));
    if (r.statementDate)
        out += QCoreApplication::translate("ReconciliationReport", "Statement of %1\n").arg(dateText(*r.statementDate));
    else if (r.statementBalance)
        out += QCoreApplication::translate("ReconciliationReport",
                                           "Statement with no closing date given: every transaction counts\n");
    else
        out += QCoreApplication::translate("ReconciliationReport", "As the register stands, with no statement\n");
    if (r.opening) {
        QString what = shownDate(r.opening->date.simplified().left(10), forms.dateOrder);
        if (!r.opening->description.simplified().isEmpty())
            what += (what.isEmpty() ? u""_s : u" "_s) + quotedDescription(r.opening->description);
        out += QCoreApplication::translate("ReconciliationReport",
                                           "Opening balance %1%2, cleared as the balance the bank held\n")
                   .arg(shownMoney(r.opening->amount, forms.decimalPoint), what.isEmpty() ? QString() : u" (%1)"_s.arg(what));
    }
    out += u'\n';
    if (r.statementBalance)
        appendLine(out, QCoreApplication::translate("ReconciliationReport", "Statement balance"), *r.statementBalance);
    const bool aStatement = r.statementBalance || r.statementDate;
    if (aStatement) {
        appendLine(out,
                   r.previousDate
                       ? QCoreApplication::translate("ReconciliationReport", "Previous cleared balance (%1)")
                             .arg(dateText(*r.previousDate))
                       : QCoreApplication::translate("ReconciliationReport", "Previous cleared balance (opening)"),
                   r.previousCleared);
        appendLine(out,
                   QCoreApplication::translate("ReconciliationReport", "Deposits cleared (%1)").arg(r.depositCount),
                   r.deposits);
        appendLine(
            out, QCoreApplication::translate("ReconciliationReport", "Withdrawals cleared (%1)").arg(r.withdrawalCount),
            r.withdrawals);
    }
    appendLine(out, QCoreApplication::translate("ReconciliationReport", "Cleared balance"), r.clearedBalance);
    appendLine(out, QCoreApplication::translate("ReconciliationReport", "Outstanding (%1)").arg(r.outstanding.size()),
               r.outstandingTotal);
    if (aStatement)
        appendLine(out, QCoreApplication::translate("ReconciliationReport", "Register balance"), r.registerBalance);
    if (r.difference)
        appendLine(out, QCoreApplication::translate("ReconciliationReport", "Difference"), *r.difference);
    if (aStatement)
        appendItems(
            out,
            QCoreApplication::translate("ReconciliationReport", "Cleared by this statement (%1)").arg(r.cleared.size()),
            r.cleared, forms);
    appendItems(out,
                r.statementDate
                    ? QCoreApplication::translate("ReconciliationReport", "Outstanding on %1 (%2)")
                          .arg(dateText(*r.statementDate))
                          .arg(r.outstanding.size())
                    : QCoreApplication::translate("ReconciliationReport", "Outstanding (%1)").arg(r.outstanding.size()),
                r.outstanding, forms);
    return out;
}

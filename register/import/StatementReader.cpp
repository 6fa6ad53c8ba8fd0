#include "StatementReader.h"

#include "CsvStatement.h"
#include "StatementText.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

QString accountList(const std::vector<OfxAccountChoice> &accounts)
{
    QStringList items;
    for (const OfxAccountChoice &a : accounts)
        items << u"%1 (%2)"_s.arg(
            a.label,
            a.transactions == 1
                ? QCoreApplication::translate("StatementReader", "1 transaction")
                : QCoreApplication::translate("StatementReader", "%1 transactions").arg(a.transactions));
    return items.join(u", ");
}

QString StatementRead::columnsProblem() const
{
    if (!needsColumns())
        return {};
    if (layout.headerLine > 0 && detected.headerUnrecognised && layout.headerLine == detected.layout.headerLine)
        return QCoreApplication::translate(
                   "StatementReader",
                   "the header on line %1 (\u201c%2\u201d) names no column Cheqbook reads; it reads %3")
            .arg(QString::number(layout.headerLine), elided(detected.header.join(layout.separator)), namesRead());
    if (layout.headerLine == 0 && detected.layout.headerLine == 0 && layout == detected.layout)
        return QCoreApplication::translate("StatementReader",
                                           "the lines are separated by %1s and have no header naming their columns")
            .arg(separatorName(layout.separator));
    return layout.date < 0 ? QCoreApplication::translate("StatementReader", "the layout names no date column")
                           : QCoreApplication::translate("StatementReader", "the layout names no amount column");
}

QString StatementRead::dateOrderProblem() const
{
    if (!needsDateOrder())
        return {};
    if (dates.readable.empty())
        return QCoreApplication::translate("StatementReader",
                                           "no order of day, month and year reads every date of the column");
    return QCoreApplication::translate("StatementReader",
                                       "the dates read both as month/day/year and as day/month/year");
}

StatementRead ofxStatementRead(std::shared_ptr<const OfxRead> file, const QString &account)
{
    StatementRead r;
    r.format = StatementFormat::Ofx;
    if (!file->ok()) {
        r.statement.error = file->error;
        r.stopped = file->stopped;
        return r;
    }
    r.ofxFile = file;
    for (const OfxAccount &a : file->accounts)
        r.accounts.push_back({a.id, a.label, int(a.statement.lines.size())});
    QString id = account;
    if (id.isEmpty() && file->accounts.size() == 1)
        id = file->accounts.front().id;
    if (id.isEmpty())
        return r; // the person chooses
    for (const OfxAccount &a : file->accounts) {
        if (a.id == id) {
            r.account = id;
            r.statement = a.statement;
            r.ledger = {a.ledgerDate, a.ledgerBalance};
            return r;
        }
    }
    r.statement.error = QCoreApplication::translate("StatementReader", "it holds no account \u201c%1\u201d, only %2")
                            .arg(id, accountList(r.accounts));
    r.accounts.clear();
    return r;
}

namespace {

StatementRead stoppedRead()
{
    StatementRead r;
    r.stopped = true;
    r.statement.error = kReadingStoppedMessage.toString();
    return r;
}

void applyColumns(CsvLayout &l, const ColumnChoice &c)
{
    const std::pair<const std::optional<int> *, int *> columns[] = {
        {&c.date, &l.date},         {&c.description, &l.description}, {&c.memo, &l.memo},
        {&c.checkNumber, &l.checkNumber}, {&c.sign, &l.sign}};
    for (const auto &[given, column] : columns)
        if (*given)
            *column = **given;
    // An amount, or money out and in: stating one is leaving the other.
    if (c.amount) {
        l.amount = *c.amount;
        l.moneyOut = l.moneyIn = -1;
    }
    if (c.moneyOut || c.moneyIn) {
        l.amount = -1;
        l.moneyOut = c.moneyOut.value_or(-1);
        l.moneyIn = c.moneyIn.value_or(-1);
    }
    if (l.headerLine == 0)
        l.fieldCount = 0;
}

// The layout to read with: a person's, the one remembered for the bank, or
// the one found; then what the command line states over it.
CsvLayout chooseLayout(StatementRead &r, const ReadChoices &choices)
{
    CsvLayout layout = r.detected.layout;
    if (choices.layout) {
        layout = *choices.layout;
    } else if (choices.remembered && !r.detected.headerKey.isEmpty()) {
        std::optional<CsvLayout> remembered = choices.remembered(r.detected.headerKey);
        if (remembered && remembered->fieldCount == r.detected.layout.fieldCount) {
            remembered->headerLine = r.detected.layout.headerLine; // the lines before it may differ
            remembered->dropColumnsBeyondHeader();
            layout = *remembered;
            r.usedRememberedLayout = true;
        }
    }
    if (choices.columns.any()) {
        applyColumns(layout, choices.columns);
        if (layout.fieldCount > 0 && layout.fieldsNeeded() > layout.fieldCount)
            r.statement.error = QCoreApplication::translate(
                                    "StatementReader", "column %1 was named, but the header on line %2 names only %3")
                                    .arg(QString::number(layout.fieldsNeeded()), QString::number(layout.headerLine),
                                         QString::number(layout.fieldCount));
    }
    if (choices.decimalComma)
        layout.decimalComma = true;
    if (choices.amountSign)
        layout.amountSign = *choices.amountSign;
    return layout;
}

// Which order the dates are read in: the dates' own, a choice that reads
// every date, the order of the file, or none yet.
DateOrder settleDateOrder(StatementRead &r, const ReadChoices &choices, const DateDecision &d)
{
    if (d.settledByDates) {
        r.dateBasis = DateOrderBasis::Dates;
        return d.order;
    }
    for (const std::optional<DateOrder> &chosen : {choices.dateOrder, std::optional<DateOrder>(r.layout.dateOrder)}) {
        if (chosen && *chosen != DateOrder::Unknown && readsEveryDate(d, *chosen)) {
            r.dateBasis = DateOrderBasis::Chosen;
            return *chosen;
        }
    }
    r.dateBasis = d.order == DateOrder::Unknown ? DateOrderBasis::None : DateOrderBasis::FileOrder;
    return d.order;
}

// The records the layout reads: the split the detection made when it is
// the one the layout reads with, else the text, split as it is read.
CsvRecordSource recordsFor(StatementRead &r, QChar separator, int wholeFields)
{
    return {r.decoded.text, separator, wholeFields, std::move(r.detected.records)};
}

// A CSV statement; throws WorkStopped when progress says to stop.
StatementRead readCsvLines(const DecodedText &decoded, const ReadChoices &choices, QDate today, Progress *progress)
{
    StatementRead r;
    if (!decoded.error.isEmpty()) {
        r.statement.error = decoded.error;
        return r;
    }
    r.decoded = decoded;
    r.detected = detectCsvLayout(decoded.text, choices.separator, progress);
    r.layout = chooseLayout(r, choices);
    if (!r.ok())
        return r;
    const QString encoding = encodingNote(decoded);
    if (r.layout.isFiveField()) {
        // Read exactly as it always was: the date's text as the bank wrote it.
        r.format = StatementFormat::FiveFieldCsv;
        r.statement = parseFiveField(recordsFor(r, u',', kStatementFieldsNeeded), today, progress);
        if (!encoding.isEmpty())
            r.statement.notes.insert(r.statement.notes.begin(), encoding);
        return r;
    }
    r.format = StatementFormat::LayoutCsv;
    if (!r.layout.namesColumns())
        return r;
    CsvReading reading = readCsvStatement(
        recordsFor(r, r.layout.separator, csvRecordsWholeFields(r.layout)), r.layout, today,
        [&](const DateDecision &d) { return settleDateOrder(r, choices, d); }, progress);
    r.statement = std::move(reading.statement);
    if (!r.ok())
        return r;
    r.dates = reading.dates;
    r.layout.dateOrder = r.dateBasis == DateOrderBasis::None ? DateOrder::Unknown : reading.order;
    r.unsignedAmounts = reading.unsignedAmounts;
    if (choices.dateOrder && r.dateBasis == DateOrderBasis::Dates && *choices.dateOrder != reading.order
        && !readsEveryDate(r.dates, *choices.dateOrder))
        r.dateOrderConflict = QCoreApplication::translate("StatementReader",
                                                          "its dates are written %1 (line %2: \u201c%3\u201d), not %4")
                                  .arg(dateOrderName(reading.order), QString::number(reading.settlingLine),
                                       elided(reading.settlingText), dateOrderName(*choices.dateOrder));
    if (r.dateBasis == DateOrderBasis::FileOrder)
        r.statement.notes.insert(r.statement.notes.begin(), r.dates.reason);
    if (!encoding.isEmpty())
        r.statement.notes.insert(r.statement.notes.begin(), encoding);
    return r;
}

StatementRead readCsv(const DecodedText &decoded, const ReadChoices &choices, QDate today, Progress *progress)
{
    StatementRead r = readCsvLines(decoded, choices, today, progress);
    r.detected.records.reset(); // the split is read; a preview keeps the text only
    return r;
}

} // namespace

StatementRead readStatement(const QByteArray &bytes, const ReadChoices &choices, QDate today, Progress *progress)
{
    if (looksLikeOfx(bytes))
        return ofxStatementRead(std::make_shared<const OfxRead>(readOfx(bytes, progress)), choices.account);
    try {
        return readCsv(decodeStatementText(bytes, progress), choices, today, progress);
    } catch (const WorkStopped &) {
        return stoppedRead();
    }
}

StatementRead readCsvStatementText(const DecodedText &decoded, const ReadChoices &choices, QDate today,
                                   Progress *progress)
{
    try {
        return readCsv(decoded, choices, today, progress);
    } catch (const WorkStopped &) {
        return stoppedRead();
    }
}

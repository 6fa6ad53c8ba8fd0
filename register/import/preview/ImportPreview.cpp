#include "ImportPreview.h"

#include "Category.h"
#include "ScheduleMatch.h"
#include "StatementText.h"
#include "WatchedWork.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

ImportPreview::ImportPreview(QByteArray bytes, QString fileName, RegisterPtr reg, QDate today,
                             LayoutLookup remembered, Progress *progress)
    : m_bytes(std::move(bytes)), m_fileName(std::move(fileName)), m_register(std::move(reg)), m_today(today)
{
    if (!looksLikeOfx(m_bytes))
        m_decoded = decodeStatementText(m_bytes);
    // The layout settled for this bank before, on this file's header.
    m_choices.remembered = std::move(remembered);
    reread(progress);
}

ImportPreview::ImportPreview(QByteArray bytes, DecodedText decoded, QString fileName, RegisterPtr reg, QDate today,
                             LayoutLookup remembered, StatementRead read)
    : m_bytes(std::move(bytes)), m_decoded(std::move(decoded)), m_fileName(std::move(fileName)),
      m_register(std::move(reg)), m_today(today), m_read(std::move(read))
{
    m_choices.remembered = std::move(remembered);
}

std::unique_ptr<ImportPreview> ImportPreview::readFile(const QString &path, RegisterPtr reg, QDate today,
                                                       LayoutLookup remembered, Progress &progress, QString *error)
{
    QByteArray bytes;
    StatementRead read;
    ReadChoices choices;
    choices.remembered = remembered;
    QString why;
    const bool whole = runWatched(
        [&](Progress &watched) {
            bytes = readStatementBytes(path, &why);
            if (!why.isEmpty())
                return;
            read = readStatement(bytes, choices, today, &watched);
        },
        progress);
    *error = whole ? why : QString();
    if (!whole || !why.isEmpty())
        return nullptr;
    DecodedText decoded = read.decoded; // before read is moved into the same call
    std::unique_ptr<ImportPreview> preview(new ImportPreview(std::move(bytes), std::move(decoded),
                                                             QFileInfo(path).fileName(), std::move(reg), today,
                                                             std::move(remembered), std::move(read)));
    preview->check(&progress);
    if (progress.wasCancelled())
        return nullptr;
    return preview;
}

void ImportPreview::setLayout(CsvLayout layout)
{
    layout.fieldCount = layout.headerLine > 0
        ? int(recordFieldsAt(m_decoded.text, layout.separator, layout.headerLine).size())
        : 0;
    layout.dropColumnsBeyondHeader();
    // An order the dates or the file's order settled is settled again, from
    // what may now be another column.
    if (m_read.dateBasis != DateOrderBasis::Chosen)
        layout.dateOrder = DateOrder::Unknown;
    m_choices.layout = layout;
    reread();
}

QStringList ImportPreview::columnNames() const
{
    const CsvLayout &l = m_read.layout;
    if (l.headerLine > 0) {
        QStringList names = recordFieldsAt(m_decoded.text, l.separator, l.headerLine);
        for (QString &n : names)
            n = n.trimmed();
        return names;
    }
    QStringList names;
    const int n = std::max(widestRecord(m_decoded.text, l.separator), l.fieldsNeeded());
    for (int i = 1; i <= n; ++i)
        names << QCoreApplication::translate("ImportPreview", "Field %1").arg(i);
    return names;
}

void ImportPreview::setDateOrder(DateOrder order)
{
    m_choices.dateOrder = order;
    // The five-field layout keeps its dates as written; an order chosen for
    // it reads them as dates.
    if (m_read.format == StatementFormat::FiveFieldCsv) {
        CsvLayout layout = m_read.layout;
        layout.dateOrder = order;
        m_choices.layout = layout;
    }
    reread();
}

void ImportPreview::setAmountSign(AmountSign sign)
{
    m_choices.amountSign = sign;
    if (m_choices.layout)
        m_choices.layout->amountSign = sign;
    reread();
}

void ImportPreview::setAccount(const QString &id)
{
    m_choices.account = id;
    reread();
}

void ImportPreview::reread(Progress *progress)
{
    // An OFX file is read once, whichever of its accounts is then chosen.
    m_read = m_read.ofxFile     ? ofxStatementRead(m_read.ofxFile, m_choices.account)
        : looksLikeOfx(m_bytes) ? readStatement(m_bytes, m_choices, m_today)
                                : readCsvStatementText(m_decoded, m_choices, m_today);
    check(progress);
}

QString ImportPreview::lineKey(size_t i) const
{
    // The line of the file the transaction is on, and which of that line's
    // transactions it is (an OFX file may hold several on one line): the
    // same in any layout, whatever its date or fingerprint then reads as.
    const std::vector<StatementLine> &lines = m_read.statement.lines;
    int nth = 0;
    for (size_t k = i; k > 0 && lines[k - 1].lineNumber == lines[i].lineNumber; --k)
        ++nth;
    return u"%1.%2"_s.arg(lines[i].lineNumber).arg(nth);
}

void ImportPreview::check(Progress *progress)
{
    // What was chosen for a line stays chosen when the same line is read
    // again (in another layout), as long as it is still what it was: a line
    // that was a duplicate and now reads as new (its date read in another
    // order) is ticked again.
    QHash<QString, Row> before;
    for (size_t i = 0; i < m_rows.size(); ++i)
        before.insert(m_rowKeys[i], std::move(m_rows[i]));
    m_rows.clear();
    m_rowKeys.clear();
    std::vector<StatementLine> lines = m_read.statement.lines;
    std::vector<ChosenPairing> chosen;
    for (size_t i = 0; i < lines.size(); ++i) {
        m_rowKeys.push_back(lineKey(i));
        StatementLine &line = lines[i];
        if (const auto sign = m_signs.constFind(m_rowKeys[i]); line.signUnknown && sign != m_signs.constEnd()) {
            line.amount = *sign * std::llabs(line.amount);
            line.signUnknown = false;
            line.doubt.clear();
        }
        if (const auto pairing = m_pairings.constFind(m_rowKeys[i]); pairing != m_pairings.constEnd())
            chosen.push_back({i, *pairing});
    }
    const std::vector<DuplicateCheck> checks = checkDuplicates(*m_register, lines, m_today, progress, chosen);
    if (progress && progress->wasCancelled())
        return;
    m_rows.reserve(checks.size());
    for (size_t i = 0; i < checks.size(); ++i) {
        const bool isNew = checks[i].verdict == DuplicateCheck::Verdict::New;
        Action action = isNew && lines[i].doubt.isEmpty() ? Action::Add : Action::Skip;
        const auto was = before.constFind(m_rowKeys[i]);
        if (was != before.constEnd() && was->check.verdict == checks[i].verdict && was->check.record == checks[i].record
            && was->line.signUnknown == lines[i].signUnknown)
            action = was->action;
        Row row;
        row.line = std::move(lines[i]);
        row.check = checks[i];
        row.action = action;
        m_rows.push_back(std::move(row));
    }
    m_book = m_register && !m_register->isEmpty() ? readScheduleBook(*m_register) : ScheduleBook();
    settle();
}

void ImportPreview::recheck() { check(); }

bool ImportPreview::setAction(size_t row, Action action)
{
    if (row >= m_rows.size())
        return false;
    if (action == Action::Reconcile && m_rows[row].check.verdict != DuplicateCheck::Verdict::Probable)
        return false;
    if (action == Action::Add && m_rows[row].line.signUnknown)
        return false;
    m_rows[row].action = action;
    settle();
    return true;
}

bool ImportPreview::setSign(size_t row, int sign)
{
    if (row >= m_rows.size() || (sign != -1 && sign != 1) || m_read.statement.lines.size() != m_rows.size())
        return false;
    const StatementLine &read = m_read.statement.lines[row];
    if (!read.signUnknown)
        return false;
    m_signs.insert(m_rowKeys[row], sign);
    check();
    if (m_rows[row].check.verdict == DuplicateCheck::Verdict::New)
        m_rows[row].action = Action::Add;
    settle();
    return true;
}

std::vector<RecordPtr> ImportPreview::pairingChoices(size_t row) const
{
    if (row >= m_rows.size() || m_rows[row].check.verdict == DuplicateCheck::Verdict::Duplicate)
        return {};
    std::vector<StatementLine> lines;
    std::vector<DuplicateCheck> checks;
    for (const Row &r : m_rows) {
        lines.push_back(r.line);
        checks.push_back(r.check);
    }
    std::vector<RecordPtr> records;
    for (int index : pairingCandidates(*m_register, lines, checks, row, m_today))
        records.push_back(m_register->at(index));
    return records;
}

bool ImportPreview::setPairing(size_t row, const RecordPtr &record)
{
    if (row >= m_rows.size() || m_rows[row].check.verdict == DuplicateCheck::Verdict::Duplicate
        || m_rows[row].line.signUnknown)
        return false;
    if (record) {
        const std::vector<RecordPtr> allowed = pairingChoices(row);
        if (std::find(allowed.begin(), allowed.end(), record) == allowed.end())
            return false;
    }
    const bool matched = m_rows[row].action == Action::Reconcile;
    // The row is this line's now; a line it was chosen for before is paired anew.
    if (record)
        m_pairings.removeIf([&](const auto &chosen) { return chosen.value() == record; });
    m_pairings.insert(m_rowKeys[row], record);
    check();
    // A row chosen for the line is that line, matched if it was before;
    // a line made new is added.
    Row &now = m_rows[row];
    now.action = now.check.verdict == DuplicateCheck::Verdict::New ? Action::Add
        : matched                                                  ? Action::Reconcile
                                                                   : Action::Skip;
    settle();
    return true;
}

void ImportPreview::acceptAllMatches()
{
    for (Row &row : m_rows)
        if (row.check.verdict == DuplicateCheck::Verdict::Probable)
            row.action = Action::Reconcile;
    settle();
}

int ImportPreview::count(Action action) const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(), [&](const Row &r) { return r.action == action; }));
}

int ImportPreview::duplicates() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(),
                             [](const Row &r) { return r.check.verdict != DuplicateCheck::Verdict::New; }));
}

int ImportPreview::inDoubt() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(), [](const Row &r) {
        return !r.line.doubt.isEmpty() && r.check.verdict == DuplicateCheck::Verdict::New && r.action == Action::Skip;
    }));
}

QString ImportPreview::blocker() const
{
    auto sentence = [](QString s) {
        if (!s.isEmpty())
            s[0] = s[0].toUpper();
        return s;
    };
    if (!m_read.ok())
        return m_read.statement.error;
    if (m_read.needsAccount())
        return QCoreApplication::translate("ImportPreview",
                                           "The file holds %1 accounts: choose the one this register keeps.")
            .arg(m_read.accounts.size());
    if (m_read.needsColumns())
        return sentence(m_read.columnsProblem())
            + QCoreApplication::translate("ImportPreview", ": choose which column is which.");
    if (m_read.needsDateOrder())
        return m_read.dates.readable.empty()
            ? sentence(m_read.dateOrderProblem())
                + QCoreApplication::translate("ImportPreview", ": choose another date column.")
            : QCoreApplication::translate(
                "ImportPreview", "The dates read both as month/day/year and as day/month/year: choose their order.");
    if (m_read.needsAmountSign())
        return sentence(QCoreApplication::translate("StatementReader", kAmountSignProblemText))
            + QCoreApplication::translate("ImportPreview",
                                          ": choose whether they are money out (a card\u2019s charges) or money in.");
    return {};
}

ImportPlan ImportPreview::plan() const
{
    ImportPlan plan;
    for (const Row &row : m_rows) {
        if (row.action == Action::Add)
            plan.add.push_back(row.line);
        else if (row.action == Action::Reconcile && row.check.record)
            plan.reconcile.push_back({row.check.record, row.line.bankId});
        else if (row.check.verdict == DuplicateCheck::Verdict::Probable)
            plan.identify.push_back({row.check.record, row.line.bankId}); // left out as that row
    }
    plan.skipped = m_read.statement.skipped;
    plan.categoriesSettled = true;
    return plan;
}

int ImportPreview::meetsSchedules() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(), [](const Row &r) { return r.occurrence.has_value(); }));
}

QString ImportPreview::summary() const
{
    auto counted = [](int n, const QString &one, const QString &many) {
        return n == 1 ? one : many.arg(n);
    };
    QStringList parts;
    parts << counted(count(Action::Add), QCoreApplication::translate("ImportPreview", "1 transaction to add"),
                     QCoreApplication::translate("ImportPreview", "%1 transactions to add"));
    if (const int m = meetsSchedules())
        parts << counted(m, QCoreApplication::translate("ImportPreview", "1 of them a scheduled transaction"),
                         QCoreApplication::translate("ImportPreview", "%1 of them scheduled transactions"));
    if (const int d = duplicates())
        parts << counted(d, QCoreApplication::translate("ImportPreview", "1 already in the register"),
                         QCoreApplication::translate("ImportPreview", "%1 already in the register"));
    if (const int r = count(Action::Reconcile))
        parts << counted(r, QCoreApplication::translate("ImportPreview", "1 to mark reconciled"),
                         QCoreApplication::translate("ImportPreview", "%1 to mark reconciled"));
    if (const int q = inDoubt())
        parts << counted(q, QCoreApplication::translate("ImportPreview", "1 left out for the reason it shows"),
                         QCoreApplication::translate("ImportPreview", "%1 left out for the reasons they show"));
    if (const int s = int(m_read.statement.skipped.size()))
        parts << counted(s, QCoreApplication::translate("ImportPreview", "1 line that is not a transaction"),
                         QCoreApplication::translate("ImportPreview", "%1 lines that are not transactions"));
    return parts.join(u", ");
}

#include "ImportPreview.h"

#include "StatementText.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

ImportPreview::ImportPreview(QByteArray bytes, QString fileName, RegisterPtr reg, QDate today,
                             LayoutLookup remembered)
    : m_bytes(std::move(bytes)), m_fileName(std::move(fileName)), m_register(std::move(reg)), m_today(today)
{
    if (!looksLikeOfx(m_bytes))
        m_text = decodeStatementText(m_bytes).text;
    reread({});
    // The layout settled for this bank before, on this file's header.
    if (remembered && m_read.format == StatementFormat::LayoutCsv) {
        std::optional<CsvLayout> layout = remembered(m_read.detected.headerKey);
        if (layout && layout->fieldCount == m_read.detected.layout.fieldCount) {
            layout->headerLine = m_read.detected.layout.headerLine; // the lines before it may differ
            m_remembered = true;
            setLayout(*layout);
        }
    }
}

void ImportPreview::setLayout(CsvLayout layout)
{
    layout.fieldCount = layout.headerLine > 0
        ? int(recordFieldsAt(m_text, layout.separator, layout.headerLine).size())
        : 0;
    if (layout.fieldCount > 0) {
        for (int *column : {&layout.date, &layout.amount, &layout.description, &layout.memo, &layout.moneyOut,
                            &layout.moneyIn, &layout.checkNumber, &layout.sign})
            if (*column >= layout.fieldCount)
                *column = -1;
    }
    m_choices.layout = layout;
    m_choices.dateOrder.reset();
    reread(m_choices);
}

QStringList ImportPreview::columnNames() const
{
    const CsvLayout &l = m_read.layout;
    if (l.headerLine > 0) {
        QStringList names = recordFieldsAt(m_text, l.separator, l.headerLine);
        for (QString &n : names)
            n = n.trimmed();
        return names;
    }
    QStringList names;
    const int n = std::max(widestRecord(m_text, l.separator), l.fieldsNeeded());
    for (int i = 1; i <= n; ++i)
        names << u"Field %1"_s.arg(i);
    return names;
}

void ImportPreview::setDateOrder(DateOrder order)
{
    CsvLayout layout = m_read.layout;
    layout.dateOrder = order;
    setLayout(layout);
}

void ImportPreview::setAccount(const QString &id)
{
    m_choices.account = id;
    reread(m_choices);
}

void ImportPreview::reread(const ReadChoices &choices)
{
    // What was chosen for a line stays chosen when the same line is read
    // again in another layout (its fingerprint is that of its fields), as
    // long as it is still what it was: a line that was a duplicate and now
    // reads as new (its date read in another order) is ticked again.
    QHash<QString, const Row *> before;
    const std::vector<Row> old = std::move(m_rows);
    for (const Row &row : old)
        before.insert(row.line.bankId, &row);
    m_read = readStatement(m_bytes, choices, m_today);
    m_rows.clear();
    const std::vector<DuplicateCheck> checks = checkDuplicates(*m_register, m_read.statement.lines, m_today);
    m_rows.reserve(checks.size());
    for (size_t i = 0; i < checks.size(); ++i) {
        const Action action = checks[i].verdict == DuplicateCheck::Verdict::New ? Action::Add : Action::Skip;
        m_rows.push_back({m_read.statement.lines[i], checks[i], action});
        const auto was = before.constFind(m_rows.back().line.bankId);
        if (was != before.constEnd() && (*was)->check.verdict == checks[i].verdict
            && (*was)->check.record == checks[i].record)
            setAction(m_rows.size() - 1, (*was)->action);
    }
}

void ImportPreview::recheck()
{
    const std::vector<DuplicateCheck> checks = checkDuplicates(*m_register, m_read.statement.lines, m_today);
    for (size_t i = 0; i < checks.size(); ++i) {
        Row &row = m_rows[i];
        const bool same = checks[i].verdict == row.check.verdict && checks[i].record == row.check.record;
        if (!same)
            row.action = checks[i].verdict == DuplicateCheck::Verdict::New ? Action::Add : Action::Skip;
        row.check = checks[i];
    }
}

bool ImportPreview::setAction(size_t row, Action action)
{
    if (row >= m_rows.size())
        return false;
    if (action == Action::Reconcile && m_rows[row].check.verdict != DuplicateCheck::Verdict::Probable)
        return false;
    m_rows[row].action = action;
    return true;
}

void ImportPreview::acceptAllMatches()
{
    for (Row &row : m_rows)
        if (row.check.verdict == DuplicateCheck::Verdict::Probable)
            row.action = Action::Reconcile;
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

QString ImportPreview::blocker() const
{
    if (!m_read.ok())
        return m_read.statement.error;
    if (m_read.needsAccount())
        return u"The file holds %1 accounts: choose the one this register keeps."_s.arg(m_read.accounts.size());
    if (m_read.needsDateOrder())
        return u"The dates read both as month/day/year and as day/month/year: choose their order."_s;
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
    return plan;
}

QString ImportPreview::summary() const
{
    auto counted = [](int n, const QString &one, const QString &many) {
        return n == 1 ? one : many.arg(n);
    };
    QStringList parts;
    parts << counted(count(Action::Add), u"1 transaction to add"_s, u"%1 transactions to add"_s);
    if (const int d = duplicates())
        parts << counted(d, u"1 already in the register"_s, u"%1 already in the register"_s);
    if (const int r = count(Action::Reconcile))
        parts << counted(r, u"1 to mark reconciled"_s, u"%1 to mark reconciled"_s);
    if (const int s = int(m_read.statement.skipped.size()))
        parts << counted(s, u"1 line that is not a transaction"_s, u"%1 lines that are not transactions"_s);
    return parts.join(u", ");
}

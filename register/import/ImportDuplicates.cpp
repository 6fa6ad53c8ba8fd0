#include "ImportDuplicates.h"

#include "CutForShowing.h"
#include "DateReader.h"
#include "ImportDuplicatesPairing.h"
#include "StatementText.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <tuple>

using namespace Qt::StringLiterals;

QString describeRow(const Record &record)
{
    QStringList parts;
    for (const QString &p : {cutForShowing(record.value(Key::Date)).trimmed(),
                             cutForShowing(record.value(Key::DescriptionofTransaction)).trimmed(),
                             moneyText(record.value(Key::Amount).centsOrZero())})
        if (!p.isEmpty())
            parts << (p.size() > 80 ? p.first(79) + u'\u2026' : p); // a reason, not the whole text
    return parts.join(u' ');
}

namespace {

constexpr qint64 kNoDay = LLONG_MIN / 2; // a date that cannot be read is near no other

// A row a line of the same amount may be. The rows of every amount the
// statement holds are kept in one vector sorted by amount, day and row: a
// register of a million rows is looked through once, without a list (and
// its allocations) per amount.
struct Candidate {
    Cents amount = 0;
    qint64 day = kNoDay;
    int row = 0;
    bool hasCheck = false;
};

qint64 dayOf(const Value &date, QDate today)
{
    const std::optional<QDate> d = date.visitText([&](auto view) { return readDate(view, today); });
    return d ? d->toJulianDay() : kNoDay;
}

qint64 lineDay(const StatementLine &line, QDate today)
{
    const std::optional<QDate> d = readDate(line.date, today);
    return d ? d->toJulianDay() : kNoDay;
}

QString checkOf(const Record &r)
{
    const Value &v = r.value(Key::CheckNumber);
    return v.isNull() ? QString() : checkNumberText(v.toString());
}

// What kind of statement the lines' ids come from, as far as the ids say
// which account: "csv:", or "ofx:ACCOUNT:".
QString idKind(const std::vector<StatementLine> &lines)
{
    if (lines.empty())
        return {};
    const QString &id = lines.front().bankId;
    const qsizetype colon = id.indexOf(u':');
    if (id.startsWith(u"ofx:"))
        return id.left(id.indexOf(u':', colon + 1) + 1);
    return id.left(colon + 1);
}

} // namespace

std::vector<DuplicateCheck> checkDuplicates(const Register &reg, const std::vector<StatementLine> &lines,
                                            QDate today, Progress *progress, const std::vector<ChosenPairing> &chosen)
{
    // The register's rows count for one half of the work, the lines for the other.
    const qint64 work = qint64(reg.count()) + qint64(lines.size());
    auto goOn = [&](qint64 done) { return !progress || (done & 4095) != 0 || progress->advance(done, work); };
    std::vector<DuplicateCheck> checks(lines.size());
    QSet<Cents> amounts;
    std::vector<qint64> days(lines.size(), kNoDay);
    qint64 firstDay = LLONG_MAX, lastDay = LLONG_MIN;
    for (size_t i = 0; i < lines.size(); ++i) {
        amounts.insert(lines[i].amount);
        days[i] = lineDay(lines[i], today);
        if (days[i] != kNoDay) {
            firstDay = std::min(firstDay, days[i]);
            lastDay = std::max(lastDay, days[i]);
        }
    }
    const QString kind = idKind(lines);
    QSet<QString> ids;
    for (const StatementLine &line : lines)
        ids.insert(line.bankId);

    QHash<QString, int> byId;
    QHash<const Record *, int> byRecord;
    for (const ChosenPairing &c : chosen)
        if (c.record)
            byRecord.insert(c.record.get(), -1);
    std::vector<Candidate> candidates;
    // Rows with a check number, by amount and number, each list in row order.
    QHash<std::pair<Cents, QString>, std::vector<int>> byCheck;
    for (int row = 0; row < reg.count(); ++row) {
        if (!goOn(row))
            return checks;
        const Record &r = reg[row];
        if (!byRecord.isEmpty())
            if (const auto it = byRecord.find(&r); it != byRecord.end())
                *it = row;
        const Value &id = r.value(kBankIdKey);
        const Cents amount = r.value(Key::Amount).centsOrZero();
        const bool relevant = amounts.contains(amount);
        qint64 day = kNoDay;
        if (!id.isNull()) {
            const QString text = id.toString();
            byId.insert(text, row);
            // A row this statement knows by its id is that line; one an
            // earlier download of the account showed, only where this one
            // covers its date.
            if (ids.contains(text))
                continue;
            if (!kind.isEmpty() && text.startsWith(kind)) {
                if (!relevant)
                    continue;
                day = dayOf(r.value(Key::Date), today);
                if (day == kNoDay || day < firstDay || day > lastDay)
                    continue;
            }
        }
        if (!relevant)
            continue;
        if (day == kNoDay)
            day = dayOf(r.value(Key::Date), today);
        const QString check = checkOf(r);
        candidates.push_back({amount, day, row, !check.isEmpty()});
        if (!check.isEmpty())
            byCheck[{amount, check}].push_back(row);
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        return std::tie(a.amount, a.day, a.row) < std::tie(b.amount, b.day, b.row);
    });

    std::vector<bool> claimed(size_t(reg.count()), false);
    std::vector<bool> answered(lines.size(), false);
    auto takeAs = [&](size_t i, int row, bool isChosen) {
        DuplicateCheck &check = checks[i];
        check.verdict = DuplicateCheck::Verdict::Probable;
        check.row = row;
        check.record = reg.at(row);
        check.chosen = isChosen;
        check.reason = isChosen
            ? QCoreApplication::translate("ImportDuplicates", "taken as the register\u2019s %1")
                  .arg(describeRow(reg[row]))
            : QCoreApplication::translate("ImportDuplicates", "probably already in the register: %1")
                  .arg(describeRow(reg[row]));
        claimed[size_t(row)] = true;
        answered[i] = true;
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!goOn(reg.count() + qint64(i)))
            return checks;
        const StatementLine &line = lines[i];
        const auto found = byId.constFind(line.bankId);
        if (answered[i] || line.bankId.isEmpty() || found == byId.constEnd())
            continue;
        DuplicateCheck &check = checks[i];
        check.verdict = DuplicateCheck::Verdict::Duplicate;
        check.row = *found;
        check.reason = QCoreApplication::translate("ImportDuplicates", "already in the register: %1")
                           .arg(describeRow(reg[*found]));
        check.record = reg.at(*found);
        claimed[size_t(*found)] = true;
        answered[i] = true;
    }
    // What the ids say is surely so; then what a person chose holds.
    for (const ChosenPairing &c : chosen) {
        if (c.line >= lines.size() || answered[c.line])
            continue;
        const int row = c.record ? byRecord.value(c.record.get(), -1) : -1;
        answered[c.line] = true;
        checks[c.line].chosen = true;
        if (row >= 0 && !claimed[size_t(row)])
            takeAs(c.line, row, true);
    }
    // The same check number is the surest sign; a different one never matches.
    for (size_t i = 0; i < lines.size(); ++i) {
        const StatementLine &line = lines[i];
        if (answered[i] || line.signUnknown || line.checkNumber.isEmpty())
            continue;
        const auto same = byCheck.constFind({line.amount, line.checkNumber});
        if (same == byCheck.constEnd())
            continue;
        for (int row : *same) {
            if (!claimed[size_t(row)]) {
                takeAs(i, row, false);
                break;
            }
        }
    }

    // The rest, amount by amount, in groups of lines and rows whose dates
    // lie within the window of each other.
    std::vector<size_t> open;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!answered[i] && !lines[i].signUnknown && days[i] != kNoDay)
            open.push_back(i);
    std::sort(open.begin(), open.end(), [&](size_t a, size_t b) {
        return std::tie(lines[a].amount, days[a], a) < std::tie(lines[b].amount, days[b], b);
    });
    auto candidateLess = [](const Candidate &c, const std::pair<Cents, qint64> &key) {
        return std::tie(c.amount, c.day) < std::tie(key.first, key.second);
    };
    for (size_t k = 0; k < open.size();) {
        // One group: lines of one amount, each within the window of the next
        // line or of a row between them.
        const Cents amount = lines[open[k]].amount;
        std::vector<size_t> groupLines{open[k]};
        std::vector<const Candidate *> groupRows;
        auto rowsFrom = std::lower_bound(candidates.begin(), candidates.end(),
                                         std::pair<Cents, qint64>{amount, days[open[k]] - kProbableMatchDays},
                                         candidateLess);
        qint64 reach = days[open[k]] + kProbableMatchDays;
        size_t next = k + 1;
        for (;;) {
            while (rowsFrom != candidates.end() && rowsFrom->amount == amount && rowsFrom->day <= reach) {
                if (!claimed[size_t(rowsFrom->row)]) {
                    groupRows.push_back(&*rowsFrom);
                    reach = std::max(reach, rowsFrom->day + kProbableMatchDays);
                }
                ++rowsFrom;
            }
            if (next < open.size() && lines[open[next]].amount == amount
                && days[open[next]] - kProbableMatchDays <= reach) {
                groupLines.push_back(open[next]);
                reach = std::max(reach, days[open[next]] + kProbableMatchDays);
                ++next;
                continue;
            }
            break;
        }
        k = next;
        if (groupRows.empty())
            continue;
        const std::vector<int> paired =
            leastCostPairing(int(groupLines.size()), int(groupRows.size()), [&](int li, int ri) {
                const size_t i = groupLines[size_t(li)];
                const Candidate &c = *groupRows[size_t(ri)];
                const qint64 apart = std::llabs(c.day - days[i]);
                const bool otherCheck = c.hasCheck && !lines[i].checkNumber.isEmpty()
                    && checkOf(reg[c.row]) != lines[i].checkNumber;
                return apart > kProbableMatchDays || otherCheck ? -1 : int(apart);
            });
        for (size_t li = 0; li < groupLines.size(); ++li)
            if (paired[li] >= 0)
                takeAs(groupLines[li], groupRows[size_t(paired[li])]->row, false);
    }
    return checks;
}

std::vector<int> pairingCandidates(const Register &reg, const std::vector<StatementLine> &lines,
                                   const std::vector<DuplicateCheck> &checks, size_t line, QDate today, size_t max)
{
    if (line >= lines.size() || lines[line].signUnknown)
        return {};
    QSet<int> known; // rows other lines are by their ids
    for (size_t i = 0; i < checks.size(); ++i)
        if (i != line && checks[i].verdict == DuplicateCheck::Verdict::Duplicate)
            known.insert(checks[i].row);
    const qint64 day = lineDay(lines[line], today);
    std::vector<std::pair<qint64, int>> found;
    for (int row = 0; row < reg.count(); ++row) {
        if (reg[row].value(Key::Amount).centsOrZero() != lines[line].amount || known.contains(row))
            continue;
        const qint64 d = dayOf(reg[row].value(Key::Date), today);
        const qint64 apart = day == kNoDay || d == kNoDay ? LLONG_MAX / 2 : std::llabs(d - day);
        found.emplace_back(apart, row);
    }
    std::sort(found.begin(), found.end());
    std::vector<int> rows;
    for (size_t k = 0; k < found.size() && k < max; ++k)
        rows.push_back(found[k].second);
    return rows;
}

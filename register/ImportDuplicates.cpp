#include "ImportDuplicates.h"

#include "CutForShowing.h"
#include "DateReader.h"
#include "StatementText.h"

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
            parts << p;
    return parts.join(u' ');
}

namespace {

constexpr qint64 kNoDay = LLONG_MIN / 2; // a date that cannot be read is near no other

// A hand-entered row a line of the same amount may be. The rows of every
// amount the statement holds are kept in one vector sorted by amount, day and
// row: a register of a million rows is looked through once, without a list
// (and its allocations) per amount.
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

QString checkOf(const Record &r)
{
    const Value &v = r.value(Key::CheckNumber);
    return v.isNull() ? QString() : checkNumberText(v.toString());
}

} // namespace

std::vector<DuplicateCheck> checkDuplicates(const Register &reg, const std::vector<StatementLine> &lines,
                                            QDate today, Progress *progress)
{
    // The register's rows count for one half of the work, the lines for the other.
    const qint64 work = qint64(reg.count()) + qint64(lines.size());
    auto goOn = [&](qint64 done) { return !progress || (done & 4095) != 0 || progress->advance(done, work); };
    std::vector<DuplicateCheck> checks(lines.size());
    QSet<Cents> amounts;
    for (const StatementLine &line : lines)
        amounts.insert(line.amount);
    // "csv:" or "ofx:": what kind of statement the ids of these lines come from.
    const QString kind = lines.empty() ? QString() : lines.front().bankId.section(u':', 0, 0) + u':';

    QHash<QString, int> byId;
    std::vector<Candidate> candidates;
    // Rows with a check number, by amount and number, each list in row order.
    QHash<std::pair<Cents, QString>, std::vector<int>> byCheck;
    for (int row = 0; row < reg.count(); ++row) {
        if (!goOn(row))
            return checks;
        const Record &r = reg[row];
        const Value &id = r.value(kBankIdKey);
        if (!id.isNull()) {
            const QString text = id.toString();
            byId.insert(text, row);
            // A row that came from a statement of another kind (a CSV export
            // before this OFX download) is known to this one only by its contents.
            if (kind.isEmpty() || text.startsWith(kind))
                continue;
        }
        const Cents amount = r.value(Key::Amount).centsOrZero();
        if (!amounts.contains(amount))
            continue;
        const QString check = checkOf(r);
        candidates.push_back({amount, dayOf(r.value(Key::Date), today), row, !check.isEmpty()});
        if (!check.isEmpty())
            byCheck[{amount, check}].push_back(row);
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        return std::tie(a.amount, a.day, a.row) < std::tie(b.amount, b.day, b.row);
    });
    // Where each amount's rows begin and end.
    QHash<Cents, std::pair<size_t, size_t>> byAmount;
    byAmount.reserve(amounts.size());
    for (size_t i = 0; i < candidates.size();) {
        size_t j = i;
        while (j < candidates.size() && candidates[j].amount == candidates[i].amount)
            ++j;
        byAmount.insert(candidates[i].amount, {i, j});
        i = j;
    }

    std::vector<bool> claimed(size_t(reg.count()), false);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!goOn(reg.count() + qint64(i)))
            return checks;
        const StatementLine &line = lines[i];
        DuplicateCheck &check = checks[i];
        if (const auto found = byId.constFind(line.bankId); !line.bankId.isEmpty() && found != byId.constEnd()) {
            check.verdict = DuplicateCheck::Verdict::Duplicate;
            check.row = *found;
            check.reason = u"already in the register: %1"_s.arg(describeRow(reg[*found]));
            check.record = reg.at(*found);
            continue;
        }
        const auto bucket = byAmount.constFind(line.amount);
        if (bucket == byAmount.constEnd())
            continue;
        const auto first = candidates.begin() + qsizetype(bucket->first);
        const auto last = candidates.begin() + qsizetype(bucket->second);
        int matchRow = -1;
        // The same check is the surest sign; a different check never matches.
        if (!line.checkNumber.isEmpty()) {
            if (const auto same = byCheck.find({line.amount, line.checkNumber}); same != byCheck.end()) {
                for (int row : *same)
                    if (!claimed[size_t(row)]) {
                        matchRow = row;
                        break;
                    }
            }
        }
        const Candidate *match = nullptr;
        const std::optional<QDate> date = readDate(line.date, today);
        if (matchRow < 0 && date) {
            const qint64 day = date->toJulianDay();
            auto it = std::lower_bound(first, last, day - kProbableMatchDays,
                                       [](const Candidate &c, qint64 d) { return c.day < d; });
            for (; it != last && it->day <= day + kProbableMatchDays; ++it) {
                const bool otherCheck = it->hasCheck && !line.checkNumber.isEmpty()
                    && checkOf(reg[it->row]) != line.checkNumber;
                if (claimed[size_t(it->row)] || otherCheck)
                    continue;
                if (!match || std::llabs(it->day - day) < std::llabs(match->day - day))
                    match = &*it;
            }
        }
        if (match)
            matchRow = match->row;
        if (matchRow < 0)
            continue;
        claimed[size_t(matchRow)] = true;
        check.verdict = DuplicateCheck::Verdict::Probable;
        check.row = matchRow;
        check.record = reg.at(matchRow);
        check.reason = u"probably already in the register: %1"_s.arg(describeRow(reg[matchRow]));
    }
    return checks;
}

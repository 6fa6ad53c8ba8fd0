// Two computers holding one register, each edited apart for a month by a
// seeded script of what people do (entries, edits, deletes, imports of one
// bank's statement, balancing, sorts), then merged both ways. What the merge
// makes is checked against a replay of the two histories that knows only
// what each side did, not how the merge works: no transaction lost or
// doubled, every conflict reported, and the merged balance the replay's.

#include "MergeStep.h"
#include "MyDocument.h"
#include "Reconciliation.h"
#include "RegisterMerge.h"
#include "RowIdentity.h"

#include "ImportDuplicates.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>
#include <set>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 31);
const QString kEOMSeen = keyName(Key::EOMSeen);

QString dateText(int day) { return u"12/%1/2026"_s.arg(day, 2, 10, QChar(u'0')); }

// What one side did to each transaction, as its history tells it.
struct History {
    std::set<RowId> deleted;
    std::map<RowId, std::set<QString>> touched; // the keys it edited (EOMSeen: it reconciled)
};

class Computer
{
public:
    // Dates one computer writes are written unlike the other's and the
    // base's (suffix), so that no two edits agree by chance.
    Computer(const std::vector<RecordPtr> &base, QString name, int seed, QString suffix = {})
        : m_name(std::move(name)), m_suffix(std::move(suffix))
    {
        doc.ensureRegister();
        // Each computer read the file: records of its own.
        for (const RecordPtr &r : base)
            doc.array()->append(std::make_shared<Record>(*r));
        doc.recalculateBalances();
        m_counter = seed % 1000 * 1000;
    }

    void work(std::mt19937 &rng, const std::vector<RecordPtr> &statement)
    {
        const int steps = 10 + int(rng() % 30);
        for (int s = 0; s < steps; ++s) {
            switch (rng() % 9) {
            case 0:
            case 1: enter(rng); break;
            case 2:
            case 3: edit(rng); break;
            case 4: remove(rng); break;
            case 5: import(rng, statement); break;
            case 6:
            case 7: reconcile(rng); break;
            case 8: sortByDate(); break;
            }
        }
    }

    MyDocument doc;
    History history;

private:
    // A row of the register other than the opening row; -1 when there is none.
    int someRow(std::mt19937 &rng) const { return doc.count() < 2 ? -1 : 1 + int(rng() % uint(doc.count() - 1)); }

    void enter(std::mt19937 &rng)
    {
        RecordPtr r = makeRecord();
        r->set(Key::Date, Value::text(dateText(1 + int(rng() % 28))));
        r->set(Key::DescriptionofTransaction, Value::text(u"%1 entry %2"_s.arg(m_name).arg(++m_counter)));
        r->set(Key::Amount, Value::text(u"-%1.%2"_s.arg(rng() % 300).arg(rng() % 90 + 10)));
        doc.addData(std::move(r), 1 + int(rng() % uint(doc.count())));
    }

    // Each edit writes a value no other edit writes, so that two sides
    // never change a key to the same value by chance.
    void edit(std::mt19937 &rng)
    {
        const int row = someRow(rng);
        if (row < 0)
            return;
        const int which = int(rng() % 3);
        const Key key = which == 0 ? Key::Amount : which == 1 ? Key::Date : Key::DescriptionofTransaction;
        ++m_counter;
        const Value value = key == Key::Amount ? Value::text(u"-%1.00"_s.arg(m_counter))
            : key == Key::Date             ? Value::text(dateText(1 + int(rng() % 28)) + m_suffix)
                                           : Value::text(u"%1 edit %2"_s.arg(m_name).arg(m_counter));
        history.touched[rowId(*doc.objectAtIndex(row))].insert(keyName(key));
        doc.setValue(row, key, value);
    }

    void remove(std::mt19937 &rng)
    {
        const int row = someRow(rng);
        if (row < 0)
            return;
        history.deleted.insert(rowId(*doc.objectAtIndex(row)));
        doc.remData(doc.objectAtIndex(row));
    }

    // A line of the bank's statement both computers may import: the same
    // line imported on both is one transaction.
    void import(std::mt19937 &rng, const std::vector<RecordPtr> &statement)
    {
        const RecordPtr &line = statement[rng() % statement.size()];
        const QString bankId = line->value(kBankIdKey).toString();
        if (!m_imported.insert(bankId).second)
            return;
        doc.addData(std::make_shared<Record>(*line), doc.count());
    }

    void reconcile(std::mt19937 &rng)
    {
        const int row = someRow(rng);
        if (row < 0 || isReconciled(*doc.objectAtIndex(row)))
            return;
        history.touched[rowId(*doc.objectAtIndex(row))].insert(kEOMSeen);
        doc.setValue(row, Key::EOMSeen, reconciledMark());
    }

    void sortByDate()
    {
        std::vector<int> order(size_t(doc.count()));
        std::iota(order.begin(), order.end(), 0);
        const auto day = [&](int row) { return doc.objectAtIndex(row)->value(Key::Date).toString().section(u'/', 1, 1).toInt(); };
        std::stable_sort(order.begin() + 1, order.end(), [&](int a, int b) { return day(a) < day(b); });
        doc.reorder(std::move(order));
    }

    QString m_name;
    QString m_suffix;
    int m_counter = 0;
    std::set<QString> m_imported;
};

std::map<RowId, RecordPtr> byId(const std::vector<RecordPtr> &rows)
{
    std::map<RowId, RecordPtr> map;
    for (const RecordPtr &r : rows)
        map.emplace(rowId(*r), r);
    return map;
}

// What the replay of both histories expects, every conflict settled for
// the side chosen.
struct Expected {
    std::map<RowId, Cents> amounts; // the transactions the merge keeps
    std::set<RowId> conflicts;
};

Expected replay(const std::vector<RecordPtr> &base, const Computer &chosen, const Computer &other)
{
    Expected e;
    const std::map<RowId, RecordPtr> b = byId(base);
    const std::map<RowId, RecordPtr> c = byId(chosen.doc.array()->rows());
    const std::map<RowId, RecordPtr> o = byId(other.doc.array()->rows());
    const auto touched = [](const History &h, RowId id) {
        const auto it = h.touched.find(id);
        return it == h.touched.end() ? std::set<QString>() : it->second;
    };
    const auto amount = [](const RecordPtr &r) { return r->value(Key::Amount).centsOrZero(); };

    for (const auto &[id, row] : b) {
        const bool cDeleted = chosen.history.deleted.count(id) > 0;
        const bool oDeleted = other.history.deleted.count(id) > 0;
        const std::set<QString> ct = touched(chosen.history, id);
        const std::set<QString> ot = touched(other.history, id);
        if (cDeleted && oDeleted)
            continue;
        if (cDeleted || oDeleted) {
            // Deleted against changed is a conflict, settled for the chosen side.
            if (!(cDeleted ? ot : ct).empty())
                e.conflicts.insert(id);
            if (!cDeleted && !(oDeleted && ct.empty()))
                e.amounts[id] = amount(c.at(id));
            continue;
        }
        const bool bothChanged = std::any_of(ct.begin(), ct.end(), [&](const QString &k) {
            return k != kEOMSeen && ot.count(k) > 0;
        });
        const auto reconciledUnder = [&](const std::set<QString> &reconciler, const std::set<QString> &editor) {
            return reconciler.count(kEOMSeen) && (editor.count(u"Amount"_s) || editor.count(u"Date"_s));
        };
        if (bothChanged || reconciledUnder(ct, ot) || reconciledUnder(ot, ct))
            e.conflicts.insert(id);
        // The chosen side's amount where it changed it, or where it
        // reconciled the row as it stood while the other changed it; else
        // the other's.
        const bool chosenAmount = ct.count(u"Amount"_s) || (ct.count(kEOMSeen) && ot.count(u"Amount"_s));
        e.amounts[id] = chosenAmount ? amount(c.at(id)) : amount(o.at(id));
    }
    // Rows neither had before: entered, or imported on one side or both. A
    // line both imported conflicts where both hold a value differently; a
    // mark only one side made (reconciled) is taken.
    for (const auto *side : {&c, &o}) {
        for (const auto &[id, row] : *side) {
            if (b.count(id) || e.amounts.count(id))
                continue;
            const bool inBoth = c.count(id) && o.count(id);
            if (inBoth && (amount(c.at(id)) != amount(o.at(id)) ||
                           c.at(id)->value(Key::DescriptionofTransaction) !=
                               o.at(id)->value(Key::DescriptionofTransaction) ||
                           c.at(id)->value(Key::Date) != o.at(id)->value(Key::Date)))
                e.conflicts.insert(id);
            e.amounts[id] = amount(inBoth ? c.at(id) : row);
        }
    }
    return e;
}

std::set<RowId> conflictIds(const RegisterMerge &m)
{
    std::set<RowId> ids;
    for (const RowConflict &c : m.conflicts)
        ids.insert(rowId(c.shown()));
    return ids;
}

// Merges other into chosen, every conflict settled for chosen, and checks
// it against the replay.
void mergeAndCheck(const std::vector<RecordPtr> &base, Computer &chosen, const Computer &other, int seed)
{
    SCOPED_TRACE(u"seed %1"_s.arg(seed).toStdString());
    const Expected e = replay(base, chosen, other);
    RegisterMerge m =
        mergeRegisters(&base, chosen.doc.array()->rows(), other.doc.array()->rows(), {u"a"_s, u"b"_s}, kToday);
    ASSERT_TRUE(m.ok()) << m.refusal.toStdString();
    EXPECT_EQ(conflictIds(m), e.conflicts);
    m.chooseAll(MergeSide::Mine);

    const std::vector<RecordPtr> merged = m.resolvedRows();
    std::map<RowId, Cents> amounts;
    for (const RecordPtr &r : merged)
        EXPECT_TRUE(amounts.emplace(rowId(*r), r->value(Key::Amount).centsOrZero()).second) << "a row doubled";
    EXPECT_EQ(amounts, e.amounts);

    ASSERT_EQ(applyMerge(chosen.doc, m, u"copy"_s, {}), QString());
    Cents balance = 0;
    for (const auto &[id, cents] : e.amounts)
        balance += cents;
    EXPECT_EQ(chosen.doc.objectAtIndex(chosen.doc.count() - 1)->value(Key::Total).centsOrZero(), balance);
}

TEST(MergeSimulation, TwoComputersAMonthApartLoseNoTransactionAndReportEveryConflict)
{
    for (int seed = 1; seed <= 1000; ++seed) {
        std::mt19937 rng{uint(seed)};
        std::vector<RecordPtr> base;
        RecordPtr opening = makeRecord();
        opening->set(Key::Date, Value::text(u"11/30/2026"_s));
        opening->set(Key::DescriptionofTransaction, Value::text(u"Opening Balance"_s));
        opening->set(Key::Amount, Value::text(u"1000.00"_s));
        base.push_back(opening);
        for (int i = 0, n = int(rng() % 25); i < n; ++i) {
            RecordPtr r = makeRecord();
            // Written unlike either computer writes dates (see Computer).
            r->set(Key::Date, Value::text(dateText(1 + i % 28) + u"  "_s));
            r->set(Key::DescriptionofTransaction, Value::text(u"Shared %1"_s.arg(i)));
            r->set(Key::Amount, Value::text(u"-%1.25"_s.arg(i + 1)));
            if (rng() % 4 == 0)
                r->set(Key::EOMSeen, reconciledMark());
            base.push_back(r);
        }
        giveIdentities(base);
        std::vector<RecordPtr> statement;
        for (int i = 0; i < 6; ++i) {
            RecordPtr r = makeRecord();
            r->set(Key::Date, Value::text(dateText(3 + 4 * i)));
            r->set(Key::DescriptionofTransaction, Value::text(u"Bank line %1"_s.arg(i)));
            r->set(Key::Amount, Value::text(u"-%1.50"_s.arg(7 * i + 3)));
            r->set(kBankIdKey, Value::text(u"FIT%1-%2"_s.arg(seed).arg(i)));
            statement.push_back(r);
        }

        Computer laptop(base, u"Laptop"_s, seed), desktop(base, u"Desktop"_s, seed + 1, u" "_s);
        laptop.work(rng, statement);
        desktop.work(rng, statement);
        mergeAndCheck(base, laptop, desktop, seed);
        // The other way round, from the other computer's own rows.
        Computer desktopAgain(desktop.doc.array()->rows(), u"Desktop"_s, seed, u" "_s);
        desktopAgain.history = desktop.history;
        // laptop's rows now hold the merge; the replay needs what it had.
        ASSERT_TRUE(laptop.doc.undo());
        mergeAndCheck(base, desktopAgain, laptop, seed);
        if (HasFailure())
            break;
    }
}

} // namespace

#include "ScheduleEdits.h"

#include "ScheduleText.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Schedules)
};

QString shortened(const QString &description)
{
    constexpr qsizetype kShown = 40;
    const QString shown = description.simplified();
    return shown.size() <= kShown ? shown : shown.first(kShown - 1) + u'\u2026';
}

// A step's name: "New Schedule “Rent”", or without a description "New Schedule".
QString stepName(const QString &named, const QString &unnamed, const QString &description)
{
    const QString shown = shortened(description);
    return shown.isEmpty() ? unnamed : named.arg(shown);
}

QString noOpeningRow()
{
    return Words::tr("The register has no opening balance yet; schedules are kept with it, so enter it first.");
}

QString noSuchSchedule(int id) { return Words::tr("There is no schedule %1.").arg(id); }

QString refusedRecurrence(const Schedule &s)
{
    const QString problem = recurrenceProblem(s.recurrence);
    return problem.isEmpty() ? QString() : Words::tr("The schedule cannot be kept: %1.").arg(problem);
}

Value valueOrNone(const QString &text) { return text.isEmpty() ? Value() : Value::text(text); }

// Runs a change of the book as one step of the history.
template <typename F>
QString changeBook(MyDocument &doc, const QString &name, F &&change)
{
    if (doc.count() == 0)
        return noOpeningRow();
    ScheduleBook book = readScheduleBook(*doc.array());
    if (QString refusal = change(book); !refusal.isEmpty())
        return refusal;
    return doc.edit(name, [&] { storeScheduleBook(doc, book); });
}

// The occurrences still to be dealt with, as the book now stands.
std::vector<Occurrence> stillOpen(const ScheduleBook &book, const std::vector<Occurrence> &occurrences)
{
    std::vector<Occurrence> open;
    for (const Occurrence &o : occurrences) {
        const Schedule *s = book.find(o.scheduleId);
        if (s && s->isReadable() && !isHandled(*s, o.when.scheduled)
            && std::find(open.begin(), open.end(), o) == open.end())
            open.push_back(o);
    }
    return open;
}

} // namespace

QString storeScheduleBook(MyDocument &doc, const ScheduleBook &book)
{
    if (doc.count() == 0)
        return noOpeningRow();
    const Value schedules = valueOrNone(schedulesText(book.schedules));
    const Value reserve = book.unreadReserve ? Value::text(*book.unreadReserve)
                                             : valueOrNone(book.reserve == 0 ? QString() : moneyText(book.reserve));
    doc.edit(Words::tr("Change Schedules"), [&] {
        const Register &reg = *doc.array();
        if (const int home = scheduleRow(reg); home > 0) {
            for (QStringView key : {kSchedulesKey, kReserveKey})
                if (reg[home].contains(key))
                    doc.setValue(home, key, Value());
        }
        if (!(reg[0].value(kSchedulesKey) == schedules))
            doc.setValue(0, kSchedulesKey, schedules);
        if (!(reg[0].value(kReserveKey) == reserve))
            doc.setValue(0, kReserveKey, reserve);
    });
    return {};
}

QString addSchedule(MyDocument &doc, Schedule schedule, int *id)
{
    if (QString refused = refusedRecurrence(schedule); !refused.isEmpty())
        return refused;
    return changeBook(doc, stepName(Words::tr("New Schedule \u201c%1\u201d"), Words::tr("New Schedule"), schedule.description),
                      [&](ScheduleBook &book) {
                          schedule.id = book.nextId();
                          schedule.problem.clear();
                          schedule.unreadText.clear();
                          tidyHandled(schedule);
                          if (id)
                              *id = schedule.id;
                          book.schedules.push_back(schedule);
                          return QString();
                      });
}

QString changeSchedule(MyDocument &doc, Schedule schedule)
{
    if (QString refused = refusedRecurrence(schedule); !refused.isEmpty())
        return refused;
    return changeBook(
        doc, stepName(Words::tr("Change Schedule \u201c%1\u201d"), Words::tr("Change Schedule"), schedule.description),
        [&](ScheduleBook &book) {
            Schedule *kept = book.find(schedule.id);
            if (!kept)
                return noSuchSchedule(schedule.id);
            schedule.problem.clear();
            schedule.unreadText.clear();
            tidyHandled(schedule);
            *kept = schedule;
            return QString();
        });
}

QString removeSchedule(MyDocument &doc, int id)
{
    if (doc.count() == 0)
        return noSuchSchedule(id);
    const ScheduleBook now = readScheduleBook(*doc.array());
    const Schedule *s = now.find(id);
    if (!s)
        return noSuchSchedule(id);
    return changeBook(doc,
                      stepName(Words::tr("Remove Schedule \u201c%1\u201d"), Words::tr("Remove Schedule"), s->description),
                      [&](ScheduleBook &book) {
                          std::erase_if(book.schedules, [&](const Schedule &x) { return x.id == id; });
                          return QString();
                      });
}

QString setReserve(MyDocument &doc, Cents reserve)
{
    if (!centsInRange(reserve))
        return Words::tr("The reserve is beyond what Cheqbook can keep track of.");
    return changeBook(doc, Words::tr("Set Reserve"), [&](ScheduleBook &book) {
        book.reserve = reserve;
        book.unreadReserve.reset();
        return QString();
    });
}

QString enterOccurrences(MyDocument &doc, const std::vector<Occurrence> &occurrences, int *entered)
{
    if (entered)
        *entered = 0;
    if (doc.count() == 0)
        return occurrences.empty() ? QString() : noOpeningRow();
    ScheduleBook book = readScheduleBook(*doc.array());
    const std::vector<Occurrence> open = stillOpen(book, occurrences);
    if (open.empty())
        return {};
    std::vector<RecordPtr> records;
    Cents balance = doc.objectAtIndex(doc.count() - 1)->value(Key::Total).centsOrZero();
    for (const Occurrence &o : open) {
        Schedule &s = *book.find(o.scheduleId);
        RecordPtr r = occurrenceRecord(s, o);
        balance = balance + o.amount; // both within 2^53: no overflow; the step refuses beyond the limit
        r->set(Key::Total, Value::text(moneyText(std::clamp(balance, -kMaxCents, kMaxCents))));
        records.push_back(std::move(r));
        markHandled(s, o.when.scheduled);
    }
    const int first = doc.count();
    const QString name = open.size() == 1
        ? stepName(Words::tr("Enter \u201c%1\u201d"), Words::tr("Enter Scheduled Transaction"), book.find(open[0].scheduleId)->description)
        : Words::tr("Enter %n Scheduled Transactions", nullptr, int(open.size()));
    const int count = int(records.size());
    const QString refusal = doc.edit(name, [&] {
        doc.addData(std::move(records), first);
        storeScheduleBook(doc, book);
    });
    if (!refusal.isEmpty())
        return Words::tr("Nothing was entered: %1").arg(refusal);
    doc.setStepRows({}, {{first, first + count - 1}});
    if (entered)
        *entered = count;
    return {};
}

QString skipOccurrences(MyDocument &doc, const std::vector<Occurrence> &occurrences)
{
    if (doc.count() == 0)
        return {};
    ScheduleBook book = readScheduleBook(*doc.array());
    const std::vector<Occurrence> open = stillOpen(book, occurrences);
    if (open.empty())
        return {};
    for (const Occurrence &o : open)
        markHandled(*book.find(o.scheduleId), o.when.scheduled);
    const QString name = open.size() == 1
        ? stepName(Words::tr("Skip \u201c%1\u201d"), Words::tr("Skip Scheduled Transaction"), book.find(open[0].scheduleId)->description)
        : Words::tr("Skip %n Scheduled Transactions", nullptr, int(open.size()));
    return doc.edit(name, [&] { storeScheduleBook(doc, book); });
}

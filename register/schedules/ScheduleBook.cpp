#include "ScheduleBook.h"

#include "DateReader.h"
#include "ScheduleText.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Schedules)
};
} // namespace

Schedule *ScheduleBook::find(int id)
{
    const auto found = std::find_if(schedules.begin(), schedules.end(), [&](const Schedule &s) { return s.id == id; });
    return found == schedules.end() ? nullptr : &*found;
}

const Schedule *ScheduleBook::find(int id) const { return const_cast<ScheduleBook *>(this)->find(id); }

int ScheduleBook::nextId() const
{
    int most = 0;
    for (const Schedule &s : schedules)
        most = std::max(most, s.id);
    return most + 1;
}

QStringList ScheduleBook::problems() const
{
    QStringList all;
    for (size_t i = 0; i < schedules.size(); ++i)
        if (!schedules[i].isReadable())
            all << Words::tr("schedule %1 cannot be read: %2").arg(i + 1).arg(schedules[i].problem);
    if (unreadReserve)
        all << Words::tr("the reserve \u201c%1\u201d is not an amount; 0.00 is used").arg(*unreadReserve);
    return all;
}

int scheduleRow(const Register &reg)
{
    for (int row = 0; row < reg.count(); ++row)
        if (keepsSchedules(reg, row))
            return row;
    return -1;
}

bool keepsSchedules(const Register &reg, int row)
{
    return row >= 0 && row < reg.count() && (reg[row].contains(kSchedulesKey) || reg[row].contains(kReserveKey));
}

ScheduleBook readScheduleBook(const Register &reg) { return readScheduleBook(reg, scheduleRow(reg)); }

ScheduleBook readScheduleBook(const Register &reg, int row)
{
    ScheduleBook book;
    if (!keepsSchedules(reg, row))
        return book;
    const Record &r = reg[row];
    book.schedules = readSchedulesText(r.value(kSchedulesKey).toString());
    if (const Value &reserve = r.value(kReserveKey); !reserve.isNull()) {
        const CentsReading c = readTypedAmount(reserve.toString(), u'.');
        if (c.ok())
            book.reserve = c.cents;
        else
            book.unreadReserve = reserve.toString();
    }
    return book;
}

std::vector<Occurrence> dueOccurrences(const ScheduleBook &book, QDate through, DueKind kind)
{
    std::vector<Occurrence> due;
    std::vector<size_t> order; // the schedule's place, to keep one day in the schedules' order
    for (size_t i = 0; i < book.schedules.size(); ++i) {
        const Schedule &s = book.schedules[i];
        if ((kind == DueKind::Automatic && !s.autoEnter) || (kind == DueKind::Asked && s.autoEnter))
            continue;
        for (Occurrence &o : openOccurrences(s, {}, through)) {
            due.push_back(o);
            order.push_back(i);
        }
    }
    std::vector<size_t> sorted(due.size());
    for (size_t i = 0; i < sorted.size(); ++i)
        sorted[i] = i;
    std::stable_sort(sorted.begin(), sorted.end(), [&](size_t a, size_t b) {
        return std::pair(due[a].when.date, order[a]) < std::pair(due[b].when.date, order[b]);
    });
    std::vector<Occurrence> result;
    result.reserve(due.size());
    for (size_t i : sorted)
        result.push_back(due[i]);
    return result;
}

RecordPtr occurrenceRecord(const Schedule &s, const Occurrence &o)
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(s.checkNumber));
    r->set(Key::DescriptionofTransaction, Value::text(s.description));
    r->set(Key::Date, Value::text(fileDateText(o.when.date)));
    r->set(Key::Amount, Value::text(moneyText(o.amount)));
    if (!s.category.isEmpty())
        r->set(kCategoryKey, Value::text(s.category));
    return r;
}

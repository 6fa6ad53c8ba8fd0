#include "ScheduleText.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <set>

using namespace Qt::StringLiterals;

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Schedules)
};

constexpr std::array<QStringView, 4> kPeriodWords = {u"day", u"week", u"month", u"year"};

QString escaped(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'%': out += u"%25"; break;
        case u';': out += u"%3B"; break;
        case u'=': out += u"%3D"; break;
        case u'\n': out += u"%0A"; break;
        case u'\r': out += u"%0D"; break;
        default: out += c;
        }
    }
    return out;
}

// Nothing when a % is not followed by two hexadecimal digits.
std::optional<QString> unescaped(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'%') {
            out += value[i];
            continue;
        }
        bool ok = false;
        const uint code = i + 2 < value.size() ? value.mid(i + 1, 2).toUInt(&ok, 16) : 0;
        if (!ok)
            return std::nullopt;
        out += QChar(char16_t(code));
        i += 2;
    }
    return out;
}

QString isoDate(QDate d) { return d.toString(Qt::ISODate); }

void add(QStringList &fields, QStringView name, const QString &value)
{
    fields << name.toString() + u'=' + escaped(value);
}

// A line that cannot be read: why, for the schedule kept as its text.
struct Unreadable {
    QString why;
};

QDate dateField(QStringView name, const QString &value)
{
    const QDate d = QDate::fromString(value, Qt::ISODate);
    if (!d.isValid() || value.size() != 10)
        throw Unreadable{Words::tr("the %1 \u201c%2\u201d is not a date (YYYY-MM-DD)").arg(name, value)};
    return d;
}

int numberField(QStringView name, const QString &value, int least, int most)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < least || n > most)
        throw Unreadable{Words::tr("the %1 \u201c%2\u201d is not a number from %3 to %4").arg(name, value).arg(least).arg(most)};
    return n;
}

void readEvery(Recurrence &r, const QString &value)
{
    const QStringList parts = value.split(u' ', Qt::SkipEmptyParts);
    const auto unit = parts.size() == 2 ? std::find(kPeriodWords.begin(), kPeriodWords.end(), parts[1])
                                        : kPeriodWords.end();
    if (unit == kPeriodWords.end())
        throw Unreadable{Words::tr("\u201c%1\u201d is not how often it comes round (N day, week, month or year)").arg(value)};
    r.every = numberField(u"every", parts[0], 1, kMaxEvery);
    r.period = Period(unit - kPeriodWords.begin());
}

void readOn(Recurrence &r, const QString &value)
{
    const QStringList parts = value.split(u' ', Qt::SkipEmptyParts);
    auto number = [&](const QString &text, int most) {
        bool ok = false;
        const int n = text.toInt(&ok);
        return ok && n >= 1 && n <= most ? n : 0;
    };
    if (parts.size() == 1 && parts[0] == u"last") {
        r.monthlyOn = MonthlyOn::LastDay;
    } else if (parts.size() == 1 && number(parts[0], 31)) {
        r.monthlyOn = MonthlyOn::DayOfMonth;
        r.day = number(parts[0], 31);
    } else if (parts.size() == 2 && weekdayFromCode(parts[1]) != 0 && (parts[0] == u"last" || number(parts[0], 4))) {
        r.monthlyOn = MonthlyOn::Weekday;
        r.week = parts[0] == u"last" ? kLastWeek : number(parts[0], 4);
        r.weekday = weekdayFromCode(parts[1]);
    } else {
        throw Unreadable{Words::tr("\u201c%1\u201d is not a day of the month (1 to 31, last, or 2 fri)").arg(value)};
    }
}

Schedule readLine(QStringView line)
{
    Schedule s;
    bool hasAmount = false, hasEvery = false, hasOn = false;
    for (QStringView field : line.split(u';')) {
        if (field.trimmed().isEmpty())
            continue;
        const qsizetype eq = field.indexOf(u'=');
        if (eq <= 0)
            throw Unreadable{Words::tr("\u201c%1\u201d is not a field (name=value)").arg(field)};
        const QStringView name = field.first(eq);
        const std::optional<QString> read = unescaped(field.mid(eq + 1));
        if (!read)
            throw Unreadable{Words::tr("the %1 holds a % that is not followed by two hexadecimal digits").arg(name)};
        const QString &value = *read;
        if (name == u"id") {
            bool ok = false;
            const int id = value.toInt(&ok);
            s.id = ok && id > 0 ? id : 0; // given a free one afterwards
        } else if (name == u"desc") {
            s.description = value;
        } else if (name == u"amount") {
            const CentsReading c = readTypedAmount(value, u'.');
            if (!c.ok())
                throw Unreadable{Words::tr("the amount \u201c%1\u201d is not an amount").arg(value)};
            s.amount = c.cents;
            hasAmount = true;
        } else if (name == u"check") {
            s.checkNumber = value;
        } else if (name == u"category") {
            s.category = value;
        } else if (name == u"every") {
            readEvery(s.recurrence, value);
            hasEvery = true;
        } else if (name == u"on") {
            readOn(s.recurrence, value);
            hasOn = true;
        } else if (name == u"start") {
            s.recurrence.start = dateField(name, value);
        } else if (name == u"end") {
            s.recurrence.ending = Ending::OnDate;
            s.recurrence.until = dateField(name, value);
        } else if (name == u"times") {
            s.recurrence.ending = Ending::AfterTimes;
            s.recurrence.times = numberField(name, value, 1, INT_MAX);
        } else if (name == u"weekend") {
            if (value == u"before")
                s.recurrence.weekend = WeekendRule::Before;
            else if (value == u"after")
                s.recurrence.weekend = WeekendRule::After;
            else if (value == u"keep")
                s.recurrence.weekend = WeekendRule::Keep;
            else
                throw Unreadable{Words::tr("the weekend rule \u201c%1\u201d is none of keep, before and after").arg(value)};
        } else if (name == u"estimate") {
            s.estimate = true;
            s.tolerance = numberField(name, value, 0, 100);
        } else if (name == u"auto") {
            s.autoEnter = value == u"yes";
        } else if (name == u"done") {
            s.handledThrough = dateField(name, value);
        } else if (name == u"also") {
            for (const QString &d : value.split(u',', Qt::SkipEmptyParts))
                s.handledAlso.push_back(dateField(name, d));
        } else {
            s.otherFields.emplace_back(name.toString(), value);
        }
    }
    if (!hasAmount)
        throw Unreadable{Words::tr("it has no amount")};
    if (!hasEvery)
        throw Unreadable{Words::tr("it does not say how often it comes round")};
    Recurrence &r = s.recurrence;
    // A month without its day falls on the start's.
    if (r.period == Period::Month && !hasOn && r.start.isValid())
        r.day = r.start.day();
    if (const QString problem = recurrenceProblem(r); !problem.isEmpty())
        throw Unreadable{problem};
    std::sort(s.handledAlso.begin(), s.handledAlso.end());
    return s;
}

} // namespace

QString scheduleLine(const Schedule &s)
{
    if (!s.isReadable())
        return s.unreadText;
    const Recurrence &r = s.recurrence;
    QStringList f;
    add(f, u"id", QString::number(s.id));
    add(f, u"desc", s.description);
    add(f, u"amount", moneyText(s.amount));
    if (!s.checkNumber.isEmpty())
        add(f, u"check", s.checkNumber);
    if (!s.category.isEmpty())
        add(f, u"category", s.category);
    add(f, u"every", u"%1 %2"_s.arg(r.every).arg(kPeriodWords[size_t(r.period)]));
    if (r.period == Period::Month) {
        if (r.monthlyOn == MonthlyOn::LastDay)
            add(f, u"on", u"last"_s);
        else if (r.monthlyOn == MonthlyOn::Weekday)
            add(f, u"on", (r.week == kLastWeek ? u"last"_s : QString::number(r.week)) + u' ' + weekdayCode(r.weekday));
        else
            add(f, u"on", QString::number(r.day));
    }
    add(f, u"start", isoDate(r.start));
    if (r.ending == Ending::OnDate)
        add(f, u"end", isoDate(r.until));
    else if (r.ending == Ending::AfterTimes)
        add(f, u"times", QString::number(r.times));
    if (r.weekend != WeekendRule::Keep)
        add(f, u"weekend", r.weekend == WeekendRule::Before ? u"before"_s : u"after"_s);
    if (s.estimate)
        add(f, u"estimate", QString::number(s.tolerance));
    if (s.autoEnter)
        add(f, u"auto", u"yes"_s);
    if (s.handledThrough.isValid())
        add(f, u"done", isoDate(s.handledThrough));
    if (!s.handledAlso.empty()) {
        QStringList days;
        for (QDate d : s.handledAlso)
            days << isoDate(d);
        add(f, u"also", days.join(u','));
    }
    for (const auto &[name, value] : s.otherFields)
        add(f, name, value);
    return f.join(u';');
}

QString schedulesText(const std::vector<Schedule> &schedules)
{
    QStringList lines;
    for (const Schedule &s : schedules)
        lines << scheduleLine(s);
    return lines.join(u'\n');
}

std::vector<Schedule> readSchedulesText(QStringView text)
{
    std::vector<Schedule> schedules;
    std::set<int> taken;
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        Schedule s;
        try {
            s = readLine(line);
        } catch (const Unreadable &u) {
            s = Schedule();
            s.unreadText = line.toString();
            s.problem = u.why;
        }
        schedules.push_back(std::move(s));
    }
    // Ids are handed out once every line is known, so that a line's own id
    // is never given to one before it.
    for (Schedule &s : schedules) {
        if (s.id > 0 && !taken.insert(s.id).second)
            s.id = 0;
    }
    int next = taken.empty() ? 1 : *taken.rbegin() + 1;
    for (Schedule &s : schedules) {
        if (s.id == 0)
            s.id = next++;
    }
    return schedules;
}

#include "DateReader.h"

#include <QChar>

#include <cstdlib>
#include <cstring>

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
char16_t asciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }
bool isAsciiLetter(char16_t c) { return asciiLower(c) >= u'a' && asciiLower(c) <= u'z'; }

struct Number {
    int value = 0;
    int digits = 0;
    bool hasDigits(int min, int max) const { return digits >= min && digits <= max; }
};

struct Word {
    char text[12] = {};
    int length = 0; // longer words are cut short and marked too long
    bool tooLong = false;
    bool is(const char *w) const { return !tooLong && std::strlen(w) == size_t(length) && std::strcmp(text, w) == 0; }
};

// Reads one text from left to right. Works on Latin-1 and UTF-16 views alike,
// so a date held as Latin-1 in a record is read without converting it.
template <typename View>
class Scanner
{
public:
    explicit Scanner(View text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t peek() const { return atEnd() ? char16_t(0) : char16_t(m_text[m_pos].unicode()); }
    bool take(char16_t c)
    {
        if (atEnd() || peek() != c)
            return false;
        ++m_pos;
        return true;
    }
    bool takeEither(char16_t a, char16_t b) { return take(a) || take(b); }
    int blanks()
    {
        int n = 0;
        for (; !atEnd() && QChar::isSpace(peek()); ++m_pos)
            ++n;
        return n;
    }
    Number number()
    {
        Number n;
        for (; !atEnd() && isDigit(peek()); ++m_pos, ++n.digits) {
            if (n.digits < 9)
                n.value = n.value * 10 + (peek() - u'0');
        }
        return n;
    }
    Word word()
    {
        Word w;
        for (; !atEnd() && isAsciiLetter(peek()); ++m_pos) {
            if (w.length == int(sizeof w.text) - 1)
                w.tooLong = true;
            else
                w.text[w.length++] = char(asciiLower(peek()));
        }
        return w;
    }

private:
    View m_text;
    qsizetype m_pos = 0;
};

template <typename View>
View trimmed(View text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && QChar::isSpace(text[begin].unicode()))
        ++begin;
    while (end > begin && QChar::isSpace(text[end - 1].unicode()))
        --end;
    return text.sliced(begin, end - begin);
}

// 1-12 for an English month name or its short form (Sept included); 0 otherwise.
int monthOf(const Word &w)
{
    static const char *const names[] = {"january", "february", "march",     "april",   "may",      "june",
                                        "july",    "august",   "september", "october", "november", "december"};
    if (w.tooLong)
        return 0;
    for (int m = 0; m < 12; ++m) {
        if (w.is(names[m]) || (w.length == 3 && std::strncmp(w.text, names[m], 3) == 0))
            return m + 1;
    }
    return w.is("sept") ? 9 : 0;
}

std::optional<QDate> dateOf(int year, int month, int day)
{
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

// A two-digit year: 00-69 is 2000-2069, 70-99 is 1970-1999.
int fullYear(const Number &year) { return year.digits == 2 ? (year.value < 70 ? 2000 : 1900) + year.value : year.value; }

// "st", "nd", "rd" or "th" after a day: December 1st, 2nd March.
bool isOrdinalSuffix(const Word &w) { return w.is("st") || w.is("nd") || w.is("rd") || w.is("th"); }

// A time after an ISO date: T10:30, 10:30:15.250, with an optional zone (Z,
// +02:00). The time of day does not change the date it is read as.
template <typename View>
bool readTime(Scanner<View> &s)
{
    if (!s.takeEither(u'T', u't') && s.blanks() == 0)
        return false;
    const Number hour = s.number();
    if (!hour.hasDigits(1, 2) || hour.value > 23 || !s.take(u':'))
        return false;
    const Number minute = s.number();
    if (!minute.hasDigits(2, 2) || minute.value > 59)
        return false;
    if (s.take(u':')) {
        const Number second = s.number();
        if (!second.hasDigits(2, 2) || second.value > 60) // 60: a leap second
            return false;
        if (s.takeEither(u'.', u',') && s.number().digits == 0)
            return false;
    }
    if (s.takeEither(u'Z', u'z'))
        return s.atEnd();
    if (s.takeEither(u'+', u'-')) {
        const Number zoneHour = s.number();
        if (zoneHour.digits == 4)
            return zoneHour.value / 100 <= 23 && zoneHour.value % 100 <= 59 && s.atEnd();
        if (!zoneHour.hasDigits(2, 2) || zoneHour.value > 23)
            return false;
        if (s.take(u':')) {
            const Number zoneMinute = s.number();
            if (!zoneMinute.hasDigits(2, 2) || zoneMinute.value > 59)
                return false;
        }
    }
    return s.atEnd();
}

// What a reading found out besides the date.
struct ReadNotes {
    bool yearless = false; // no year was given: the year of today was taken
    bool relative = false; // today, yesterday or tomorrow
};

// What may follow "Dec 7" or "7 Dec": nothing (this year), or a four-digit
// year after a blank or a comma.
template <typename View>
std::optional<QDate> readYearAfterDay(Scanner<View> &s, int month, int day, QDate today, ReadNotes *notes)
{
    const bool blank = s.blanks() > 0;
    const bool comma = s.take(u',');
    s.blanks();
    if (s.atEnd()) {
        if (comma || !today.isValid())
            return std::nullopt;
        notes->yearless = true;
        return dateOf(today.year(), month, day);
    }
    if (!blank && !comma)
        return std::nullopt;
    const Number year = s.number();
    if (!year.hasDigits(4, 4) || !s.atEnd())
        return std::nullopt;
    return dateOf(year.value, month, day);
}

template <typename View>
std::optional<QDate> read(View text, QDate today, ReadNotes *notes)
{
    Scanner<View> s(trimmed(text));
    if (s.atEnd())
        return std::nullopt;

    if (isAsciiLetter(s.peek())) {
        const Word w = s.word();
        if (s.atEnd() && today.isValid()) {
            notes->relative = w.is("today") || w.is("yesterday") || w.is("tomorrow");
            if (w.is("today"))
                return today;
            if (w.is("yesterday"))
                return today.addDays(-1);
            if (w.is("tomorrow"))
                return today.addDays(1);
        }
        const int month = monthOf(w);
        if (month == 0)
            return std::nullopt;
        if (w.length <= 4)
            s.take(u'.');
        s.blanks();
        const Number day = s.number();
        if (!day.hasDigits(1, 2))
            return std::nullopt;
        if (isAsciiLetter(s.peek()) && !isOrdinalSuffix(s.word()))
            return std::nullopt;
        return readYearAfterDay(s, month, day.value, today, notes);
    }

    const Number first = s.number();
    if (first.digits == 0)
        return std::nullopt;

    // 20091128, as banks write dates without separators: year, month, day.
    if (first.digits == 8 && s.atEnd())
        return dateOf(first.value / 10000, first.value / 100 % 100, first.value % 100);

    // 15.11.2009: with dots the day comes first.
    if (s.take(u'.')) {
        const Number month = s.number();
        if (!first.hasDigits(1, 2) || !month.hasDigits(1, 2) || !s.take(u'.'))
            return std::nullopt;
        const Number year = s.number();
        if (!s.atEnd() || !(year.digits == 2 || year.digits == 4))
            return std::nullopt;
        return dateOf(fullYear(year), month.value, first.value);
    }

    if (s.take(u'/')) {
        if (first.digits == 4) {
            // 2009/11/15: year, month, day.
            const Number month = s.number();
            if (!month.hasDigits(1, 2) || !s.take(u'/'))
                return std::nullopt;
            const Number day = s.number();
            if (!day.hasDigits(1, 2) || !s.atEnd())
                return std::nullopt;
            return dateOf(first.value, month.value, day.value);
        }
        const Number day = s.number();
        if (!first.hasDigits(1, 2) || !day.hasDigits(1, 2))
            return std::nullopt;
        if (!s.take(u'/')) {
            if (!s.atEnd() || !today.isValid())
                return std::nullopt;
            notes->yearless = true;
            return dateOf(today.year(), first.value, day.value);
        }
        const Number year = s.number();
        if (!s.atEnd())
            return std::nullopt;
        if (year.digits != 2 && year.digits != 4)
            return std::nullopt;
        return dateOf(fullYear(year), first.value, day.value);
    }

    if (s.take(u'-')) {
        if (first.digits == 4) {
            const Number month = s.number();
            if (!month.hasDigits(1, 2) || !s.take(u'-'))
                return std::nullopt;
            const Number day = s.number();
            if (!day.hasDigits(1, 2) || (!s.atEnd() && !readTime(s)))
                return std::nullopt;
            return dateOf(first.value, month.value, day.value);
        }
        if (isAsciiLetter(s.peek())) {
            // 25-Nov-09, 25-Nov-2009
            const int month = monthOf(s.word());
            if (!first.hasDigits(1, 2) || month == 0 || !s.take(u'-'))
                return std::nullopt;
            const Number year = s.number();
            if (!s.atEnd() || !(year.digits == 2 || year.digits == 4))
                return std::nullopt;
            return dateOf(fullYear(year), month, first.value);
        }
        const Number day = s.number();
        if (!first.hasDigits(1, 2) || !day.hasDigits(1, 2) || !s.take(u'-'))
            return std::nullopt;
        const Number year = s.number();
        if (!year.hasDigits(4, 4) || !s.atEnd())
            return std::nullopt;
        return dateOf(year.value, first.value, day.value);
    }

    if (!first.hasDigits(1, 2))
        return std::nullopt;
    Word w = s.word();
    if (w.length == 0 || isOrdinalSuffix(w)) {
        s.blanks();
        w = s.word();
    }
    const int month = monthOf(w);
    if (month == 0)
        return std::nullopt;
    if (w.length <= 4)
        s.take(u'.');
    return readYearAfterDay(s, month, first.value, today, notes);
}

} // namespace

std::optional<QDate> readDate(QStringView text, QDate today)
{
    ReadNotes notes;
    return read(text, today, &notes);
}

std::optional<QDate> readDate(QLatin1StringView text, QDate today)
{
    ReadNotes notes;
    return read(text, today, &notes);
}

std::optional<QDate> SuccessiveDates::read(const Value &date)
{
    if (m_any && date == m_last)
        return m_lastDate;
    m_any = true;
    m_last = date;
    m_lastDate = date.visitText([&](auto text) { return readDate(text, m_today); });
    return m_lastDate;
}

namespace {

// A date written in numbers alone, with one kind of separator: 5/12/2026,
// 05.12.26, 12-5, 20261205.
struct NumericDate {
    Number parts[3];
    int count = 0;
    char16_t separator = 0;
};

std::optional<NumericDate> numericDate(QStringView text)
{
    Scanner<QStringView> s(text);
    NumericDate d;
    for (;;) {
        const Number n = s.number();
        if (n.digits == 0 || d.count == 3)
            return std::nullopt;
        d.parts[d.count++] = n;
        if (s.atEnd())
            return d;
        const char16_t separator = s.peek();
        if ((separator != u'/' && separator != u'-' && separator != u'.') || (d.separator && separator != d.separator))
            return std::nullopt;
        d.separator = separator;
        s.take(separator);
    }
}

std::optional<QDate> yearlessDate(int month, int day, QDate today, Yearless yearless)
{
    if (!today.isValid())
        return std::nullopt;
    if (yearless == Yearless::ThisYear)
        return dateOf(today.year(), month, day);
    std::optional<QDate> nearest;
    for (int year : {today.year() - 1, today.year(), today.year() + 1}) {
        const QDate d(year, month, day);
        if (d.isValid() && (!nearest || std::abs(today.daysTo(d)) < std::abs(today.daysTo(*nearest))))
            nearest = d;
    }
    return nearest;
}

std::optional<QDate> readNumericDate(const NumericDate &n, DateOrder order, QDate today, Yearless yearless)
{
    const Number *p = n.parts;
    if (n.count == 1) {
        // As banks write dates: year, month, day; failing that, in the order.
        if (p[0].digits != 8)
            return std::nullopt;
        const int v = p[0].value;
        if (std::optional<QDate> d = dateOf(v / 10000, v / 100 % 100, v % 100))
            return d;
        const int a = v / 1000000, b = v / 10000 % 100;
        if (order == DateOrder::DayMonthYear)
            return dateOf(v % 10000, b, a);
        return order == DateOrder::YearMonthDay ? std::nullopt : dateOf(v % 10000, a, b);
    }
    // With dots the day comes first, as it does wherever dots are written.
    const bool dayFirst = order == DateOrder::DayMonthYear || n.separator == u'.';
    if (n.count == 2) {
        if (!p[0].hasDigits(1, 2) || !p[1].hasDigits(1, 2))
            return std::nullopt;
        return dayFirst ? yearlessDate(p[1].value, p[0].value, today, yearless)
                        : yearlessDate(p[0].value, p[1].value, today, yearless);
    }
    Number year = p[2], month = p[0], day = p[1];
    if (p[0].digits == 4 || (order == DateOrder::YearMonthDay && !(n.separator == u'.' && p[2].digits == 4)))
        year = p[0], month = p[1], day = p[2];
    else if (dayFirst)
        month = p[1], day = p[0];
    if (!month.hasDigits(1, 2) || !day.hasDigits(1, 2) || !(year.digits == 2 || year.digits == 4))
        return std::nullopt;
    return dateOf(fullYear(year), month.value, day.value);
}

template <typename View>
QString shownDateOf(View stored, DateOrder order)
{
    if (order != DateOrder::DayMonthYear && order != DateOrder::YearMonthDay)
        return stored.toString();
    ReadNotes notes;
    // Against a leap year, so that a 2/29 kept without a year is still shown.
    const std::optional<QDate> d = read(stored, QDate(2000, 1, 1), &notes);
    if (!d || notes.relative)
        return stored.toString();
    if (notes.yearless)
        return d->toString(order == DateOrder::DayMonthYear ? u"dd/MM" : u"MM-dd");
    return writtenDate(*d, order);
}

} // namespace

std::optional<QDate> readTypedDate(QStringView text, DateOrder order, QDate today, Yearless yearless)
{
    const QStringView t = trimmed(text);
    if (const std::optional<NumericDate> n = numericDate(t))
        return readNumericDate(*n, order, today, yearless);
    ReadNotes notes;
    const std::optional<QDate> d = read(t, today, &notes);
    if (d && notes.yearless)
        return yearlessDate(d->month(), d->day(), today, yearless);
    return d;
}

QString writtenDate(QDate date, DateOrder order)
{
    switch (order) {
    case DateOrder::DayMonthYear:
        return date.toString(u"dd/MM/yyyy");
    case DateOrder::YearMonthDay:
        return date.toString(u"yyyy-MM-dd");
    default:
        return date.toString(u"MM/dd/yyyy");
    }
}

QString fileDateText(QDate date) { return writtenDate(date, DateOrder::MonthDayYear); }

QString shownDate(const Value &stored, DateOrder order)
{
    return stored.visitText([&](auto text) { return shownDateOf(text, order); });
}

QString shownDate(QStringView stored, DateOrder order) { return shownDateOf(stored, order); }

QString dateFormsRead(DateOrder order)
{
    switch (order) {
    case DateOrder::DayMonthYear:
        return QStringLiteral("07/12/2026, 7/12/26, 7.12.2026, 2026-12-07, 20261207, 07-Dec-26, 7 December 2026, "
                              "Dec 7, 2026, 7/12, today, yesterday, tomorrow");
    case DateOrder::YearMonthDay:
        return QStringLiteral("2026-12-07, 26-12-07, 2026/12/07, 20261207, 7.12.2026, 07-Dec-26, Dec 7, 2026, "
                              "7 December 2026, 12-07, today, yesterday, tomorrow");
    default:
        return kDateFormsRead.toString();
    }
}

QString datePlaceholder(DateOrder order)
{
    switch (order) {
    case DateOrder::DayMonthYear:
        return QStringLiteral("DD/MM/YYYY");
    case DateOrder::YearMonthDay:
        return QStringLiteral("YYYY-MM-DD");
    default:
        return QStringLiteral("MM/DD/YYYY");
    }
}

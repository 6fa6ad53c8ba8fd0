#include "DateReader.h"

#include "DateScanning.h"

#include <cstdlib>

using namespace datescan;

namespace {

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

namespace datescan {

std::optional<QDate> readNoting(QStringView text, QDate today, ReadNotes *notes) { return read(text, today, notes); }

std::optional<QDate> readNoting(QLatin1StringView text, QDate today, ReadNotes *notes)
{
    return read(text, today, notes);
}

} // namespace datescan

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

namespace {

// MM/DD/YYYY, digits where digits go: the date it names, or nothing when the
// text is in another form or names no day (left to readDate to say).
template <typename View>
std::optional<QDate> fileFormDate(View text)
{
    if (text.size() != 10 || text[2] != u'/' || text[5] != u'/')
        return std::nullopt;
    int digits[8];
    int n = 0;
    for (qsizetype i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        const char16_t c = QChar(text[i]).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        digits[n++] = c - u'0';
    }
    const QDate day(digits[4] * 1000 + digits[5] * 100 + digits[6] * 10 + digits[7], digits[0] * 10 + digits[1],
                    digits[2] * 10 + digits[3]);
    return day.isValid() ? std::optional(day) : std::nullopt;
}

template <typename View>
std::optional<QDate> readFileDateOf(View text, QDate today)
{
    if (const std::optional<QDate> day = fileFormDate(text))
        return day;
    return readDate(text, today);
}

} // namespace

std::optional<QDate> readFileDate(QStringView text, QDate today) { return readFileDateOf(text, today); }

std::optional<QDate> readFileDate(QLatin1StringView text, QDate today) { return readFileDateOf(text, today); }

std::optional<QDate> SuccessiveDates::read(const Value &date)
{
    if (m_any && date == m_last)
        return m_lastDate;
    m_any = true;
    m_last = date;
    m_lastDate = date.visitText([&](auto text) { return readDate(text, m_today); });
    return m_lastDate;
}

// Dates as a person types them, in the order of their preference, and the
// register's dates shown in that order.

#include "DateReader.h"

#include "DateScanning.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

using namespace datescan;
using namespace Qt::StringLiterals;

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
    const std::optional<QDate> d = readNoting(stored, QDate(2000, 1, 1), &notes);
    if (!d || notes.relative)
        return stored.toString();
    if (notes.yearless)
        return d->toString(order == DateOrder::DayMonthYear ? u"dd/MM" : u"MM-dd");
    return writtenDate(*d, order);
}

} // namespace

namespace {

// A date typed in the words of the language Cheqbook speaks, put in the
// English words the reader knows: "heute" as "today", "7. Dezember 2026" and
// "7 déc. 2026" as "7 December 2026". English is read in any language.
QString inEnglishWords(QStringView typed)
{
    const QLocale locale = textLocale();
    if (locale.language() == QLocale::English || typed.isEmpty())
        return typed.toString();
    for (const char *word : {QT_TRANSLATE_NOOP("DateReader", "today"), QT_TRANSLATE_NOOP("DateReader", "yesterday"),
                             QT_TRANSLATE_NOOP("DateReader", "tomorrow")}) {
        QString translated = QCoreApplication::translate("DateReader", word);
        if (typed.compare(translated, Qt::CaseInsensitive) == 0
            || typed.compare(translated.replace(u'\'', u'\u2019'), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(word);
    }
    // The language's month names, longest first so that "Dezember" is not
    // taken for "Dez", each with the dot of a short name or without it.
    std::vector<std::pair<QString, int>> names;
    for (int month = 1; month <= 12; ++month)
        for (QLocale::FormatType form : {QLocale::LongFormat, QLocale::ShortFormat})
            for (QString name : {locale.monthName(month, form), locale.standaloneMonthName(month, form)}) {
                if (name.endsWith(u'.'))
                    name.chop(1);
                if (!name.isEmpty())
                    names.emplace_back(QRegularExpression::escape(name), month);
            }
    std::sort(names.begin(), names.end(), [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
    QString text = typed.toString();
    // "7. Dezember": the day written as an ordinal, as German does.
    static const QRegularExpression ordinalDay(uR"((\d)\.\s+(?=\p{L}))"_s);
    text.replace(ordinalDay, u"\\1 "_s);
    for (const auto &[name, month] : names) {
        const QRegularExpression word(u"\\b%1\\b\\.?"_s.arg(name), QRegularExpression::CaseInsensitiveOption);
        text.replace(word, QLocale::c().monthName(month, QLocale::LongFormat));
    }
    return text;
}

} // namespace

std::optional<QDate> readTypedDate(QStringView text, DateOrder order, QDate today, Yearless yearless)
{
    const QString words = inEnglishWords(trimmed(text));
    const QStringView t = words;
    if (const std::optional<NumericDate> n = numericDate(t))
        return readNumericDate(*n, order, today, yearless);
    ReadNotes notes;
    const std::optional<QDate> d = readNoting(t, today, &notes);
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
    // Each example is a form the typed date reader reads, as 7 December
    // 2026 or a day near today; so must each of a translation be.
    case DateOrder::DayMonthYear:
        //: Dates as typed with the day first, each read as 7 December 2026 (12-07 without a year) or a day near
        //: today. List only forms Cheqbook reads: a test types each one.
        return QCoreApplication::translate("DateReader",
                                           "07/12/2026, 7/12/26, 7.12.2026, 2026-12-07, 20261207, 07-Dec-26, "
                                           "7 December 2026, Dec 7, 2026, 7/12, today, yesterday, tomorrow");
    case DateOrder::YearMonthDay:
        //: Dates as typed with the year first, each read as 7 December 2026 (12-07 without a year) or a day near
        //: today. List only forms Cheqbook reads: a test types each one.
        return QCoreApplication::translate("DateReader",
                                           "2026-12-07, 26-12-07, 2026/12/07, 20261207, 7.12.2026, 07-Dec-26, "
                                           "Dec 7, 2026, 7 December 2026, 12-07, today, yesterday, tomorrow");
    default:
        return QCoreApplication::translate("DateReader", kDateFormsReadText);
    }
}

QString datePlaceholder(DateOrder order)
{
    switch (order) {
    // The letters stand for the words day, month and year of the language.
    case DateOrder::DayMonthYear:
        return QCoreApplication::translate("DateReader", "DD/MM/YYYY");
    case DateOrder::YearMonthDay:
        return QCoreApplication::translate("DateReader", "YYYY-MM-DD");
    default:
        return QCoreApplication::translate("DateReader", "MM/DD/YYYY");
    }
}

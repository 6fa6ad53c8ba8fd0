#pragma once

// The pieces the date readers share: a scanner over Latin-1 and UTF-16 texts
// alike, the English month names, and the free-form reading itself with what
// it noticed on the way.

#include <QChar>
#include <QDate>
#include <QLatin1StringView>
#include <QStringView>

#include <cstring>
#include <optional>

namespace datescan {

inline bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline char16_t asciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }
inline bool isAsciiLetter(char16_t c) { return asciiLower(c) >= u'a' && asciiLower(c) <= u'z'; }

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
inline int monthOf(const Word &w)
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

inline std::optional<QDate> dateOf(int year, int month, int day)
{
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

// A two-digit year: 00-69 is 2000-2069, 70-99 is 1970-1999.
inline int fullYear(const Number &year)
{
    return year.digits == 2 ? (year.value < 70 ? 2000 : 1900) + year.value : year.value;
}

// "st", "nd", "rd" or "th" after a day: December 1st, 2nd March.
inline bool isOrdinalSuffix(const Word &w) { return w.is("st") || w.is("nd") || w.is("rd") || w.is("th"); }

// What a reading found out besides the date.
struct ReadNotes {
    bool yearless = false; // no year was given: the year of today was taken
    bool relative = false; // today, yesterday or tomorrow
};

// The date a text names, as readDate reads it, telling what it noticed.
std::optional<QDate> readNoting(QStringView text, QDate today, ReadNotes *notes);
std::optional<QDate> readNoting(QLatin1StringView text, QDate today, ReadNotes *notes);

} // namespace datescan

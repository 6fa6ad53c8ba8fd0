#include "Money.h"

#include "NumberScan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

// Cents from a scanned number: the digits up to the hundredths, plus one when
// the thousandths digit is 5 or more (half away from zero; later digits cannot
// change that decision).
CentsReading centsFromScan(const DecimalScan &scan)
{
    if (!scan.found)
        return {NumberStatus::NotANumber, 0};
    if (scan.empty())
        return {NumberStatus::Ok, 0};
    // The value is 0.d1d2d3... x 10^pointPosition; cents need pointPosition + 2 digits.
    const std::int64_t centDigits = std::int64_t(scan.pointPosition) + 2;
    const CentsReading outOfRange{NumberStatus::OutOfRange, scan.negative ? -kMaxCents : kMaxCents};
    if (centDigits > 16)
        return outOfRange;
    Cents cents = 0;
    for (std::int64_t i = 0; i < centDigits; ++i)
        cents = cents * 10 + (i < scan.kept ? scan.significant[i] - '0' : 0);
    const std::int64_t roundIndex = centDigits < 0 ? -1 : centDigits;
    if (roundIndex >= 0 && roundIndex < scan.kept && scan.significant[roundIndex] >= '5')
        ++cents;
    if (cents > kMaxCents)
        return outOfRange;
    return {NumberStatus::Ok, scan.negative ? -cents : cents};
}

template <typename View>
CentsReading leadingCentsImpl(View text)
{
    return centsFromScan(scanLeadingDecimal(text.data(), text.data() + text.size()));
}

// Written from the end two digits at a time: a report writes two figures a
// row for a million rows.
int writeUnsigned(char *out, std::uint64_t v)
{
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    int n = 1;
    for (std::uint64_t ten = 10; n < 20 && v >= ten; ten *= 10)
        ++n;
    char *p = out + n;
    while (v >= 100) {
        const auto pair = size_t(v % 100) * 2;
        v /= 100;
        *--p = kPairs[pair + 1];
        *--p = kPairs[pair];
    }
    if (v >= 10) {
        *--p = kPairs[v * 2 + 1];
        *--p = kPairs[v * 2];
    } else {
        *--p = char('0' + v);
    }
    return n;
}

std::uint64_t magnitude(Cents c)
{
    return c < 0 ? std::uint64_t(0) - std::uint64_t(c) : std::uint64_t(c);
}

// Where the blanks from i on end.
qsizetype afterBlanks(QStringView text, qsizetype i)
{
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

// A comma between digits that is followed by exactly three digits groups
// thousands; any other comma ends the number.
bool isGroupingComma(QStringView text, qsizetype i)
{
    for (qsizetype k = 1; k <= 3; ++k)
        if (i + k >= text.size() || !text[i + k].isDigit())
            return false;
    return i + 4 >= text.size() || !text[i + 4].isDigit();
}

} // namespace

CentsReading leadingCents(QStringView text) { return leadingCentsImpl(text); }

CentsReading leadingCents(QLatin1StringView text)
{
    // Nearly every amount the program reads is money text it wrote itself,
    // "-1234.56": read that shape directly.
    const char *p = text.data();
    const char *end = p + text.size();
    const bool negative = p != end && *p == '-';
    p += negative;
    const char *digits = p;
    Cents whole = 0;
    while (p != end && *p >= '0' && *p <= '9' && p - digits < 13)
        whole = whole * 10 + (*p++ - '0');
    if (p != digits && end - p == 3 && p[0] == '.' && p[1] >= '0' && p[1] <= '9' && p[2] >= '0' && p[2] <= '9') {
        const Cents cents = whole * 100 + (p[1] - '0') * 10 + (p[2] - '0');
        return {NumberStatus::Ok, negative ? -cents : cents};
    }
    return leadingCentsImpl(text);
}

CentsReading typedAmountCents(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] { i = afterBlanks(text, i); };
    skipBlanks();
    bool negative = false;
    bool parenthesised = false;
    if (i < n && text[i] == u'(') {
        parenthesised = true;
        ++i;
        skipBlanks();
    }
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i < n && (text[i] == u'$' || text[i] == u'\u00a3' || text[i] == u'\u20ac' || text[i] == u'\u00a5')) {
        ++i;
        // "$-12.00" is as common as "-$12.00".
        if (!negative && i < n && (text[i] == u'-' || text[i] == u'+')) {
            negative = text[i] == u'-';
            ++i;
        }
    }
    // Copy the number, dropping grouping commas that stand between digits.
    QString digits;
    digits.reserve(n - i);
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c == u',' && isGroupingComma(text, i) && !digits.isEmpty() && digits.back().isDigit())
            continue;
        if (!(c.isDigit() || c == u'.' || c == u'e' || c == u'E' || ((c == u'-' || c == u'+') && !digits.isEmpty())))
            break;
        digits.append(c);
    }
    if (digits.isEmpty() || digits.front() == u'-' || digits.front() == u'+')
        return {NumberStatus::NotANumber, 0};
    CentsReading r = leadingCents(QStringView(digits));
    // An amount out of range saturates toward its own sign, as leadingCents does.
    if (negative != parenthesised)
        r.cents = -r.cents;
    return r;
}

namespace {

bool isCurrencySign(QChar c)
{
    return c == u'$' || c == u'\u00a3' || c == u'\u20ac' || c == u'\u00a5';
}

bool isMinus(QChar c) { return c == u'-' || c == u'\u2212'; }

// Blanks and apostrophes that people and locales put between thousands:
// "1 234", "1\u00a0234" (French), "1'234" (Swiss).
bool isGroupingMark(QChar c)
{
    return c == u' ' || c == u'\u00a0' || c == u'\u202f' || c == u'\u2009' || c == u'\'' || c == u'\u2019';
}

// The digits and separators of a typed number, split at each separator.
struct NumberParts {
    std::vector<QStringView> runs; // the digits between separators; one more than seps
    std::vector<QChar> seps;
};

// Which separator of the number is its decimal one: an index into seps, -1
// for none, or nothing when the text cannot be read one way only.
std::optional<int> decimalSeparatorOf(const NumberParts &n, QChar decimalPoint)
{
    if (n.seps.empty())
        return -1;
    const int last = int(n.seps.size()) - 1;
    const QChar c = n.seps[size_t(last)];
    if (isGroupingMark(c))
        return -1;
    const auto sameAsLast = std::count(n.seps.begin(), n.seps.end(), c);
    if (sameAsLast > 1)
        return -1; // "1,234,567": every one groups
    if (last > 0)
        return last; // "1.234,56": the other kind groups
    const qsizetype after = n.runs[1].size();
    if (c == decimalPoint && (after > 0 || !n.runs[0].isEmpty()))
        return 0; // "12,345" or "12," where commas are decimal
    if (after == 1 || after == 2)
        return 0; // "-12,50" in any locale
    if (after == 3)
        return -1; // "12,345" where commas group
    return std::nullopt; // "1,2345", "12," where commas group
}

} // namespace

std::optional<TypedNumber> readTypedNumber(QStringView text, QChar decimalPoint)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] { i = afterBlanks(text, i); };
    skipBlanks();
    const bool parenthesised = i < n && text[i] == u'(';
    if (parenthesised) {
        ++i;
        skipBlanks();
    }
    bool negative = false;
    bool signed_ = false;
    bool currency = false;
    // "-$12", "$-12" and "- € 12" are all the same amount.
    for (int k = 0; k < 2 && i < n; ++k) {
        if (!signed_ && (isMinus(text[i]) || text[i] == u'+')) {
            negative = isMinus(text[i]);
            signed_ = true;
            ++i;
        } else if (!currency && isCurrencySign(text[i])) {
            currency = true;
            ++i;
        }
        skipBlanks();
    }
    if (parenthesised && signed_)
        return std::nullopt; // "(-12)" says negative twice; which was meant?

    NumberParts parts;
    qsizetype runStart = i;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 0x80)
            continue;
        const bool separator = c == u'.' || c == u',' || isGroupingMark(c);
        // A blank groups only between digits; before anything else it ends the number.
        if (!separator || (c.isSpace() && !(i + 1 < n && text[i + 1].isDigit() && i > runStart)))
            break;
        parts.runs.push_back(text.sliced(runStart, i - runStart));
        parts.seps.push_back(c);
        runStart = i + 1;
    }
    parts.runs.push_back(text.sliced(runStart, i - runStart));
    skipBlanks();
    if (!currency && i < n && isCurrencySign(text[i])) {
        ++i; // "12,50 €"
        skipBlanks();
    }
    if (parenthesised) {
        if (i >= n || text[i] != u')')
            return std::nullopt;
        ++i;
        skipBlanks();
    }
    if (i != n)
        return std::nullopt;

    const std::optional<int> decimal = decimalSeparatorOf(parts, decimalPoint);
    if (!decimal)
        return std::nullopt;
    const int groups = *decimal < 0 ? int(parts.seps.size()) : *decimal;
    // Grouped thousands: one to three digits first, then three at a time,
    // all with the same mark.
    for (int g = 0; g < groups; ++g) {
        if (parts.seps[size_t(g)] != parts.seps[0] || parts.runs[size_t(g) + 1].size() != 3)
            return std::nullopt;
    }
    if (groups > 0 && (parts.runs[0].isEmpty() || parts.runs[0].size() > 3))
        return std::nullopt;
    QString digits;
    for (int g = 0; g <= groups; ++g)
        digits += parts.runs[size_t(g)];
    const QStringView fraction = *decimal < 0 ? QStringView() : parts.runs[size_t(*decimal) + 1];
    if (digits.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!fraction.isEmpty())
        digits += u'.' + fraction.toString();
    return TypedNumber{negative || parenthesised, digits};
}

CentsReading readTypedAmount(QStringView text, QChar decimalPoint)
{
    const std::optional<TypedNumber> number = readTypedNumber(text, decimalPoint);
    if (!number)
        return {NumberStatus::NotANumber, 0};
    CentsReading r = leadingCents(QStringView(number->digits));
    // Out of range saturates toward the amount's own sign, as leadingCents does.
    if (number->negative)
        r.cents = -r.cents;
    return r;
}

QString shownMoney(Cents cents, QChar decimalPoint)
{
    QString text = moneyText(cents);
    if (decimalPoint != u'.')
        text[text.size() - 3] = decimalPoint;
    return text;
}

QString shownNumber(const QString &text, QChar decimalPoint)
{
    if (decimalPoint == u'.')
        return text;
    qsizetype point = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && point < 0)
            point = i;
        else if (!(c.isDigit() || (i == 0 && c == u'-')))
            return text;
    }
    if (point < 0)
        return text;
    QString shown = text;
    shown[point] = decimalPoint;
    return shown;
}

std::optional<Cents> centsFromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    char buf[40];
    const CentsReading r = leadingCents(QLatin1StringView(buf, writeSixteenDigits(buf, value)));
    if (!r.ok())
        return std::nullopt;
    return r.cents;
}

int writeSixteenDigits(char *out, double value)
{
    // %.16g without the locale's decimal point. The shortest form that reads
    // back as the same double can have 17 digits and round to another cent.
    return int(std::to_chars(out, out + 32, value, std::chars_format::general, 16).ptr - out);
}

int writeMoneyText(char *out, Cents cents)
{
    int n = 0;
    if (cents < 0)
        out[n++] = '-';
    const std::uint64_t m = magnitude(cents);
    n += writeUnsigned(out + n, m / 100);
    out[n++] = '.';
    out[n++] = char('0' + (m / 10) % 10);
    out[n++] = char('0' + m % 10);
    return n;
}

int writeShortestDecimal(char *out, Cents cents)
{
    int n = 0;
    if (cents < 0)
        out[n++] = '-';
    const std::uint64_t m = magnitude(cents);
    n += writeUnsigned(out + n, m / 100);
    const unsigned frac = unsigned(m % 100);
    if (frac != 0) {
        out[n++] = '.';
        out[n++] = char('0' + frac / 10);
        if (frac % 10 != 0)
            out[n++] = char('0' + frac % 10);
    }
    return n;
}

QString moneyText(Cents cents)
{
    char buf[32];
    return QString::fromLatin1(buf, writeMoneyText(buf, cents));
}

QString shortestDecimal(Cents cents)
{
    char buf[32];
    return QString::fromLatin1(buf, writeShortestDecimal(buf, cents));
}

#include "AmountSum.h"

#include <QCoreApplication>

#include <optional>

namespace {

using Wide = __int128;

// Beyond this a sum is refused rather than carried on: far more than money
// can hold, far less than where the fractions' arithmetic would overflow.
constexpr Wide kLargest = Wide(1000000000000000000LL) * 1000000000000LL; // 10^30
constexpr int kDeepest = 64;        // nested parentheses and signs
constexpr qsizetype kLongest = 1000; // characters of a sum
constexpr int kMostDigits = 18;     // digits of one number

Wide gcd(Wide a, Wide b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const Wide t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// A fraction in lowest terms with a positive denominator.
struct Exact {
    Wide num = 0;
    Wide den = 1;
};

struct Refused {
    QString why;
    NumberStatus status = NumberStatus::NotANumber;
};

Refused tooLarge()
{
    return {QCoreApplication::translate("AmountSum", "the sum is too large"), NumberStatus::OutOfRange};
}

Exact reduced(Wide num, Wide den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Wide g = gcd(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    if (num > kLargest || num < -kLargest || den > kLargest)
        throw tooLarge();
    return {num, den};
}

Wide times(Wide a, Wide b)
{
    Wide r;
    if (__builtin_mul_overflow(a, b, &r))
        throw tooLarge();
    return r;
}

Wide plus(Wide a, Wide b)
{
    Wide r;
    if (__builtin_add_overflow(a, b, &r))
        throw tooLarge();
    return r;
}

bool isBlank(QChar c) { return c.isSpace(); }
bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
bool isCurrency(QChar c) { return c == u'$' || c == u'\u00a3' || c == u'\u20ac' || c == u'\u00a5'; }
bool isMinus(QChar c) { return c == u'-' || c == u'\u2212'; }
bool isTimes(QChar c) { return c == u'*' || c == u'\u00d7'; }
bool isDivide(QChar c) { return c == u'/' || c == u'\u00f7'; }
bool isGroupingMark(QChar c) { return c == u'\'' || c == u'\u2019'; }

// A recursive descent over the text: sum := term (± term)*, term := factor
// (×÷ factor)*, factor := ± factor | ( sum ) | number.
class Parser
{
public:
    Parser(QStringView text, QChar decimalPoint) : m_text(text), m_decimalPoint(decimalPoint) {}

    std::optional<Exact> parse()
    {
        const std::optional<Exact> value = sum(0);
        skipBlanks();
        if (!value || m_i != m_text.size())
            return std::nullopt;
        return value;
    }
    // Whether an operation stood between two numbers.
    bool hadOperation() const { return m_operations > 0; }

private:
    void skipBlanks()
    {
        while (m_i < m_text.size() && isBlank(m_text[m_i]))
            ++m_i;
    }
    bool at(bool (*is)(QChar))
    {
        skipBlanks();
        return m_i < m_text.size() && is(m_text[m_i]);
    }
    bool atChar(QChar c)
    {
        skipBlanks();
        return m_i < m_text.size() && m_text[m_i] == c;
    }

    std::optional<Exact> sum(int depth)
    {
        std::optional<Exact> left = term(depth);
        while (left && (at(isMinus) || atChar(u'+'))) {
            const bool minus = isMinus(m_text[m_i++]);
            const std::optional<Exact> right = term(depth);
            if (!right)
                return std::nullopt;
            ++m_operations;
            const Wide num = plus(times(left->num, right->den), times(minus ? -right->num : right->num, left->den));
            left = reduced(num, times(left->den, right->den));
        }
        return left;
    }

    std::optional<Exact> term(int depth)
    {
        std::optional<Exact> left = factor(depth);
        while (left && (at(isTimes) || at(isDivide))) {
            const bool divide = isDivide(m_text[m_i++]);
            const std::optional<Exact> right = factor(depth);
            if (!right)
                return std::nullopt;
            ++m_operations;
            if (!divide) {
                left = reduced(times(left->num, right->num), times(left->den, right->den));
            } else {
                if (right->num == 0)
                    throw Refused{QCoreApplication::translate("AmountSum", "division by zero")};
                left = reduced(times(left->num, right->den), times(left->den, right->num));
            }
        }
        return left;
    }

    std::optional<Exact> factor(int depth)
    {
        if (depth > kDeepest)
            throw Refused{QCoreApplication::translate("AmountSum", "the sum is nested too deeply")};
        skipBlanks();
        if (m_i >= m_text.size())
            return std::nullopt;
        const QChar c = m_text[m_i];
        if (isMinus(c) || c == u'+') {
            ++m_i;
            std::optional<Exact> value = factor(depth + 1);
            if (value && isMinus(c))
                value->num = -value->num;
            return value;
        }
        if (c == u'(') {
            ++m_i;
            const std::optional<Exact> value = sum(depth + 1);
            if (!value || !atChar(u')'))
                return std::nullopt;
            ++m_i;
            return value;
        }
        return number();
    }

    // One number with its grouping, decimal separator and currency sign, read
    // as readTypedAmount reads an amount.
    std::optional<Exact> number()
    {
        const qsizetype start = m_i;
        const qsizetype n = m_text.size();
        bool currency = false;
        if (m_i < n && isCurrency(m_text[m_i])) {
            currency = true;
            ++m_i;
            skipBlanks();
        }
        const qsizetype digitsStart = m_i;
        while (m_i < n) {
            const QChar c = m_text[m_i];
            // A blank groups thousands only between digits: "1 234".
            const bool blankBetweenDigits = isBlank(c) && m_i > digitsStart && isDigit(m_text[m_i - 1])
                && m_i + 1 < n && isDigit(m_text[m_i + 1]);
            if (!(isDigit(c) || c == u'.' || c == u',' || isGroupingMark(c) || blankBetweenDigits))
                break;
            ++m_i;
        }
        if (m_i == digitsStart)
            return std::nullopt;
        if (!currency) {
            qsizetype after = m_i;
            while (after < n && isBlank(m_text[after]))
                ++after;
            if (after < n && isCurrency(m_text[after]))
                m_i = after + 1; // "12,50 €"
        }
        const std::optional<TypedNumber> typed = readTypedNumber(m_text.sliced(start, m_i - start), m_decimalPoint);
        if (!typed)
            return std::nullopt;
        return exactOf(typed->digits);
    }

    // "1234.5678" as 12345678/10000.
    static std::optional<Exact> exactOf(QStringView digits)
    {
        Wide num = 0;
        Wide den = 1;
        int count = 0;
        bool fraction = false;
        for (QChar c : digits) {
            if (c == u'.') {
                fraction = true;
                continue;
            }
            if (num == 0 && c == u'0' && !fraction)
                continue; // leading zeros are no digits of the number
            if (++count > kMostDigits)
                return std::nullopt;
            num = num * 10 + (c.unicode() - '0');
            if (fraction)
                den *= 10;
        }
        return reduced(num, den);
    }

    QStringView m_text;
    QChar m_decimalPoint;
    qsizetype m_i = 0;
    int m_operations = 0;
};

// The cents nearest a fraction, half away from zero.
CentsReading centsOf(const Exact &value)
{
    const bool negative = value.num < 0;
    const Wide magnitude = times(negative ? -value.num : value.num, 100);
    Wide cents = magnitude / value.den;
    if ((magnitude % value.den) * 2 >= value.den)
        ++cents;
    if (cents > kMaxCents)
        return {NumberStatus::OutOfRange, negative ? -kMaxCents : kMaxCents};
    return {NumberStatus::Ok, Cents(negative ? -cents : cents)};
}

} // namespace

SumReading readAmountSum(QStringView text, QChar decimalPoint)
{
    SumReading r;
    const CentsReading plain = readTypedAmount(text, decimalPoint);
    if (plain.status != NumberStatus::NotANumber || text.size() > kLongest) {
        r.status = plain.status;
        r.cents = plain.cents;
        return r;
    }
    Parser parser(text, decimalPoint);
    try {
        const std::optional<Exact> value = parser.parse();
        if (!value || !parser.hadOperation())
            return r;
        const CentsReading cents = centsOf(*value);
        r.status = cents.status;
        r.cents = cents.cents;
        r.sum = true;
        if (cents.status == NumberStatus::OutOfRange)
            r.why = tooLarge().why;
    } catch (const Refused &refused) {
        r.status = refused.status;
        r.cents = 0;
        r.sum = true;
        r.why = refused.why;
    }
    return r;
}

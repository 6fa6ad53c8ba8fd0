#pragma once

// Scanning the leading decimal number of a text, shared by the readings of a
// value as a double, an integer and a cent amount.

#include <QChar>

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

struct DecimalScan {
    bool found = false;     // the text begins (after white space) with a number
    bool negative = false;
    // Significant digits, without leading zeros; at most kKeep are kept, which is
    // more than a cent amount in range or a rounding decision can need.
    static constexpr int kKeep = 24;
    char significant[kKeep] = {};
    int kept = 0;
    bool empty() const { return kept == 0; }
    // The value is 0.d1d2d3... x 10^pointPosition (saturated far beyond any range).
    std::int64_t pointPosition = 0;
    // Where the number stands in the text, sign included.
    std::ptrdiff_t begin = 0;
    std::ptrdiff_t end = 0;

};

inline char16_t scanUnit(QChar c) { return c.unicode(); }
inline char16_t scanUnit(char c) { return char16_t(static_cast<unsigned char>(c)); }
inline char16_t scanUnit(char16_t c) { return c; }

inline bool scanIsSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r') || (c >= 0x80 && QChar(c).isSpace());
}

template <typename Char>
DecimalScan scanLeadingDecimal(const Char *first, const Char *last)
{
    constexpr std::int64_t kSaturate = std::int64_t(1) << 40;
    DecimalScan s;
    const Char *p = first;
    while (p != last && scanIsSpace(scanUnit(*p)))
        ++p;
    s.begin = p - first;
    if (p != last && (scanUnit(*p) == u'-' || scanUnit(*p) == u'+')) {
        s.negative = scanUnit(*p) == u'-';
        ++p;
    }
    bool anyDigit = false;
    bool leading = true;
    std::int64_t integerDigits = 0; // significant digits before the point
    std::int64_t fractionZeros = 0; // zeros after the point before the first significant digit
    auto take = [&](char16_t c) {
        if (leading && c == u'0')
            return false;
        leading = false;
        if (s.kept < DecimalScan::kKeep)
            s.significant[s.kept++] = char(c);
        return true;
    };
    for (; p != last && scanUnit(*p) >= u'0' && scanUnit(*p) <= u'9'; ++p) {
        anyDigit = true;
        if (take(scanUnit(*p)) && integerDigits < kSaturate)
            ++integerDigits;
    }
    if (p != last && scanUnit(*p) == u'.') {
        ++p;
        for (; p != last && scanUnit(*p) >= u'0' && scanUnit(*p) <= u'9'; ++p) {
            anyDigit = true;
            if (!take(scanUnit(*p)) && fractionZeros < kSaturate)
                ++fractionZeros;
        }
    }
    if (!anyDigit)
        return DecimalScan{};
    s.found = true;
    // Trailing zeros carry no value; dropping them keeps "100.00" and "100" alike.
    while (s.kept > 0 && s.significant[s.kept - 1] == '0')
        --s.kept;
    std::int64_t exponent = 0;
    if (p != last && (scanUnit(*p) == u'e' || scanUnit(*p) == u'E')) {
        const Char *q = p + 1;
        bool expNegative = false;
        if (q != last && (scanUnit(*q) == u'-' || scanUnit(*q) == u'+')) {
            expNegative = scanUnit(*q) == u'-';
            ++q;
        }
        if (q != last && scanUnit(*q) >= u'0' && scanUnit(*q) <= u'9') {
            for (; q != last && scanUnit(*q) >= u'0' && scanUnit(*q) <= u'9'; ++q)
                if (exponent < kSaturate)
                    exponent = exponent * 10 + (scanUnit(*q) - u'0');
            if (expNegative)
                exponent = -exponent;
            p = q;
        }
    }
    s.end = p - first;
    s.pointPosition = (integerDigits > 0 ? integerDigits : -fractionZeros) + exponent;
    return s;
}

// The double a scanned number names, correctly rounded; an infinity on
// overflow, zero on underflow.
template <typename Char>
double scannedDouble(const DecimalScan &scan, const Char *text)
{
    if (!scan.found)
        return 0;
    std::ptrdiff_t b = scan.begin;
    if (scanUnit(text[b]) == u'+') // std::from_chars takes no '+'
        ++b;
    std::string ascii;
    ascii.reserve(size_t(scan.end - b));
    for (std::ptrdiff_t i = b; i < scan.end; ++i)
        ascii.push_back(char(scanUnit(text[i])));
    double d = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), d);
    if (res.ec == std::errc::result_out_of_range) {
        const double mag = scan.pointPosition > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return scan.negative ? -mag : mag;
    }
    return d;
}

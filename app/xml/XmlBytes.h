#pragma once

// What the bytes of XML are to XmlScanner, as QXmlStreamReader's tokenizer
// saw the characters they make up. Used by XmlScanner only.

#include <QChar>
#include <QLatin1StringView>

#include <algorithm>
#include <array>

namespace registerfile::xmlbytes {

inline constexpr QLatin1StringView kXmlNamespace("http://www.w3.org/XML/1998/namespace");
inline constexpr QLatin1StringView kXmlnsNamespace("http://www.w3.org/2000/xmlns/");

// What each byte is to the reading. Bytes from 0x80 up are parts of
// characters beyond ASCII, which are letters to it.
enum CharClass : quint8 {
    Plain = 1,     // stands for itself in text: printable ASCII but < & ], tab, line feed
    Space = 2,     // space, tab, line feed, carriage return
    NameStop = 4,  // ends a name
    NotLetter = 8, // cannot begin a name: white space, digits, controls, XML's punctuation
};

inline constexpr bool among(int c, const char *set)
{
    for (; *set; ++set)
        if (c == *set)
            return true;
    return false;
}

inline constexpr std::array<quint8, 256> kClasses = [] {
    std::array<quint8, 256> t{};
    for (int c = 0; c < 0x80; ++c) {
        const bool space = among(c, " \t\n\r");
        quint8 k = 0;
        if ((c >= 0x20 && !among(c, "<&]")) || c == '\t' || c == '\n')
            k |= Plain;
        if (space)
            k |= Space;
        if (space || among(c, "&#'\"<>[]=%/;?!^|,()+*"))
            k |= NameStop;
        if (c < 0x20 || (c >= '0' && c <= '9') || among(c, "&#'\"<>[]()|=%/:;,-+*.?!"))
            k |= NotLetter;
        t[size_t(c)] = k;
    }
    return t;
}();

inline constexpr bool isAsciiNameStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
inline constexpr bool isAsciiNameChar(char c)
{
    return isAsciiNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

inline constexpr std::array<bool, 256> kAsciiNameChars = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 0x80; ++c)
        t[size_t(c)] = isAsciiNameChar(char(c));
    return t;
}();

// For the short names of tags, quicker than a call to memcmp.
inline bool sameBytes(const char *a, const char *b, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

inline bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xa || c == 0xd || (c >= 0x20 && c <= 0xd7ff) || (c >= 0xe000 && c <= 0xfffd)
        || (c >= 0x10000 && c <= 0x10ffff);
}

// What may stand in a name token after its first character: letters,
// digits and marks, ".", "-", ":", "_" (a character beyond the basic plane
// never, as it was read half a surrogate pair at a time).
inline bool isNmtokenChar(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' || c == '_'
            || c == '-' || c == '.';
    if (c > 0xffff)
        return false;
    const QChar::Category cat = QChar::category(c);
    return (cat >= QChar::Letter_Uppercase && cat <= QChar::Letter_Other)
        || (cat >= QChar::Number_DecimalDigit && cat <= QChar::Number_Other)
        || (cat >= QChar::Mark_NonSpacing && cat <= QChar::Mark_Enclosing);
}

// The character a sequence of good UTF-8 stands for, and its length.
inline char32_t decodeOne(const char *p, const char *end, int *length)
{
    const uchar c = uchar(*p);
    const int n = c < 0xe0 ? 2 : c < 0xf0 ? 3 : 4;
    char32_t v = n == 2 ? c & 0x1f : n == 3 ? c & 0x0f : c & 0x07;
    *length = int(std::min<qsizetype>(n, end - p));
    for (int i = 1; i < *length; ++i)
        v = (v << 6) | (uchar(p[i]) & 0x3f);
    return v;
}

} // namespace registerfile::xmlbytes

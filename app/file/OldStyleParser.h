#pragma once

// The old-style text form's parser, for the readers of this folder.

#include "RecordBuilders.h"
#include "RegisterFileParsing.h"

#include <array>
#include <atomic>
#include <functional>
#include <optional>

namespace registerfile {

// Reads the file in one pass. A NUL byte or a byte outside ASCII can only
// stand inside a quoted text or a comment (anywhere else the syntax fails);
// the parser notes when it meets one, and only then checks the whole file, so
// that a plain ASCII register is read once. The checks come first whenever
// the syntax fails too, so their messages win as if they had run first.
//
// What becomes of each record is the builder's: it is told of the record's
// start, of each key and value, and of its end.
template <typename Builder>
class OldStyleParser
{
public:
    // release, when given, is told of each stretch of the file that has been
    // read and is not needed again, so that a mapped file's pages can go.
    OldStyleParser(Builder &builder, const char *first, const char *last,
                   std::function<void(const char *, const char *)> release = {})
        : m_builder(builder), m_first(first), m_p(first), m_last(last), m_released(first),
          m_release(std::move(release))
    {
    }

    // The builder hands on each record as soon as it is read; the file is
    // only known to be good once this returns.
    void parse()
    {
        open();
        records(nullptr);
    }

    // Up to the first record: the list's opening.
    void open()
    {
        skip();
        if (m_p == m_last)
            throw ParseError{RegisterFileText::tr("the file is empty; a register file holds a list of records")};
        if (*m_p == '{')
            fail(RegisterFileText::tr("the file holds a single record, not a list of records"));
        if (*m_p != '(')
            fail(RegisterFileText::tr("the file does not hold a list of records (it should begin with \u201c(\u201d)"));
        ++m_p;
    }

    // Reads records to the end of the list and the file, or, when the next
    // record would begin at stop, stops there and says so.
    bool records(const char *stop)
    {
        for (;;) {
            skip();
            if (m_p == stop)
                return true;
            if (m_abandoned && m_abandoned->load(std::memory_order_relaxed))
                throw Abandoned{};
            if (m_p == m_last)
                fail(RegisterFileText::tr("the list of records is not closed with \u201c)\u201d"));
            if (*m_p == ')') {
                ++m_p;
                break;
            }
            if (*m_p != '{')
                fail(RegisterFileText::tr("%1 is not a record (a record begins with \u201c{\u201d)").arg(rowText(m_count)));
            parseRecord(m_count++);
            // What was read a step ago is let go: the latest records may
            // still be in use while the next are read.
            if (m_release && m_p - m_released >= 2 * kReleaseStep) {
                m_release(m_released, m_p - kReleaseStep);
                m_released = m_p - kReleaseStep;
            }
            skip();
            if (m_p == m_last)
                fail(RegisterFileText::tr("the list of records is not closed with \u201c)\u201d"));
            if (*m_p == ',') {
                ++m_p;
                continue;
            }
            if (*m_p == ')')
                continue;
            fail(RegisterFileText::tr("expected \u201c,\u201d or \u201c)\u201d after %1").arg(rowText(m_count - 1)));
        }
        skip();
        if (m_p != m_last)
            fail(RegisterFileText::tr("unexpected text after the end of the list"));
        if (m_sawNonAscii)
            refuseNonText(m_first, m_last);
        return false;
    }

    // Reading on from start, a record's beginning in the middle of the
    // file, as a second reader beside the one that reads from the start.
    // A parser told that it is abandoned stops at its next record.
    void startAt(const char *start, const std::atomic<bool> *abandoned)
    {
        m_p = m_released = start;
        m_abandoned = abandoned;
    }
    // After the rest of the file was read by a second parser: the checks of
    // the whole file that its end left to this one.
    void finishAfter(bool secondSawNonAscii) const
    {
        // Having seen some, the second checked the whole file.
        if (m_sawNonAscii && !secondSawNonAscii)
            refuseNonText(m_first, m_last);
    }
    bool sawNonAscii() const { return m_sawNonAscii; }
    struct Abandoned {
    };

private:
    static constexpr std::ptrdiff_t kReleaseStep = 16 << 20;

    [[noreturn]] void fail(const QString &what) const { failAt(m_p, what); }

    [[noreturn]] void failAt(const char *where, const QString &what) const
    {
        refuseNonText(m_first, m_last);
        throw ParseError{RegisterFileText::tr("line %1: %2").arg(lineAt(m_first, std::min(where, m_last))).arg(what)};
    }

    void note(char c)
    {
        if (c == 0 || static_cast<unsigned char>(c) >= 0x80)
            m_sawNonAscii = true;
    }

    // What each byte can be, looked up once per byte.
    enum CharClass : unsigned char { Bare = 1, Space = 2, QuoteStop = 4 };
    static constexpr std::array<unsigned char, 256> kClasses = [] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c) {
            const bool bare = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
                || c == '$' || c == '/' || c == ':' || c == '.' || c == '-';
            const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
            // Inside a quoted text: the quotes, a backslash, NUL and non-ASCII.
            const bool stop = c == '"' || c == '\'' || c == '\\' || c == 0 || c >= 0x80;
            t[size_t(c)] = (bare ? Bare : 0) | (space ? Space : 0) | (stop ? QuoteStop : 0);
        }
        return t;
    }();
    static bool isBare(char c) { return kClasses[static_cast<unsigned char>(c)] & Bare; }

    // The runs of bytes of one class are stepped through in a local pointer:
    // a member stepped through byte by byte is written back at every byte,
    // as a byte read might be the member itself.
    const char *afterBlanks(const char *p) const
    {
        while (p != m_last && (kClasses[static_cast<unsigned char>(*p)] & Space))
            ++p;
        return p;
    }
    const char *afterBare(const char *p) const
    {
        while (p != m_last && isBare(*p))
            ++p;
        return p;
    }

    // White space and both kinds of comment. Between two tokens there is
    // mostly a blank or two, and no comment: that much is done in place.
    void skip()
    {
        m_p = afterBlanks(m_p);
        if (m_p != m_last && *m_p == '/')
            skipComments();
    }

    // Comments, and the white space between and after them.
    void skipComments()
    {
        while (m_p != m_last) {
            const char c = *m_p;
            if (kClasses[static_cast<unsigned char>(c)] & Space) {
                m_p = afterBlanks(m_p + 1);
            } else if (c == '/' && m_p + 1 != m_last && m_p[1] == '/') {
                while (m_p != m_last && *m_p != '\n' && *m_p != '\r')
                    note(*m_p++);
            } else if (c == '/' && m_p + 1 != m_last && m_p[1] == '*') {
                const char *start = m_p;
                m_p += 2;
                while (m_p + 1 < m_last && !(m_p[0] == '*' && m_p[1] == '/'))
                    note(*m_p++);
                if (m_p + 1 >= m_last)
                    failAt(start, RegisterFileText::tr("a comment is not closed with \u201c*/\u201d"));
                m_p += 2;
            } else {
                return;
            }
        }
    }

    void parseRecord(qsizetype rowIndex)
    {
        ++m_p; // '{'
        m_builder.begin();
        for (;;) {
            skip();
            if (m_p == m_last)
                fail(RegisterFileText::tr("%1 is not closed with \u201c}\u201d").arg(rowText(rowIndex)));
            if (*m_p == '}') {
                ++m_p;
                break;
            }
            QString keyText;
            std::optional<Key> key;
            if (*m_p == '"' || *m_p == '\'') {
                keyText = parseQuoted().toString();
                key = knownKey(keyText);
            } else if (isBare(*m_p)) {
                const char *b = m_p;
                m_p = afterBare(m_p);
                key = knownKey(QLatin1StringView(b, m_p - b));
                if (!key)
                    keyText = QString::fromLatin1(b, m_p - b);
            } else {
                fail(RegisterFileText::tr("expected a key in %1").arg(rowText(rowIndex)));
            }
            // The key as messages name it; made only when one is needed.
            auto keyShown = [&] { return key ? QString(keyName(*key)) : keyText; };
            skip();
            if (m_p == m_last || *m_p != '=')
                failAt(m_p, RegisterFileText::tr("expected \u201c=\u201d after the key %1 in %2").arg(quoted(keyShown()), rowText(rowIndex)));
            ++m_p;
            skip();
            Token value = parseValue(keyShown, rowIndex);
            skip();
            if (m_p != m_last && *m_p == ';')
                ++m_p;
            else if (m_p == m_last || *m_p != '}')
                fail(RegisterFileText::tr("expected \u201c;\u201d after the value of %1 in %2").arg(quoted(keyShown()), rowText(rowIndex)));
            if (key)
                m_builder.set(*key, std::move(value));
            else
                m_builder.setOther(std::move(keyText), std::move(value));
        }
        m_builder.end(rowIndex);
    }

    template <typename KeyName>
    Token parseValue(const KeyName &key, qsizetype rowIndex)
    {
        if (m_p == m_last)
            fail(RegisterFileText::tr("the value of %1 in %2 is missing").arg(quoted(key()), rowText(rowIndex)));
        const char c = *m_p;
        if (c == '"' || c == '\'')
            return parseQuoted();
        if (isBare(c)) {
            const char *b = m_p;
            m_p = afterBare(m_p);
            return Token::bytes(QLatin1StringView(b, m_p - b));
        }
        QString what;
        if (c == '(')
            what = RegisterFileText::tr("a list");
        else if (c == '{')
            what = RegisterFileText::tr("a record");
        else if (c == '<')
            what = RegisterFileText::tr("raw data");
        if (!what.isEmpty())
            fail(RegisterFileText::tr("the value of %1 in %2 is %3; a record holds only texts and numbers").arg(quoted(key()),
                                                                                                  rowText(rowIndex), what));
        fail(RegisterFileText::tr("the value of %1 in %2 is missing").arg(quoted(key()), rowText(rowIndex)));
    }

    // A quoted text with its escapes. Plain ASCII without escapes, by far the
    // most common, is taken as it stands.
    Token parseQuoted()
    {
        const char quote = *m_p;
        const char *start = m_p;
        const char *b = ++m_p;
        bool plain = true;
        const char *p = m_p;
        while (p != m_last && *p != quote) {
            if (!(kClasses[static_cast<unsigned char>(*p)] & QuoteStop)) {
                ++p;
                continue;
            }
            if (*p == '\\') {
                plain = false;
                if (++p == m_last)
                    break;
            } else if (*p == 0 || static_cast<unsigned char>(*p) >= 0x80) {
                plain = false;
                note(*p);
            }
            ++p;
        }
        m_p = p;
        if (m_p == m_last)
            failAt(start, RegisterFileText::tr("a quoted text is not closed"));
        const char *e = m_p++;
        if (plain)
            return Token::bytes(QLatin1StringView(b, e - b));
        // Escapes can only stand for characters; the bytes between them must
        // be UTF-8, or fromUtf8 would put in replacement characters.
        if (m_sawNonAscii)
            refuseNonText(m_first, m_last);
        return Token::text(unescape(b, e));
    }

    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    // A text's escapes: \n and the like, \U with up to four hexadecimal
    // digits, up to three octal digits, and any other character escaped
    // standing for itself.
    QString unescape(const char *b, const char *e) const
    {
        QString out;
        out.reserve(e - b);
        const char *run = b; // start of bytes not yet decoded
        auto flush = [&](const char *upTo) {
            if (upTo > run)
                out += QString::fromUtf8(run, upTo - run);
        };
        for (const char *q = b; q < e;) {
            if (*q != '\\') {
                ++q;
                continue;
            }
            flush(q);
            ++q; // the backslash; the parser made sure a character follows
            const char c = *q++;
            switch (c) {
            case 'a': out += QChar(7); break;
            case 'b': out += QChar(8); break;
            case 'f': out += QChar(12); break;
            case 'n': out += QChar(10); break;
            case 'r': out += QChar(13); break;
            case 't': out += QChar(9); break;
            case 'v': out += QChar(11); break;
            case 'U':
            case 'u': {
                int code = 0, digits = 0;
                while (digits < 4 && q < e && hexDigit(*q) >= 0) {
                    code = code * 16 + hexDigit(*q++);
                    ++digits;
                }
                if (digits == 0)
                    failAt(q - 2, RegisterFileText::tr("the escape \u201c\\%1\u201d in a quoted text has no hexadecimal character code "
                                  "after it").arg(QLatin1Char(c)));
                out += QChar(char16_t(code));
                break;
            }
            default:
                if (c >= '0' && c <= '7') {
                    // Up to three octal digits: one byte, taken as Latin-1.
                    int code = c - '0', digits = 1;
                    while (digits < 3 && q < e && *q >= '0' && *q <= '7') {
                        code = code * 8 + (*q++ - '0');
                        ++digits;
                    }
                    // Reading \777 as some byte would change the text without a word.
                    if (code > 0377)
                        failAt(q - digits - 1, RegisterFileText::tr("the escape \u201c\\%1\u201d in a quoted text is out of range "
                                               "(an octal escape names one byte, \\0 to \\377)").arg(code, 0, 8));
                    out += QChar(char16_t(code));
                } else {
                    // \" \' \\ and any other escaped character stand for themselves.
                    const char *charStart = q - 1;
                    const char *charEnd = q;
                    while (charEnd < e && (static_cast<unsigned char>(*charEnd) & 0xc0) == 0x80)
                        ++charEnd;
                    out += QString::fromUtf8(charStart, charEnd - charStart);
                    q = charEnd;
                }
            }
            run = q;
        }
        flush(e);
        return out;
    }

    Builder &m_builder;
    const char *m_first;
    const char *m_p;
    const char *m_last;
    const char *m_released;
    std::function<void(const char *, const char *)> m_release;
    bool m_sawNonAscii = false;
    qsizetype m_count = 0; // records read
    const std::atomic<bool> *m_abandoned = nullptr;
};

} // namespace registerfile

#include "StatementText.h"

#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes it
// leaves undefined map to the C1 code points, as Windows itself maps them.
constexpr char16_t kCp1252High[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = b >= 0x80 && b < 0xa0 ? kCp1252High[b - 0x80] : char16_t(b);
    }
    return text;
}

} // namespace

qsizetype lineOfPosition(QStringView text, qsizetype index)
{
    qsizetype line = 1;
    for (qsizetype i = 0; i < index; ++i)
        line += text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == index || text[i + 1] != u'\n'));
    return line;
}

DecodedText decodeStatementText(const QByteArray &bytes)
{
    DecodedText d;
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        // A byte-order mark says UTF-16, which is what spreadsheets save as "Unicode text".
        QStringDecoder utf16(bytes.startsWith("\xff\xfe") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        d.text = utf16.decode(QByteArrayView(bytes).sliced(2));
        if (utf16.hasError() || bytes.size() % 2 != 0) {
            d.error = u"the file begins as UTF-16 text but is not valid UTF-16; nothing was imported"_s;
            return d;
        }
    } else {
        // Text that is valid UTF-8 (plain ASCII included) is taken as UTF-8;
        // anything else as Windows-1252, without the UTF-8 byte-order mark an
        // editor may have put before it.
        const QByteArrayView body = bytes.startsWith("\xef\xbb\xbf") ? QByteArrayView(bytes).sliced(3)
                                                                       : QByteArrayView(bytes);
        QStringDecoder utf8(QStringConverter::Utf8);
        d.text = utf8.decode(body);
        if (utf8.hasError())
            d.text = fromWindows1252(body);
    }
    // Text never holds a NUL; a file that does is binary, or UTF-16 that lost
    // its byte-order mark, and its fields would be nonsense.
    const qsizetype nul = d.text.indexOf(QChar(0));
    if (nul >= 0) {
        d.error = u"line %1: the file holds a NUL byte, so it is not text: it is binary data, or UTF-16 text "
                  "without the byte-order mark that tells how to read it; nothing was imported"_s.arg(
                      lineOfPosition(d.text, nul));
        d.text.clear();
    }
    return d;
}

QString withoutControls(QString field)
{
    for (QChar &c : field) {
        if (c != u'\t' && c.category() == QChar::Other_Control)
            c = u' ';
    }
    return field;
}

QString elided(const QString &s)
{
    constexpr qsizetype kShown = 24;
    return s.size() <= kShown ? s : s.first(kShown - 1) + u'\u2026';
}

QString describeWithMemo(const QString &name, const QString &memo)
{
    const QString n = name.trimmed();
    const QString m = memo.trimmed();
    if (m.isEmpty() || n.contains(m, Qt::CaseInsensitive))
        return n;
    if (n.isEmpty() || m.startsWith(n, Qt::CaseInsensitive))
        return m;
    return n + u"; "_s + m;
}

QString checkNumberText(QString cell)
{
    cell = cell.trimmed();
    if (cell.startsWith(u'#'))
        cell.remove(0, 1);
    if (cell.isEmpty() || !std::all_of(cell.cbegin(), cell.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return {};
    qsizetype zeros = 0;
    while (zeros + 1 < cell.size() && cell[zeros] == u'0')
        ++zeros;
    return cell.mid(zeros);
}

#include "Report.h"
#include "ReportLine.h"

#include "DateReader.h"
#include "RegisterFile.h"
#include "RunningBalance.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <string>

using namespace Qt::StringLiterals;
using namespace reportline;

namespace {

// A control character in a text would act on a terminal (ESC begins an
// escape sequence, BEL rings) or break the columns (tab, line feed). Each is
// shown as the symbol Unicode has for it, one character for one, so that the
// columns stay where they are.
bool isControl(char16_t c) { return c < 0x20 || (c >= 0x7f && c < 0xa0); }

char16_t shownCharacter(char16_t c)
{
    if (c < 0x20)
        return char16_t(0x2400 + c); // SYMBOL FOR NULL, ... SYMBOL FOR UNIT SEPARATOR
    if (c == 0x7f)
        return u'\u2421'; // SYMBOL FOR DELETE
    if (c >= 0x80 && c < 0xa0)
        return u'\ufffd';
    return c;
}

// Shows the control characters of out from index from on.
void showControls(QString &out, qsizetype from)
{
    for (qsizetype i = from; i < out.size(); ++i)
        if (isControl(out[i].unicode()))
            out[i] = QChar(shownCharacter(out[i].unicode()));
}

} // namespace

QString withControlsShown(QStringView text)
{
    QString out = text.toString();
    showControls(out, 0);
    return out;
}

namespace reportline {

void appendColumn(QString &out, QLatin1StringView text, qsizetype width, Overflow overflow)
{
    if (text.size() > width && overflow == Overflow::Cut)
        text = text.first(width);
    const qsizetype from = out.size();
    out.append(text);
    showControls(out, from);
    if (text.size() < width)
        out.append(QString(width - text.size(), u' '));
}

void appendColumn(QString &out, QStringView text, qsizetype width, Overflow overflow)
{
    qsizetype padding = 0;
    if (text.size() > width && overflow == Overflow::Cut) {
        qsizetype keep = width;
        // Never split a surrogate pair; a blank keeps the bars in place.
        if (keep > 0 && text[keep - 1].isHighSurrogate()) {
            --keep;
            padding = 1;
        }
        text = text.first(keep);
    }
    const qsizetype from = out.size();
    out.append(text);
    showControls(out, from);
    if (text.size() + padding < width)
        padding = width - text.size();
    if (padding)
        out.append(QString(padding, u' '));
}

void appendColumn(QString &out, const Value &value, qsizetype width, Overflow overflow)
{
    value.visitText([&](auto view) { appendColumn(out, view, width, overflow); });
}

namespace {

// Whether the bytes are all printable ASCII (no control character, no DEL,
// nothing above 127), looked at a word at a time.
bool isPrintableAscii(const char *p, qsizetype n)
{
    constexpr quint64 ones = 0x0101010101010101ull;
    constexpr quint64 highs = 0x8080808080808080ull;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, p + i, sizeof word);
        const quint64 del = word ^ (0x7f * ones);
        // A byte at or above 128; one below 32; one that is 127.
        if ((word & highs) | ((word - 0x20 * ones) & ~word & highs) | ((del - ones) & ~del & highs))
            return false;
    }
    for (; i < n; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if (c < 0x20 || c >= 0x7f)
            return false;
    }
    return true;
}

} // namespace

void appendUtf8Column(Utf8Buffer &out, QLatin1StringView text, qsizetype width, Overflow overflow)
{
    if (text.size() > width && overflow == Overflow::Cut)
        text = text.first(width);
    const size_t blanks = text.size() < width ? size_t(width - text.size()) : 0;
    if (isPrintableAscii(text.data(), text.size())) {
        // The text and its padding in one step: most columns are plain ASCII.
        // A column no wider than kBlanks is laid down as blanks first, in a
        // copy of known size, and the text written over them.
        static constexpr char kBlanks[48] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                             ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                             ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                             ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        const size_t n = size_t(text.size()) + blanks;
        char *p = out.room(std::max(n, sizeof kBlanks));
        if (n <= sizeof kBlanks)
            std::memcpy(p, kBlanks, sizeof kBlanks);
        else
            std::memset(p + text.size(), ' ', blanks);
        if (!text.isEmpty()) // an absent value's text has no data at all
            std::memcpy(p, text.data(), size_t(text.size()));
        out.commit(n);
        return;
    }
    QString shown(text);
    showControls(shown, 0);
    const QByteArray utf8 = shown.toUtf8();
    out.append(utf8.constData(), size_t(utf8.size()));
    out.appendBlanks(blanks);
}

void appendUtf8Column(Utf8Buffer &out, QStringView text, qsizetype width, Overflow overflow)
{
    QString cell;
    appendColumn(cell, text, width, overflow);
    const QByteArray utf8 = cell.toUtf8();
    out.append(utf8.constData(), size_t(utf8.size()));
}

} // namespace reportline

namespace {

// The whole report in chunks of kChunkRows rows.
template <typename Text, typename Sink>
void writeChunks(const Register &reg, const Text &header, Sink &&sink)
{
    Text chunk;
    chunk.reserve(size_t(kChunkRows * 90 + header.size() * (kChunkRows / kReportRowsPerHeader + 2)));
    for (int i = 0; i < reg.count(); ++i) {
        if (i % kReportRowsPerHeader == 0)
            chunk.append(header);
        appendLine(chunk, reg[i]);
        if ((i + 1) % kChunkRows == 0) {
            sink(chunk);
            chunk.clear();
        }
    }
    if (chunk.size() > 0)
        sink(chunk);
}

} // namespace

QString reportHeader()
{
    return u"Check #  | Description"_s + QString(25, u' ') + u" | Date       | Amount    | Total\n"_s
        + QString(86, u'-') + u'\n';
}

QString shownReportHeader()
{
    // The titles stand over the columns of the row lines: the amounts' a
    // blank in from their bar.
    QString line;
    auto title = [&line](const char *text, qsizetype width, QLatin1StringView separator) {
        appendColumn(line, QCoreApplication::translate("Report", text), width, Overflow::Cut);
        line.append(separator);
    };
    //: A column title of the printed register: 8 characters at most.
    title(QT_TRANSLATE_NOOP("Report", "Check #"), 8, QLatin1StringView(" | "));
    //: A column title of the printed register: 36 characters at most.
    title(QT_TRANSLATE_NOOP("Report", "Description"), 36, QLatin1StringView(" | "));
    //: A column title of the printed register: 10 characters at most.
    title(QT_TRANSLATE_NOOP("Report", "Date"), 10, QLatin1StringView(" | "));
    //: A column title of the printed register: 9 characters at most.
    title(QT_TRANSLATE_NOOP("Report", "Amount"), 9, QLatin1StringView(" | "));
    //: A column title of the printed register, the balance after each row.
    line.append(QCoreApplication::translate("Report", "Total"));
    return line + u'\n' + QString(86, u'-') + u'\n';
}

void appendReportLine(QString &out, const Record &record) { appendLine(out, record); }

void appendReportLine(QString &out, const Record &record, const WrittenForms &forms)
{
    if (forms == WrittenForms()) {
        appendLine(out, record);
        return;
    }
    appendLine(out, record.value(Key::CheckNumber), record.value(Key::DescriptionofTransaction),
               Value::text(shownDate(record.value(Key::Date), forms.dateOrder)),
               Value::text(shownNumber(record.value(Key::Amount).toString(), forms.decimalPoint)),
               Value::text(shownNumber(record.value(Key::Total).toString(), forms.decimalPoint)));
}

void writeReport(const Register &reg, const std::function<void(const QString &)> &sink)
{
    writeChunks(reg, reportHeader(), sink);
}

void writeReportUtf8(const Register &reg, const std::function<void(QByteArrayView)> &sink)
{
    Utf8Buffer header;
    header.append(reportHeader().toStdString());
    writeChunks(reg, header, [&](const Utf8Buffer &chunk) { sink(chunk.view()); });
}

QString reportText(const Register &reg)
{
    QString text;
    text.reserve(qsizetype(reg.count()) * 87 + 200);
    writeReport(reg, [&](const QString &chunk) { text.append(chunk); });
    return text;
}

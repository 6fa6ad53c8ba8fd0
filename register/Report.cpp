#include "Report.h"

#include <string>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

enum class Overflow { Cut, Whole };

void appendColumn(QString &out, QLatin1StringView text, qsizetype width, Overflow overflow)
{
    if (text.size() > width && overflow == Overflow::Cut)
        text = text.first(width);
    out.append(text);
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
    out.append(text);
    if (text.size() + padding < width)
        padding = width - text.size();
    if (padding)
        out.append(QString(padding, u' '));
}

void appendColumn(QString &out, const Value &value, qsizetype width, Overflow overflow)
{
    value.visitText([&](auto view) { appendColumn(out, view, width, overflow); });
}

constexpr int kChunkRows = 4096;

// The UTF-8 report is built straight into bytes: nearly every value is short
// ASCII text, copied as it stands.
void appendUtf8Column(std::string &out, QLatin1StringView text, qsizetype width, Overflow overflow)
{
    if (text.size() > width && overflow == Overflow::Cut)
        text = text.first(width);
    bool ascii = true;
    for (char c : text)
        ascii &= static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        out.append(text.data(), size_t(text.size()));
    } else {
        const QByteArray utf8 = QString(text).toUtf8();
        out.append(utf8.constData(), size_t(utf8.size()));
    }
    static constexpr char blanks[] = "                                        ";
    static_assert(sizeof blanks > 36);
    if (text.size() < width)
        out.append(blanks, size_t(width - text.size()));
}

void appendUtf8Column(std::string &out, QStringView text, qsizetype width, Overflow overflow)
{
    QString cell;
    appendColumn(cell, text, width, overflow);
    const QByteArray utf8 = cell.toUtf8();
    out.append(utf8.constData(), size_t(utf8.size()));
}

void appendUtf8Column(std::string &out, const Value &value, qsizetype width, Overflow overflow)
{
    value.visitText([&](auto view) { appendUtf8Column(out, view, width, overflow); });
}

// One row line in either kind of text: the columns and separators are the
// same; only how a value is appended differs.
template <typename Text>
void appendLine(Text &out, const Record &record)
{
    constexpr bool utf16 = std::is_same_v<Text, QString>;
    auto column = [&](Key key, qsizetype width, Overflow overflow, QLatin1StringView separator) {
        if constexpr (utf16)
            appendColumn(out, record.value(key), width, overflow);
        else
            appendUtf8Column(out, record.value(key), width, overflow);
        if constexpr (utf16)
            out.append(separator);
        else
            out.append(separator.data(), size_t(separator.size()));
    };
    column(Key::CheckNumber, 8, Overflow::Cut, QLatin1StringView(" | "));
    column(Key::DescriptionofTransaction, 36, Overflow::Cut, QLatin1StringView(" | "));
    column(Key::Date, 10, Overflow::Cut, QLatin1StringView(" |"));
    column(Key::Amount, 11, Overflow::Whole, QLatin1StringView("|"));
    column(Key::Total, 11, Overflow::Whole, QLatin1StringView("\n"));
}

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

void appendReportLine(QString &out, const Record &record) { appendLine(out, record); }

void writeReport(const Register &reg, const std::function<void(const QString &)> &sink)
{
    writeChunks(reg, reportHeader(), sink);
}

void writeReportUtf8(const Register &reg, const std::function<void(QByteArrayView)> &sink)
{
    writeChunks(reg, reportHeader().toStdString(), [&](const std::string &chunk) {
        sink(QByteArrayView(chunk.data(), qsizetype(chunk.size())));
    });
}

QString reportText(const Register &reg)
{
    QString text;
    text.reserve(qsizetype(reg.count()) * 87 + 200);
    writeReport(reg, [&](const QString &chunk) { text.append(chunk); });
    return text;
}

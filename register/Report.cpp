#include "Report.h"

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
void appendUtf8Column(QByteArray &out, QLatin1StringView text, qsizetype width, Overflow overflow)
{
    if (text.size() > width && overflow == Overflow::Cut)
        text = text.first(width);
    bool ascii = true;
    for (char c : text)
        ascii &= static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        out.append(text.data(), text.size());
    else
        out.append(QString(text).toUtf8());
    if (text.size() < width)
        out.append(width - text.size(), ' ');
}

void appendUtf8Column(QByteArray &out, QStringView text, qsizetype width, Overflow overflow)
{
    QString cell;
    appendColumn(cell, text, width, overflow);
    out.append(cell.toUtf8());
}

void appendUtf8Column(QByteArray &out, const Value &value, qsizetype width, Overflow overflow)
{
    value.visitText([&](auto view) { appendUtf8Column(out, view, width, overflow); });
}

void appendUtf8Line(QByteArray &out, const Record &record)
{
    appendUtf8Column(out, record.value(Key::CheckNumber), 8, Overflow::Cut);
    out.append(" | ");
    appendUtf8Column(out, record.value(Key::DescriptionofTransaction), 36, Overflow::Cut);
    out.append(" | ");
    appendUtf8Column(out, record.value(Key::Date), 10, Overflow::Cut);
    out.append(" |");
    appendUtf8Column(out, record.value(Key::Amount), 11, Overflow::Whole);
    out.append('|');
    appendUtf8Column(out, record.value(Key::Total), 11, Overflow::Whole);
    out.append('\n');
}

} // namespace

QString reportHeader()
{
    return u"Check #  | Description"_s + QString(25, u' ') + u" | Date       | Amount    | Total\n"_s
        + QString(86, u'-') + u'\n';
}

void appendReportLine(QString &out, const Record &record)
{
    appendColumn(out, record.value(Key::CheckNumber), 8, Overflow::Cut);
    out.append(u" | ");
    appendColumn(out, record.value(Key::DescriptionofTransaction), 36, Overflow::Cut);
    out.append(u" | ");
    appendColumn(out, record.value(Key::Date), 10, Overflow::Cut);
    out.append(u" |");
    appendColumn(out, record.value(Key::Amount), 11, Overflow::Whole);
    out.append(u'|');
    appendColumn(out, record.value(Key::Total), 11, Overflow::Whole);
    out.append(u'\n');
}

void writeReport(const Register &reg, const std::function<void(const QString &)> &sink)
{
    const QString header = reportHeader();
    QString chunk;
    chunk.reserve(kChunkRows * 90 + header.size() * (kChunkRows / kReportRowsPerHeader + 2));
    for (int i = 0; i < reg.count(); ++i) {
        if (i % kReportRowsPerHeader == 0)
            chunk.append(header);
        appendReportLine(chunk, reg[i]);
        if ((i + 1) % kChunkRows == 0) {
            sink(chunk);
            chunk.clear();
        }
    }
    if (!chunk.isEmpty())
        sink(chunk);
}

void writeReportUtf8(const Register &reg, const std::function<void(QByteArrayView)> &sink)
{
    const QByteArray header = reportHeader().toUtf8();
    QByteArray chunk;
    chunk.reserve(kChunkRows * 90 + header.size() * (kChunkRows / kReportRowsPerHeader + 2));
    for (int i = 0; i < reg.count(); ++i) {
        if (i % kReportRowsPerHeader == 0)
            chunk.append(header);
        appendUtf8Line(chunk, reg[i]);
        if ((i + 1) % kChunkRows == 0) {
            sink(chunk);
            chunk.clear();
        }
    }
    if (!chunk.isEmpty())
        sink(chunk);
}

QString reportText(const Register &reg)
{
    QString text;
    text.reserve(qsizetype(reg.count()) * 87 + 200);
    writeReport(reg, [&](const QString &chunk) { text.append(chunk); });
    return text;
}

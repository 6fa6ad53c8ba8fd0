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

QString reportText(const Register &reg)
{
    QString text;
    text.reserve(qsizetype(reg.count()) * 87 + 200);
    writeReport(reg, [&](const QString &chunk) { text.append(chunk); });
    return text;
}

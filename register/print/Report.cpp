#include "Report.h"

#include "DateReader.h"
#include "RegisterFile.h"
#include "RunningBalance.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <string>
#include <type_traits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

enum class Overflow { Cut, Whole };

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

namespace {

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

constexpr int kChunkRows = 4096;

// The UTF-8 report is built straight into bytes: nearly every value is short
// ASCII text, copied as it stands into a buffer that grows only when a line
// would not fit.
// Bytes of UTF-8 text, held as they are written: the room is taken without
// being cleared first, as every byte of it is written before it is read.
class Utf8Buffer
{
public:
    Utf8Buffer() = default;
    Utf8Buffer(Utf8Buffer &&other) noexcept { *this = std::move(other); }
    Utf8Buffer &operator=(Utf8Buffer &&other) noexcept
    {
        m_bytes = std::move(other.m_bytes);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_used = std::exchange(other.m_used, 0);
        return *this;
    }

    void reserve(size_t n) { grow(n); }
    // Room for n more bytes at the end; commit says how many were written.
    char *room(size_t n)
    {
        if (m_used + n > m_capacity)
            grow(std::max(m_capacity * 2, m_used + n));
        return m_bytes.get() + m_used;
    }
    void commit(size_t n) { m_used += n; }
    void append(const char *data, size_t n)
    {
        if (n == 0) // an absent value's text has no data at all
            return;
        std::memcpy(room(n), data, n);
        m_used += n;
    }
    void append(const std::string &s) { append(s.data(), s.size()); }
    void append(const Utf8Buffer &other) { append(other.m_bytes.get(), other.m_used); }
    void appendBlanks(size_t n) { std::memset(room(n), ' ', n), m_used += n; }
    size_t size() const { return m_used; }
    void clear() { m_used = 0; }
    QByteArrayView view() const { return QByteArrayView(m_bytes.get(), qsizetype(m_used)); }

private:
    void grow(size_t capacity)
    {
        if (capacity <= m_capacity)
            return;
        auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_used > 0)
            std::memcpy(bigger.get(), m_bytes.get(), m_used);
        m_bytes = std::move(bigger);
        m_capacity = capacity;
    }

    std::unique_ptr<char[]> m_bytes;
    size_t m_capacity = 0;
    size_t m_used = 0;
};

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

// A value, or a text of a shown row.
template <typename Texts>
void appendUtf8Column(Utf8Buffer &out, const Texts &value, qsizetype width, Overflow overflow)
{
    value.visitText([&](auto view) { appendUtf8Column(out, view, width, overflow); });
}

// One column and the separator after it, in either kind of text: the
// columns and separators are the same; only how a value is appended differs.
template <typename Text, typename Value>
void appendCell(Text &out, const Value &value, qsizetype width, Overflow overflow, QLatin1StringView separator)
{
    if constexpr (std::is_same_v<Text, QString>) {
        appendColumn(out, value, width, overflow);
        out.append(separator);
    } else {
        appendUtf8Column(out, value, width, overflow);
        out.append(separator.data(), size_t(separator.size()));
    }
}

// A row line up to its balance, and the line's end with the balance.
template <typename Text, typename Check, typename Description, typename Date, typename Amount>
void appendLineBeforeTotal(Text &out, const Check &check, const Description &description, const Date &date,
                           const Amount &amount)
{
    appendCell(out, check, 8, Overflow::Cut, QLatin1StringView(" | "));
    appendCell(out, description, 36, Overflow::Cut, QLatin1StringView(" | "));
    appendCell(out, date, 10, Overflow::Cut, QLatin1StringView(" |"));
    appendCell(out, amount, 11, Overflow::Whole, QLatin1StringView("|"));
}
template <typename Text, typename Total>
void appendLineTotal(Text &out, const Total &total)
{
    appendCell(out, total, 11, Overflow::Whole, QLatin1StringView("\n"));
}

template <typename Text, typename Check, typename Description, typename Date, typename Amount, typename Total>
void appendLine(Text &out, const Check &check, const Description &description, const Date &date, const Amount &amount,
                const Total &total)
{
    appendLineBeforeTotal(out, check, description, date, amount);
    appendLineTotal(out, total);
}

template <typename Text>
void appendLine(Text &out, const Record &record)
{
    appendLine(out, record.value(Key::CheckNumber), record.value(Key::DescriptionofTransaction),
               record.value(Key::Date), record.value(Key::Amount), record.value(Key::Total));
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

struct Utf8ReportWriter::Pieces {
    std::vector<Utf8Buffer> done;
    Utf8Buffer current;
    Utf8Buffer header;
    // With balances to come: of each row, the bytes written before its
    // balance and the balance from where the rows began.
    struct LaterRow {
        quint32 length;
        Cents total;
    };
    std::vector<LaterRow> later;
};

Utf8ReportWriter::Utf8ReportWriter(Balances balances) : m_pieces(std::make_unique<Pieces>()), m_balances(balances)
{
    m_pieces->header.append(reportHeader().toStdString());
    m_pieces->current.reserve(kChunkRows * 96);
}

Utf8ReportWriter::~Utf8ReportWriter() = default;

void Utf8ReportWriter::add(const Record &record)
{
    if (m_rows % kReportRowsPerHeader == 0)
        m_pieces->current.append(m_pieces->header);
    appendLine(m_pieces->current, record);
    endRow();
}

Cents Utf8ReportWriter::add(const ShownRow &row, Cents previousTotal)
{
    // As a recalculation leaves the row: see rewriteAmountAndCarry.
    char amountText[32];
    const CentsReading amount = row.amount.cents();
    const Cents total = addCents(previousTotal, amount.cents);
    Utf8Buffer &out = m_pieces->current;
    const size_t start = out.size();
    if (m_balances == Balances::AsAdded && m_rows % kReportRowsPerHeader == 0)
        out.append(m_pieces->header);
    if (amount.status == NumberStatus::OutOfRange)
        appendLineBeforeTotal(out, row.checkNumber, row.description, row.date, row.amount);
    else
        appendLineBeforeTotal(out, row.checkNumber, row.description, row.date,
                              QLatin1StringView(amountText, writeMoneyText(amountText, amount.cents)));
    if (m_balances == Balances::Later)
        m_pieces->later.push_back({quint32(out.size() - start), total});
    else
        appendTotal(total);
    endRow();
    return total;
}

void Utf8ReportWriter::appendTotal(Cents total)
{
    char text[32];
    appendLineTotal(m_pieces->current, QLatin1StringView(text, writeShortestDecimal(text, total)));
}

void Utf8ReportWriter::flush(const std::function<void(QByteArrayView)> &sink, const Utf8ReportWriter &later,
                             Cents total)
{
    flush(sink);
    // Each piece of the later rows is made whole in the same buffer and
    // handed on: their text is never held twice.
    const Pieces &from = *later.m_pieces;
    size_t row = 0;
    auto writePiece = [&](const Utf8Buffer &piece) {
        const char *p = piece.view().data();
        const char *end = p + piece.size();
        while (p != end) {
            const Pieces::LaterRow &r = from.later[row++];
            if (m_rows++ % kReportRowsPerHeader == 0)
                m_pieces->current.append(m_pieces->header);
            m_pieces->current.append(p, r.length);
            p += r.length;
            appendTotal(addCents(total, r.total));
        }
        sink(m_pieces->current.view());
        m_pieces->current.clear();
    };
    for (const Utf8Buffer &piece : from.done)
        writePiece(piece);
    writePiece(from.current);
}

void Utf8ReportWriter::endRow()
{
    Pieces &p = *m_pieces;
    if (++m_rows % kChunkRows == 0) {
        p.done.push_back(std::move(p.current));
        p.current = Utf8Buffer();
        p.current.reserve(kChunkRows * 96);
    }
}

void Utf8ReportWriter::flush(const std::function<void(QByteArrayView)> &sink)
{
    Pieces &p = *m_pieces;
    for (const Utf8Buffer &piece : p.done)
        sink(piece.view());
    if (p.current.size() > 0)
        sink(p.current.view());
    p.done.clear();
    p.current.clear();
}

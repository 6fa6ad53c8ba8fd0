// The UTF-8 report built a row at a time, for rows read only to be shown.

#include "Report.h"
#include "ReportLine.h"

#include "RegisterFile.h"
#include "RunningBalance.h"

#include <vector>

using namespace reportline;

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

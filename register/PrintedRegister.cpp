#include "PrintedRegister.h"

#include "AtomicFile.h"
#include "Report.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

QFont printFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Without a platform theme (a headless print) the "system" font is the
    // proportional default, which would scatter the columns.
    if (!QFontInfo(font).fixedPitch()) {
        font.setFamily(u"monospace"_s);
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPointSizeF(kPrintFontPoints);
    return font;
}

} // namespace

void setUpPrintedRegisterPage(QPagedPaintDevice &device)
{
    device.setPageMargins(QMarginsF(kPrintMarginPoints, kPrintMarginPoints, kPrintMarginPoints, kPrintMarginPoints),
                          QPageLayout::Point);
}

namespace {

// Paints report lines, handed out one at a time by nextLine (false at the
// end), on the device's pages.
bool printLines(const std::function<bool(QString &line)> &nextLine, QPagedPaintDevice &device)
{
    setUpPrintedRegisterPage(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    // Measured on the device itself, so that what is measured is what is painted.
    const QFont font = printFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const qreal charWidth = metrics.horizontalAdvance(u'-');
    const qreal lineWidth = charWidth * kPrintColumns + charWidth / 2;
    const qreal scale = std::min<qreal>(1, device.width() / lineWidth);
    painter.scale(scale, scale);
    const qreal pageHeight = device.height() / scale;
    const qreal lineHeight = metrics.lineSpacing();
    // A line wider than the page (a very long amount) goes on over the next
    // line rather than past the margin.
    const qsizetype columns = std::max<qsizetype>(1, qsizetype(device.width() / scale / charWidth));

    const QString header = reportHeader();
    const QStringView titles = QStringView(header).first(header.indexOf(u'\n'));
    qreal y = 0;
    QString text;
    while (nextLine(text)) {
        // Every header block begins a page, so each page opens with the titles.
        if (text == titles && y > 0) {
            if (!device.newPage())
                return false;
            y = 0;
        }
        QStringView line(text);
        do {
            const QStringView piece = line.first(std::min(columns, line.size()));
            line = line.sliced(piece.size());
            if (y + lineHeight > pageHeight && y > 0) {
                if (!device.newPage())
                    return false;
                y = 0;
            }
            painter.drawText(QPointF(0, y + metrics.ascent()), piece.toString());
            y += lineHeight;
        } while (!line.isEmpty());
    }
    return painter.end();
}

} // namespace

bool printReportText(const QString &reportText, QPagedPaintDevice &device)
{
    QStringView rest(reportText);
    return printLines(
        [&](QString &line) {
            if (rest.isEmpty())
                return false;
            const qsizetype end = rest.indexOf(u'\n');
            line = (end < 0 ? rest : rest.first(end)).toString();
            rest = end < 0 ? QStringView() : rest.sliced(end + 1);
            return true;
        },
        device);
}

bool printRegister(const Register &reg, QPagedPaintDevice &device)
{
    // Line by line from the register: a long register's report is never
    // held whole.
    const QStringList header = reportHeader().split(u'\n', Qt::SkipEmptyParts);
    int row = 0;
    int headerLine = 0;
    return printLines(
        [&](QString &line) {
            if (row >= reg.count())
                return false;
            if (row % kReportRowsPerHeader == 0 && headerLine < header.size()) {
                line = header[headerLine++];
                return true;
            }
            line.clear();
            appendReportLine(line, reg[row++]);
            line.chop(1);
            headerLine = 0;
            return true;
        },
        device);
}

QString writeReportPdf(const Register &reg, const QString &path)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setCreator(u"Cheqbook"_s);
        writer.setTitle(QFileInfo(path).completeBaseName());
        if (!printRegister(reg, writer))
            return u"%1 could not be written: the register could not be laid out for printing"_s.arg(
                QFileInfo(path).fileName());
    }
    return writeFileAtomically(path, pdf.data());
}

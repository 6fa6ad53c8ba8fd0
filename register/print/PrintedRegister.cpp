#include "PrintedRegister.h"

#include "AtomicFile.h"
#include "Report.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLocale>
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

// Where lines go on the pages: the report's font, shrunk (never grown) so
// that its widest line fits the page width whole, and how many lines a page
// holds at that size.
struct PageLayout {
    QFont font;
    qreal scale = 1;
    qreal lineHeight = 0;
    qreal ascent = 0;
    int linesPerPage = 1;

    PageLayout(QPagedPaintDevice &device, qsizetype widestLine)
        : font(printFont())
    {
        setUpPrintedRegisterPage(device);
        // Measured on the device itself, so that what is measured is what is painted.
        const QFontMetricsF metrics(font, &device);
        const qreal charWidth = metrics.horizontalAdvance(u'-');
        const qreal lineWidth = charWidth * std::max<qsizetype>(kPrintColumns, widestLine) + charWidth / 2;
        scale = std::min<qreal>(1, device.width() / lineWidth);
        lineHeight = metrics.lineSpacing();
        ascent = metrics.ascent();
        linesPerPage = std::max(1, int(device.height() / scale / lineHeight));
    }
};

// Walks report lines, handed out one at a time by nextLine (false at the
// end), onto pages: every header block begins a page, so each page opens
// with the column titles, and a page that is full goes on on the next.
// place(page from 1, line on the page from 0, text) returns false to stop.
// Returns the number of pages, or -1 when place stopped.
int walkPages(const PageLayout &layout, const std::function<bool(QString &line)> &nextLine,
              const std::function<bool(int page, int lineOnPage, const QString &text)> &place)
{
    const QString header = shownReportHeader();
    const QStringView titles = QStringView(header).first(header.indexOf(u'\n'));
    int page = 1;
    int lineOnPage = 0;
    QString text;
    while (nextLine(text)) {
        if (lineOnPage > 0 && (text == titles || lineOnPage >= layout.linesPerPage)) {
            ++page;
            lineOnPage = 0;
        }
        if (!place(page, lineOnPage, text))
            return -1;
        ++lineOnPage;
    }
    return page;
}

// Paints the pages of the range on the device. False when the device cannot be painted on or
// refuses a new page.
bool paintPages(const std::function<bool(QString &line)> &nextLine, qsizetype widestLine, QPagedPaintDevice &device,
                PageRange range, const PrintWatch &watch, qint64 totalLines)
{
    const PageLayout layout(device, widestLine);
    const int first = std::max(1, range.first);
    const int last = std::max(first, range.last);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(layout.font);
    painter.scale(layout.scale, layout.scale);
    int painted = 0; // the page being painted
    qint64 lines = 0;
    const int pages = walkPages(layout, nextLine, [&](int page, int lineOnPage, const QString &text) {
        if (watch.progress && !watch.progress->advance(++lines, totalLines))
            return false;
        if (page < first)
            return true;
        if (page > last)
            return false;
        if (page != painted) {
            if (painted != 0 && !device.newPage())
                return false;
            painted = page;
        }
        painter.drawText(QPointF(0, lineOnPage * layout.lineHeight + layout.ascent), text);
        return true;
    });
    if (watch.progress && watch.progress->wasCancelled()) {
        // Taken back before anything is sent on.
        if (watch.abort)
            watch.abort();
        painter.end();
        return false;
    }
    // Stopping after the last page asked for is no failure.
    return painter.end() && (pages >= 0 || painted == last);
}

// The report text's lines one at a time, and the widest of them.
std::function<bool(QString &)> textLines(const QString &reportText)
{
    return [rest = QStringView(reportText)](QString &line) mutable {
        if (rest.isEmpty())
            return false;
        const qsizetype end = rest.indexOf(u'\n');
        line = (end < 0 ? rest : rest.first(end)).toString();
        rest = end < 0 ? QStringView() : rest.sliced(end + 1);
        return true;
    };
}

qsizetype widestLine(const std::function<bool(QString &)> &nextLine)
{
    qsizetype widest = 0;
    QString line;
    while (nextLine(line))
        widest = std::max(widest, line.size());
    return widest;
}

// The register's report lines, made one at a time from the register: a long
// register's report is never held whole.
std::function<bool(QString &)> registerLines(const Register &reg, const WrittenForms &forms)
{
    return [&reg, forms, header = shownReportHeader().split(u'\n', Qt::SkipEmptyParts), row = 0,
            headerLine = qsizetype(0)](QString &line) mutable {
        if (row >= reg.count())
            return false;
        if (row % kReportRowsPerHeader == 0 && headerLine < header.size()) {
            line = header[headerLine++];
            return true;
        }
        line.clear();
        appendReportLine(line, reg[row++], forms);
        line.chop(1);
        headerLine = 0;
        return true;
    };
}

} // namespace

bool printReportText(const QString &reportText, QPagedPaintDevice &device)
{
    return paintPages(textLines(reportText), widestLine(textLines(reportText)), device, {}, {}, 0);
}

bool printRegister(const Register &reg, QPagedPaintDevice &device, PageRange range, const PrintWatch &watch,
                   const WrittenForms &forms)
{
    const qint64 lines = reg.count() + 2 * ((qint64(reg.count()) + kReportRowsPerHeader - 1) / kReportRowsPerHeader);
    return paintPages(registerLines(reg, forms), widestLine(registerLines(reg, forms)), device, range, watch, lines);
}

int printedPageCount(const Register &reg, QPagedPaintDevice &device, const WrittenForms &forms)
{
    const PageLayout layout(device, widestLine(registerLines(reg, forms)));
    return walkPages(layout, registerLines(reg, forms), [](int, int, const QString &) { return true; });
}

namespace {

// A PDF on pages of the paper, painted by paint, written to path whole or
// not at all.
QString writePdf(const QString &path, QPageSize::PageSizeId paper, const std::function<bool(QPdfWriter &)> &paint,
                 const std::function<bool()> &cancelled = {})
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(paper));
        writer.setCreator(u"Cheqbook"_s);
        writer.setTitle(QFileInfo(path).completeBaseName());
        if (!paint(writer))
            return QCoreApplication::translate("PrintedRegister",
                                               "%1 could not be written: the report could not be laid out for printing")
                .arg(QFileInfo(path).fileName());
    }
    if (cancelled && cancelled())
        return {}; // nothing is written of a cancelled export
    return writeFileAtomically(path, pdf.data());
}

} // namespace

QString writeReportPdf(const Register &reg, const QString &path, Progress *progress, QPageSize::PageSizeId paper,
                       const WrittenForms &forms)
{
    const QString failure = writePdf(path, paper, [&](QPdfWriter &writer) {
        return printRegister(reg, writer, {}, {progress, {}}, forms) || (progress && progress->wasCancelled());
    }, [progress] { return progress && progress->wasCancelled(); });
    return failure;
}

QString writeTextPdf(const QString &text, const QString &path, QPageSize::PageSizeId paper)
{
    return writePdf(path, paper, [&](QPdfWriter &writer) { return printReportText(text, writer); });
}

QPageSize::PageSizeId paperOfLocale(const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::AnyTerritory:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

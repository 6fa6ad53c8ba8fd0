#include "PrintedRegister.h"

#include "AtomicFile.h"
#include "Report.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

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

// Starts a page before every header block but the first.
void breakPagesBeforeHeaders(QTextDocument &doc)
{
    const QString header = reportHeader();
    const QStringView titles = QStringView(header).first(header.indexOf(u'\n'));
    const QStringView rule = QStringView(header).sliced(titles.size() + 1).chopped(1);
    QTextBlockFormat pageBreak;
    pageBreak.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor cursor(&doc);
    // One edit, so that the layout is redone once rather than once a header.
    cursor.beginEditBlock();
    for (QTextBlock block = doc.firstBlock().next(); block.isValid(); block = block.next()) {
        if (block.text() == titles && block.next().isValid() && block.next().text() == rule) {
            cursor.setPosition(block.position());
            cursor.mergeBlockFormat(pageBreak);
        }
    }
    cursor.endEditBlock();
}

} // namespace

void setUpPrintedRegisterPage(QPagedPaintDevice &device)
{
    device.setPageMargins(QMarginsF(kPrintMarginPoints, kPrintMarginPoints, kPrintMarginPoints, kPrintMarginPoints),
                          QPageLayout::Point);
}

bool printReportText(const QString &reportText, QPagedPaintDevice &device)
{
    setUpPrintedRegisterPage(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    if (reportText.isEmpty())
        return painter.end();

    QTextDocument doc;
    // Laid out in the device's own units, so that what is measured here is
    // what is painted.
    doc.documentLayout()->setPaintDevice(&device);
    doc.setDocumentMargin(0);
    const QFont font = printFont();
    doc.setDefaultFont(font);
    // A line wider than the page (a very long amount) continues on the next
    // line rather than being cut off at the margin.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAnywhere);
    doc.setDefaultTextOption(option);
    // The text's last line end would otherwise make an empty last block, which
    // can spill onto a blank page of its own.
    doc.setPlainText(reportText.endsWith(u'\n') ? reportText.chopped(1) : reportText);
    breakPagesBeforeHeaders(doc);

    const QFontMetricsF metrics(font, &device);
    const qreal lineWidth = metrics.horizontalAdvance(QString(kPrintColumns, u'-')) + metrics.averageCharWidth() / 2;
    const qreal scale = std::min<qreal>(1, device.width() / lineWidth);
    const QSizeF page(device.width() / scale, device.height() / scale);
    doc.setPageSize(page);

    const int pages = doc.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !device.newPage())
            return false;
        const QRectF area(QPointF(0, p * page.height()), page);
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -area.top());
        painter.setClipRect(area);
        // The layout draws every line that touches the area, so the first
        // line of the next page, which starts right at its edge, would be
        // printed below this page's margin as well.
        doc.drawContents(&painter, area.adjusted(0, 1, 0, -1));
        painter.restore();
    }
    return painter.end();
}

bool printRegister(const Register &reg, QPagedPaintDevice &device)
{
    return printReportText(reportText(reg), device);
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

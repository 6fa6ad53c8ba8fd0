#include "CheckPrinter.h"

#include "AtomicFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kPointsPerInch = 72;

// Painting in points on a device of any resolution: lengths are turned into
// the device's units here, while fonts keep their sizes in points, which
// the device turns into its own units itself.
class Sheet
{
public:
    Sheet(QPagedPaintDevice &device, const CheckLayout &layout, QPointF offset)
        : m_device(device), m_layout(layout), m_offset(offset),
          m_scale(qreal(device.logicalDpiX()) / kPointsPerInch, qreal(device.logicalDpiY()) / kPointsPerInch)
    {
    }

    bool begin() { return m_painter.begin(&m_device); }
    void setOffset(QPointF offset) { m_offset = offset; }
    bool end() { return m_painter.end(); }
    bool newPage() { return m_device.newPage(); }
    QPainter &painter() { return m_painter; }

    QPointF at(QPointF points) const { return scaled(points + m_offset); }
    QRectF box(const QRectF &points) const
    {
        return {at(points.topLeft()), QSizeF(points.width() * m_scale.x(), points.height() * m_scale.y())};
    }

    QFont font(const FieldPlace &field) const
    {
        QFont font(m_layout.familyOf(field));
        font.setPointSizeF(field.pointSize);
        font.setBold(field.bold);
        return font;
    }

    // Text on the line-th line of a field's box (in points, placed already):
    // filled with asterisks up to its width when fill says on which side,
    // set narrower when it is wider than the box.
    enum class Fill { None, Before, After };
    void text(const FieldPlace &field, QPointF corner, int line, QString text, Fill fill = Fill::None)
    {
        const QFont font = this->font(field);
        const QFontMetricsF metrics(font, &m_device);
        const QRectF box = this->box(QRectF(corner + field.at + QPointF(0, line * field.lineHeight()),
                                            QSizeF(field.width, field.lineHeight())));
        if (fill != Fill::None && !text.isEmpty()) {
            const qreal star = metrics.horizontalAdvance(u'*');
            const int stars = int(std::floor((box.width() - metrics.horizontalAdvance(text)) / star));
            if (stars > 0)
                text = fill == Fill::Before ? QString(stars, u'*') + text : text + QString(stars, u'*');
        }
        const qreal width = metrics.horizontalAdvance(text);
        const qreal squeeze = width > box.width() ? box.width() / width : 1;
        qreal x = box.left();
        if (field.alignment == FieldAlignment::Right || fill == Fill::Before)
            x = box.right() - width * squeeze;
        else if (field.alignment == FieldAlignment::Center)
            x = box.left() + (box.width() - width * squeeze) / 2;
        const qreal baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
        m_painter.save();
        m_painter.setFont(font);
        m_painter.translate(x, baseline);
        m_painter.scale(squeeze, 1);
        m_painter.drawText(QPointF(0, 0), text);
        m_painter.restore();
    }

    // Words on the lines of a field, broken between words to fit its
    // width; what does not fit the last line is set narrower there, and
    // the last line is filled as fill says.
    void wrapped(const FieldPlace &field, QPointF corner, const QString &text, Fill fill = Fill::None)
    {
        const QFontMetricsF metrics(font(field), &m_device);
        const qreal width = field.width * m_scale.x();
        QStringList lines;
        for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
            if (!lines.isEmpty() && (int(lines.size()) == field.lines ||
                                     metrics.horizontalAdvance(lines.last() + u' ' + word) <= width))
                lines.last() += u' ' + word;
            else
                lines << word;
        }
        for (int i = 0; i < int(lines.size()); ++i)
            this->text(field, corner, i, lines[i], i + 1 == int(lines.size()) ? fill : Fill::None);
    }

    // Lines of their own on the lines of a field; when there are more, the
    // last line holds the rest, so that none of an address is lost.
    void lines(const FieldPlace &field, QPointF corner, QStringList lines)
    {
        if (lines.size() > field.lines)
            lines = lines.first(field.lines - 1) << lines.sliced(field.lines - 1).join(u", "_s);
        for (int i = 0; i < int(lines.size()); ++i)
            text(field, corner, i, lines[i]);
    }

private:
    QPointF scaled(QPointF points) const { return {points.x() * m_scale.x(), points.y() * m_scale.y()}; }

    QPagedPaintDevice &m_device;
    const CheckLayout &m_layout;
    QPointF m_offset;
    QPointF m_scale; // device units per point, across and down
    QPainter m_painter;
};

using Fields = std::array<std::optional<FieldPlace>, kCheckFieldCount>;

void paintFields(Sheet &sheet, const Fields &fields, QPointF corner, const CheckContent &check, bool face)
{
    const auto field = [&](CheckField f) -> const std::optional<FieldPlace> & { return fields[size_t(f)]; };
    if (const auto &f = field(CheckField::Date))
        sheet.text(*f, corner, 0, check.date);
    if (const auto &f = field(CheckField::Payee))
        sheet.wrapped(*f, corner, check.payee);
    if (const auto &f = field(CheckField::Amount))
        sheet.text(*f, corner, 0, check.amount, face ? Sheet::Fill::Before : Sheet::Fill::None);
    if (const auto &f = field(CheckField::Words))
        sheet.wrapped(*f, corner, check.words, face ? Sheet::Fill::After : Sheet::Fill::None);
    if (const auto &f = field(CheckField::Memo))
        sheet.wrapped(*f, corner, check.memo);
    if (const auto &f = field(CheckField::Address))
        sheet.lines(*f, corner, check.address);
    if (const auto &f = field(CheckField::Number))
        sheet.text(*f, corner, 0, check.number);
    if (const auto &f = field(CheckField::Splits)) {
        FieldPlace amountPlace = *f;
        amountPlace.alignment = FieldAlignment::Right;
        const int shown = int(check.splits.size()) > f->lines ? f->lines - 1 : int(check.splits.size());
        for (int i = 0; i < shown; ++i) {
            sheet.text(*f, corner, i, check.splits[size_t(i)].text);
            sheet.text(amountPlace, corner, i, check.splits[size_t(i)].amount);
        }
        if (shown < int(check.splits.size()))
            sheet.text(
                *f, corner, shown,
                QCoreApplication::translate("CheckPrinter", "and %1 more").arg(int(check.splits.size()) - shown));
    }
}

} // namespace

bool printChecks(const std::vector<CheckContent> &checks, const CheckLayout &layout, QPagedPaintDevice &device,
                 const CheckPrintSettings &settings)
{
    setUpCheckPage(device, layout);
    Sheet sheet(device, layout, settings.offset);
    if (!sheet.begin())
        return false;
    const int perSheet = layout.checksPerSheet();
    int place = std::clamp(settings.firstPlace, 1, perSheet) - 1;
    for (size_t i = 0; i < checks.size(); ++i, ++place) {
        if (place == perSheet) {
            if (!sheet.newPage()) {
                sheet.end();
                return false;
            }
            place = 0;
        }
        const QPointF corner = layout.places[size_t(place)];
        paintFields(sheet, layout.faceFields, corner + layout.face.topLeft(), checks[i], true);
        for (const QRectF &stub : layout.stubs)
            paintFields(sheet, layout.stubFields, corner + stub.topLeft(), checks[i], false);
    }
    return sheet.end();
}

bool printAlignmentPage(const CheckLayout &layout, QPagedPaintDevice &device, const CheckPrintSettings &settings)
{
    setUpCheckPage(device, layout);
    Sheet sheet(device, layout, settings.offset);
    if (!sheet.begin())
        return false;
    QPainter &p = sheet.painter();
    const qreal hair = qreal(device.logicalDpiX()) / kPointsPerInch * 0.3; // a third of a point
    FieldPlace label;
    label.pointSize = 6;
    label.width = 60;
    // The grid lies on the paper as it is: the offset moves only what is
    // printed for the checks, so the grid shows how far it moved them.
    sheet.setOffset({});
    p.setPen(QPen(QColor(190, 190, 190), hair));
    for (qreal x = 0; x <= layout.paper.width(); x += kPointsPerInch / 2)
        p.drawLine(sheet.at({x, 0}), sheet.at({x, layout.paper.height()}));
    for (qreal y = 0; y <= layout.paper.height(); y += kPointsPerInch / 2)
        p.drawLine(sheet.at({0, y}), sheet.at({layout.paper.width(), y}));
    p.setPen(QPen(Qt::black, hair));
    for (int inch = 1; inch < int(layout.paper.width() / kPointsPerInch); ++inch)
        sheet.text(label, {inch * kPointsPerInch + 2, 2}, 0, u"%1 in"_s.arg(inch));
    for (int inch = 1; inch < int(layout.paper.height() / kPointsPerInch); ++inch)
        sheet.text(label, {2, inch * kPointsPerInch + 2}, 0, u"%1 in"_s.arg(inch));
    sheet.setOffset(settings.offset);
    for (size_t place = 0; place < layout.places.size(); ++place) {
        const QPointF corner = layout.places[place];
        const auto outline = [&](const QRectF &area, const Fields &fields, const QString &name) {
            p.setPen(QPen(Qt::black, hair * 3));
            p.drawRect(sheet.box(area.translated(corner)));
            FieldPlace title = label;
            title.pointSize = 8;
            sheet.text(title, corner + area.topLeft() + QPointF(4, 4), 0, name);
            p.setPen(QPen(Qt::black, hair));
            for (int f = 0; f < kCheckFieldCount; ++f) {
                if (!fields[size_t(f)])
                    continue;
                const QRectF box = fields[size_t(f)]->box().translated(corner + area.topLeft());
                p.drawRect(sheet.box(box));
                sheet.text(label, box.topLeft() + QPointF(1, 0), 0, checkFieldName(CheckField(f)));
            }
        };
        outline(layout.face, layout.faceFields, QCoreApplication::translate("CheckPrinter", "check %1").arg(place + 1));
        for (const QRectF &stub : layout.stubs)
            outline(stub, layout.stubFields, QCoreApplication::translate("CheckPrinter", "stub"));
    }
    return sheet.end();
}

namespace {

QString writePdf(const QString &path, const std::function<bool(QPdfWriter &)> &paint)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(u"Cheqbook"_s);
        writer.setTitle(QFileInfo(path).completeBaseName());
        if (!paint(writer))
            return QCoreApplication::translate("CheckPrinter",
                                               "%1 could not be written: the checks could not be laid out")
                .arg(QFileInfo(path).fileName());
    }
    return writeFileAtomically(path, pdf.data());
}

} // namespace

int checkSheetCount(int count, const CheckLayout &layout, int firstPlace)
{
    const int perSheet = std::max(1, layout.checksPerSheet());
    const int before = std::clamp(firstPlace, 1, perSheet) - 1;
    return count <= 0 ? 0 : (before + count + perSheet - 1) / perSheet;
}

void setUpCheckPage(QPagedPaintDevice &device, const CheckLayout &layout)
{
    QPageLayout page(QPageSize(layout.paper, QPageSize::Point, {}, QPageSize::ExactMatch), QPageLayout::Portrait,
                     QMarginsF());
    page.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(page);
}

QString writeChecksPdf(const std::vector<CheckContent> &checks, const CheckLayout &layout, const QString &path,
                       const CheckPrintSettings &settings)
{
    return writePdf(path, [&](QPdfWriter &writer) { return printChecks(checks, layout, writer, settings); });
}

QString writeAlignmentPdf(const CheckLayout &layout, const QString &path, const CheckPrintSettings &settings)
{
    return writePdf(path, [&](QPdfWriter &writer) { return printAlignmentPage(layout, writer, settings); });
}

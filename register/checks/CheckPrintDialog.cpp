#include "CheckPrintDialog.h"

#include "CheckPrintMemory.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kPointsPerMillimetre = 72 / 25.4;

qreal pointsPerUnit(LengthUnit unit) { return unit == LengthUnit::Inch ? 72 : kPointsPerMillimetre; }

} // namespace

CheckPrintDialog::CheckPrintDialog(QWidget *parent, Output output, int checks, int toNumber, qint64 proposedFirst)
    : QDialog(parent), m_output(output), m_layouts(checkLayouts())
{
    setWindowTitle(output == Output::Pdf ? tr("Export Checks PDF") : tr("Print Checks"));
    auto *form = new QFormLayout;

    m_layout = new QComboBox(this);
    m_layout->setObjectName(u"layout"_s);
    for (const CheckLayoutEntry &entry : m_layouts)
        m_layout->addItem(entry.reading.layout ? entry.reading.layout->name : entry.id, entry.id);
    form->addRow(tr("Check &stock:"), m_layout);
    m_layoutProblem = new QLabel(this);
    m_layoutProblem->setWordWrap(true);
    m_layoutProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QString(), m_layoutProblem);

    m_printer = new QComboBox(this);
    m_printer->setObjectName(u"printer"_s);
    if (output == Output::Printer) {
        const QString standard = QPrinterInfo::defaultPrinterName();
        m_printer->addItem(standard.isEmpty() ? tr("The default printer") : standard, standard);
        for (const QString &name : QPrinterInfo::availablePrinterNames())
            if (name != standard)
                m_printer->addItem(name, name);
        form->addRow(tr("&Printer:"), m_printer);
    } else {
        m_printer->addItem(tr("PDF"), kPdfPrinterKey);
        m_printer->hide();
    }

    auto *offsets = new QHBoxLayout;
    m_across = new QDoubleSpinBox(this);
    m_across->setObjectName(u"across"_s);
    m_down = new QDoubleSpinBox(this);
    m_down->setObjectName(u"down"_s);
    m_unit = new QComboBox(this);
    m_unit->addItem(tr("mm"), int(LengthUnit::Millimetre));
    m_unit->addItem(tr("in"), int(LengthUnit::Inch));
    offsets->addWidget(new QLabel(tr("right"), this));
    offsets->addWidget(m_across);
    offsets->addWidget(new QLabel(tr("down"), this));
    offsets->addWidget(m_down);
    offsets->addWidget(m_unit);
    auto *offsetRow = new QWidget(this);
    offsetRow->setLayout(offsets);
    offsets->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&Move everything:"), offsetRow);
    m_across->setToolTip(tr("Below zero moves the print left or up; the alignment page shows where it lands"));
    m_down->setToolTip(m_across->toolTip());

    m_start = new QSpinBox(this);
    m_start->setObjectName(u"start"_s);
    form->addRow(tr("Start at chec&k:"), m_start);
    m_start->setToolTip(tr("On a sheet whose first checks are used, the first that is left"));

    m_first = new QSpinBox(this);
    m_first->setObjectName(u"first"_s);
    m_first->setRange(1, INT_MAX);
    m_first->setValue(int(std::clamp<qint64>(proposedFirst, 1, INT_MAX)));
    form->addRow(tr("&First check number:"), m_first);
    m_first->setToolTip(tr("The number printed on the first check of the stock in the printer"));
    if (toNumber == 0) {
        m_first->hide();
        form->labelForField(m_first)->hide();
    }

    QString what;
    if (output == Output::Pdf)
        what = checks == 1 ? tr("One check to export.") : tr("%1 checks to export.").arg(checks);
    else
        what = checks == 1 ? tr("One check to print.") : tr("%1 checks to print.").arg(checks);
    if (toNumber > 0)
        what += u' ' + (toNumber == checks ? tr("Marked to print, they get their numbers now.")
                                           : tr("%1 of them, marked to print, get their numbers now.").arg(toNumber));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(output == Output::Pdf ? tr("&Export\u2026") : tr("&Print\u2026"));
    QPushButton *alignment = buttons->addButton(tr("&Alignment Page\u2026"), QDialogButtonBox::ActionRole);
    alignment->setObjectName(u"alignment"_s);
    alignment->setToolTip(tr("A grid and each field's box, to print on plain paper and hold against a sheet of "
                             "checks to the light"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        remember();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(alignment, &QPushButton::clicked, this, [this] {
        if (const std::optional<CheckRunChoice> c = choice())
            emit alignmentRequested(*c);
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(what, this));
    layout->addLayout(form);
    layout->addWidget(buttons);

    const QSettings settings;
    m_unit->setCurrentIndex(rememberedOffsetUnit(settings) == LengthUnit::Inch ? 1 : 0);
    unitChosen();
    connect(m_unit, &QComboBox::currentIndexChanged, this, &CheckPrintDialog::unitChosen);
    connect(m_layout, &QComboBox::currentIndexChanged, this, &CheckPrintDialog::layoutChosen);
    connect(m_printer, &QComboBox::currentIndexChanged, this, &CheckPrintDialog::printerChosen);
    chooseLayout(rememberedCheckLayout(settings));
    layoutChosen();
    printerChosen();
}

QString CheckPrintDialog::printerKey() const
{
    const QString name = m_printer->currentData().toString();
    return name.isEmpty() ? u"default"_s : name;
}

void CheckPrintDialog::layoutChosen()
{
    const int i = m_layout->currentIndex();
    const CheckLayoutReading *reading = i >= 0 ? &m_layouts[size_t(i)].reading : nullptr;
    const bool readable = reading && reading->layout;
    // A layout of the person's own that cannot be read says why, where it is chosen.
    m_layoutProblem->setText(reading && !readable ? reading->error : QString());
    m_layoutProblem->setVisible(reading && !readable);
    m_ok->setEnabled(readable);
    const int places = readable ? reading->layout->checksPerSheet() : 1;
    m_start->setRange(1, places);
    m_start->setSuffix(tr(" of %1 on the sheet").arg(places));
    m_start->setEnabled(places > 1);
}

void CheckPrintDialog::printerChosen() { setOffset(rememberedCheckOffset(QSettings(), printerKey())); }

void CheckPrintDialog::unitChosen()
{
    const auto unit = LengthUnit(m_unit->currentData().toInt());
    const qreal scale = pointsPerUnit(unit);
    // The same inch of paper in either unit, with a step a printer can move.
    const QPointF before(m_across->value() * m_across->property("points").toDouble(),
                         m_down->value() * m_down->property("points").toDouble());
    for (QDoubleSpinBox *box : {m_across, m_down}) {
        box->setProperty("points", scale);
        box->setDecimals(unit == LengthUnit::Inch ? 3 : 1);
        box->setSingleStep(unit == LengthUnit::Inch ? 0.01 : 0.5);
        box->setRange(-72 / scale, 72 / scale);
    }
    setOffset(before);
}

void CheckPrintDialog::chooseLayout(const QString &id)
{
    const int i = m_layout->findData(id);
    if (i >= 0)
        m_layout->setCurrentIndex(i);
}

void CheckPrintDialog::setOffset(QPointF points)
{
    m_across->setValue(points.x() / m_across->property("points").toDouble());
    m_down->setValue(points.y() / m_down->property("points").toDouble());
}

void CheckPrintDialog::setFirstPlace(int place) { m_start->setValue(place); }

void CheckPrintDialog::setFirstNumber(qint64 number) { m_first->setValue(int(std::clamp<qint64>(number, 1, INT_MAX))); }

std::optional<CheckRunChoice> CheckPrintDialog::choice() const
{
    const int i = m_layout->currentIndex();
    if (i < 0 || !m_layouts[size_t(i)].reading.layout)
        return std::nullopt;
    CheckRunChoice c;
    c.layout = *m_layouts[size_t(i)].reading.layout;
    c.printer = m_printer->currentData().toString();
    c.settings.offset = QPointF(m_across->value() * m_across->property("points").toDouble(),
                                m_down->value() * m_down->property("points").toDouble());
    c.settings.firstPlace = m_start->value();
    c.firstNumber = m_first->value();
    return c;
}

void CheckPrintDialog::remember() const
{
    QSettings settings;
    if (m_layout->currentIndex() >= 0)
        rememberCheckLayout(settings, m_layout->currentData().toString());
    rememberOffsetUnit(settings, LengthUnit(m_unit->currentData().toInt()));
    if (const std::optional<CheckRunChoice> c = choice())
        rememberCheckOffset(settings, printerKey(), c->settings.offset);
}

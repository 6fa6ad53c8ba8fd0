#include "SpendingChart.h"

#include "DateReader.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPieSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

SpendingChart::SpendingChart(RegisterPtr reg, std::function<QDate()> today, QWidget *parent)
    : QWidget(parent), m_register(std::move(reg)), m_today(std::move(today))
{
    setObjectName(u"spendingChart"_s);
    auto *layout = new QVBoxLayout(this);
    auto *choices = new QHBoxLayout;
    auto *fromLabel = new QLabel(tr("&From"), this);
    m_from = new QLineEdit(this);
    m_from->setObjectName(u"from"_s);
    fromLabel->setBuddy(m_from);
    auto *toLabel = new QLabel(tr("&To"), this);
    m_to = new QLineEdit(this);
    m_to->setObjectName(u"to"_s);
    toLabel->setBuddy(m_to);
    // A label with an access key is drawn without kerning but measured with
    // it: "To" lost the edge of its "o".
    for (QLabel *label : {fromLabel, toLabel}) {
        QFont unkerned = label->font();
        unkerned.setKerning(false);
        label->setFont(unkerned);
    }
    for (QLineEdit *field : {m_from, m_to}) {
        field->setPlaceholderText(tr("Leave empty for no limit"));
        // Wide enough for the hint in every language, and no wider.
        field->setMaximumWidth(std::max(170, field->fontMetrics().horizontalAdvance(field->placeholderText()) + 16));
        connect(field, &QLineEdit::editingFinished, this, &SpendingChart::refresh);
    }
    m_kind = new QComboBox(this);
    m_kind->setObjectName(u"kind"_s);
    m_kind->addItems({tr("Bars"), tr("Pie")});
    m_kind->setAccessibleName(tr("Drawn as"));
    connect(m_kind, &QComboBox::currentIndexChanged, this, &SpendingChart::draw);
    m_subcategories = new QCheckBox(tr("&Subcategories"), this);
    m_subcategories->setObjectName(u"subcategories"_s);
    connect(m_subcategories, &QCheckBox::toggled, this, &SpendingChart::refresh);
    choices->addWidget(fromLabel);
    choices->addWidget(m_from);
    choices->addWidget(toLabel);
    choices->addWidget(m_to);
    choices->addWidget(m_kind);
    choices->addWidget(m_subcategories);
    choices->addStretch();
    layout->addLayout(choices);
    m_chart = new QChart;
    m_chart->legend()->setVisible(false);
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setAccessibleName(tr("Spending by category chart"));
    m_view->setAccessibleDescription(tr("Each category's amount is written under it."));
    layout->addWidget(m_view, 1);
    m_total = new QLabel(this);
    m_total->setObjectName(u"total"_s);
    m_total->setWordWrap(true);
    m_total->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_total);
}

void SpendingChart::setDecimalPoint(QChar decimalPoint)
{
    m_decimalPoint = decimalPoint;
    draw();
}

void SpendingChart::setPeriod(const QString &from, const QString &to)
{
    m_from->setText(from);
    m_to->setText(to);
    refresh();
}

void SpendingChart::refresh()
{
    const QDate today = m_today();
    CategoryPeriod period;
    // A day that cannot be read is marked, and the period is left open there.
    for (auto [field, day] : {std::pair{m_from, &period.from}, std::pair{m_to, &period.to}}) {
        const QString text = field->text().trimmed();
        *day = text.isEmpty() ? std::nullopt : readDate(text, today);
        field->setStyleSheet(!text.isEmpty() && !*day ? u"color: red"_s : QString());
    }
    std::vector<CategoryTotal> totals = categoryTotals(*m_register, period, today);
    if (!m_subcategories->isChecked())
        totals = foldedTotals(totals);
    m_spending.clear();
    for (const CategoryTotal &t : totals)
        if (t.amount < 0)
            m_spending.push_back({t.category.isEmpty() ? tr("(no category)") : t.category, -t.amount});
    std::stable_sort(m_spending.begin(), m_spending.end(),
                     [](const Spending &a, const Spending &b) { return a.amount > b.amount; });
    draw();
}

void SpendingChart::draw()
{
    m_chart->removeAllSeries();
    // A removed axis is no longer the chart's: it is deleted here.
    for (QAbstractAxis *axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    Cents total = 0;
    for (const Spending &s : m_spending)
        total += s.amount;
    // The exact figures, for the bars and slices drawn from doubles.
    QStringList figures;
    for (const Spending &s : m_spending)
        figures << u"%1 %2"_s.arg(s.category, shownMoney(s.amount, m_decimalPoint));
    m_total->setText(tr("Spent: %1").arg(shownMoney(total, m_decimalPoint)) + u"  \u2014  "_s
                     + figures.join(u"  \u00b7  "_s));
    if (m_kind->currentIndex() == 1) {
        auto *pie = new QPieSeries;
        for (const Spending &s : m_spending) {
            QPieSlice *slice = pie->append(s.category, double(s.amount) / 100);
            slice->setLabel(u"%1 %2"_s.arg(s.category, shownMoney(s.amount, m_decimalPoint)));
            // Labels of thin slices would lie over each other; their figures
            // are in the line under the chart.
            slice->setLabelVisible(s.amount * 40 >= total);
        }
        m_chart->addSeries(pie);
        return;
    }
    auto *set = new QBarSet(tr("Spent"));
    QStringList names;
    for (const Spending &s : m_spending) {
        // The chart's numbers are for drawing only; the money shown is exact.
        *set << double(s.amount) / 100;
        names << s.category;
    }
    auto *bars = new QBarSeries;
    bars->append(set);
    m_chart->addSeries(bars);
    auto *categories = new QBarCategoryAxis;
    categories->append(names);
    // A name cut short shows only "…": many stand on end, whole.
    categories->setTruncateLabels(false);
    if (names.size() > 8)
        categories->setLabelsAngle(-90);
    m_chart->addAxis(categories, Qt::AlignBottom);
    bars->attachAxis(categories);
    auto *values = new QValueAxis;
    values->setMin(0);
    // The amounts' decimal point, as the figures under the chart have it.
    QLocale decimals(m_decimalPoint == u',' ? QLocale::German : QLocale::English);
    decimals.setNumberOptions(QLocale::OmitGroupSeparator);
    m_chart->setLocale(decimals);
    m_chart->setLocalizeNumbers(true);
    m_chart->addAxis(values, Qt::AlignLeft);
    bars->attachAxis(values);
    values->applyNiceNumbers();
}

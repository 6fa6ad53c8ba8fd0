// The balance page's charts and tables, drawn from the figures the window
// worked out last.
#include "ChartWindow.h"

#include "Forecast.h"
#include "Translations.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QGuiApplication>
#include <QLineSeries>
#include <QScreen>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

double dollars(Cents cents) { return double(cents) / 100.0; }

qint64 msecsAt(QDate day) { return QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch(); }

void removeAxes(QChart *chart)
{
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

} // namespace

void ChartWindow::drawForecast(QDate *last, Cents *low, Cents *high)
{
    const ScheduleBook book = readScheduleBook(*m_register);
    if (book.schedules.empty())
        return;
    const QDate today = m_today();
    const Forecast ahead = forecast(book, lastBalance(*m_register), today, storedHorizon());
    // From where the balance stands today, each scheduled day a step.
    const QDate start = std::max(today, *last);
    QList<QPointF> line{QPointF(double(msecsAt(start)), dollars(ahead.startBalance))};
    for (const ForecastRow &r : ahead.rows)
        line.append(QPointF(double(msecsAt(std::max(start, r.occurrence.when.date))), dollars(r.balance)));
    m_forecastLine->replace(line);
    QPen dashed = m_balanceLine->pen();
    dashed.setStyle(Qt::DashLine);
    m_forecastLine->setPen(dashed);
    *last = std::max({*last, ahead.until, today});
    *low = std::min({*low, ahead.lowest, ahead.reserve});
    *high = std::max(*high, ahead.startBalance);
    for (const ForecastRow &r : ahead.rows)
        *high = std::max(*high, r.balance);
    const QDate from = m_data.balance.empty() ? today : m_data.balance.front().day;
    m_reserveLine->replace({QPointF(double(msecsAt(from)), dollars(ahead.reserve)),
                            QPointF(double(msecsAt(*last)), dollars(ahead.reserve))});
    QPen reserve(QColor(0xb0, 0x00, 0x20));
    reserve.setStyle(Qt::DotLine);
    reserve.setWidthF(1.5);
    m_reserveLine->setPen(reserve);
}

void ChartWindow::drawBalance()
{
    // More points than the screen has pixels across show nothing more.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int width = screen ? screen->geometry().width() : 1920;
    const std::vector<BalancePoint> points = reducedForWidth(m_data.balance, width);
    QList<QPointF> line;
    line.reserve(qsizetype(points.size()));
    Cents low = 0, high = 0;
    for (const BalancePoint &p : points) {
        line.append(QPointF(double(msecsAt(p.day)), dollars(p.balance)));
        low = line.size() == 1 ? p.balance : std::min(low, p.balance);
        high = line.size() == 1 ? p.balance : std::max(high, p.balance);
    }
    m_balanceLine->replace(line);
    removeAxes(m_balanceChart);
    auto *time = new QDateTimeAxis;
    auto *money = new QValueAxis;
    money->setLabelFormat(u"%.0f"_s);
    m_balanceChart->addAxis(time, Qt::AlignBottom);
    m_balanceChart->addAxis(money, Qt::AlignLeft);
    for (QLineSeries *series : {m_balanceLine, m_forecastLine, m_reserveLine}) {
        series->attachAxis(time);
        series->attachAxis(money);
    }
    m_forecastLine->clear();
    m_reserveLine->clear();
    if (points.empty()) {
        m_balanceChart->setTitle(tr("Balance: no transaction to draw in this period"));
        return;
    }
    m_balanceChart->setTitle(tr("Balance"));
    const QDate first = points.front().day;
    QDate last = points.back().day;
    drawForecast(&last, &low, &high);
    const qint64 days = first.daysTo(last);
    time->setFormat(days > 730 ? u"yyyy"_s : days > 62 ? u"MMM yyyy"_s : u"MMM d"_s);
    time->setRange(QDateTime(first.addDays(days == 0 ? -1 : 0), QTime(0, 0)),
                   QDateTime(last.addDays(days == 0 ? 1 : 0), QTime(23, 59)));
    // A little room above and below, without going below nothing for a
    // balance that never did.
    const double margin = std::max(1.0, dollars(high - low) * 0.05);
    const double bottom = dollars(low) - margin;
    money->setRange(low >= 0 ? std::max(0.0, bottom) : bottom, dollars(high) + margin);
    money->applyNiceNumbers();
}

void ChartWindow::drawFlows()
{
    m_flowChart->removeAllSeries();
    removeAxes(m_flowChart);
    m_flowChart->setTitle(m_data.flowsByYear ? tr("Money in and out per year") : tr("Money in and out per month"));
    auto *series = new QBarSeries;
    m_in = new QBarSet(tr("In"));
    m_out = new QBarSet(tr("Out"));
    QStringList categories;
    double top = 0;
    // Months of one year need no year beside each of them: the title has it.
    const bool oneYear = !m_data.flowsByYear && !m_data.flows.empty()
        && m_data.flows.front().start.year() == m_data.flows.back().start.year();
    const QLocale months = m_flowChart->locale();
    if (oneYear)
        m_flowChart->setTitle(tr("Money in and out per month, %1").arg(m_data.flows.front().start.year()));
    for (const MoneyFlow &flow : m_data.flows) {
        *m_in << dollars(flow.in);
        *m_out << dollars(flow.out);
        top = std::max({top, dollars(flow.in), dollars(flow.out)});
        categories << months.toString(flow.start, m_data.flowsByYear ? u"yyyy"_s : oneYear ? u"MMM"_s : u"MMM yy"_s);
    }
    series->append(m_in);
    series->append(m_out);
    m_flowChart->addSeries(series);
    auto *axis = new QBarCategoryAxis;
    axis->append(categories);
    // More months than fit side by side stand on end, whole: cut short,
    // each would show only "…".
    if (categories.size() > 12)
        axis->setLabelsAngle(-90);
    axis->setTruncateLabels(false);
    auto *money = new QValueAxis;
    money->setLabelFormat(u"%.0f"_s);
    money->setRange(0, top > 0 ? top * 1.05 : 1);
    money->applyNiceNumbers();
    m_flowChart->addAxis(axis, Qt::AlignBottom);
    m_flowChart->addAxis(money, Qt::AlignLeft);
    series->attachAxis(axis);
    series->attachAxis(money);
    applyTheme();
}

void ChartWindow::fillFigures()
{
    const std::vector<MoneyFlow> &flows = m_data.flows;
    const QLocale months = m_flowChart->locale();
    m_figures->setRowCount(int(flows.size()));
    auto balance = m_data.balance.begin();
    std::optional<Cents> atEnd;
    for (size_t row = 0; row < flows.size(); ++row) {
        // The balance after the period's last point, or the one before it
        // when the period had none.
        const std::optional<QDate> next = row + 1 < flows.size() ? std::optional(flows[row + 1].start) : std::nullopt;
        for (; balance != m_data.balance.end() && (!next || balance->day < *next); ++balance)
            atEnd = balance->balance;
        const MoneyFlow &flow = flows[row];
        const QStringList cells{months.toString(flow.start, m_data.flowsByYear ? u"yyyy"_s : u"MMM yyyy"_s),
                                shownMoney(flow.in, m_decimalPoint), shownMoney(flow.out, m_decimalPoint),
                                atEnd ? shownMoney(*atEnd, m_decimalPoint) : QString()};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_figures->setItem(int(row), column, item);
        }
    }
}

void ChartWindow::fillPayees()
{
    m_payees->setRowCount(int(m_data.payees.size()));
    for (int row = 0; row < int(m_data.payees.size()); ++row) {
        const PayeeTotal &payee = m_data.payees[size_t(row)];
        auto *spent = new QTableWidgetItem(shownMoney(payee.spent, m_decimalPoint));
        spent->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *count = new QTableWidgetItem(QString::number(payee.count));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_payees->setItem(row, 0, new QTableWidgetItem(payee.payee));
        m_payees->setItem(row, 1, spent);
        m_payees->setItem(row, 2, count);
    }
}

QStringList ChartWindow::barCategories() const
{
    for (QAbstractAxis *axis : m_flowChart->axes(Qt::Horizontal))
        if (auto *categories = qobject_cast<QBarCategoryAxis *>(axis))
            return categories->categories();
    return {};
}

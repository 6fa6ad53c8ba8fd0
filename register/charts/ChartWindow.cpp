#include "ChartWindow.h"

#include "PaletteColors.h"
#include "Progress.h"
#include "Translations.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct PeriodChoice {
    const char *name;
    ChartPeriod period;
};
const PeriodChoice kPeriods[] = {{QT_TRANSLATE_NOOP("ChartWindow", "All time"), ChartPeriod::All},
                                 {QT_TRANSLATE_NOOP("ChartWindow", "This month"), ChartPeriod::ThisMonth},
                                 {QT_TRANSLATE_NOOP("ChartWindow", "Last 3 months"), ChartPeriod::LastThreeMonths},
                                 {QT_TRANSLATE_NOOP("ChartWindow", "Last 12 months"), ChartPeriod::LastTwelveMonths},
                                 {QT_TRANSLATE_NOOP("ChartWindow", "This year"), ChartPeriod::ThisYear},
                                 {QT_TRANSLATE_NOOP("ChartWindow", "Last year"), ChartPeriod::LastYear}};

QChartView *chartView(QChart *chart, QWidget *parent)
{
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

} // namespace

ChartWindow::ChartWindow(RegisterPtr reg, std::function<QDate()> today, ProgressSource progress, QWidget *parent)
    : QWidget(parent, Qt::Window), m_register(std::move(reg)), m_today(std::move(today)),
      m_progress(std::move(progress))
{
    setObjectName(u"ChartWindow"_s);
    auto *windowLayout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(u"chartPages"_s);
    m_pages->setAccessibleName(tr("Charts"));
    m_pages->setDocumentMode(true);
    windowLayout->addWidget(m_pages);
    auto *balancePage = new QWidget(m_pages);
    balancePage->setObjectName(u"balancePage"_s);
    auto *layout = new QVBoxLayout(balancePage);

    auto *top = new QHBoxLayout;
    m_period = new QComboBox(this);
    m_period->setObjectName(u"chartPeriod"_s);
    for (const PeriodChoice &choice : kPeriods)
        m_period->addItem(tr(choice.name));
    auto *periodLabel = new QLabel(tr("&Period:"), this);
    periodLabel->setBuddy(m_period);
    auto *save = new QPushButton(tr("&Save as PNG\u2026"), this);
    auto *print = new QPushButton(tr("P&rint\u2026"), this);
    top->addWidget(periodLabel);
    top->addWidget(m_period);
    top->addStretch(1);
    top->addWidget(save);
    top->addWidget(print);
    layout->addLayout(top);

    // Everything that is saved and printed.
    m_pictureArea = new QWidget(this);
    auto *picture = new QVBoxLayout(m_pictureArea);
    picture->setContentsMargins(0, 0, 0, 0);
    m_balanceChart = new QChart;
    // Month names in the language of the window's other words.
    m_balanceChart->setLocale(textLocale());
    m_balanceChart->setTitle(tr("Balance"));
    m_balanceChart->legend()->hide();
    m_balanceLine = new QLineSeries;
    m_balanceLine->setName(tr("Balance"));
    m_balanceChart->addSeries(m_balanceLine);
    m_forecastLine = new QLineSeries;
    m_forecastLine->setName(tr("Scheduled"));
    m_balanceChart->addSeries(m_forecastLine);
    m_reserveLine = new QLineSeries;
    m_reserveLine->setName(tr("Reserve"));
    m_balanceChart->addSeries(m_reserveLine);
    m_balanceView = chartView(m_balanceChart, m_pictureArea);
    m_balanceView->setAccessibleName(tr("Balance chart"));
    m_balanceView->setAccessibleDescription(tr("Its figures are in the table below it."));
    picture->addWidget(m_balanceView, 3);
    m_leftOut = new QLabel(m_pictureArea);
    m_leftOut->setObjectName(u"leftOut"_s);
    m_leftOut->setWordWrap(true);
    picture->addWidget(m_leftOut);

    auto *bottom = new QHBoxLayout;
    m_flowChart = new QChart;
    m_flowChart->setLocale(textLocale());
    m_flowView = chartView(m_flowChart, m_pictureArea);
    m_flowView->setAccessibleName(tr("Money in and out chart"));
    m_flowView->setAccessibleDescription(tr("Its figures are in the table beside it."));
    bottom->addWidget(m_flowView, 3);
    m_payees = new QTableWidget(0, 3, m_pictureArea);
    m_payees->setObjectName(u"payees"_s);
    m_payees->setHorizontalHeaderLabels({tr("Took the most"), tr("Spent"), tr("Transactions")});
    m_payees->verticalHeader()->hide();
    m_payees->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_payees->setSelectionMode(QAbstractItemView::NoSelection);
    m_payees->setAccessibleName(tr("Payees that took the most"));
    m_payees->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_payees->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_payees->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_payees->verticalHeader()->setDefaultSectionSize(m_payees->fontMetrics().height() + 8);
    m_figures = new QTableWidget(0, 4, m_pictureArea);
    m_figures->setObjectName(u"chartFigures"_s);
    m_figures->setAccessibleName(tr("The charts' figures"));
    m_figures->setAccessibleDescription(tr("Each period's money in and out, and the balance at its end"));
    m_figures->setHorizontalHeaderLabels({tr("Period"), tr("In"), tr("Out"), tr("Balance")});
    m_figures->verticalHeader()->hide();
    m_figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_figures->setSelectionMode(QAbstractItemView::NoSelection);
    m_figures->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_figures->verticalHeader()->setDefaultSectionSize(m_figures->fontMetrics().height() + 8);
    bottom->addWidget(m_figures, 2);
    bottom->addWidget(m_payees, 2);
    picture->addLayout(bottom, 2);
    layout->addWidget(m_pictureArea, 1);
    m_pages->addTab(balancePage, tr("&Balance"));
    m_pageWork.push_back({[this] { refresh(); }});
    connect(m_pages, &QTabWidget::currentChanged, this, &ChartWindow::pageShown);

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &ChartWindow::refreshShownPage);
    connect(m_period, &QComboBox::currentIndexChanged, this, &ChartWindow::refresh);
    connect(save, &QPushButton::clicked, this, &ChartWindow::saveRequested);
    connect(print, &QPushButton::clicked, this, &ChartWindow::printRequested);
    applyTheme();
    resize(1000, 720);
}

ChartWindow::~ChartWindow() = default;

ChartPeriod ChartWindow::period() const { return kPeriods[std::max(0, m_period->currentIndex())].period; }

void ChartWindow::setPeriod(ChartPeriod period)
{
    for (int i = 0; i < int(std::size(kPeriods)); ++i)
        if (kPeriods[i].period == period)
            m_period->setCurrentIndex(i);
}

void ChartWindow::scheduleRefresh() { m_refreshTimer->start(); }

void ChartWindow::refreshShownPage() { showPageAnew(shownPage()); }

void ChartWindow::showPageAnew(QWidget *page)
{
    m_refreshTimer->stop();
    for (Page &work : m_pageWork)
        work.stale = true;
    m_pages->setCurrentWidget(page); // worked out as it is shown,
    pageShown(m_pages->currentIndex()); // or here when it was shown already
}

void ChartWindow::pageShown(int index)
{
    if (index < 0 || index >= int(m_pageWork.size()) || !m_pageWork[size_t(index)].stale)
        return;
    m_pageWork[size_t(index)].stale = false;
    m_pageWork[size_t(index)].refresh();
}

void ChartWindow::addPage(QWidget *page, const QString &title, std::function<void()> refresh)
{
    m_pageWork.push_back({std::move(refresh)});
    m_pages->addTab(page, title);
}

QWidget *ChartWindow::shownPage() const { return m_pages->currentWidget(); }

void ChartWindow::refresh()
{
    // The progress indicator lets events through: one of them asking for
    // the charts again is answered once this drawing is done.
    if (m_refreshing) {
        scheduleRefresh();
        return;
    }
    m_pageWork.front().stale = false;
    const QDate today = m_today();
    {
        m_refreshing = true;
        const std::unique_ptr<Progress> progress = m_progress ? m_progress() : nullptr;
        m_data = chartData(*m_register, periodSpan(period(), today), today, 48, 10, progress.get());
        m_refreshing = false;
    }
    drawBalance();
    drawFlows();
    fillPayees();
    fillFigures();
    m_leftOut->setText(leftOutText());
    m_leftOut->setVisible(m_data.unreadableDates > 0);
}

void ChartWindow::setDecimalPoint(QChar decimalPoint)
{
    m_decimalPoint = decimalPoint;
    fillPayees();
    fillFigures();
    emit decimalPointChanged(decimalPoint);
}

QString ChartWindow::leftOutText() const
{
    const int n = m_data.unreadableDates;
    if (n == 0)
        return {};
    return n == 1 ? tr("1 transaction is left out of the charts: Cheqbook cannot read its date.")
                  : tr("%1 transactions are left out of the charts: Cheqbook cannot read their dates.").arg(n);
}

void ChartWindow::applyTheme()
{
    // The charts follow the desktop's palette, and the bars' green and red
    // are made to read on the chart's own background.
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    const QChart::ChartTheme theme = dark ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    for (QChart *chart : {m_balanceChart, m_flowChart})
        if (chart->theme() != theme)
            chart->setTheme(theme);
    if (!m_in)
        return;
    const QColor background = m_flowChart->backgroundBrush().color();
    m_in->setColor(readableOn(QColor(0x1a, 0x7f, 0x37), {background}, 3));
    m_out->setColor(readableOn(QColor(0xc0, 0x1c, 0x28), {background}, 3));
}

void ChartWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyTheme();
}

QPixmap ChartWindow::picture() const { return m_pictureArea->grab(); }

void ChartWindow::paint(QPainter &painter, const QRect &page) const
{
    const QSize size = m_pictureArea->size();
    if (size.isEmpty() || page.isEmpty())
        return;
    const double scale = std::min(double(page.width()) / size.width(), double(page.height()) / size.height());
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    m_pictureArea->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
}

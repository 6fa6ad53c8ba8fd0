#pragma once

// A picture of a register's money, in a window of its own: the balance over
// time, money in and out month by month, and the payees that took the most
// over a chosen period. It draws what chartData() works out and works it
// out again when asked; the register window asks whenever the register
// changes, and saves and prints what it shows. Other pictures of the money
// are pages beside it; only the page shown is worked out again, the others
// when they are shown.

#include "ChartData.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class Progress;
class QBarSet;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPainter;
class QTabWidget;
class QTableWidget;
class QTimer;

class ChartWindow : public QWidget
{
    Q_OBJECT

public:
    // today gives the day the periods are counted back from; progress an
    // indicator for working out the charts of a long register.
    using ProgressSource = std::function<std::unique_ptr<Progress>()>;
    ChartWindow(RegisterPtr reg, std::function<QDate()> today, ProgressSource progress = {},
                QWidget *parent = nullptr);
    ~ChartWindow() override;

    // Works everything out again from the register and draws it.
    void refresh();
    // A refresh of the page shown once the events of the moment are over,
    // however many changes ask for one; the other pages are worked out
    // again when they are shown.
    void scheduleRefresh();
    // The page shown worked out again now, the others when they are shown.
    void refreshShownPage();

    // A page beside the balance's, with its title and its own way of being
    // worked out again.
    void addPage(QWidget *page, const QString &title, std::function<void()> refresh);
    // Every page out of date, and this one shown and worked out again.
    void showPageAnew(QWidget *page);
    QWidget *shownPage() const;

    // The decimal separator the payees' totals are shown with.
    void setDecimalPoint(QChar decimalPoint);

    ChartPeriod period() const;
    void setPeriod(ChartPeriod period);
    const ChartData &data() const { return m_data; }

    // What is drawn.
    QLineSeries *balanceSeries() const { return m_balanceLine; }
    // The scheduled days ahead (dashed) and the register's reserve, drawn
    // when the register has schedules.
    QLineSeries *forecastSeries() const { return m_forecastLine; }
    QLineSeries *reserveSeries() const { return m_reserveLine; }
    QBarSet *inBars() const { return m_in; }
    QBarSet *outBars() const { return m_out; }
    QStringList barCategories() const;
    QTableWidget *payeeTable() const { return m_payees; }
    QString leftOutText() const;

    // The charts and the table as one picture, and drawn to fit a page.
    QPixmap picture() const;
    void paint(QPainter &painter, const QRect &page) const;

signals:
    void saveRequested();
    void printRequested();
    void decimalPointChanged(QChar decimalPoint);

protected:
    void changeEvent(QEvent *event) override;

private:
    void drawBalance();
    // The forecast from the balance's last point; the days and the lowest
    // and highest balances it reaches widen those given.
    void drawForecast(QDate *last, Cents *low, Cents *high);
    void drawFlows();
    void fillPayees();
    // What the charts draw, as a table a screen reader and a keyboard reach.
    void fillFigures();
    void applyTheme();
    void pageShown(int index);

    RegisterPtr m_register;
    std::function<QDate()> m_today;
    ProgressSource m_progress;
    ChartData m_data;
    QComboBox *m_period = nullptr;
    QWidget *m_pictureArea = nullptr;
    QChart *m_balanceChart = nullptr;
    QChart *m_flowChart = nullptr;
    QChartView *m_balanceView = nullptr;
    QChartView *m_flowView = nullptr;
    QLineSeries *m_balanceLine = nullptr;
    QLineSeries *m_forecastLine = nullptr;
    QLineSeries *m_reserveLine = nullptr;
    QBarSet *m_in = nullptr;
    QBarSet *m_out = nullptr;
    QLabel *m_leftOut = nullptr;
    QLabel *m_flowTitle = nullptr;
    QTableWidget *m_payees = nullptr;
    QTableWidget *m_figures = nullptr;
    QChar m_decimalPoint = u'.';
    QTimer *m_refreshTimer = nullptr;
    QTabWidget *m_pages = nullptr;
    struct Page {
        std::function<void()> refresh;
        bool stale = true;
    };
    std::vector<Page> m_pageWork; // by the pages' order; the balance's first
    bool m_refreshing = false;
};

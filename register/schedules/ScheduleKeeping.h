#pragma once

// The register window's schedules: the forecast shown below the register
// (greyed, not rows of it), "Lowest ahead" in the status bar, what came due
// offered when the register opens and when a day passes, and the windows
// that add, change and remove schedules. Every question goes through the
// Toolkit; every change is one step of the document's history.

#include "Forecast.h"
#include "WrittenForms.h"

#include <QDateTime>
#include <QObject>

#include <vector>

class MyDocument;
class QLabel;
class QMainWindow;
class QMenu;
class QTableView;
class QTimer;
class QTreeWidget;
class Toolkit;

class ScheduleKeeping : public QObject
{
    Q_OBJECT

public:
    // The forecast goes below table, in its layout; the figure into the
    // window's status bar.
    ScheduleKeeping(MyDocument &document, Toolkit &toolkit, QMainWindow *window, QTableView *table,
                    const WrittenForms &forms);

    // Register > Schedules: the list, with New, Change and Remove.
    void showList();
    // A new schedule filled in from this one (the entry fields', a row's).
    void newSchedule(const Schedule &from);
    // A new schedule repeating the row monthly from its date on (the row
    // itself being that date's occurrence).
    void repeatRow(int row);
    void suggest();
    void askReserve();
    // Enters what is due to enter itself, and asks about the rest; when
    // sayNothingDue, says so when nothing is.
    void offerDue(bool sayNothingDue = false);
    // Called now and then (each minute): when the day is no longer the one
    // last seen, offers what came due since; and what was put off with
    // Later, once kAskAgainAfter has passed.
    void dayMayHavePassed();
    static constexpr int kAskAgainAfter = 60 * 60; // seconds

    // How far the forecast looks: kept as a preference for every register.
    Horizon horizon() const;
    void setHorizon(Horizon horizon);
    // Its choices (30, 60, 90 days, until the next income), checkable.
    void addHorizonActions(QMenu *menu);

    const Forecast &forecast() const { return m_forecast; }
    QLabel *lowestAhead() const { return m_lowest; }
    QTreeWidget *forecastView() const { return m_view; }

public slots:
    // The forecast and the figure worked out again, as the register stands.
    void refresh();
    // The register was read again from its file: the schedules are looked for anew.
    void registerReplaced();

signals:
    // The register changed: the rows to select, as they now stand.
    void registerChanged(const std::vector<int> &rows);
    // A short word on what was done, for the status bar.
    void said(const QString &message);

private:
    void editSchedule(int id);
    bool runEditor(const QString &title, Schedule &schedule);
    void refuse(const QString &title, const QString &why);
    // Rows entered at the end of the register, told as changed.
    void tellEntered(int count);
    void refreshSoon();
    // The row the schedules are kept on (-1: none), looked up cheaply after an edit.
    int bookRow();

    MyDocument &m_document;
    Toolkit &m_toolkit;
    QMainWindow *m_window;
    const WrittenForms &m_forms;
    QTreeWidget *m_view = nullptr;
    QLabel *m_lowest = nullptr;
    QTimer *m_clock = nullptr;
    Forecast m_forecast;
    QDate m_day;
    QDateTime m_askAgainAt; // after Later; invalid while nothing was put off
    bool m_offering = false;
    bool m_refreshPending = false;
    int m_bookRow = -1;
    bool m_searched = false;
};

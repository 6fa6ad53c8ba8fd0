// The register window's commands for schedules: each reads what the window
// holds (the entry fields, the selection) and hands it to the window's
// ScheduleKeeping.

#include "MyWindowController.h"

#include "Category.h"
#include "DateReader.h"
#include "EntryForm.h"
#include "ScheduleKeeping.h"
#include "descriptionfield.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

void MyWindowController::buildSchedules()
{
    m_schedules = new ScheduleKeeping(*myDocument, m_toolkit, m_window, table, m_forms);
    m_schedules->addHorizonActions(m_schedulesMenu);
    connect(m_schedules, &ScheduleKeeping::registerChanged, this, [this](const std::vector<int> &rows) {
        reloadData();
        selectRows(rows);
        if (!rows.empty())
            scrollRowToVisible(rows.back());
    });
    connect(m_schedules, &ScheduleKeeping::said, this,
            [this](const QString &message) { m_window->statusBar()->showMessage(message, 10000); });
}

void MyWindowController::showSchedules(QObject *) { m_schedules->showList(); }

void MyWindowController::newScheduleFromEntry(QObject *)
{
    const EntryForm::Fields &fields = m_entry->fields();
    Schedule s;
    s.description = fields.description->text().trimmed();
    s.checkNumber = fields.checkNumber->text().trimmed();
    s.category = normalizedCategory(fields.category->text());
    if (const CentsReading amount = readTypedAmount(fields.amount->text(), m_forms.decimalPoint); amount.ok())
        s.amount = amount.cents;
    if (const std::optional<QDate> date = readTypedDate(fields.date->text(), m_forms.dateOrder, m_toolkit.today()))
        s.recurrence.start = *date;
    m_schedules->newSchedule(s);
}

void MyWindowController::repeatTransaction(QObject *)
{
    if (numberOfSelectedRows() != 1) {
        m_window->statusBar()->showMessage(tr("Select the one transaction to repeat."), 6000);
        return;
    }
    m_schedules->repeatRow(selectedRegisterRows().front());
}

void MyWindowController::enterDueSchedules(QObject *) { m_schedules->offerDue(true); }

void MyWindowController::suggestSchedules(QObject *) { m_schedules->suggest(); }

void MyWindowController::setScheduleReserve(QObject *) { m_schedules->askReserve(); }

#pragma once

// The windows of the schedules: the list of what came due, a schedule's
// editor, the list of schedules and the suggestions. Each shows what it is
// given and hands back the person's choice; ScheduleKeeping makes the
// changes, each one step of the document's history.

#include "ScheduleBook.h"
#include "ScheduleSuggest.h"
#include "WrittenForms.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTreeWidget;

// "3 scheduled transactions are due": Enter or Skip the ticked ones (all of
// them to begin with), or Later, which leaves them to be offered again (in an
// hour, and at the next open).
class DueDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Choice { Later, Enter, Skip };
    struct Line {
        Occurrence occurrence;
        QString description;
    };
    DueDialog(QWidget *parent, std::vector<Line> due, const WrittenForms &forms);

    Choice choice() const { return m_choice; }
    std::vector<Occurrence> ticked() const;
    QTreeWidget *list() const { return m_list; }
    // As the buttons do.
    void choose(Choice choice);

private:
    std::vector<Line> m_due;
    QTreeWidget *m_list = nullptr;
    Choice m_choice = Choice::Later;
};

// A schedule's fields: the transaction, how often, from when and until
// when, the weekend, the estimate and whether it enters itself. OK is
// refused, saying why, while the schedule cannot be kept.
class ScheduleEditor : public QDialog
{
    Q_OBJECT

public:
    ScheduleEditor(QWidget *parent, const QString &title, const Schedule &schedule, const WrittenForms &forms);

    // The schedule as filled in (its id and marks as given); why it cannot
    // be kept, when it cannot.
    Schedule schedule(QString *problem = nullptr) const;
    void accept() override;

private:
    void showFitting();

    Schedule m_given;
    WrittenForms m_forms;
    QLineEdit *m_description, *m_amount, *m_check;
    QSpinBox *m_every;
    QComboBox *m_period, *m_monthlyOn, *m_weekend, *m_ending;
    QComboBox *m_week, *m_weekday; // "the second Tuesday"
    QSpinBox *m_day, *m_times, *m_tolerance;
    QDateEdit *m_start, *m_until;
    QCheckBox *m_estimate, *m_auto;
    QLabel *m_problem;
};

// The register's schedules with their next dates: New, Change, Remove.
class ScheduleListDialog : public QDialog
{
    Q_OBJECT

public:
    ScheduleListDialog(QWidget *parent, const WrittenForms &forms);
    void fill(const ScheduleBook &book);
    QTreeWidget *list() const { return m_list; }

signals:
    void newAsked();
    void changeAsked(int id);
    void removeAsked(int id);

private:
    int currentId() const;

    WrittenForms m_forms;
    QTreeWidget *m_list = nullptr;
};

// Payees that came round regularly, each with its evidence, to be added as
// schedules (the ticked ones; none is ticked to begin with).
class SuggestDialog : public QDialog
{
    Q_OBJECT

public:
    SuggestDialog(QWidget *parent, std::vector<Suggestion> suggestions);
    std::vector<Schedule> ticked() const;
    QTreeWidget *list() const { return m_list; }

private:
    std::vector<Suggestion> m_suggestions;
    QTreeWidget *m_list = nullptr;
};

// "every 2 weeks on Friday, 26 times", "monthly on the 1st, until 12/31/2027".
QString howOftenText(const Recurrence &r, const WrittenForms &forms);

#include "ScheduleDialogs.h"

#include "DateReader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QTreeWidget *listOf(QWidget *parent, const QStringList &columns)
{
    auto *list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(columns);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setMinimumWidth(520);
    return list;
}

void alignAmount(QTreeWidgetItem *item, int column) { item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter); }

// A row's label whose access key goes to the first of the row's fields.
QLabel *labelFor(const QString &text, QWidget *field, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

} // namespace

QString howOftenText(const Recurrence &r, const WrittenForms &forms)
{
    QString text = recurrenceText(r);
    if (r.ending == Ending::AfterTimes)
        text += r.times == 1 ? DueDialog::tr(", once") : DueDialog::tr(", %n times", nullptr, r.times);
    else if (r.ending == Ending::OnDate)
        text += DueDialog::tr(", until %1").arg(writtenDate(r.until, forms.dateOrder));
    return text;
}

// --- The due list.

DueDialog::DueDialog(QWidget *parent, std::vector<Line> due, const WrittenForms &forms)
    : QDialog(parent), m_due(std::move(due))
{
    setWindowTitle(tr("Scheduled Transactions"));
    auto *layout = new QVBoxLayout(this);
    const int count = int(m_due.size());
    layout->addWidget(new QLabel(count == 1 ? tr("1 scheduled transaction is due.")
                                            : tr("%n scheduled transactions are due.", nullptr, count),
                                 this));
    m_list = listOf(this, {tr("Date"), tr("Description"), tr("Amount")});
    for (const Line &line : m_due) {
        auto *item = new QTreeWidgetItem(m_list, {writtenDate(line.occurrence.when.date, forms.dateOrder),
                                                  line.description, shownMoney(line.occurrence.amount, forms.decimalPoint)});
        item->setCheckState(0, Qt::Checked);
        alignAmount(item, 2);
    }
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *enter = buttons->addButton(tr("&Enter"), QDialogButtonBox::AcceptRole);
    enter->setToolTip(tr("Enters the ticked transactions into the register, as one step Undo takes back"));
    QPushButton *skip = buttons->addButton(tr("&Skip"), QDialogButtonBox::ActionRole);
    skip->setToolTip(tr("Enters nothing for the ticked transactions; they are not offered again"));
    QPushButton *later = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
    later->setToolTip(tr("Offers them again in an hour, and when the register is next opened"));
    enter->setDefault(true);
    connect(enter, &QPushButton::clicked, this, [this] { choose(Choice::Enter); });
    connect(skip, &QPushButton::clicked, this, [this] { choose(Choice::Skip); });
    connect(later, &QPushButton::clicked, this, [this] { choose(Choice::Later); });
    layout->addWidget(buttons);
}

std::vector<Occurrence> DueDialog::ticked() const
{
    std::vector<Occurrence> out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked)
            out.push_back(m_due[size_t(i)].occurrence);
    return out;
}

void DueDialog::choose(Choice choice)
{
    m_choice = choice;
    if (choice == Choice::Later)
        reject();
    else
        QDialog::accept();
}

// --- A schedule's editor.

ScheduleEditor::ScheduleEditor(QWidget *parent, const QString &title, const Schedule &schedule,
                               const WrittenForms &forms)
    : QDialog(parent), m_given(schedule), m_forms(forms)
{
    setWindowTitle(title);
    const Recurrence &r = schedule.recurrence;
    auto *form = new QFormLayout;
    m_description = new QLineEdit(schedule.description, this);
    form->addRow(tr("&Description:"), m_description);
    m_amount = new QLineEdit(schedule.amount == 0 ? QString() : shownMoney(schedule.amount, forms.decimalPoint), this);
    m_amount->setPlaceholderText(tr("-1200.00 for money out"));
    form->addRow(tr("&Amount:"), m_amount);
    m_check = new QLineEdit(schedule.checkNumber, this);
    form->addRow(tr("Chec&k #:"), m_check);

    auto *often = new QHBoxLayout;
    m_every = new QSpinBox(this);
    m_every->setRange(1, kMaxEvery);
    m_every->setValue(r.every);
    m_period = new QComboBox(this);
    m_period->addItems({tr("days"), tr("weeks"), tr("months"), tr("years")});
    m_period->setCurrentIndex(int(r.period));
    m_monthlyOn = new QComboBox(this);
    m_monthlyOn->setObjectName(u"monthlyOnBox"_s);
    m_monthlyOn->addItems({tr("on day"), tr("on the last day"), tr("on the", "on the second Tuesday")});
    m_monthlyOn->setCurrentIndex(int(r.monthlyOn));
    m_day = new QSpinBox(this);
    m_day->setRange(1, 31);
    m_day->setValue(std::clamp(r.day, 1, 31));
    m_week = new QComboBox(this);
    m_week->setObjectName(u"weekBox"_s);
    m_week->setAccessibleName(tr("Week of the month"));
    m_week->addItems({tr("first"), tr("second"), tr("third"), tr("fourth"), tr("last")});
    m_week->setCurrentIndex(r.week == kLastWeek ? 4 : std::clamp(r.week, 1, 4) - 1);
    m_weekday = new QComboBox(this);
    m_weekday->setObjectName(u"weekdayBox"_s);
    m_weekday->setAccessibleName(tr("Weekday"));
    for (int day = 1; day <= 7; ++day)
        m_weekday->addItem(weekdayName(day));
    // A new schedule on the Nth weekday falls on its start's weekday.
    m_weekday->setCurrentIndex(
        (r.monthlyOn == MonthlyOn::Weekday ? std::clamp(r.weekday, 1, 7) : (r.start.isValid() ? r.start.dayOfWeek() : 1))
        - 1);
    often->addWidget(m_every);
    often->addWidget(m_period);
    often->addWidget(m_monthlyOn);
    often->addWidget(m_day);
    often->addWidget(m_week);
    often->addWidget(m_weekday);
    often->addStretch();
    form->addRow(labelFor(tr("&Every:"), m_every, this), often);

    m_start = new QDateEdit(r.start.isValid() ? r.start : QDate::currentDate(), this);
    m_start->setDisplayFormat(writtenDateFormat(forms.dateOrder));
    m_start->setCalendarPopup(true);
    form->addRow(tr("&Starting:"), m_start);

    auto *ends = new QHBoxLayout;
    m_ending = new QComboBox(this);
    m_ending->addItems({tr("never"), tr("after"), tr("on")});
    m_ending->setCurrentIndex(int(r.ending));
    m_times = new QSpinBox(this);
    m_times->setRange(1, 100000);
    m_times->setValue(std::max(r.times, 12));
    m_times->setSuffix(tr(" times"));
    m_until = new QDateEdit(r.until.isValid() ? r.until : m_start->date().addYears(1), this);
    m_until->setDisplayFormat(writtenDateFormat(forms.dateOrder));
    m_until->setCalendarPopup(true);
    ends->addWidget(m_ending);
    ends->addWidget(m_times);
    ends->addWidget(m_until);
    ends->addStretch();
    form->addRow(labelFor(tr("E&nding:"), m_ending, this), ends);

    m_weekend = new QComboBox(this);
    m_weekend->addItems({tr("stays on the weekend"), tr("moves to the Friday before"), tr("moves to the Monday after")});
    m_weekend->setCurrentIndex(int(r.weekend));
    form->addRow(tr("On a &weekend it:"), m_weekend);

    auto *estimate = new QHBoxLayout;
    m_estimate = new QCheckBox(tr("The amount varies, b&y up to"), this);
    m_estimate->setChecked(schedule.estimate);
    m_tolerance = new QSpinBox(this);
    m_tolerance->setRange(1, 100);
    m_tolerance->setValue(schedule.estimate ? std::max(schedule.tolerance, 1) : 10);
    m_tolerance->setSuffix(u" %"_s);
    estimate->addWidget(m_estimate);
    estimate->addWidget(m_tolerance);
    estimate->addStretch();
    form->addRow(QString(), estimate);
    m_auto = new QCheckBox(tr("Enter it when it comes due, without ask&ing"), this);
    m_auto->setChecked(schedule.autoEnter);
    form->addRow(QString(), m_auto);

    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(u"color: #b00020"_s);
    m_problem->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ScheduleEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ScheduleEditor::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);

    for (QComboBox *box : {m_period, m_monthlyOn, m_ending, m_weekend})
        connect(box, &QComboBox::currentIndexChanged, this, &ScheduleEditor::showFitting);
    connect(m_estimate, &QCheckBox::toggled, this, &ScheduleEditor::showFitting);
    showFitting();
}

void ScheduleEditor::showFitting()
{
    const bool monthly = m_period->currentIndex() == int(Period::Month);
    m_monthlyOn->setVisible(monthly);
    m_day->setVisible(monthly && m_monthlyOn->currentIndex() == int(MonthlyOn::DayOfMonth));
    const bool onWeekday = monthly && m_monthlyOn->currentIndex() == int(MonthlyOn::Weekday);
    m_week->setVisible(onWeekday);
    m_weekday->setVisible(onWeekday);
    m_times->setVisible(m_ending->currentIndex() == int(Ending::AfterTimes));
    m_until->setVisible(m_ending->currentIndex() == int(Ending::OnDate));
    m_tolerance->setEnabled(m_estimate->isChecked());
}

Schedule ScheduleEditor::schedule(QString *problem) const
{
    Schedule s = m_given;
    QString why;
    s.description = m_description->text().trimmed();
    const CentsReading amount = readTypedAmount(m_amount->text(), m_forms.decimalPoint);
    if (amount.ok() && amount.cents != 0)
        s.amount = amount.cents;
    else
        why = tr("The amount \u201c%1\u201d is not an amount of money.").arg(m_amount->text());
    s.checkNumber = m_check->text().trimmed();
    Recurrence &r = s.recurrence;
    r.every = m_every->value();
    r.period = Period(m_period->currentIndex());
    r.start = m_start->date();
    if (r.period == Period::Month) {
        r.monthlyOn = MonthlyOn(m_monthlyOn->currentIndex());
        if (r.monthlyOn == MonthlyOn::DayOfMonth) {
            r.day = m_day->value();
        } else if (r.monthlyOn == MonthlyOn::Weekday) {
            r.week = m_week->currentIndex() == 4 ? kLastWeek : m_week->currentIndex() + 1;
            r.weekday = m_weekday->currentIndex() + 1;
        }
    } else {
        r.day = r.start.day();
    }
    r.ending = Ending(m_ending->currentIndex());
    r.times = m_times->value();
    r.until = r.ending == Ending::OnDate ? m_until->date() : QDate();
    if (r.ending != Ending::AfterTimes)
        r.times = 0;
    r.weekend = WeekendRule(m_weekend->currentIndex());
    s.estimate = m_estimate->isChecked();
    s.tolerance = s.estimate ? m_tolerance->value() : 0;
    s.autoEnter = m_auto->isChecked();
    if (why.isEmpty())
        if (const QString p = recurrenceProblem(r); !p.isEmpty())
            why = tr("The schedule cannot be kept: %1.").arg(p);
    if (problem)
        *problem = why;
    return s;
}

void ScheduleEditor::accept()
{
    QString problem;
    schedule(&problem);
    if (!problem.isEmpty()) {
        m_problem->setText(problem);
        m_problem->show();
        return;
    }
    QDialog::accept();
}

// --- The list of schedules.

ScheduleListDialog::ScheduleListDialog(QWidget *parent, const WrittenForms &forms) : QDialog(parent), m_forms(forms)
{
    setWindowTitle(tr("Schedules"));
    auto *layout = new QVBoxLayout(this);
    m_list = listOf(this, {tr("Description"), tr("Amount"), tr("How Often"), tr("Next")});
    m_list->setMinimumWidth(640);
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *add = buttons->addButton(tr("&New\u2026"), QDialogButtonBox::ActionRole);
    QPushButton *change = buttons->addButton(tr("&Change\u2026"), QDialogButtonBox::ActionRole);
    QPushButton *remove = buttons->addButton(tr("&Remove"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(add, &QPushButton::clicked, this, &ScheduleListDialog::newAsked);
    connect(change, &QPushButton::clicked, this, [this] {
        if (const int id = currentId())
            emit changeAsked(id);
    });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (const int id = currentId())
            emit changeAsked(id);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (const int id = currentId())
            emit removeAsked(id);
    });
    layout->addWidget(buttons);
}

void ScheduleListDialog::fill(const ScheduleBook &book)
{
    const int current = currentId();
    m_list->clear();
    for (const Schedule &s : book.schedules) {
        QString next = tr("ended");
        QString often = howOftenText(s.recurrence, m_forms);
        if (!s.isReadable()) {
            often = s.problem;
            next = QString();
        } else if (const std::optional<Occurrence> o = nextOpenOccurrence(s)) {
            next = writtenDate(o->when.date, m_forms.dateOrder);
        }
        if (s.estimate)
            often += tr(", varying by up to %1%").arg(s.tolerance);
        if (s.autoEnter)
            often += tr(", entered without asking");
        auto *item = new QTreeWidgetItem(m_list, {s.description, shownMoney(s.amount, m_forms.decimalPoint), often, next});
        item->setData(0, Qt::UserRole, s.id);
        alignAmount(item, 1);
        if (s.id == current)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

int ScheduleListDialog::currentId() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

// --- Suggestions.

SuggestDialog::SuggestDialog(QWidget *parent, std::vector<Suggestion> suggestions)
    : QDialog(parent), m_suggestions(std::move(suggestions))
{
    setWindowTitle(tr("Suggested Schedules"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        m_suggestions.empty() ? tr("Nothing in the register comes round regularly enough to suggest a schedule.")
                              : tr("These payees came round regularly. Tick those to add as schedules:"),
        this));
    m_list = listOf(this, {tr("Evidence")});
    for (const Suggestion &s : m_suggestions) {
        auto *item = new QTreeWidgetItem(m_list, {s.evidence});
        item->setCheckState(0, Qt::Unchecked);
    }
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *add = buttons->addButton(tr("&Add Ticked"), QDialogButtonBox::AcceptRole);
    add->setEnabled(!m_suggestions.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::vector<Schedule> SuggestDialog::ticked() const
{
    std::vector<Schedule> out;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked)
            out.push_back(m_suggestions[size_t(i)].schedule);
    return out;
}

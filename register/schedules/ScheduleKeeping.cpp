#include "ScheduleKeeping.h"

#include "DateReader.h"
#include "MyDocument.h"
#include "ScheduleDialogs.h"
#include "ScheduleEdits.h"
#include "ScheduleSuggest.h"
#include "Toolkit.h"

#include <QActionGroup>
#include <QBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// 0: until the next income.
constexpr int kHorizonChoices[] = {30, 60, 90, 0};
// The forecast shows this many rows before it scrolls.
constexpr int kShownRows = 6;

} // namespace

ScheduleKeeping::ScheduleKeeping(MyDocument &document, Toolkit &toolkit, QMainWindow *window, QTableView *table,
                                 const WrittenForms &forms)
    : QObject(window), m_document(document), m_toolkit(toolkit), m_window(window), m_forms(forms)
{
    m_view = new QTreeWidget(window);
    m_view->setObjectName(u"forecast"_s);
    m_view->setRootIsDecorated(false);
    m_view->setHeaderHidden(true);
    m_view->setColumnCount(5);
    m_view->setSelectionMode(QAbstractItemView::NoSelection);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setToolTip(tr("Scheduled transactions ahead; double-click one to change its schedule"));
    QFont italic = m_view->font();
    italic.setItalic(true);
    m_view->setFont(italic);
    QPalette greyed = m_view->palette();
    greyed.setColor(QPalette::Text, greyed.color(QPalette::Disabled, QPalette::Text));
    m_view->setPalette(greyed);
    m_view->hide();
    if (auto *layout = qobject_cast<QBoxLayout *>(table->parentWidget()->layout()))
        layout->insertWidget(layout->indexOf(table) + 1, m_view);
    // Its columns follow the register's.
    auto followColumns = [this, table] {
        const int columns = std::min(5, table->model() ? table->model()->columnCount() : 0);
        for (int c = 0; c < columns; ++c)
            m_view->setColumnWidth(c, table->columnWidth(c));
    };
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, followColumns);
    QTimer::singleShot(0, this, followColumns);
    connect(m_view, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { editSchedule(item->data(0, Qt::UserRole).toInt()); });

    m_lowest = new QLabel(window);
    m_lowest->setObjectName(u"lowestAhead"_s);
    window->statusBar()->addPermanentWidget(m_lowest);
    m_lowest->hide();

    connect(&m_document, &MyDocument::historyChanged, this, &ScheduleKeeping::refreshSoon);
    m_day = m_toolkit.today();
    m_clock = new QTimer(this);
    m_clock->start(60 * 1000);
    connect(m_clock, &QTimer::timeout, this, &ScheduleKeeping::dayMayHavePassed);
    refresh();
}

Horizon ScheduleKeeping::horizon() const { return storedHorizon(); }

void ScheduleKeeping::setHorizon(Horizon horizon)
{
    storeHorizon(horizon);
    refresh();
}

void ScheduleKeeping::addHorizonActions(QMenu *menu)
{
    auto *group = new QActionGroup(menu);
    for (int days : kHorizonChoices) {
        const QString text = days == 30 ? tr("Forecast &30 Days")
            : days == 60                ? tr("Forecast &60 Days")
            : days == 90                ? tr("Forecast &90 Days")
                                        : tr("Forecast &Until Next Income");
        QAction *a = menu->addAction(text);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, days] { setHorizon({days == 0 ? kUntilIncomeDefaultDays : days, days == 0}); });
    }
    connect(menu, &QMenu::aboutToShow, this, [this, group] {
        const Horizon h = horizon();
        const QList<QAction *> actions = group->actions();
        for (size_t i = 0; i < std::size(kHorizonChoices); ++i)
            actions[qsizetype(i)]->setChecked(h.untilIncome ? kHorizonChoices[i] == 0 : kHorizonChoices[i] == h.days);
    });
}

void ScheduleKeeping::refreshSoon()
{
    // Many steps may come at once (an import, Undo All); one look after them.
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        refresh();
    });
}

int ScheduleKeeping::bookRow()
{
    // The register is looked through only when the schedules are gone from
    // where they were: a register found to keep none gets them only from
    // this window's own edits, which put them on the opening row.
    const Register &reg = *m_document.array();
    if (keepsSchedules(reg, 0))
        m_bookRow = 0;
    else if (!keepsSchedules(reg, m_bookRow) && (!m_searched || m_bookRow >= 0))
        m_bookRow = scheduleRow(reg);
    m_searched = true;
    return m_bookRow;
}

void ScheduleKeeping::registerReplaced()
{
    m_searched = false;
    refresh();
}

void ScheduleKeeping::refresh()
{
    const Register &reg = *m_document.array();
    const ScheduleBook book = readScheduleBook(reg, bookRow());
    m_view->clear();
    if (book.schedules.empty()) {
        m_forecast = Forecast();
        m_view->hide();
        m_lowest->hide();
        return;
    }
    m_forecast = ::forecast(book, lastBalance(reg), m_toolkit.today(), horizon());
    for (const ForecastRow &r : m_forecast.rows) {
        const Schedule *s = book.find(r.occurrence.scheduleId);
        auto *item = new QTreeWidgetItem(
            m_view, {s ? s->checkNumber : QString(), r.overdue ? tr("%1 (due)").arg(r.description) : r.description,
                     writtenDate(r.occurrence.when.date, m_forms.dateOrder),
                     shownMoney(r.occurrence.amount, m_forms.decimalPoint), shownMoney(r.balance, m_forms.decimalPoint)});
        item->setData(0, Qt::UserRole, r.occurrence.scheduleId);
        for (int c : {3, 4})
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        if (r.balance < m_forecast.reserve)
            item->setForeground(4, QColor(0xb0, 0x00, 0x20));
    }
    const int rowHeight = m_forecast.rows.empty() ? m_view->fontMetrics().height() : m_view->sizeHintForRow(0);
    m_view->setFixedHeight(rowHeight * std::clamp(int(m_forecast.rows.size()), 1, kShownRows)
                           + 2 * m_view->frameWidth());
    m_view->setVisible(!m_forecast.rows.empty());

    m_lowest->setText(tr("Lowest ahead: %1 on %2")
                          .arg(shownMoney(m_forecast.lowest, m_forms.decimalPoint),
                               writtenDate(m_forecast.lowestDate, m_forms.dateOrder)));
    const bool under = m_forecast.underReserve();
    m_lowest->setStyleSheet(under ? u"color: #b00020; font-weight: bold"_s : QString());
    m_lowest->setToolTip(under ? tr("Under the register's reserve of %1").arg(shownMoney(m_forecast.reserve, m_forms.decimalPoint))
                               : tr("The lowest the balance goes as scheduled, through %1")
                                     .arg(writtenDate(m_forecast.until, m_forms.dateOrder)));
    m_lowest->show();
}

void ScheduleKeeping::dayMayHavePassed()
{
    const QDate today = m_toolkit.today();
    if (today != m_day) {
        m_day = today;
        refresh();
        offerDue();
    } else if (m_askAgainAt.isValid() && m_toolkit.now() >= m_askAgainAt) {
        m_askAgainAt = QDateTime();
        offerDue();
    }
}

void ScheduleKeeping::tellEntered(int count)
{
    if (count <= 0)
        return;
    std::vector<int> rows;
    for (int row = m_document.count() - count; row < m_document.count(); ++row)
        rows.push_back(row);
    emit registerChanged(rows);
}

void ScheduleKeeping::refuse(const QString &title, const QString &why)
{
    if (!why.isEmpty())
        m_toolkit.alert(m_window, title, why, tr("OK"));
}

void ScheduleKeeping::offerDue(bool sayNothingDue)
{
    // A day passing while the list is up does not ask again.
    if (m_offering)
        return;
    m_offering = true;
    const QDate today = m_toolkit.today();
    int entered = 0;
    const std::vector<Occurrence> automatic = dueOccurrences(readScheduleBook(*m_document.array()), today, DueKind::Automatic);
    if (!automatic.empty()) {
        refuse(tr("Scheduled Transactions"), enterOccurrences(m_document, automatic, &entered));
        tellEntered(entered);
        if (entered > 0)
            emit said(entered == 1 ? tr("1 scheduled transaction was entered as it came due.")
                                   : tr("%n scheduled transactions were entered as they came due.", nullptr, entered));
    }
    const ScheduleBook book = readScheduleBook(*m_document.array());
    const std::vector<Occurrence> asked = dueOccurrences(book, today, DueKind::Asked);
    if (asked.empty()) {
        if (sayNothingDue && entered == 0)
            emit said(tr("No scheduled transaction is due."));
        m_offering = false;
        return;
    }
    std::vector<DueDialog::Line> lines;
    for (const Occurrence &o : asked)
        lines.push_back({o, book.find(o.scheduleId)->description});
    DueDialog dialog(m_window, std::move(lines), m_forms);
    m_toolkit.runDialog(dialog);
    // Put off, they are asked about again in a while, and at the next open.
    m_askAgainAt = dialog.choice() == DueDialog::Choice::Later ? m_toolkit.now().addSecs(kAskAgainAfter) : QDateTime();
    const std::vector<Occurrence> ticked = dialog.ticked();
    if (dialog.choice() == DueDialog::Choice::Enter) {
        refuse(tr("Scheduled Transactions"), enterOccurrences(m_document, ticked, &entered));
        tellEntered(entered);
    } else if (dialog.choice() == DueDialog::Choice::Skip) {
        refuse(tr("Scheduled Transactions"), skipOccurrences(m_document, ticked));
    }
    m_offering = false;
}

bool ScheduleKeeping::runEditor(const QString &title, Schedule &schedule)
{
    ScheduleEditor editor(m_window, title, schedule, m_forms);
    if (!m_toolkit.runDialog(editor))
        return false;
    schedule = editor.schedule();
    return true;
}

void ScheduleKeeping::newSchedule(const Schedule &from)
{
    Schedule s = from;
    if (!s.recurrence.start.isValid())
        s.recurrence.start = m_toolkit.today();
    if (s.recurrence.day < 1)
        s.recurrence.day = s.recurrence.start.day();
    if (!runEditor(tr("New Schedule"), s))
        return;
    refuse(tr("New Schedule"), addSchedule(m_document, s));
}

void ScheduleKeeping::repeatRow(int row)
{
    if (row < 0 || row >= m_document.count())
        return;
    const RecordPtr r = m_document.objectAtIndex(row);
    Schedule s;
    s.description = r->value(Key::DescriptionofTransaction).toString();
    s.amount = r->value(Key::Amount).centsOrZero();
    const std::optional<QDate> date = readDate(r->value(Key::Date).toString(), m_toolkit.today());
    s.recurrence.start = date ? *date : m_toolkit.today();
    s.recurrence.day = s.recurrence.start.day();
    // The row is the first occurrence: it is entered already.
    if (date)
        s.handledThrough = *date;
    if (!runEditor(tr("Repeat \u201c%1\u201d").arg(s.description), s))
        return;
    refuse(tr("New Schedule"), addSchedule(m_document, s));
}

void ScheduleKeeping::editSchedule(int id)
{
    const ScheduleBook book = readScheduleBook(*m_document.array());
    const Schedule *kept = book.find(id);
    if (!kept)
        return;
    Schedule s = *kept;
    if (!runEditor(tr("Change Schedule"), s))
        return;
    if (!(s == *kept))
        refuse(tr("Change Schedule"), changeSchedule(m_document, s));
}

void ScheduleKeeping::showList()
{
    ScheduleListDialog dialog(m_window, m_forms);
    auto fill = [&] { dialog.fill(readScheduleBook(*m_document.array())); };
    connect(&dialog, &ScheduleListDialog::newAsked, this, [&] {
        Schedule s;
        s.amount = 0;
        newSchedule(s);
        fill();
    });
    connect(&dialog, &ScheduleListDialog::changeAsked, this, [&](int id) {
        editSchedule(id);
        fill();
    });
    connect(&dialog, &ScheduleListDialog::removeAsked, this, [&](int id) {
        const ScheduleBook book = readScheduleBook(*m_document.array());
        const Schedule *s = book.find(id);
        if (!s)
            return;
        if (m_toolkit.confirm(&dialog, tr("Remove Schedule"),
                              tr("Remove the schedule \u201c%1\u201d? The transactions it entered stay in the register.")
                                  .arg(s->description),
                              tr("Remove"), tr("Cancel"))) {
            refuse(tr("Remove Schedule"), removeSchedule(m_document, id));
            fill();
        }
    });
    fill();
    m_toolkit.runDialog(dialog);
}

void ScheduleKeeping::suggest()
{
    const Register &reg = *m_document.array();
    SuggestDialog dialog(m_window, suggestSchedules(reg, readScheduleBook(reg), m_toolkit.today()));
    if (!m_toolkit.runDialog(dialog))
        return;
    const std::vector<Schedule> chosen = dialog.ticked();
    if (chosen.empty())
        return;
    QString why;
    const QString name = chosen.size() == 1 ? tr("Add Suggested Schedule")
                                            : tr("Add %n Suggested Schedules", nullptr, int(chosen.size()));
    const QString refusal = m_document.edit(name, [&] {
        for (const Schedule &s : chosen)
            if (const QString r = addSchedule(m_document, s); !r.isEmpty() && why.isEmpty())
                why = r;
    });
    refuse(tr("Suggested Schedules"), refusal.isEmpty() ? why : refusal);
}

void ScheduleKeeping::askReserve()
{
    const ScheduleBook book = readScheduleBook(*m_document.array());
    QInputDialog dialog(m_window);
    dialog.setWindowTitle(tr("Reserve"));
    dialog.setLabelText(tr("The balance this register should stay above (\u201cLowest ahead\u201d turns red under it):"));
    dialog.setTextValue(shownMoney(book.reserve, m_forms.decimalPoint));
    if (!m_toolkit.runDialog(dialog))
        return;
    const CentsReading reserve = readTypedAmount(dialog.textValue().trimmed(), m_forms.decimalPoint);
    if (!reserve.ok()) {
        refuse(tr("Reserve"), tr("\u201c%1\u201d is not an amount of money.").arg(dialog.textValue()));
        return;
    }
    if (reserve.cents != book.reserve || book.unreadReserve)
        refuse(tr("Reserve"), setReserve(m_document, reserve.cents));
}

// The filter bar over the table: rows with a text in any column, reconciled
// or not, within a range of dates. One filter, which the balancing drawer's
// "Show only uncleared transactions" shares.

#include "MyWindowController.h"

#include "BalancingDrawer.h"
#include "DateReader.h"
#include "EntryForm.h"
#include "FocusHook.h"
#include "PaletteColors.h"
#include "RegisterTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QAction>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Escape in a field of the bar.
class EscapeKey : public QObject
{
public:
    EscapeKey(QWidget *field, std::function<void()> onEscape) : QObject(field), m_onEscape(std::move(onEscape))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape)
            return false;
        m_onEscape();
        return true;
    }

private:
    std::function<void()> m_onEscape;
};

const RowFilter::Reconciled kStates[] = {RowFilter::Reconciled::All, RowFilter::Reconciled::NotReconciled,
                                         RowFilter::Reconciled::Reconciled};

} // namespace

void MyWindowController::buildFilterBar()
{
    auto *bar = new QWidget;
    bar->setObjectName(u"filterBar"_s);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    m_filterBar.bar = bar;

    m_filterBar.text = new QLineEdit(bar);
    m_filterBar.text->setObjectName(u"filterText"_s);
    m_filterBar.text->setPlaceholderText(tr("Text in any column"));
    m_filterBar.text->setClearButtonEnabled(true);
    m_filterBar.text->setToolTip(tr("Shows only the transactions with this text in any column (Ctrl+Shift+F; Escape "
                                    "shows every transaction again)"));
    auto *textLabel = new QLabel(tr("Fi&lter:"), bar);
    textLabel->setBuddy(m_filterBar.text);

    m_filterBar.state = new QComboBox(bar);
    m_filterBar.state->setObjectName(u"filterState"_s);
    m_filterBar.state->addItems({tr("All"), tr("Not reconciled"), tr("Reconciled")});
    auto *stateLabel = new QLabel(tr("&Show:"), bar);
    stateLabel->setBuddy(m_filterBar.state);

    m_filterBar.from = new QLineEdit(bar);
    m_filterBar.from->setObjectName(u"filterFrom"_s);
    m_filterBar.to = new QLineEdit(bar);
    m_filterBar.to->setObjectName(u"filterTo"_s);
    auto *fromLabel = new QLabel(tr("Dates &between"), bar);
    fromLabel->setBuddy(m_filterBar.from);
    auto *toLabel = new QLabel(tr("and"), bar);
    const int dateWidth = m_filterBar.from->fontMetrics().horizontalAdvance(u"00/00/00000"_s) + 16;
    for (QLineEdit *field : {m_filterBar.from, m_filterBar.to}) {
        field->setPlaceholderText(field == m_filterBar.from ? tr("first") : tr("last"));
        field->setMaximumWidth(dateWidth);
        field->setToolTip(tr("Leave empty for no limit"));
    }

    layout->addWidget(textLabel);
    layout->addWidget(m_filterBar.text, 1);
    layout->addSpacing(8);
    layout->addWidget(stateLabel);
    layout->addWidget(m_filterBar.state);
    layout->addSpacing(8);
    layout->addWidget(fromLabel);
    layout->addWidget(m_filterBar.from);
    layout->addWidget(toLabel);
    layout->addWidget(m_filterBar.to);
    // A bar of the window's own, over the table and the drawer alike, so
    // that the drawer keeps the width it was given.
    auto *toolBar = new QToolBar(tr("Filter"), m_window);
    toolBar->setObjectName(u"filterToolBar"_s);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->toggleViewAction()->setVisible(false);
    toolBar->addWidget(bar);
    m_window->addToolBar(Qt::TopToolBarArea, toolBar);

    // Keys typed together are filtered for together: a fast typist waits for
    // one pass over the register, not one per key.
    m_filterBar.typing = new QTimer(this);
    m_filterBar.typing->setSingleShot(true);
    m_filterBar.typing->setInterval(0);
    connect(m_filterBar.typing, &QTimer::timeout, this, &MyWindowController::applyFilterBar);
    for (QLineEdit *field : {m_filterBar.text, m_filterBar.from, m_filterBar.to}) {
        connect(field, &QLineEdit::textChanged, m_filterBar.typing, qOverload<>(&QTimer::start));
        new EscapeKey(field, [this] { clearFilter(m_filterBar.text); });
        new FocusHook(field, [this] { myDocument->textIndex().prepare(*dataArray); });
    }
    connect(m_filterBar.state, &QComboBox::currentIndexChanged, this, &MyWindowController::applyFilterBar);
}

void MyWindowController::showRows(std::optional<std::vector<int>> rows)
{
    // Hidden rows come and go: the table is laid out anew, keeping the
    // selected transactions selected and the top row in view.
    const std::vector<int> selected = selectedRegisterRows();
    const int current = selectedRow();
    const QModelIndex top = table->indexAt(QPoint(0, 0));
    const int topRow = top.isValid() ? m_model->registerRow(top.row()) : -1;
    m_model->setShownRows(std::move(rows));
    selectRows(selected);
    if (current >= 0 && m_model->viewRow(current) >= 0)
        table->selectionModel()->setCurrentIndex(m_model->index(m_model->viewRow(current), 0),
                                                 QItemSelectionModel::NoUpdate);
    if (topRow >= 0 && m_model->viewRow(topRow) >= 0) {
        table->doItemsLayout();
        table->scrollTo(m_model->index(m_model->viewRow(topRow), 0), QAbstractItemView::PositionAtTop);
    }
    scheduleStatusUpdate();
}

void MyWindowController::setRowFilter(const RowFilter &filter)
{
    if (filter == m_filter)
        return;
    const RowFilter before = m_filter;
    m_filter = filter;
    showFilterInWidgets();
    if (!m_filter.isActive()) {
        showRows(std::nullopt);
        return;
    }
    // Typing on into the filter only narrows it: the rows it keeps are
    // among those shown, and only those are looked at.
    const bool narrowing = before.isActive() && m_model->isFiltered() && narrows(m_filter, before);
    RegisterIndex &index = myDocument->textIndex();
    index.prepare(*dataArray);
    showRows(narrowing ? filteredRows(*dataArray, m_filter, m_model->shownRows(), &index)
                       : filteredRows(*dataArray, m_filter, &index));
}

RowFilter MyWindowController::filterBarChoice() const
{
    RowFilter filter;
    filter.today = m_toolkit.today();
    filter.text = m_filterBar.text->text();
    filter.reconciled = kStates[std::clamp(m_filterBar.state->currentIndex(), 0, 2)];
    // A date that cannot be read sets no limit; its field says so.
    for (auto [field, limit] : {std::pair(m_filterBar.from, &filter.from), std::pair(m_filterBar.to, &filter.to)}) {
        const QString typed = field->text().trimmed();
        *limit = typed.isEmpty() ? std::nullopt
                                 : readTypedDate(typed, m_forms.dateOrder, filter.today, Yearless::ThisYear);
    }
    return filter;
}

void MyWindowController::applyFilterBar()
{
    m_filterBar.typing->stop();
    for (QLineEdit *field : {m_filterBar.from, m_filterBar.to}) {
        const QString typed = field->text().trimmed();
        const bool unreadable =
            !typed.isEmpty() && !readTypedDate(typed, m_forms.dateOrder, m_toolkit.today(), Yearless::ThisYear);
        field->setStyleSheet(unreadable ? questionedFieldStyle(field->palette()) : QString());
        field->setToolTip(unreadable ? m_entry->unreadableDateTip(typed) : tr("Leave empty for no limit"));
    }
    setRowFilter(filterBarChoice());
}

void MyWindowController::showFilterInWidgets()
{
    if (!m_filterBar.bar)
        return;
    const QSignalBlocker quietState(m_filterBar.state);
    m_filterBar.state->setCurrentIndex(int(std::find(std::begin(kStates), std::end(kStates), m_filter.reconciled)
                                           - std::begin(kStates)));
    m_drawer->showOnlyUncleared(m_filter.reconciled == RowFilter::Reconciled::NotReconciled);
    if (m_filterBar.text->text() != m_filter.text) {
        const QSignalBlocker quiet(m_filterBar.text);
        m_filterBar.text->setText(m_filter.text);
    }
    for (auto [field, limit] : {std::pair(m_filterBar.from, m_filter.from), std::pair(m_filterBar.to, m_filter.to)}) {
        const QString typed = field->text().trimmed();
        const std::optional<QDate> shown =
            typed.isEmpty() ? std::nullopt
                            : readTypedDate(typed, m_forms.dateOrder, m_filter.today, Yearless::ThisYear);
        if (shown != limit) {
            const QSignalBlocker quiet(field);
            field->setText(limit ? shownDateText(*limit) : QString());
            field->setStyleSheet(QString());
        }
    }
}

void MyWindowController::focusFilter(QObject *)
{
    m_filterBar.text->setFocus(Qt::ShortcutFocusReason);
    m_filterBar.text->selectAll();
}

void MyWindowController::clearFilter(QObject *sender)
{
    for (QLineEdit *field : {m_filterBar.text, m_filterBar.from, m_filterBar.to}) {
        const QSignalBlocker quiet(field);
        field->clear();
        field->setStyleSheet(QString());
    }
    RowFilter none;
    none.today = m_toolkit.today();
    setRowFilter(none);
    if (sender == m_filterBar.text)
        table->setFocus(Qt::OtherFocusReason);
}

// The window's filter: the rows shown, as the filter bar or the balancing
// drawer's "Show only uncleared transactions" chose them. One filter, which
// both show.

#include "MyWindowController.h"

#include "StatusBarFigures.h"

#include "BalancingDrawer.h"
#include "FilterBar.h"
#include "RegisterTableModel.h"

#include <QItemSelectionModel>
#include <QTableView>

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
    if (m_status)
        m_status->schedule();
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

void MyWindowController::showFilterInWidgets()
{
    if (!m_filterBar)
        return;
    m_filterBar->show(m_filter);
    m_drawer->showOnlyUncleared(m_filter.reconciled == RowFilter::Reconciled::NotReconciled);
}

RowFilter MyWindowController::filterBarChoice() const { return m_filterBar->choice(); }

void MyWindowController::focusFilter(QObject *) { m_filterBar->focus(); }

void MyWindowController::clearFilter(QObject *sender)
{
    const bool fromText = m_filterBar->clear(sender);
    RowFilter none;
    none.today = m_toolkit.today();
    setRowFilter(none);
    if (fromText)
        table->setFocus(Qt::OtherFocusReason);
}

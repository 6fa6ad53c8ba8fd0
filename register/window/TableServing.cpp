// The table's data source (cells shown and edited) and the table as the
// commands see it: reloading, the selection in register rows, scrolling.

#include "MyWindowController.h"

#include "StatusBarFigures.h"

#include "BalancingDrawer.h"
#include "DateReader.h"
#include "EntryForm.h"
#include "PreconditionFailure.h"
#include "RegisterFilter.h"
#include "RegisterTableModel.h"
#include "RegisterWindow.h"
#include "RunningBalance.h"

#include <QItemSelectionModel>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString kRowCondition = u"rowIndex >= 0 && rowIndex < [dataArray count]"_s;
const QString kSource = u"MyWindowController"_s;
} // namespace

// --- The data source --------------------------------------------------------

int MyWindowController::numberOfRowsInTableView(const QTableView *) const { return dataArray->count(); }

Value MyWindowController::tableViewObjectValue(const QTableView *, QStringView columnIdentifier, int rowIndex)
{
    if (!(rowIndex >= 0 && rowIndex < dataArray->count()))
        failPrecondition(kRowCondition, u"tableView:objectValueForTableColumn:row:"_s, kSource, 220);
    Record &record = (*dataArray)[rowIndex];
    if (std::optional<Value> shown = amountAsMoneyText(record)) {
        // A recovery copy may be reading the row on another thread.
        myDocument->recordWillChange(record);
        record.set(Key::Amount, std::move(*shown));
    }
    return record.value(columnIdentifier);
}

bool MyWindowController::tableViewSetObjectValue(const QTableView *, const QString &value,
                                                 QStringView columnIdentifier, int rowIndex)
{
    if (!(rowIndex >= 0 && rowIndex < dataArray->count()))
        failPrecondition(kRowCondition, u"tableView:setObjectValue:forTableColumn:row:"_s, kSource, 238);
    const bool isAmount = columnIdentifier == keyName(Key::Amount);
    const bool isTotal = columnIdentifier == keyName(Key::Total);
    Value stored = Value::text(value);
    if (isAmount || isTotal) {
        // An amount is kept as money text, so that "$1,234.56" reads back as
        // what the user meant and not as 0.
        const CentsReading typed = readTypedAmount(value, m_forms.decimalPoint);
        if (!typed.ok()) {
            m_toolkit.beep();
            m_window->statusBar()->showMessage(
                tr("\u201c%1\u201d is not an amount; the cell keeps what it held.").arg(value.trimmed()), 10000);
            return false;
        }
        stored = Value::text(moneyText(typed.cents));
    }
    const bool isDate = columnIdentifier == keyName(Key::Date);
    if (isDate) {
        if (!m_entry->cellDateMayBeEntered(value, (*dataArray)[rowIndex].value(Key::Date)))
            return false;
        // Opened and left as it was shown: the date stays as it is kept.
        if (value == shownDateText((*dataArray)[rowIndex].value(Key::Date)))
            stored = (*dataArray)[rowIndex].value(Key::Date);
        else
            stored = Value::text(m_entry->dateToStore(value));
    }
    const bool bankFigure = isAmount || isDate;
    if (bankFigure && isReconciled((*dataArray)[rowIndex])
        && !m_drawer->confirmReconciledChange(isAmount ? tr("Changing its amount changes the cleared balance, so the "
                                                  "register no longer agrees with the bank.")
                                             : tr("Changing its date can take it out of the statement it cleared, "
                                                  "so the register no longer agrees with the bank."),
                                    tr("Change Anyway")))
        return false;
    //: The name of an undo step: "Edit Amount" is undone by "Undo Edit Amount".
    const QString refusal = myDocument->edit(tr("Edit %1").arg(RegisterTableModel::columnTitle(columnIdentifier)), [&] {
        myDocument->setValue(rowIndex, columnIdentifier, stored);
        // A Total typed by hand stays; the rows below carry from it.
        if (isAmount || isTotal)
            myDocument->carryBalances(isAmount ? rowIndex : rowIndex + 1);
        myDocument->updateChangeCount(MyDocument::ChangeDone);
    });
    if (!refusal.isEmpty()) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(), tr("The change was not made.\n\n%1").arg(refusal));
        return false;
    }
    myDocument->setStepRows(rowRuns({rowIndex}), rowRuns({rowIndex}));
    reloadData();
    return true;
}

// --- The table as the commands see it ---------------------------------------

void MyWindowController::reloadData()
{
    // Commands change rows without a step of the history too (a row shown
    // has its Amount rewritten, balancing marks a row).
    if (m_status)
        m_status->registerChanged();
    if (!m_filter.isActive() && !m_model->isFiltered()) {
        m_model->reload();
        return;
    }
    if (!m_filter.isActive()) {
        showRows(std::nullopt);
        return;
    }
    RegisterIndex &index = myDocument->textIndex();
    index.prepare(*dataArray);
    showRows(filteredRows(*dataArray, m_filter, &index));
}

std::vector<int> MyWindowController::selectedRegisterRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : table->selectionModel()->selectedRows())
        if (index.row() < m_model->rowCount())
            rows.push_back(m_model->registerRow(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MyWindowController::numberOfRows() const { return m_model->cachedRowCount(); }

int MyWindowController::numberOfSelectedRows() const
{
    std::vector<std::pair<int, int>> spans;
    for (const QItemSelectionRange &range : table->selectionModel()->selection())
        spans.emplace_back(range.top(), range.bottom());
    std::sort(spans.begin(), spans.end());
    int count = 0;
    int coveredTo = -1;
    for (const auto &[top, bottom] : spans) {
        const int from = std::max(top, coveredTo + 1);
        if (bottom >= from)
            count += bottom - from + 1;
        coveredTo = std::max(coveredTo, bottom);
    }
    return count;
}

int MyWindowController::selectedRow() const
{
    // With several rows selected, the row selected last: the current one.
    const QItemSelectionModel *selection = table->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isSelected(current))
        return m_model->registerRow(current.row());
    const QItemSelection selected = selection->selection();
    return selected.isEmpty() ? -1 : m_model->registerRow(selected.last().bottom());
}

void MyWindowController::selectRowIndexes(int row, bool extendSelection)
{
    if (row < 0 || row >= m_model->cachedRowCount() || m_model->viewRow(row) < 0)
        return;
    const QModelIndex index = m_model->index(m_model->viewRow(row), 0);
    QItemSelectionModel *selection = table->selectionModel();
    selection->select(index, QItemSelectionModel::Rows
                                 | (extendSelection ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect));
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void MyWindowController::selectRowRange(int first, int last)
{
    last = std::min(last, m_model->cachedRowCount() - 1);
    if (first < 0 || first > last)
        return;
    if (m_model->isFiltered()) {
        std::vector<int> rows;
        for (int row = first; row <= last; ++row)
            rows.push_back(row);
        selectRows(rows);
        return;
    }
    QItemSelectionModel *selection = table->selectionModel();
    selection->select(QItemSelection(m_model->index(first, 0),
                                     m_model->index(last, RegisterTableModel::ColumnCount - 1)),
                      QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(m_model->index(first, 0), QItemSelectionModel::NoUpdate);
}

void MyWindowController::selectRows(const std::vector<int> &registerRows)
{
    // In table rows; runs of neighbouring rows become one range each, which
    // keeps a large selection quick. Rows hidden by a filter stay unselected.
    std::vector<int> rows;
    rows.reserve(registerRows.size());
    for (int row : registerRows)
        if (const int shown = m_model->viewRow(row); shown >= 0)
            rows.push_back(shown);
    QItemSelection selection;
    const int lastColumn = RegisterTableModel::ColumnCount - 1;
    for (size_t i = 0; i < rows.size();) {
        size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        selection.select(m_model->index(rows[i], 0), m_model->index(rows[j], lastColumn));
        i = j + 1;
    }
    QItemSelectionModel *model = table->selectionModel();
    model->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.empty())
        model->setCurrentIndex(m_model->index(rows.back(), 0), QItemSelectionModel::NoUpdate);
}

void MyWindowController::deselectAll() { table->selectionModel()->clearSelection(); }

void MyWindowController::scrollRowToVisible(int row)
{
    if (row < 0 || row >= m_model->cachedRowCount())
        return;
    // A row a filter hides: the nearest shown row after it, or the last.
    int shown = m_model->viewRow(row);
    if (shown < 0 && m_model->isFiltered()) {
        for (int next = row + 1; next < m_model->cachedRowCount() && shown < 0; ++next)
            shown = m_model->viewRow(next);
        if (shown < 0)
            shown = m_model->rowCount() - 1;
    }
    if (shown < 0)
        return;
    // After a reload the scroll range is laid out lazily; lay it out now, or
    // a row past the old end could not be reached.
    table->doItemsLayout();
    table->scrollTo(m_model->index(shown, 0));
}

// Sorting the register by date, after a question the user can silence.

#include "MyWindowController.h"

#include "DateSort.h"
#include "SortQuestionDialog.h"

#include <QItemSelectionModel>
#include <QSettings>
#include <QTableView>

#include <algorithm>

using namespace Qt::StringLiterals;

void MyWindowController::showSortWarning(QObject *)
{
    if (sortWithoutAsking(QSettings())) {
        sortRegister();
        return;
    }
    m_sortQuestion->ask();
}

void MyWindowController::beginSort(QObject *)
{
    m_sortQuestion->answerSort();
    sortRegister();
}

void MyWindowController::cancelSort(QObject *) { m_sortQuestion->cancel(); }

void MyWindowController::sortRegister()
{
    // The selected transactions stay selected wherever they move: a Delete
    // after the sort must remove what the user chose, not what took its row.
    std::vector<bool> wasSelected(size_t(dataArray->count()), false);
    const std::vector<int> before = selectedRegisterRows();
    for (int row : before)
        if (row < dataArray->count())
            wasSelected[size_t(row)] = true;
    std::vector<int> order;
    const std::unique_ptr<Progress> progress = m_toolkit.progress(m_window, tr("Sorting by date\u2026"), false);
    if (const QString error = sortByDate(*myDocument, m_toolkit.today(), &order, progress.get()); !error.isEmpty()) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(), tr("The register was not sorted.\n\n%1").arg(error));
        return;
    }
    std::vector<int> after;
    for (size_t row = 0; row < order.size(); ++row)
        if (wasSelected[size_t(order[row])])
            after.push_back(int(row));
    myDocument->setStepRows(rowRuns(before), rowRuns(after));
    reloadData();
    selectRows(after);
    scrollRowToVisible(after.empty() ? dataArray->count() - 1 : after.front());
}

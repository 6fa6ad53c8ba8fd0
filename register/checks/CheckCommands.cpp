// The register window's commands for checks: each hands the selection to
// the window's CheckPrinting and shows what came of it.

#include "MyWindowController.h"

#include "CheckPrinting.h"

#include <QMainWindow>
#include <QStatusBar>

CheckPrinting &MyWindowController::checkPrinting()
{
    if (!m_checks) {
        m_checks = new CheckPrinting(*myDocument, m_toolkit, m_window);
        connect(m_checks, &CheckPrinting::registerChanged, this, [this](const std::vector<int> &rows) {
            reloadData();
            selectRows(rows);
            if (!rows.empty())
                scrollRowToVisible(rows.front());
            autoNumber();
        });
        connect(m_checks, &CheckPrinting::said, this,
                [this](const QString &message) { m_window->statusBar()->showMessage(message, 10000); });
    }
    return *m_checks;
}

void MyWindowController::printChecks(QObject *)
{
    recalculateCheckbook();
    checkPrinting().print(selectedRegisterRows(), m_forms);
}

void MyWindowController::exportChecksPdf(QObject *)
{
    recalculateCheckbook();
    checkPrinting().exportPdf(selectedRegisterRows(), m_forms);
}

void MyWindowController::markChecksToPrint(QObject *) { checkPrinting().markToPrint(selectedRegisterRows()); }

void MyWindowController::editPayeeAddress(QObject *)
{
    checkPrinting().editPayeeAddress(numberOfSelectedRows() == 1 ? selectedRegisterRows().front() : -1);
}

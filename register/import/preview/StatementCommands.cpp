// Importing bank statements (the files chosen wait in the import queue for
// their preview), and writing next year's register.

#include "MyWindowController.h"

#include "FileIdentity.h"
#include "ImportDialogs.h"
#include "Rollover.h"
#include "StatementImport.h"
#include "StatementReader.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>

using namespace Qt::StringLiterals;

void MyWindowController::importWF(QObject *)
{
    // Statements are kept beside the register more often than anywhere else.
    const QString folder =
        myDocument->fileName().isEmpty() ? QString() : QFileInfo(myDocument->fileName()).absolutePath();
    m_imports->add(m_toolkit.openPanel(
        m_window, tr("Import Statement"),
        tr("Bank statements (*.csv *.CSV *.ofx *.OFX *.qfx *.QFX *.txt *.TXT);;All files (*)"), true, folder));
}

void MyWindowController::importFile(const QString &path) { m_imports->add({path}); }

ImportPreviewDialog *MyWindowController::importPreview() const { return m_imports->preview(); }

void MyWindowController::showImported(const ImportResult &result, const StatementRead &read)
{
    reloadData();
    showCategoryColumnIfAnyIn(result.firstRow, result.count);
    scrollRowToVisible(dataArray->count() - 1);
    // Show what came in, and the rows it matched.
    if (result.count > 0 || result.reconciled > 0) {
        const EditStep *step = myDocument->history().lastDone();
        std::vector<int> rows;
        for (const auto &[first, last] : step ? step->rowsAfter : RowRuns())
            for (int row = first; row <= last; ++row)
                rows.push_back(row);
        selectRows(rows);
        if (result.count > 0)
            scrollRowToVisible(result.firstRow);
    }
    // The bank's ledger balance goes where balancing compares the register with it.
    if (read.format == StatementFormat::Ofx && (read.ledger.closingDate || read.ledger.endingBalance)) {
        setStatement(read.ledger);
        m_window->statusBar()->showMessage(
            tr("The statement's ledger balance is in the balancing panel (Register \u25b8 Balance Month)."), 10000);
    }
}

void MyWindowController::newYear(QObject *)
{
    if (dataArray->isEmpty()) {
        m_toolkit.alert(m_window, tr("New Year"), nothingToRollOverMessage());
        return;
    }
    const QDate today = m_toolkit.today();
    const int year = today.year() + (today.month() >= 7 ? 1 : 0);
    const QString current = myDocument->fileName();
    const QString base = current.isEmpty() ? tr("Register") : QFileInfo(current).completeBaseName();
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath() + u'/';
    const QString path
        = m_toolkit.savePath(m_window, tr("New Year"), folder + u"%1 %2.ldgr"_s.arg(base, QString::number(year)),
                             tr("Registers (*.ldgr)"), u"ldgr"_s);
    if (path.isEmpty())
        return;
    // The same file by any name: "./", "..", a link to it.
    if (!current.isEmpty() && isSameFile(path, current)) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("The new year's register cannot replace this one.\nPlease choose another name!"));
        return;
    }
    const QString failure = writeRolloverFile(path, *dataArray);
    if (!failure.isEmpty())
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("The new year's register could not be written.\n\n%1").arg(failure));
}

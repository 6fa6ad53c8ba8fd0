// Importing bank statements through their preview, and writing next year's register.

#include "MyWindowController.h"

#include "FileIdentity.h"
#include "ImportPreviewDialog.h"
#include "LayoutMemory.h"
#include "Rollover.h"
#include "StatementImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

using namespace Qt::StringLiterals;

void MyWindowController::importWF(QObject *)
{
    // Statements are kept beside the register more often than anywhere else.
    const QString folder =
        myDocument->fileName().isEmpty() ? QString() : QFileInfo(myDocument->fileName()).absolutePath();
    const QStringList paths = m_toolkit.openPanel(
        m_window, tr("Import Statement"),
        tr("Bank statements (*.csv *.CSV *.ofx *.OFX *.qfx *.QFX *.txt *.TXT);;All files (*)"), true, folder);
    m_importQueue += paths;
    showNextImport();
}

void MyWindowController::importFile(const QString &path)
{
    m_importQueue << path;
    showNextImport();
}

ImportPreviewDialog *MyWindowController::importPreview() const { return m_importPreview; }

void MyWindowController::showNextImport()
{
    if (m_importPreview) {
        showAuxiliaryWindow(m_importPreview);
        return;
    }
    while (!m_importQueue.isEmpty()) {
        const QString path = m_importQueue.takeFirst();
        const QString name = QFileInfo(path).fileName();
        auto cannot = [&](const QString &why) {
            m_toolkit.alert(m_window, Toolkit::errorTitle(),
                            tr("The statement \u201c%1\u201d could not be imported.\n\n%2").arg(name, why));
        };
        const std::unique_ptr<Progress> progress
            = m_toolkit.progress(m_window, tr("Reading \u201c%1\u201d\u2026").arg(name), true);
        // The preview asks again each time it reads the file anew (and on
        // the thread that reads it).
        auto remembered = [](const QString &header) {
            QSettings settings;
            return LayoutMemory(settings).layoutFor(header);
        };
        QString why;
        std::unique_ptr<ImportPreview> preview =
            ImportPreview::readFile(path, dataArray, m_toolkit.today(), remembered, *progress, &why);
        if (!why.isEmpty()) {
            cannot(why);
            continue;
        }
        // Stopped while it was read: nothing was imported, nor will the
        // other files chosen with it be.
        if (!preview) {
            m_importQueue.clear();
            return;
        }
        const StatementRead &read = preview->read();
        if (!read.ok()) {
            cannot(u"%1: %2"_s.arg(name, read.statement.error));
            continue;
        }
        const bool waits = read.needsAccount() || read.needsColumns();
        if (!waits && read.statement.lines.empty() && read.statement.skipped.empty()) {
            m_toolkit.alert(m_window, tr("Import"),
                            u"\u201c%1\u201d: %2."_s.arg(
                                name, QCoreApplication::translate("StatementImport", kNothingToImportText)));
            continue;
        }
        auto *dialog = new ImportPreviewDialog(std::move(preview), m_window);
        m_importPreview = dialog;
        connect(dialog, &ImportPreviewDialog::importRequested, this, [this, dialog] { importPreviewed(dialog); });
        connect(dialog, &QDialog::finished, this, [this, dialog] {
            dialog->deleteLater();
            m_importPreview = nullptr;
            m_window->activateWindow();
            showNextImport();
        });
        // The register may change while the preview is open: its lines are checked again.
        connect(myDocument, &MyDocument::historyChanged, dialog, &ImportPreviewDialog::recheck);
        // As large as the register's window, or a little larger, to show the
        // lines whole; centred on it and kept on its screen.
        QRect frame(QPoint(), QSize(std::max(960, m_window->width()), std::max(620, m_window->height())));
        frame.moveCenter(m_window->geometry().center());
        if (const QScreen *screen = m_window->screen())
            frame = frame.intersected(screen->availableGeometry());
        dialog->setGeometry(frame);
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
        return;
    }
}

void MyWindowController::importPreviewed(ImportPreviewDialog *dialog)
{
    ImportPreview &preview = dialog->preview();
    const QString name = preview.fileName();
    // The import's own step needs no second look at the lines.
    disconnect(myDocument, &MyDocument::historyChanged, dialog, nullptr);
    // The table's row count as it was shown: where this file's rows begin.
    const ImportResult result = importPlanned(*myDocument, numberOfRows(), preview.plan(), name);
    if (!result.ok()) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("The statement \u201c%1\u201d could not be imported.\n\n%2").arg(name, result.error));
        connect(myDocument, &MyDocument::historyChanged, dialog, &ImportPreviewDialog::recheck);
        return;
    }
    const StatementRead &read = preview.read();
    // The layout settled for this bank, by the header it was read with.
    if (read.format == StatementFormat::LayoutCsv && read.layout.headerLine > 0) {
        QSettings settings;
        LayoutMemory(settings).remember(headerKeyOf(preview.columnNames(), read.layout.separator), read.layout);
    }
    reloadData();
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
    dialog->done(QDialog::Accepted);
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

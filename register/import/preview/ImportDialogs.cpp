#include "ImportDialogs.h"

#include "CategoryRules.h"
#include "ImportPreviewDialog.h"
#include "LayoutMemory.h"
#include "MyDocument.h"
#include "StatementImport.h"
#include "Toolkit.h"
#include "WindowKeys.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>

using namespace Qt::StringLiterals;

ImportDialogs::ImportDialogs(MyDocument &document, Toolkit &toolkit, QWidget *registerWindow,
                         std::function<int()> shownRowCount, const WrittenForms &forms)
    : QObject(registerWindow), m_document(document), m_toolkit(toolkit), m_window(registerWindow),
      m_shownRowCount(std::move(shownRowCount)), m_forms(forms)
{
}

void ImportDialogs::add(const QStringList &paths)
{
    m_waiting += paths;
    showNext();
}

ImportPreviewDialog *ImportDialogs::preview() const { return m_preview; }

void ImportDialogs::showNext()
{
    if (m_preview) {
        showOverWindow(m_preview, m_window);
        return;
    }
    while (!m_waiting.isEmpty()) {
        const QString path = m_waiting.takeFirst();
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
            ImportPreview::readFile(path, m_document.array(), m_toolkit.today(), remembered, *progress, &why);
        if (!why.isEmpty()) {
            cannot(why);
            continue;
        }
        // Stopped while it was read: nothing was imported, nor will the
        // other files chosen with it be.
        if (!preview) {
            m_waiting.clear();
            return;
        }
        {
            QSettings settings;
            preview->setRules(storedRules(settings));
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
        auto *dialog = new ImportPreviewDialog(std::move(preview), m_window, m_forms.dateOrder);
        m_preview = dialog;
        connect(dialog, &ImportPreviewDialog::importRequested, this, [this, dialog] { importPreviewed(dialog); });
        connect(dialog, &QDialog::finished, this, [this, dialog] {
            dialog->deleteLater();
            m_preview = nullptr;
            m_window->activateWindow();
            showNext();
        });
        // The register may change while the preview is open: its lines are checked again.
        connect(&m_document, &MyDocument::historyChanged, dialog, &ImportPreviewDialog::recheck);
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

void ImportDialogs::importPreviewed(ImportPreviewDialog *dialog)
{
    ImportPreview &preview = dialog->preview();
    const QString name = preview.fileName();
    // The import's own step needs no second look at the lines.
    disconnect(&m_document, &MyDocument::historyChanged, dialog, nullptr);
    // The lines go in with the categories the preview showed.
    const ImportResult result = importPlanned(m_document, m_shownRowCount(), preview.plan(), name);
    if (!result.ok()) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("The statement \u201c%1\u201d could not be imported.\n\n%2").arg(name, result.error));
        connect(&m_document, &MyDocument::historyChanged, dialog, &ImportPreviewDialog::recheck);
        return;
    }
    const StatementRead &read = preview.read();
    // The layout settled for this bank, by the header it was read with.
    if (read.format == StatementFormat::LayoutCsv && read.layout.headerLine > 0) {
        QSettings settings;
        LayoutMemory(settings).remember(headerKeyOf(preview.columnNames(), read.layout.separator), read.layout);
    }
    emit imported(result, read);
    dialog->done(QDialog::Accepted);
}

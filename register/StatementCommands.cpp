// Importing bank statements, and writing next year's register.

#include "MyWindowController.h"

#include "FileIdentity.h"
#include "Rollover.h"
#include "StatementImport.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

void MyWindowController::importWF(QObject *)
{
    const QStringList paths = m_toolkit.openPanel(m_window, u"Import Statement"_s,
                                                  u"Bank statements (*.csv);;All files (*)"_s, true);
    for (const QString &path : paths)
        importFile(path);
}

void MyWindowController::importFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    // The table's row count as it was shown: where this file's rows begin.
    const ImportResult result = importStatement(*myDocument, numberOfRows(), path);
    if (!result.ok()) {
        m_toolkit.alert(m_window, u"Error"_s,
                        u"The statement \u201c%1\u201d could not be imported.\n\n%2"_s.arg(name, result.error));
        return;
    }
    if (result.nothingToImport) {
        m_toolkit.alert(m_window, u"Import"_s, u"\u201c%1\u201d: %2."_s.arg(name, kNothingToImportMessage));
        return;
    }
    reloadData();
    scrollRowToVisible(dataArray->count() - 1);
    // Show what came in.
    if (result.count > 0) {
        selectRowRange(result.firstRow, result.firstRow + result.count - 1);
        scrollRowToVisible(result.firstRow);
    }
    if (!result.skipped.empty())
        m_toolkit.alert(m_window, u"Import"_s, skippedLinesMessage(result.skipped, name));
}

void MyWindowController::newYear(QObject *)
{
    if (dataArray->isEmpty()) {
        m_toolkit.alert(m_window, u"New Year"_s, kNothingToRollOverMessage.toString());
        return;
    }
    const QDate today = m_toolkit.today();
    const int year = today.year() + (today.month() >= 7 ? 1 : 0);
    const QString current = myDocument->fileName();
    const QString base = current.isEmpty() ? u"Register"_s : QFileInfo(current).completeBaseName();
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath() + u'/';
    const QString path = m_toolkit.savePath(m_window, u"New Year"_s,
                                            folder + u"%1 %2.ldgr"_s.arg(base, QString::number(year)),
                                            u"Registers (*.ldgr)"_s, u"ldgr"_s);
    if (path.isEmpty())
        return;
    // The same file by any name: "./", "..", a link to it.
    if (!current.isEmpty() && isSameFile(path, current)) {
        m_toolkit.alert(m_window, u"Error"_s,
                        u"The new year's register cannot replace this one.\nPlease choose another name!"_s);
        return;
    }
    const QString failure = writeRolloverFile(path, *dataArray);
    if (!failure.isEmpty())
        m_toolkit.alert(m_window, u"Error"_s, u"The new year's register could not be written.\n\n%1"_s.arg(failure));
}

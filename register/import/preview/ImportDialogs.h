#pragma once

// The statement files chosen for import, each shown in its preview one after
// the other; the preview's Import brings its lines into the register in one
// step. A file that cannot be read is said and passed over; Cancel while one
// is read drops the files chosen with it.

#include "WrittenForms.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class ImportPreviewDialog;
class MyDocument;
class QWidget;
class Toolkit;
struct ImportResult;
struct StatementRead;

class ImportDialogs : public QObject
{
    Q_OBJECT

public:
    // shownRowCount: the table's row count as it is shown, where a
    // statement's rows begin.
    // Dates a preview writes of its own (a scheduled occurrence's) are in
    // the forms the window shows, which may change while it is open.
    ImportDialogs(MyDocument &document, Toolkit &toolkit, QWidget *registerWindow, std::function<int()> shownRowCount,
                  const WrittenForms &forms);

    // These files wait for their preview; the next one is shown unless a
    // preview is open (which is brought forward).
    void add(const QStringList &paths);
    // The preview open now, if any.
    ImportPreviewDialog *preview() const;

signals:
    // The register took a statement's lines (the step is the history's last).
    void imported(const ImportResult &result, const StatementRead &read);

private:
    void showNext();
    void importPreviewed(ImportPreviewDialog *dialog);

    MyDocument &m_document;
    Toolkit &m_toolkit;
    QWidget *m_window;
    std::function<int()> m_shownRowCount;
    const WrittenForms &m_forms;
    QPointer<ImportPreviewDialog> m_preview;
    QStringList m_waiting;
};

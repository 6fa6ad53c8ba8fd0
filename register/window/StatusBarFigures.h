#pragma once

// The balance always in sight: the status bar's figures for the register,
// for what the filter shows and for the selected rows. Worked out once the
// events of a change are over: a command that reloads the table twice, or a
// selection dragged over many rows, costs one working out.

#include "Record.h"
#include "RegisterFigures.h"

#include <QObject>

#include <functional>
#include <vector>

class MyDocument;
class QItemSelectionModel;
class QLabel;
class QStatusBar;
class QTimer;
class RegisterTableModel;
struct WrittenForms;

class StatusBarFigures : public QObject
{
    Q_OBJECT

public:
    using SelectedRows = std::function<std::vector<int>()>;

    // The figures of the document's register (the one the table shows), in
    // the written forms the window keeps.
    StatusBarFigures(QStatusBar *bar, MyDocument &document, const RegisterTableModel &model,
                     QItemSelectionModel *selection, SelectedRows selectedRows, const WrittenForms &forms);

    // The register changed, outside the history too (a row shown has its
    // Amount rewritten, balancing marks a row): worked out again.
    void registerChanged();
    // Brought up to date as soon as the events of now are over.
    void schedule();
    // The texts as they stand, brought up to date first if they are due.
    QString figures();
    QString selection();

private:
    void update();

    MyDocument &m_document;
    const RegisterTableModel &m_model;
    SelectedRows m_selectedRows;
    const WrittenForms &m_forms;
    QLabel *m_figures = nullptr;
    QLabel *m_selectionFigures = nullptr;
    QTimer *m_timer = nullptr;
    RegisterFigures m_registerFigures;
    bool m_stale = true; // the register changed since they were worked out
};

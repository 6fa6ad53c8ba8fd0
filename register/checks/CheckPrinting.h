#pragma once

// The register window's checks: printing them (the selected checks or those
// marked to print), exporting them as a PDF, marking them to print, and the
// payee's address to print on them. Every question goes through the
// Toolkit; every change to the register is one step of the document's.

#include "CheckPrintDialog.h"
#include "WrittenForms.h"

#include <QObject>

#include <vector>

class MyDocument;
class QPrinter;
class QWidget;
class Toolkit;

class CheckPrinting : public QObject
{
    Q_OBJECT

public:
    CheckPrinting(MyDocument &document, Toolkit &toolkit, QWidget *window);

    // selected: the rows selected in the register, ascending.
    void print(const std::vector<int> &selected, const WrittenForms &forms);
    void exportPdf(const std::vector<int> &selected, const WrittenForms &forms);
    void markToPrint(const std::vector<int> &selected);
    // The address printed under the payee of the row, asked for and kept in
    // the address book.
    void editPayeeAddress(int row);

signals:
    // The register changed: the rows to select, as they now stand.
    void registerChanged(const std::vector<int> &rows);
    // A short word on what was done, for the status bar.
    void said(const QString &message);

private:
    enum class Output { Printer, Pdf };
    void run(Output output, const std::vector<int> &selected, const WrittenForms &forms);
    // The checks of rows as they print, the marked ones numbered from first
    // on; an alert and false when they cannot be.
    bool contentsOf(const std::vector<int> &rows, const WrittenForms &forms, qint64 first,
                    std::vector<CheckContent> *checks);
    // The session's printer set up for the layout, after its dialog; null when cancelled.
    QPrinter *askPrinter(const CheckRunChoice &choice, const QString &docName);
    bool printOnPaper(const std::vector<CheckContent> &checks, const CheckRunChoice &choice);
    QString exportPath(const QString &title, const QString &suggested);
    void printAlignmentPage(Output output, const CheckRunChoice &choice);
    // After a sheet went through the printer: true when the person says it
    // printed well, or after they are numbered anew for the reprint (rows
    // moved to their new places).
    bool askPrintedWell(std::vector<int> &rows);

    MyDocument &m_document;
    Toolkit &m_toolkit;
    QWidget *m_window;
};

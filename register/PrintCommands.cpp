// Printing the register, previewing it and keeping it as a PDF.

#include "MyWindowController.h"

#include "PrintedRegister.h"

#include <QFileInfo>
#include <QPrinter>

using namespace Qt::StringLiterals;

void MyWindowController::print(QObject *)
{
    // The report is printed line by line from the register, with balances
    // brought up to date first; a long register's report is never held whole.
    recalculateCheckbook();
    QPrinter &printer = m_toolkit.sharedPrinter();
    setUpPrintedRegisterPage(printer);
    printer.setDocName(myDocument->fileName().isEmpty() ? u"Register"_s
                                                        : QFileInfo(myDocument->fileName()).completeBaseName());
    if (m_toolkit.printDialog(m_window, printer))
        printRegister(*dataArray, printer);
}

void MyWindowController::printPreview(QObject *)
{
    recalculateCheckbook();
    QPrinter &printer = m_toolkit.sharedPrinter();
    setUpPrintedRegisterPage(printer);
    m_toolkit.printPreview(m_window, printer, [this](QPrinter &p) { printRegister(*dataArray, p); });
}

void MyWindowController::exportPdf(QObject *)
{
    const QString current = myDocument->fileName();
    const QString suggested = current.isEmpty()
        ? u"Register.pdf"_s
        : QFileInfo(current).absolutePath() + u'/' + QFileInfo(current).completeBaseName() + u".pdf"_s;
    QString path = m_toolkit.savePanel(m_window, u"Export PDF"_s, suggested, u"PDF documents (*.pdf)"_s);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".pdf"_s;
    recalculateCheckbook();
    const QString failure = writeReportPdf(*dataArray, path);
    if (!failure.isEmpty())
        m_toolkit.alert(m_window, u"Error"_s, u"The register could not be exported.\n\n%1"_s.arg(failure));
}

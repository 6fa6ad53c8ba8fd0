// Printing the register, previewing it and keeping it as a PDF.

#include "MyWindowController.h"

#include "FileIdentity.h"
#include "PrintedRegister.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>

#include <algorithm>

using namespace Qt::StringLiterals;

void MyWindowController::print(QObject *)
{
    // The report is printed line by line from the register, with balances
    // brought up to date first; a long register's report is never held whole.
    recalculateCheckbook();
    QPrinter &printer = m_toolkit.sharedPrinter();
    setUpPrintedRegisterPage(printer);
    //: The name a register not yet saved is printed under.
    printer.setDocName(myDocument->fileName().isEmpty() ? tr("Register")
                                                        : QFileInfo(myDocument->fileName()).completeBaseName());
    // The dialog offers a range only when it knows how many pages there are.
    printer.setFromTo(1, std::max(1, printedPageCount(*dataArray, printer, m_forms)));
    printer.setPrintRange(QPrinter::AllPages);
    if (!m_toolkit.printDialog(m_window, printer))
        return;
    PageRange range;
    if (printer.printRange() == QPrinter::PageRange) {
        range.first = printer.fromPage();
        range.last = printer.toPage();
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        range.last = range.first;
    }
    const std::unique_ptr<Progress> progress =
        m_toolkit.progress(m_window, tr("Printing \u201c%1\u201d\u2026").arg(printer.docName()), true);
    const bool printed =
        printRegister(*dataArray, printer, range, {progress.get(), [&printer] { printer.abort(); }}, m_forms);
    if (progress->wasCancelled()) {
        // A print to a file leaves no half-written file behind.
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
            QFile::remove(printer.outputFileName());
        return;
    }
    if (!printed)
        m_toolkit.alert(m_window, Toolkit::errorTitle(), tr("The register could not be printed: the printer refused it."));
}

void MyWindowController::printPreview(QObject *)
{
    recalculateCheckbook();
    QPrinter &printer = m_toolkit.sharedPrinter();
    setUpPrintedRegisterPage(printer);
    m_toolkit.printPreview(m_window, printer, [this](QPrinter &p) { printRegister(*dataArray, p, {}, {}, m_forms); });
}

QString MyWindowController::exportPath(const QString &title, const QString &suggested)
{
    const QString path = m_toolkit.savePath(m_window, title, suggested, tr("PDF documents (*.pdf)"), u"pdf"_s);
    if (!path.isEmpty() && !myDocument->fileName().isEmpty() && isSameFile(path, myDocument->fileName())) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("The PDF cannot replace the register itself.\nPlease choose another name!"));
        return {};
    }
    return path;
}

void MyWindowController::exportPdf(QObject *)
{
    const QString current = myDocument->fileName();
    const QString suggested = current.isEmpty()
        ? tr("Register.pdf")
        : QFileInfo(current).absolutePath() + u'/' + QFileInfo(current).completeBaseName() + u".pdf"_s;
    const QString path = exportPath(tr("Export PDF"), suggested);
    if (path.isEmpty())
        return;
    recalculateCheckbook();
    const std::unique_ptr<Progress> progress =
        m_toolkit.progress(m_window, tr("Exporting \u201c%1\u201d\u2026").arg(QFileInfo(path).fileName()), true);
    const QString failure = writeReportPdf(*dataArray, path, progress.get(), paperOfLocale(QLocale()), m_forms);
    if (!failure.isEmpty())
        m_toolkit.alert(m_window, Toolkit::errorTitle(), tr("The register could not be exported.\n\n%1").arg(failure));
}

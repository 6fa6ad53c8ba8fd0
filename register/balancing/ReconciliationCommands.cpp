// The reconciliation report, printed or kept as a PDF beside the statement.

#include "MyWindowController.h"

#include "BalancingDrawer.h"

#include "PrintedRegister.h"
#include "ReconciliationReport.h"

#include <QFileInfo>
#include <QLocale>
#include <QLineEdit>
#include <QPrinter>

using namespace Qt::StringLiterals;

std::optional<ReconciliationReport> MyWindowController::reconciliationReport()
{
    QString problem;
    const BankStatement typed = m_drawer->typedStatement(&problem);
    if (!problem.isEmpty()) {
        m_toolkit.alert(m_window, tr("Reconciliation"), problem);
        return std::nullopt;
    }
    // The statement being balanced, when one is typed (or a finished one
    // typed again); else the last finished.
    if (!typed.closingDate && !typed.endingBalance && recordedStatements(*dataArray).empty()) {
        m_toolkit.alert(m_window, tr("Reconciliation"),
                        tr("There is no statement to report on yet. Balance a month against the bank's statement "
                           "first (Register > Balance Month), typing its closing date and ending balance."));
        return std::nullopt;
    }
    return reconciliationFor(*dataArray, typed, m_toolkit.today());
}

QString MyWindowController::reconciliationFileName(const ReconciliationReport &report) const
{
    // Named after the register and the statement, beside the register: a
    // month's report lands next to the last one, not in the home folder.
    const QString current = myDocument->fileName();
    QString name = current.isEmpty() ? tr("Untitled") : QFileInfo(current).completeBaseName();
    name += u' ' + tr("reconciliation", "a file name: the register's name, this, and the statement's date");
    if (report.statementDate)
        name += u' ' + report.statementDate->toString(u"yyyy-MM-dd"_s);
    return current.isEmpty() ? name : QFileInfo(current).absolutePath() + u'/' + name;
}

void MyWindowController::printReconciliation(QObject *)
{
    const std::optional<ReconciliationReport> report = reconciliationReport();
    if (!report)
        return;
    QPrinter &printer = m_toolkit.sharedPrinter();
    setUpPrintedRegisterPage(printer);
    const QString file = reconciliationFileName(*report);
    printer.setDocName(QFileInfo(file).fileName());
    // Printed to a file (the only choice with no printer set up), it is
    // proposed under the report's own name in the register's folder; a
    // print not made leaves the printer as it was for the next one.
    const QString fileBefore = printer.outputFileName();
    if (!myDocument->fileName().isEmpty()
        && (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty()))
        printer.setOutputFileName(file + u".pdf"_s);
    printer.setFromTo(0, 0);
    if (m_toolkit.printDialog(m_window, printer))
        printReportText(reportText(*report), printer);
    else
        printer.setOutputFileName(fileBefore);
}

void MyWindowController::exportReconciliationPdf(QObject *)
{
    const std::optional<ReconciliationReport> report = reconciliationReport();
    if (!report)
        return;
    const QString path = exportPath(tr("Export Reconciliation PDF"), reconciliationFileName(*report) + u".pdf"_s);
    if (path.isEmpty())
        return;
    const QString failure = writeTextPdf(reportText(*report), path, paperOfLocale(QLocale()));
    if (!failure.isEmpty())
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("The reconciliation could not be exported.\n\n%1").arg(failure));
}

QString MyWindowController::reportText(const ReconciliationReport &report) const
{
    return reconciliationText(
        report, myDocument->fileName().isEmpty() ? tr("Untitled") : QFileInfo(myDocument->fileName()).fileName(),
        m_forms);
}

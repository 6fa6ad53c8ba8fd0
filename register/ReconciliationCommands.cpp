// The reconciliation report, printed or kept as a PDF beside the statement.

#include "MyWindowController.h"

#include "PrintedRegister.h"
#include "ReconciliationReport.h"

#include <QFileInfo>
#include <QLocale>
#include <QLineEdit>
#include <QPrinter>

using namespace Qt::StringLiterals;

std::optional<QString> MyWindowController::reconciliationReportText()
{
    const QString name = myDocument->fileName().isEmpty() ? u"Untitled"_s : QFileInfo(myDocument->fileName()).fileName();
    QString problem;
    const BankStatement typed = typedStatement(&problem);
    if (!problem.isEmpty()) {
        m_toolkit.alert(m_window, u"Reconciliation"_s, problem);
        return std::nullopt;
    }
    // The statement being balanced, when one is typed; else the last finished.
    if (typed.closingDate || typed.endingBalance)
        return reconciliationText(currentReconciliation(*dataArray, typed, m_toolkit.today()), name, m_forms);
    const std::vector<RecordedStatement> finished = recordedStatements(*dataArray);
    if (finished.empty()) {
        m_toolkit.alert(m_window, u"Reconciliation"_s,
                        u"There is no statement to report on yet. Balance a month against the bank's statement "
                        "first (Register > Balance Month), typing its closing date and ending balance."_s);
        return std::nullopt;
    }
    return reconciliationText(finishedReconciliation(*dataArray, finished.back(), m_toolkit.today()), name, m_forms);
}

void MyWindowController::printReconciliation(QObject *)
{
    const std::optional<QString> text = reconciliationReportText();
    if (!text)
        return;
    QPrinter &printer = m_toolkit.sharedPrinter();
    setUpPrintedRegisterPage(printer);
    printer.setDocName(u"Reconciliation"_s);
    printer.setFromTo(0, 0);
    if (m_toolkit.printDialog(m_window, printer))
        printReportText(*text, printer);
}

void MyWindowController::exportReconciliationPdf(QObject *)
{
    const std::optional<QString> text = reconciliationReportText();
    if (!text)
        return;
    const QString current = myDocument->fileName();
    const QString suggested = current.isEmpty() ? u"Reconciliation.pdf"_s
                                                : QFileInfo(current).absolutePath() + u'/'
            + QFileInfo(current).completeBaseName() + u" reconciliation.pdf"_s;
    const QString path = exportPath(u"Export Reconciliation PDF"_s, suggested);
    if (path.isEmpty())
        return;
    const QString failure = writeTextPdf(*text, path, paperOfLocale(QLocale()));
    if (!failure.isEmpty())
        m_toolkit.alert(m_window, u"Error"_s, u"The reconciliation could not be exported.\n\n%1"_s.arg(failure));
}

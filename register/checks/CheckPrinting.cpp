#include "CheckPrinting.h"

#include "CheckNumbering.h"
#include "FileIdentity.h"
#include "MyDocument.h"
#include "PayeeAddresses.h"
#include "Toolkit.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

CheckPrinting::CheckPrinting(MyDocument &document, Toolkit &toolkit, QWidget *window)
    : QObject(window), m_document(document), m_toolkit(toolkit), m_window(window)
{
}

void CheckPrinting::print(const std::vector<int> &selected, const WrittenForms &forms)
{
    run(Output::Printer, selected, forms);
}

void CheckPrinting::exportPdf(const std::vector<int> &selected, const WrittenForms &forms)
{
    run(Output::Pdf, selected, forms);
}

void CheckPrinting::run(Output output, const std::vector<int> &selected, const WrittenForms &forms)
{
    m_document.ensureRegister();
    const Register &reg = *m_document.array();
    std::vector<int> rows = rowsToPrintAsChecks(reg, selected);
    if (rows.empty()) {
        m_toolkit.alert(m_window, tr("Print Checks"),
                        tr("There is no check to print.\n\nSelect the checks (transactions that pay money out), or "
                           "mark them to print with a P in their Check # or Register > Mark to Print."));
        return;
    }
    int toNumber = int(std::count_if(rows.begin(), rows.end(), [&](int row) { return isMarkedToPrint(reg[row]); }));
    // A register without a check yet starts where a new book of checks does.
    const qint64 proposed = firstNumberToPrint(reg).value_or(101);
    bool reprinting = false;
    for (;;) {
        CheckPrintDialog dialog(m_window,
                                output == Output::Pdf ? CheckPrintDialog::Output::Pdf
                                                      : CheckPrintDialog::Output::Printer,
                                int(rows.size()), toNumber, proposed);
        connect(&dialog, &CheckPrintDialog::alignmentRequested, this,
                [this, output](const CheckRunChoice &choice) { printAlignmentPage(output, choice); });
        if (!m_toolkit.runDialog(dialog)) {
            if (reprinting)
                emit said(tr("The checks have their new numbers but are not printed again: select them and choose "
                             "Register > Print Checks."));
            return;
        }
        const std::optional<CheckRunChoice> choice = dialog.choice();
        if (!choice)
            return;
        if (const QString refusal = numberingRefused(reg, rows, choice->firstNumber); !refusal.isEmpty()) {
            m_toolkit.alert(m_window, tr("Print Checks"), refusal);
            continue;
        }
        std::vector<CheckContent> checks;
        if (!contentsOf(rows, forms, choice->firstNumber, &checks))
            return;
        if (output == Output::Pdf) {
            const QString base = m_document.fileName().isEmpty()
                ? tr("Checks")
                : QFileInfo(m_document.fileName()).absolutePath() + u'/' +
                    tr("%1 checks").arg(QFileInfo(m_document.fileName()).completeBaseName());
            const QString path = exportPath(tr("Export Checks PDF"), base + u".pdf"_s);
            if (path.isEmpty())
                return;
            if (const QString failure = writeChecksPdf(checks, choice->layout, path, choice->settings);
                !failure.isEmpty()) {
                m_toolkit.alert(m_window, tr("Error"), tr("The checks could not be exported.\n\n%1").arg(failure));
                return;
            }
        } else if (!printOnPaper(checks, *choice)) {
            return;
        }
        // Numbered once they are on paper: a run that fails takes no number.
        if (toNumber > 0) {
            if (const QString refusal = numberMarkedChecks(m_document, rows, choice->firstNumber);
                !refusal.isEmpty()) {
                m_toolkit.alert(m_window, tr("Error"), refusal);
                return;
            }
        }
        emit registerChanged(rows);
        const QString done = output == Output::Pdf ? tr("Checks exported: %1.").arg(rows.size())
                                                   : tr("Checks printed: %1.").arg(rows.size());
        emit said(toNumber > 0 ? done + u' ' + tr("The marked ones are numbered from %1.").arg(choice->firstNumber)
                               : done);
        if (output == Output::Pdf || askPrintedWell(rows))
            return;
        toNumber = 0;
        reprinting = true;
    }
}

bool CheckPrinting::contentsOf(const std::vector<int> &rows, const WrittenForms &forms, qint64 first,
                               std::vector<CheckContent> *checks)
{
    PayeeAddresses addresses;
    QString why;
    if (!addresses.load(PayeeAddresses::defaultPath(), &why)) {
        m_toolkit.alert(m_window, tr("Error"), tr("The payee address book cannot be read.\n\n%1").arg(why));
        return false;
    }
    const Register &reg = *m_document.array();
    CheckContents contents = checkContents(reg, rows, &addresses, forms, wordsLanguageOf(QLocale()));
    if (!contents.error.isEmpty()) {
        m_toolkit.alert(m_window, tr("Print Checks"), tr("These rows cannot be printed as checks: %1.").arg(contents.error));
        return false;
    }
    numberContents(contents.checks, reg, first);
    *checks = std::move(contents.checks);
    return true;
}

QPrinter *CheckPrinting::askPrinter(const CheckRunChoice &choice, const QString &docName)
{
    QPrinter &printer = m_toolkit.sharedPrinter();
    if (!choice.printer.isEmpty())
        printer.setPrinterName(choice.printer);
    setUpCheckPage(printer, choice.layout);
    printer.setDocName(docName);
    // Every sheet or none: a part of a run would print checks the register numbers differently.
    printer.setFromTo(0, 0);
    printer.setPrintRange(QPrinter::AllPages);
    return m_toolkit.printDialog(m_window, printer) ? &printer : nullptr;
}

bool CheckPrinting::printOnPaper(const std::vector<CheckContent> &checks, const CheckRunChoice &choice)
{
    QPrinter *printer = askPrinter(choice, tr("Checks"));
    if (!printer)
        return false;
    if (!printChecks(checks, choice.layout, *printer, choice.settings)) {
        m_toolkit.alert(m_window, tr("Error"),
                        tr("The checks could not be printed: the printer refused them. No check was numbered."));
        return false;
    }
    return true;
}

bool CheckPrinting::askPrintedWell(std::vector<int> &rows)
{
    const Register &reg = *m_document.array();
    const qint64 next = firstNumberToPrint(reg).value_or(1);
    if (m_toolkit.confirmByDefault(
            m_window, tr("Print Checks"),
            tr("Did the checks print correctly?\n\nIf a sheet jammed, smeared or printed out of place, Reprint gives "
               "these checks new numbers from %1 on, keeps each spoiled number on a void row, and prints them "
               "again.")
                .arg(next),
            tr("Printed Correctly"), tr("Reprint\u2026")))
        return true;
    std::vector<int> moved;
    if (const QString refusal = renumberSpoiledChecks(m_document, rows, next, m_toolkit.today(), &moved);
        !refusal.isEmpty()) {
        m_toolkit.alert(m_window, tr("Error"), refusal);
        return true;
    }
    rows = moved;
    emit registerChanged(rows);
    return false;
}

QString CheckPrinting::exportPath(const QString &title, const QString &suggested)
{
    const QString path = m_toolkit.savePath(m_window, title, suggested, tr("PDF documents (*.pdf)"), u"pdf"_s);
    if (!path.isEmpty() && !m_document.fileName().isEmpty() && isSameFile(path, m_document.fileName())) {
        m_toolkit.alert(m_window, tr("Error"), tr("The PDF cannot replace the register itself.\nPlease choose another name!"));
        return {};
    }
    return path;
}

void CheckPrinting::printAlignmentPage(Output output, const CheckRunChoice &choice)
{
    if (output == Output::Pdf) {
        const QString path = exportPath(tr("Export Alignment Page"), tr("Alignment page.pdf"));
        if (path.isEmpty())
            return;
        if (const QString failure = writeAlignmentPdf(choice.layout, path, choice.settings); !failure.isEmpty())
            m_toolkit.alert(m_window, tr("Error"), failure);
        return;
    }
    QPrinter *printer = askPrinter(choice, tr("Alignment page"));
    if (printer && !::printAlignmentPage(choice.layout, *printer, choice.settings))
        m_toolkit.alert(m_window, tr("Error"), tr("The alignment page could not be printed: the printer refused it."));
}

void CheckPrinting::markToPrint(const std::vector<int> &selected)
{
    const std::vector<int> marked = ::markToPrint(m_document, selected);
    if (marked.empty()) {
        m_toolkit.beep();
        emit said(tr("Only transactions that pay money out can be marked to print as checks."));
        return;
    }
    emit registerChanged(marked);
    emit said(tr("Checks marked to print: %1. Register > Print Checks numbers and prints them.").arg(marked.size()));
}

void CheckPrinting::editPayeeAddress(int row)
{
    m_document.ensureRegister();
    const Register &reg = *m_document.array();
    if (row < 1 || row >= reg.count()) {
        m_toolkit.alert(m_window, tr("Payee Address"), tr("Please select the transaction whose payee it is!"));
        return;
    }
    const QString payee = reg[row].value(Key::DescriptionofTransaction).toString().simplified();
    if (payee.isEmpty()) {
        m_toolkit.alert(m_window, tr("Payee Address"), tr("The selected transaction names no payee."));
        return;
    }
    PayeeAddresses book;
    QString why;
    const QString path = PayeeAddresses::defaultPath();
    if (!book.load(path, &why)) {
        m_toolkit.alert(m_window, tr("Error"), tr("The payee address book cannot be read.\n\n%1").arg(why));
        return;
    }
    QDialog dialog(m_window);
    dialog.setWindowTitle(tr("Payee Address"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(tr("The address printed under \u201c%1\u201d on checks, a line each "
                                "(at most %2 lines; empty to forget it):")
                                 .arg(payee)
                                 .arg(PayeeAddresses::kMaxLines),
                             &dialog);
    label->setWordWrap(true);
    auto *text = new QPlainTextEdit(book.addressOf(payee).join(u'\n'), &dialog);
    text->setObjectName(u"address"_s);
    text->setTabChangesFocus(true);
    label->setBuddy(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(text);
    layout->addWidget(buttons);
    if (!m_toolkit.runDialog(dialog))
        return;
    book.setAddress(payee, text->toPlainText().split(u'\n'));
    if (const QString failure = book.save(path); !failure.isEmpty()) {
        m_toolkit.alert(m_window, tr("Error"), tr("The address was not kept.\n\n%1").arg(failure));
        return;
    }
    emit said(book.addressOf(payee).isEmpty() ? tr("No address is printed for \u201c%1\u201d.").arg(payee)
                                              : tr("The address of \u201c%1\u201d is kept.").arg(payee));
}

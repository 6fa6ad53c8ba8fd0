#include "QtToolkit.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// Gives the keyboard back to the window a modal dialog came from; without
// it, a desktop with no window manager leaves no window active, and the
// window's shortcuts stop working.
void reactivate(QWidget *parent)
{
    if (parent && parent->window()->isVisible())
        parent->window()->activateWindow();
}
} // namespace

QtToolkit::QtToolkit() = default;
QtToolkit::~QtToolkit() = default;

void QtToolkit::alert(QWidget *parent, const QString &title, const QString &message, const QString &button)
{
    QMessageBox box(parent);
    box.setIcon(title == u"Error" ? QMessageBox::Warning : QMessageBox::Information);
    box.setWindowTitle(title);
    box.setText(message);
    box.addButton(button, QMessageBox::AcceptRole);
    box.exec();
    reactivate(parent);
}

void QtToolkit::beep() { QApplication::beep(); }

QStringList QtToolkit::openPanel(QWidget *parent, const QString &title, const QString &filter, bool multiple)
{
    QStringList paths;
    if (multiple)
        paths = QFileDialog::getOpenFileNames(parent, title, QString(), filter);
    else if (const QString path = QFileDialog::getOpenFileName(parent, title, QString(), filter); !path.isEmpty())
        paths = {path};
    reactivate(parent);
    return paths;
}

QString QtToolkit::savePanel(QWidget *parent, const QString &title, const QString &suggestedPath,
                             const QString &filter)
{
    const QString path = QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
    reactivate(parent);
    return path;
}

Toolkit::SaveAnswer QtToolkit::askToSave(QWidget *parent, const QString &documentName)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(u"Cheqbook"_s);
    box.setText(u"Do you want to save the changes you made in \u201c%1\u201d?"_s.arg(documentName));
    box.setInformativeText(u"Your changes will be lost if you don\u2019t save them."_s);
    QPushButton *save = box.addButton(QMessageBox::Save);
    QPushButton *discard = box.addButton(u"Don\u2019t Save"_s, QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    reactivate(parent);
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveAnswer::DontSave;
    return SaveAnswer::Cancel;
}

namespace {
bool ask(QWidget *parent, const QString &title, const QString &message, const QString &confirmButton,
         const QString &cancelButton, bool confirmIsDefault)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(title);
    box.setText(message);
    QPushButton *yes = box.addButton(confirmButton, QMessageBox::AcceptRole);
    QPushButton *no = box.addButton(cancelButton, QMessageBox::RejectRole);
    box.setDefaultButton(confirmIsDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    reactivate(parent);
    return box.clickedButton() == yes;
}
} // namespace

bool QtToolkit::confirm(QWidget *parent, const QString &title, const QString &message, const QString &confirmButton,
                        const QString &cancelButton)
{
    return ask(parent, title, message, confirmButton, cancelButton, false);
}

bool QtToolkit::confirmByDefault(QWidget *parent, const QString &title, const QString &message,
                                 const QString &confirmButton, const QString &otherButton)
{
    return ask(parent, title, message, confirmButton, otherButton, true);
}

bool QtToolkit::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    const bool print = dialog.exec() == QDialog::Accepted;
    reactivate(parent);
    return print;
}

void QtToolkit::printPreview(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter *p) { paint(*p); });
    dialog.resize(900, 700);
    dialog.exec();
    reactivate(parent);
}

QPrinter &QtToolkit::sharedPrinter()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

QDate QtToolkit::today() const { return QDate::currentDate(); }

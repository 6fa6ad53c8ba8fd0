#include "QtToolkit.h"

#include "PrintedRegister.h"
#include "WindowKeys.h"

#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QElapsedTimer>
#include <QPointer>

#include <algorithm>
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

namespace {

// A progress dialog that appears only when the work has taken half a second,
// and lets the window repaint (and Cancel be pressed) a few times a second.
class DialogProgress final : public Progress
{
public:
    DialogProgress(QWidget *parent, const QString &what, bool cancellable)
        : m_parent(parent), m_active(QApplication::activeWindow()), m_what(what), m_cancellable(cancellable)
    {
        m_clock.start();
    }
    ~DialogProgress() override
    {
        // Work that was over before the indicator appeared leaves the
        // keyboard alone; after one that appeared, it goes back to the window
        // that had it (the register being typed in, not the charts that
        // were drawing).
        if (!m_dialog)
            return;
        delete m_dialog;
        reactivate(m_active && m_active->isVisible() ? m_active.data() : m_parent.data());
    }
    bool advance(qint64 done, qint64 total) override
    {
        // Asking the clock costs little; most reports end here.
        if (m_clock.elapsed() < m_nextLook)
            return !m_cancelled;
        m_nextLook = m_clock.elapsed() + 50;
        if (!m_dialog) {
            if (m_clock.elapsed() < 500)
                return true;
            m_dialog = new QProgressDialog(m_what, m_cancellable ? Toolkit::cancelButton() : QString(), 0, 1000, m_parent);
            m_dialog->setWindowTitle(u"Cheqbook"_s);
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(0);
            m_dialog->setAutoClose(false);
            m_dialog->setAutoReset(false);
            if (!m_cancellable)
                m_dialog->setCancelButton(nullptr);
            m_dialog->show();
        }
        // Work that cannot tell how far it has come (a total of 0) shows a busy bar.
        m_dialog->setRange(0, total > 0 ? 1000 : 0);
        m_dialog->setValue(total > 0 ? int(std::clamp<qint64>(done * 1000 / total, 0, 1000)) : 0);
        QApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
        m_cancelled = m_cancellable && m_dialog->wasCanceled();
        return !m_cancelled;
    }
    bool wasCancelled() const override { return m_cancelled; }

private:
    QPointer<QWidget> m_parent;
    QPointer<QWidget> m_active; // the window that had the keyboard when the work began
    QString m_what;
    bool m_cancellable;
    bool m_cancelled = false;
    QElapsedTimer m_clock;
    qint64 m_nextLook = 0;
    QPointer<QProgressDialog> m_dialog;
};

} // namespace

QtToolkit::QtToolkit() = default;
QtToolkit::~QtToolkit() = default;

void QtToolkit::alert(QWidget *parent, const QString &title, const QString &message, const QString &button)
{
    QMessageBox box(parent);
    box.setIcon(title == errorTitle() ? QMessageBox::Warning : QMessageBox::Information);
    box.setWindowTitle(title);
    box.setText(message);
    box.addButton(button, QMessageBox::AcceptRole);
    giveAccessKeys(&box);
    box.exec();
    reactivate(parent);
}

void QtToolkit::beep() { QApplication::beep(); }

QStringList QtToolkit::openPanel(QWidget *parent, const QString &title, const QString &filter, bool multiple,
                                 const QString &directory)
{
    QStringList paths;
    if (multiple)
        paths = QFileDialog::getOpenFileNames(parent, title, directory, filter);
    else if (const QString path = QFileDialog::getOpenFileName(parent, title, directory, filter); !path.isEmpty())
        paths = {path};
    reactivate(parent);
    return paths;
}

QString QtToolkit::savePanel(QWidget *parent, const QString &title, const QString &suggestedPath,
                             const QString &filter, const QString &defaultSuffix)
{
    // The dialog adds the suffix before it asks about replacing a file, so the
    // question is about the file that will really be written.
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(suggestedPath);
    const QString path = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    reactivate(parent);
    return path;
}

Toolkit::SaveAnswer QtToolkit::askToSave(QWidget *parent, const QString &documentName)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(u"Cheqbook"_s);
    box.setText(QCoreApplication::translate("Toolkit", "Do you want to save the changes you made in \u201c%1\u201d?")
                    .arg(documentName));
    box.setInformativeText(QCoreApplication::translate("Toolkit", "Your changes will be lost if you don\u2019t save them."));
    QPushButton *save = box.addButton(QMessageBox::Save);
    QPushButton *discard = box.addButton(QCoreApplication::translate("Toolkit", "&Don\u2019t Save"),
                                         QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    giveAccessKeys(&box);
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
    giveAccessKeys(&box);
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

int QtToolkit::choose(QWidget *parent, const QString &title, const QString &message, const QStringList &answers)
{
    Q_ASSERT(!answers.isEmpty());
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(title);
    box.setText(message);
    QList<QPushButton *> buttons;
    for (qsizetype i = 0; i < answers.size(); ++i)
        buttons << box.addButton(answers[i], i + 1 == answers.size() ? QMessageBox::RejectRole
                                     : i == 0                        ? QMessageBox::DestructiveRole
                                                                     : QMessageBox::AcceptRole);
    box.setDefaultButton(buttons.last());
    box.setEscapeButton(buttons.last());
    giveAccessKeys(&box);
    box.exec();
    reactivate(parent);
    const qsizetype chosen = buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return int(chosen < 0 ? answers.size() - 1 : chosen);
}

bool QtToolkit::runDialog(QDialog &dialog)
{
    giveAccessKeys(&dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    reactivate(dialog.parentWidget());
    return accepted;
}

bool QtToolkit::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // A printer told the document's pages (setFromTo) offers just those.
    if (printer.toPage() > 0)
        dialog.setMinMax(1, printer.toPage());
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
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The paper of the user's country to begin with; what they choose in
        // the print dialog is kept from then on.
        m_printer->setPageSize(QPageSize(paperOfLocale(QLocale())));
    }
    return *m_printer;
}

std::unique_ptr<Progress> QtToolkit::progress(QWidget *parent, const QString &what, bool cancellable)
{
    return std::make_unique<DialogProgress>(parent, what, cancellable);
}

QDate QtToolkit::today() const { return QDate::currentDate(); }

bool QtToolkit::isAsking() const { return QApplication::activeModalWidget() != nullptr; }

// The Cheqbook that tests/soak kills. It starts as the program does (the Qt
// toolkit with its real dialogs, the document architecture, the signal
// handling), takes every offer of recovery, opens the register, and then
// works it as a hurried user would: entries typed into the fields, bank
// statements imported through File > Import Statement and its file dialog,
// and saves, at random. Every dialog is answered as a user pressing Return
// would, except the question before saving over a changed file, which the
// user answers Save Anyway (the change was this user's own, saved just before
// a crash).
//
// It says what it did on standard output, a line each, as it does it:
//   start RUN                    at start
//   dialog TITLE                 a dialog it answered
//   open D1 D2 ...               the register's descriptions once open
//   entered D                    an entry is in the register
//   imported D1 D2 D3            a statement's rows are in the register
//   saved                        a save succeeded (the window is unmodified)
//   quit                         the last run saved and is ending
//
//   soak_driver RECOVERY REGISTER STATEMENTS RUN SEED [--save-and-quit]

#include "DocumentController.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "ProcessSignals.h"
#include "QtToolkit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void say(const QString &line)
{
    std::puts(line.toUtf8().constData());
    std::fflush(stdout);
}

QStringList descriptions(const MyDocument *document)
{
    QStringList out;
    for (const RecordPtr &r : document->array()->rows())
        out << r->value(Key::DescriptionofTransaction).toString();
    return out;
}

QAction *menuItem(QMainWindow *window, const QString &text)
{
    for (QMenu *menu : window->menuBar()->findChildren<QMenu *>())
        for (QAction *item : menu->actions())
            if (item->text() == text)
                return item;
    return nullptr;
}

// Answers the dialog in front, as the user would.
class Responder : public QObject
{
public:
    QString statement; // the file the next open dialog chooses

    Responder()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] { answer(); });
        m_poll.start(40);
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_answered)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_answered = modal;
            say(u"dialog "_s + box->windowTitle());
            if (box->windowTitle() == u"Save") {
                for (QAbstractButton *button : box->buttons())
                    if (button->text() == u"Save Anyway")
                        button->click();
            } else {
                QTest::keyClick(box, Qt::Key_Return);
            }
        } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            m_answered = modal;
            say(u"dialog "_s + files->windowTitle());
            files->selectFile(statement);
            static_cast<QDialog *>(files)->accept(); // QFileDialog::accept, through its public base
        }
    }

    QTimer m_poll;
    QPointer<QWidget> m_answered;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"CheqbookSoak"_s);
    QApplication::setApplicationName(u"CheqbookSoak"_s);
    const QStringList args = app.arguments();
    if (args.size() < 6)
        return 2;
    const QString recovery = args[1];
    const QString path = args[2];
    const QDir statements(args[3]);
    const QString run = args[4];
    QRandomGenerator random(args[5].toUInt());
    const bool saveAndQuit = args.contains(u"--save-and-quit"_s);

    QtToolkit toolkit;
    DocumentController documents(toolkit, recovery);
    ProcessSignals signalHandling(documents);
    Responder responder;
    say(u"start "_s + run);
    documents.offerRecovery();
    MyDocument *document = documents.openDocument(path);
    if (!document)
        return 1;
    say(u"open "_s + descriptions(document).join(u' '));
    QMainWindow *window = windowController(document)->window();
    QAction *save = menuItem(window, u"&Save"_s);
    QAction *import = menuItem(window, u"&Import Statement\u2026"_s);

    int step = 0;
    bool busy = false;
    QTimer work;
    work.setSingleShot(true);
    QObject::connect(&work, &QTimer::timeout, [&] {
        // A dialog's own event loop runs this timer too; one thing at a time.
        if (busy)
            return;
        busy = true;
        ++step;
        const int roll = int(random.bounded(100));
        if (saveAndQuit || roll >= 85) {
            save->trigger();
            if (!document->isDocumentEdited())
                say(u"saved"_s);
            if (saveAndQuit) {
                say(u"quit"_s);
                documents.quit();
                return;
            }
        } else if (roll >= 75) {
            QStringList rows;
            QByteArray csv;
            for (int k = 0; k < 3; ++k) {
                rows << u"s%1i%2k%3"_s.arg(run).arg(step).arg(k);
                csv += "12/0" + QByteArray::number(k + 1) + "/2026,-" + QByteArray::number(k + 1) + ".50,,,"
                    + rows.last().toUtf8() + "\r\n";
            }
            responder.statement = statements.filePath(u"s%1i%2.csv"_s.arg(run).arg(step));
            QFile file(responder.statement);
            if (file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.flush()) {
                file.close();
                import->trigger();
                if (descriptions(document).mid(document->count() - 3) == rows)
                    say(u"imported "_s + rows.join(u' '));
            }
        } else {
            const QString description = u"s%1e%2"_s.arg(run).arg(step);
            auto *field = window->findChild<QLineEdit *>(u"DescriptionofTransaction"_s);
            auto *amount = window->findChild<QLineEdit *>(u"Amount"_s);
            field->clear();
            QTest::keyClicks(field, description);
            amount->clear();
            QTest::keyClicks(amount, u"-%1.25"_s.arg(step % 50));
            QTest::keyClick(amount, Qt::Key_Return);
            if (descriptions(document).endsWith(description))
                say(u"entered "_s + description);
        }
        busy = false;
        work.start(int(random.bounded(150, 600)));
    });
    work.start(200);
    return app.exec();
}

// A Cheqbook for the crash-recovery tests to crash: it sets up as the program
// does (its document architecture and its signal handling), does one thing,
// says what happened on standard output, and waits to be killed.
//
//   recovery_helper FOLDER REGISTER edit     enters "Unsaved coffee", says "ready"
//                                            once the recovery copy is written
//   recovery_helper FOLDER REGISTER type     enters it and says "entered" at once
//   recovery_helper FOLDER REGISTER open     opens the register, says "opened"
//   recovery_helper FOLDER - restore         takes every offer of recovery with
//                                            its default answer, says what came
//                                            back and "ready"
//
// Every question and alert is printed as "asked: TITLE" or "alert: TITLE".

#include "DocumentController.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "ProcessSignals.h"
#include "QuietToolkit.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void say(const QString &line)
{
    std::puts(line.toUtf8().constData());
    std::fflush(stdout);
}

class TellingToolkit : public QuietToolkit
{
public:
    void alert(QWidget *, const QString &title, const QString &, const QString &) override
    {
        say(u"alert: "_s + title);
    }
    bool confirm(QWidget *p, const QString &title, const QString &m, const QString &y, const QString &n) override
    {
        say(u"asked: "_s + title);
        return QuietToolkit::confirm(p, title, m, y, n);
    }
    bool confirmByDefault(QWidget *p, const QString &title, const QString &m, const QString &y,
                          const QString &n) override
    {
        say(u"asked: "_s + title);
        return QuietToolkit::confirmByDefault(p, title, m, y, n);
    }
};

void enterCoffee(MyDocument *document)
{
    QMainWindow *window = windowController(document)->window();
    window->findChild<QLineEdit *>(u"DescriptionofTransaction"_s)->setText(u"Unsaved coffee"_s);
    window->findChild<QLineEdit *>(u"Amount"_s)->setText(u"-3.75"_s);
    window->findChild<QPushButton *>(u"enterButton"_s)->click();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"CheqbookTests"_s);
    QApplication::setApplicationName(u"CheqbookTests"_s);
    if (argc != 4)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const QString mode = QString::fromLocal8Bit(argv[3]);
    TellingToolkit toolkit;
    DocumentController documents(toolkit, folder);
    ProcessSignals signalHandling(documents);
    QTimer poll;
    if (mode == u"restore") {
        documents.offerRecovery();
        for (MyDocument *document : documents.documents()) {
            QStringList rows;
            for (const RecordPtr &r : document->array()->rows())
                rows << r->value(Key::DescriptionofTransaction).toString();
            say(u"restored: "_s + rows.join(u'|'));
        }
        say(u"ready"_s);
    } else {
        MyDocument *document = documents.openDocument(path);
        if (!document) {
            say(u"refused"_s);
            return 1;
        }
        if (mode == u"open") {
            say(u"opened"_s);
        } else if (mode == u"type") {
            enterCoffee(document);
            say(u"entered"_s);
        } else {
            enterCoffee(document);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (!QDir(folder).entryList({u"*.ldgr"_s}, QDir::Files).isEmpty()) {
                    poll.stop();
                    say(u"ready"_s);
                }
            });
            poll.start(50);
        }
    }
    return app.exec();
}

// A Cheqbook that opens a register, changes it, waits until the recovery copy
// is written, says "ready" and then waits to be killed: the crash that the
// recovery test recovers from.

#include "DocumentController.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "QuietToolkit.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"CheqbookTests"_s);
    QApplication::setApplicationName(u"CheqbookTests"_s);
    if (argc != 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QuietToolkit toolkit;
    DocumentController documents(toolkit, folder);
    MyDocument *document = documents.openDocument(QString::fromLocal8Bit(argv[2]));
    if (!document)
        return 1;
    QMainWindow *window = document->windowController()->window();
    window->findChild<QLineEdit *>(u"DescriptionofTransaction"_s)->setText(u"Unsaved coffee"_s);
    window->findChild<QLineEdit *>(u"Amount"_s)->setText(u"-3.75"_s);
    window->findChild<QPushButton *>(u"enterButton"_s)->click();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!QDir(folder).entryList({u"*.ldgr"_s}, QDir::Files).isEmpty()) {
            poll.stop();
            std::puts("ready");
            std::fflush(stdout);
        }
    });
    poll.start(50);
    return app.exec();
}

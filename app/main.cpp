// Cheqbook: a checkbook register for the desktop.

#include "AppIdentity.h"
#include "DataFolder.h"
#include "DocumentController.h"
#include "ProcessSignals.h"
#include "QtToolkit.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    ProcessSignals::reportFailedWrites();
    QApplication app(argc, argv);
    setApplicationIdentity(QStringLiteral(CHEQBOOK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(u"A checkbook register for the desktop."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"files"_s, u"Register files (.ldgr) to open."_s, u"[FILE...]"_s);
    parser.process(app);

    // Paths are passed on whole: the running Cheqbook works in another folder.
    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files << QFileInfo(file).absoluteFilePath();

    SingleInstance instance(SingleInstance::defaultServerName());
    if (instance.start(files) == SingleInstance::Start::HandedOver)
        return 0;

    keepSettingsPrivate();
    if (const QString left = moveOldDataFolder(); !left.isEmpty())
        qWarning("%s", qPrintable(left));

    QtToolkit toolkit;
    DocumentController documents(toolkit);
    ProcessSignals signalHandling(documents);
    QObject::connect(&instance, &SingleInstance::filesReceived, &documents, &DocumentController::openHandedOver);
    documents.start(files);
    return app.exec();
}

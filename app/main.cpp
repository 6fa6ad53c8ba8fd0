// Cheqbook: a checkbook register for the desktop.

#include "AppIdentity.h"
#include "CommandLine.h"
#include "DataFolder.h"
#include "DocumentController.h"
#include "ProcessSignals.h"
#include "QtToolkit.h"
#include "SingleInstance.h"
#include "Translations.h"

#include <QApplication>

int main(int argc, char **argv)
{
    ProcessSignals::reportFailedWrites();
    // Asked from a shell without a display (over ssh, or by the build that
    // writes the manual page), the help must not fail for want of one.
    if (asksForHelpOrVersion(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setApplicationIdentity(QStringLiteral(CHEQBOOK_VERSION));
    // Before anything is said, the help included.
    installLanguageOfEnvironment(app);
    const QStringList files = readCommandLine(app);

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

// Cheqbook: a checkbook register for the desktop.

#include "DocumentController.h"
#include "ProcessSignals.h"
#include "QtToolkit.h"

#include <QApplication>
#include <QCommandLineParser>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(u"Cheqbook"_s);
    QApplication::setApplicationName(u"Cheqbook"_s);
    QApplication::setApplicationVersion(u"0.1"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"A checkbook register for the desktop."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"files"_s, u"Register files (.ldgr) to open."_s, u"[FILE...]"_s);
    parser.process(app);

    QtToolkit toolkit;
    DocumentController documents(toolkit);
    ProcessSignals signalHandling(documents);
    documents.offerRecovery();
    documents.openDocuments(parser.positionalArguments());
    if (documents.documents().isEmpty())
        documents.newDocument();
    return app.exec();
}

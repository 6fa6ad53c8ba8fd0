#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The OFX reader is beside the programs, not the tests (see OfxReaderProcess.h).
    if (qEnvironmentVariableIsEmpty("CHEQBOOK_OFX_READER"))
        qputenv("CHEQBOOK_OFX_READER", CHEQBOOK_OFX_READER);
    // Data and settings (and those of the programs the tests run) go to
    // folders of the test run's own, never the user's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("CheqbookTests"));
    QCoreApplication::setApplicationName(QStringLiteral("CheqbookTests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

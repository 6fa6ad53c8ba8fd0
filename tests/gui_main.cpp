#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The OFX reader is beside the programs, not the tests (see OfxReaderProcess.h).
    if (qEnvironmentVariableIsEmpty("CHEQBOOK_OFX_READER"))
        qputenv("CHEQBOOK_OFX_READER", CHEQBOOK_OFX_READER);
    // Preferences go to a folder of the test run's own, never the user's.
    QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("CheqbookTests"));
    QApplication::setApplicationName(QStringLiteral("CheqbookTests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

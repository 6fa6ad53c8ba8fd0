#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The OFX reader is beside the programs, not the tests (see OfxReaderProcess.h).
    if (qEnvironmentVariableIsEmpty("CHEQBOOK_OFX_READER"))
        qputenv("CHEQBOOK_OFX_READER", CHEQBOOK_OFX_READER);
    // Preferences and data go to folders of the test run's own, never the user's.
    QTemporaryDir settingsDir;
    QTemporaryDir dataDir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataDir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsDir.path()));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("CheqbookTests"));
    QApplication::setApplicationName(QStringLiteral("CheqbookTests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

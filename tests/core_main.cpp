#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The OFX reader is beside the programs, not the tests (see OfxReaderProcess.h).
    if (qEnvironmentVariableIsEmpty("CHEQBOOK_OFX_READER"))
        qputenv("CHEQBOOK_OFX_READER", CHEQBOOK_OFX_READER);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

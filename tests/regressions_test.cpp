// Every input that once broke a reader or writer, kept so that the fault
// stays fixed, and the fuzzers' seeds: each must meet the invariants the
// fuzz targets check (fuzz/ReaderInvariants.h).

#include "ImportInvariants.h"

#include <QDir>
#include <QFile>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Check = QString (*)(const QByteArray &);

struct Folder {
    const char *regressions; // under tests/data/regressions
    const char *seeds;       // under fuzz/corpus
    Check check;
};

const Folder kFolders[] = {
    {"register", "fuzz_register", invariants::registerInvariants},
    {"statement", "fuzz_statement", invariants::statementInvariants},
    {"amount", "fuzz_amount", invariants::amountInvariants},
    {"layout", "fuzz_layout", invariants::layoutInvariants},
    {"ofx", "fuzz_ofx", invariants::ofxInvariants},
};

int checkEvery(const QString &folder, Check check)
{
    const QDir dir(folder);
    int checked = 0;
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(check(f.readAll()), QString()) << folder.toStdString() << "/" << name.toStdString();
        ++checked;
    }
    return checked;
}

TEST(Regressions, EveryInputThatOnceBrokeAReaderNowHoldsItsInvariants)
{
    int total = 0;
    for (const Folder &f : kFolders)
        total += checkEvery(QStringLiteral(TEST_DATA_DIR "/regressions/") + QLatin1StringView(f.regressions), f.check);
    EXPECT_GE(total, 4) << "the regression inputs are missing";
}

TEST(Regressions, EveryFuzzSeedHoldsTheInvariants)
{
    for (const Folder &f : kFolders)
        EXPECT_GT(checkEvery(QStringLiteral(FUZZ_CORPUS_DIR "/") + QLatin1StringView(f.seeds), f.check), 10)
            << f.seeds << ": the seeds are missing";
}

// While both readings of the XML form exist they agree on every register
// there is: the example, the fuzzers' seeds, the inputs that once broke a
// reader, and each of those the reader accepts written in the XML form.
TEST(Regressions, BothReadingsOfTheXmlFormAgreeOnEveryRegisterFile)
{
    QStringList paths{QStringLiteral(EXAMPLES_DIR "/household.ldgr")};
    for (const QString &folder : {QStringLiteral(FUZZ_CORPUS_DIR "/fuzz_register"),
                                  QStringLiteral(TEST_DATA_DIR "/regressions/register")}) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            paths << dir.filePath(name);
    }
    int xml = 0;
    for (const QString &path : paths) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = f.readAll();
        const RegisterReadResult read = parseRegister(bytes);
        EXPECT_EQ(invariants::xmlReadersAgree(bytes, read), QString()) << path.toStdString();
        QString why;
        if (const std::optional<QByteArray> written = read.ok() ? xmlText(read.rows, &why) : std::nullopt) {
            EXPECT_EQ(invariants::xmlReadersAgree(*written, parseRegister(*written)), QString()) << path.toStdString();
            ++xml;
        }
    }
    EXPECT_GT(xml, 20) << "the registers are missing";
}

} // namespace

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

} // namespace

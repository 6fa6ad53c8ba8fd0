// Earlier versions of a register: a save that changes nothing keeps the
// backups as they are, and a version from before each day saved on is kept,
// for a while, whoever saves (the window or cheqbook-cli).

#include "AtomicFile.h"
#include "Backups.h"
#include "DataFolder.h"
#include "MyDocument.h"
#include "RegisterFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kSorted = "(\n"
                           "    {Amount = 100.00; CheckNumber = \"\"; Date = 12/01/2026; "
                           "DescriptionofTransaction = Opening; Total = 100.00; }\n"
                           ")\n";

ProgramRun cli(const QStringList &args) { return runProgram(QString::fromUtf8(CHEQBOOK_CLI), args); }

// Makes the file look last saved that many days ago.
void saveDaysAgo(const QString &path, int days, int hour = 15)
{
    const QDateTime when(QDate::currentDate().addDays(-days), QTime(hour, 30));
    const struct timespec times[2] = {{when.toSecsSinceEpoch(), 0}, {when.toSecsSinceEpoch(), 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

struct Identity {
    ino_t inode = 0;
    qint64 mtime = 0;
    bool operator==(const Identity &) const = default;
};

Identity identityOf(const QString &path)
{
    struct stat s {};
    ::stat(QFile::encodeName(path).constData(), &s);
    return {s.st_ino, qint64(s.st_mtim.tv_sec) * 1000000000 + s.st_mtim.tv_nsec};
}

class BackupsTest : public ::testing::Test
{
protected:
    void SetUp() override { QSettings().clear(); }
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }
    QStringList datedBackups(const QString &path) const
    {
        QStringList names;
        for (const BackupVersion &v : RegisterBackups(path).versions())
            names << v.savedAt.toString(u"yyyy-MM-dd HH:mm"_s);
        return names;
    }
    QTemporaryDir m_dir;
};

// An import run twice (the second adds nothing), a sort of a sorted file
// or Ctrl+S on an unchanged window rewrote the register and put the file as
// it stood in NAME~: the version before the last real change was gone.
TEST_F(BackupsTest, ASaveOrCommandThatChangesNothingKeepsTheBackupOfTheLastRealChange)
{
    // The opening balance in the short form an older Cheqbook or a hand
    // edit leaves: right, so no command rewrites it.
    const QString path = file(u"r.ldgr"_s, "({Amount = 100; Date = 12/01/2026; DescriptionofTransaction = Opening;})");
    const QString statement = file(u"s.csv"_s, "12/02/2026,-5.00,,,Coffee\n");
    ASSERT_EQ(cli({u"import"_s, path, statement}).exitCode, 0);
    QByteArray imported = readFile(path);
    ASSERT_TRUE(imported.contains("Total = 100.00;")) << imported.constData();
    imported.replace("Total = 100.00;", "Total = 100;");
    writeFile(path, imported);
    writeFile(backupPath(path), "the version before the last real change");
    saveDaysAgo(path, 3);
    const Identity before = identityOf(path);

    const RegisterWrite same = writeRegisterFile(path, imported);
    EXPECT_TRUE(same.error.isEmpty());
    EXPECT_FALSE(same.written);
    for (const QStringList &args : {QStringList{u"sort"_s, path}, QStringList{u"import"_s, path, statement},
                                    QStringList{u"convert"_s, path, u"-o"_s, path}}) {
        const ProgramRun r = cli(args);
        EXPECT_EQ(r.exitCode, 0) << args.join(u' ').toStdString() << r.err.toStdString();
    }
    MyDocument doc;
    QString why;
    ASSERT_TRUE(doc.readFromFile(path, u"ldgr", &why)) << why.toStdString();
    ASSERT_TRUE(doc.saveToFile(path, &why)) << why.toStdString();

    EXPECT_EQ(readFile(path), imported);
    EXPECT_EQ(identityOf(path), before) << "the register was written again";
    EXPECT_EQ(readFile(backupPath(path)), "the version before the last real change");
    EXPECT_EQ(datedBackups(path), QStringList());
}

TEST_F(BackupsTest, TheVersionBeforeEachDaySavedOnIsKeptWhoeverSaves)
{
    const QString path = file(u"r.ldgr"_s, "()\n");
    saveDaysAgo(path, 3, 15);
    const QString day3 = QDateTime(QDate::currentDate().addDays(-3), QTime(15, 30)).toString(u"yyyy-MM-dd HH:mm"_s);

    // The first save today keeps the version of three days ago...
    ASSERT_EQ(cli({u"convert"_s, path, u"-o"_s, path, u"--xml"_s}).exitCode, 0);
    const std::vector<BackupVersion> kept = RegisterBackups(path).versions();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(readFile(kept[0].path), "()\n");
    EXPECT_EQ(QFileInfo(kept[0].path).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0)
        << "a backup is its owner's alone";
    EXPECT_EQ(QFileInfo(RegisterBackups(path).folder()).path(), dataFolder() + u"/Backups"_s);

    // ...and later saves the same day keep nothing more: NAME~ has the one before.
    const QByteArray xml = readFile(path);
    ASSERT_TRUE(writeRegisterFile(path, kSorted).written);
    EXPECT_EQ(readFile(backupPath(path)), xml);
    EXPECT_EQ(datedBackups(path), QStringList{day3});

    // Everything kept, newest first, as the window's File > Revert To lists it.
    const std::vector<BackupVersion> all = earlierVersions(path);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].path, backupPath(path));
    EXPECT_EQ(all[1].path, kept[0].path);
    const ProgramRun listed = cli({u"backups"_s, path});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QStringList lines = QString::fromUtf8(listed.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(u'\t' + backupPath(path))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QDateTime(QDate::currentDate().addDays(-3), QTime(15, 30)).toString(
                    u"yyyy-MM-dd HH:mm:ss\t"_s)))
        << lines[1].toStdString();
}

TEST_F(BackupsTest, OldBackupsArePrunedByAgeTheNewestAlwaysStays)
{
    const QDate today(2026, 12, 9); // a Wednesday
    struct Case {
        const char *what;
        BackupPolicy policy;
        std::vector<int> ages; // days before today, one backup each
        std::vector<int> kept;
    };
    const Case cases[] = {
        {"every day of the last week, and the last of each earlier week", {7, 8},
         {0, 1, 2, 6, 7, 8, 9, 10, 15, 16, 30, 55, 56, 80},
         // 6 days ago was the Thursday of the week before: 7, 8 and 9 were
         // earlier in that week; 10 was the Sunday of the week before that.
         {0, 1, 2, 6, 10, 30, 55}},
        {"a register saved once a year keeps its last version", {7, 8}, {400, 800}, {400}},
        {"no weeks kept", {3, 0}, {0, 2, 3, 20}, {0, 2}},
        {"none kept but the newest", {0, 0}, {5, 9}, {5}},
    };
    for (const Case &c : cases) {
        QTemporaryDir backups;
        const RegisterBackups store(m_dir.filePath(u"r.ldgr"_s), backups.path(), c.policy);
        QDir().mkpath(store.folder());
        for (int age : c.ages)
            writeFile(QDir(store.folder()).filePath(
                          QDateTime(today.addDays(-age), QTime(12, 0)).toString(u"yyyy-MM-dd_HHmmss"_s) + u".ldgr"_s),
                      "()\n");
        writeFile(QDir(store.folder()).filePath(u"notes.txt"_s), "not a backup");
        store.prune(today);
        std::vector<int> kept;
        for (const BackupVersion &v : store.versions())
            kept.push_back(int(v.savedAt.date().daysTo(today)));
        EXPECT_EQ(kept, c.kept) << c.what;
        EXPECT_TRUE(QFileInfo::exists(QDir(store.folder()).filePath(u"notes.txt"_s))) << c.what;
    }
}

TEST_F(BackupsTest, HowLongBackupsAreKeptIsTheUsersSetting)
{
    EXPECT_EQ(BackupPolicy::fromSettings().days, 7);
    EXPECT_EQ(BackupPolicy::fromSettings().weeks, 8);
    QSettings().setValue(u"backups/days"_s, 30);
    QSettings().setValue(u"backups/weeks"_s, -2);
    EXPECT_EQ(BackupPolicy::fromSettings().days, 30);
    EXPECT_EQ(BackupPolicy::fromSettings().weeks, 0);
}

TEST(DataFolder, TheDataFolderIsNamedOnceAndWhatWasOneFolderDeeperMovesUp)
{
    const QString data = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    EXPECT_EQ(dataFolder(), data + u"/Cheqbook"_s);
    const QString old = dataFolder() + u"/Cheqbook"_s;
    QDir().mkpath(old + u"/Recovery/Discarded"_s);
    writeFile(old + u"/Recovery/1-1.ldgr"_s, "copy");
    writeFile(old + u"/Recovery/Discarded/x.ldgr"_s, "discarded");
    QDir().mkpath(dataFolder() + u"/Recovery"_s);
    writeFile(dataFolder() + u"/Recovery/2-1.ldgr"_s, "newer copy");
    writeFile(old + u"/both.txt"_s, "old");
    writeFile(dataFolder() + u"/both.txt"_s, "new");

    const QString left = moveOldDataFolder();
    EXPECT_EQ(readFile(dataFolder() + u"/Recovery/1-1.ldgr"_s), "copy");
    EXPECT_EQ(readFile(dataFolder() + u"/Recovery/2-1.ldgr"_s), "newer copy");
    EXPECT_EQ(readFile(dataFolder() + u"/Recovery/Discarded/x.ldgr"_s), "discarded");
    // A name both hold stays where it was, and is said.
    EXPECT_EQ(readFile(dataFolder() + u"/both.txt"_s), "new");
    EXPECT_EQ(readFile(old + u"/both.txt"_s), "old");
    EXPECT_TRUE(left.contains(old + u"/both.txt"_s)) << left.toStdString();

    QFile::remove(old + u"/both.txt"_s);
    EXPECT_EQ(moveOldDataFolder(), QString());
    EXPECT_FALSE(QFileInfo::exists(old));
    QDir(dataFolder()).removeRecursively();
}

TEST(DataFolder, TheSettingsFileThatNamesRegistersIsItsOwnersAlone)
{
    QSettings().clear();
    keepSettingsPrivate();
    QSettings settings;
    settings.setValue(u"recentFiles"_s, QStringList{u"/home/someone/private.ldgr"_s});
    settings.sync();
    ASSERT_EQ(settings.status(), QSettings::NoError);
    struct stat s {};
    ASSERT_EQ(::stat(QFile::encodeName(settings.fileName()).constData(), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0600u);
    // Made readable by mistake, it is mended the next time Cheqbook starts.
    ::chmod(QFile::encodeName(settings.fileName()).constData(), 0644);
    keepSettingsPrivate();
    ::stat(QFile::encodeName(settings.fileName()).constData(), &s);
    EXPECT_EQ(s.st_mode & 0777, 0600u);
}

} // namespace

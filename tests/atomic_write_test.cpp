// Failed writes at the core: whatever stops a new file from being written
// whole, the old file stays byte for byte, the writer says which file, and a
// document keeps its unsaved changes. A full disk is played by a file size
// limit on the writing process; cheqbook-cli ignores SIGXFSZ itself, so that
// the writes fail with EFBIG as they would with ENOSPC instead of killing it.

#include "MyDocument.h"
#include "RegisterFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    int exitCode = -1;
    QString err;
};

// Runs cheqbook-cli with files limited to limit bytes, and SIGXFSZ as it is
// for any program started from a shell.
Outcome cliWithFileSizeLimit(const QStringList &args, qint64 limit)
{
    QProcess p;
    p.setChildProcessModifier([limit] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit rl{rlim_t(limit), rlim_t(limit)};
        ::setrlimit(RLIMIT_FSIZE, &rl);
    });
    p.start(QString::fromUtf8(CHEQBOOK_CLI), args);
    Outcome r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Limits just below, at and just above each 16 KiB boundary below size, and
// one byte short of size: the writer's buffer fills and empties at these.
std::vector<qint64> limitsBelow(qint64 size)
{
    constexpr qint64 kBuffer = 16 * 1024;
    std::vector<qint64> limits{0, 1};
    for (qint64 b = kBuffer; b < size; b += kBuffer)
        for (qint64 l : {b - 1, b, b + 1})
            if (l < size)
                limits.push_back(l);
    limits.push_back(size - 1);
    return limits;
}

class AtomicWrite : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }
    QByteArray contents(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    static RecordPtr oneMemo(qsizetype length)
    {
        RecordPtr r = makeRecord();
        r->set(u"Memo", Value::text(QString(length, u'x')));
        r->set(Key::ID, Value::text(u"Ab3kP9xQ2mZ")); // written as read
        return r;
    }

    // A register of a few hundred rows, some 70 KB in the old-style form.
    static QByteArray bigRegister()
    {
        std::vector<RecordPtr> rows;
        for (int i = 0; i < 600; ++i) {
            RecordPtr r = makeRecord();
            r->set(Key::Amount, Value::text(QString::number(-(i * 137 % 50000) / 100.0, 'f', 2)));
            r->set(Key::CheckNumber, Value::text(QString::number(1000 + i)));
            r->set(Key::Date, Value::text(u"03/%1/2026"_s.arg(i % 28 + 1, 2, 10, QChar(u'0'))));
            r->set(Key::DescriptionofTransaction, Value::text(u"Payee number %1, caf\u00e9 & \"more\""_s.arg(i)));
            rows.push_back(std::move(r));
        }
        return oldStyleText(rows);
    }

    QTemporaryDir m_dir;
    const QByteArray m_old = "(\n{Amount = 1; DescriptionofTransaction = \"the old file\";}\n)\n";
};

// The writer buffers up to 16 KiB: a file that fits in the buffer is only
// written when it is flushed, one that does not is written as it goes, so
// both the sizes of the new file and the limits straddle the boundaries.
TEST_F(AtomicWrite, ConvertOntoAFullDiskLeavesTheOldFileWhole)
{
    const QString out = write(u"out.ldgr"_s, m_old);
    for (qint64 size : {1000, 16383, 16384, 16385, 32769, 70000}) {
        // One record whose text pads the file to the size wanted.
        const qsizetype frame = oldStyleText({oneMemo(1)}).size() - 1;
        const QByteArray expected = oldStyleText({oneMemo(size - frame)});
        ASSERT_EQ(expected.size(), size);
        const QString in = write(u"in.ldgr"_s, expected);
        const QStringList before = files();
        for (qint64 limit : limitsBelow(size)) {
            SCOPED_TRACE(u"a file of %1 bytes, limit %2"_s.arg(size).arg(limit).toStdString());
            const Outcome r = cliWithFileSizeLimit({u"convert"_s, in, u"-o"_s, out}, limit);
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_EQ(r.err, u"cheqbook-cli: out.ldgr could not be written: File too large\n"_s);
            EXPECT_EQ(contents(out), m_old);
            EXPECT_EQ(files(), before) << "a temporary file was left behind";
        }
        // Room for exactly the new file: the limit was the only obstacle.
        const Outcome fits = cliWithFileSizeLimit({u"convert"_s, in, u"-o"_s, out}, size);
        EXPECT_EQ(fits.exitCode, 0) << fits.err.toStdString();
        EXPECT_EQ(contents(out), expected);
        write(u"out.ldgr"_s, m_old);
    }
}

// Import and rollover write through the document and the XML writer.
TEST_F(AtomicWrite, ImportAndRolloverOntoAFullDiskLeaveTheOldFilesWhole)
{
    const QByteArray original = bigRegister();
    const QString reg = write(u"r.ldgr"_s, original);
    QByteArray statement;
    for (int i = 0; i < 300; ++i)
        statement += "04/01/2026,-" + QByteArray::number(i) + ".25,,,\"A STATEMENT LINE, NUMBER "
            + QByteArray::number(i) + "\"\r\n";
    const QString csv = write(u"bank.csv"_s, statement);
    const QString next = write(u"next.ldgr"_s, m_old);
    const QStringList before = files();
    const struct {
        QStringList args;
        QString written;
        QByteArray old;
    } writers[] = {
        {{u"import"_s, reg, csv}, reg, original},
        {{u"rollover"_s, reg, u"-o"_s, next}, next, m_old},
    };
    for (const auto &w : writers) {
        SCOPED_TRACE(w.args.join(u' ').toStdString());
        // The written file is larger than the register file: the limit lets
        // the old one be read and the new one start, but not finish.
        for (qint64 limit : {original.size() + 1, original.size() + 16 * 1024 + 1}) {
            const Outcome r = cliWithFileSizeLimit(w.args, limit);
            EXPECT_EQ(r.exitCode, 1);
            const QString name = QFileInfo(w.written).fileName();
            EXPECT_TRUE(r.err.startsWith(u"cheqbook-cli: "_s + name + u" could not be written: "_s)) << r.err.toStdString();
            EXPECT_EQ(contents(w.written), w.old);
            EXPECT_EQ(files(), before) << "a temporary file was left behind";
        }
    }
}

TEST_F(AtomicWrite, SavingIntoAVanishedFolderKeepsTheChanges)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"sub"_s));
    const QString path = write(u"sub/r.ldgr"_s, m_old);
    MyDocument doc;
    QString why;
    ASSERT_TRUE(doc.readFromFile(path, u"ldgr", &why));
    doc.updateChangeCount();
    ASSERT_TRUE(QDir(m_dir.filePath(u"sub"_s)).removeRecursively());
    EXPECT_FALSE(doc.saveToFile(path, &why));
    EXPECT_TRUE(why.startsWith(u"r.ldgr could not be written: "_s)) << why.toStdString();
    EXPECT_EQ(doc.changeCount(), 1);
    EXPECT_EQ(doc.fileName(), path);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"sub"_s)));
}

TEST_F(AtomicWrite, SavingIntoAReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders, so there is no failure to see";
    const QString path = write(u"r.ldgr"_s, m_old);
    MyDocument doc;
    QString why;
    ASSERT_TRUE(doc.readFromFile(path, u"ldgr", &why));
    doc.array()->append(makeRecord());
    doc.updateChangeCount();
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool saved = doc.saveToFile(path, &why);
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(why.startsWith(u"r.ldgr could not be written: "_s)) << why.toStdString();
    EXPECT_EQ(doc.changeCount(), 1);
    EXPECT_EQ(contents(path), m_old);
    EXPECT_EQ(files(), QStringList{u"r.ldgr"_s});
}

// Runs cheqbook-cli as another user, with the groups given (the first its
// own), as a root test can.
ProgramRun cliAs(uid_t uid, std::vector<gid_t> groups, const QStringList &args, const QString &home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_DATA_HOME"_s, home);
    env.insert(u"XDG_CONFIG_HOME"_s, home);
    p.setProcessEnvironment(env);
    p.setChildProcessModifier([uid, groups] {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setresgid(groups[0], groups[0], groups[0]) != 0
            || ::setresuid(uid, uid, uid) != 0)
            ::_exit(99);
    });
    p.start(QString::fromUtf8(CHEQBOOK_CLI), args);
    ProgramRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// In a group's folder without setgid, a save by a member other than the
// owner made the file the member's, in the member's own group: the owner
// was shut out of their own register.
TEST_F(AtomicWrite, ASaveKeepsTheRegistersOwnerAndGroupOrRefusesToTakeItOver)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "playing two users needs root";
    constexpr uid_t alice = 47001, bob = 47002;
    constexpr gid_t aliceOwn = 47001, bobOwn = 47002, shared = 47100, other = 47200;
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0777); // a shared folder, no setgid
    const QString home = m_dir.filePath(u"home"_s);
    QDir().mkpath(home);
    ::chmod(QFile::encodeName(home).constData(), 0777);
    const struct {
        const char *what;
        uid_t writer;
        std::vector<gid_t> groups;
        gid_t fileGroup;
        QString refusal; // empty when the save goes ahead
    } cases[] = {
        {"its owner, a member of its group", alice, {aliceOwn, shared}, shared, {}},
        {"another member of its group", bob, {bobOwn, shared}, shared,
         u"it belongs to the user 47001, and a new version saved by you would belong to you; ask 47001 to save it, "
         "or save your changes under another name"_s},
        {"its owner, no longer in its group", alice, {aliceOwn}, other,
         u"it belongs to the group 47200, which you are not a member of, and a new version saved by you would not; "
         "save your changes under another name"_s},
        {"root, saving a user's register", 0, {0}, shared, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = write(u"shared.ldgr"_s, m_old);
        QFile::remove(path + u'~');
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), alice, c.fileGroup), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0660), 0);
        const ProgramRun r = cliAs(c.writer, c.groups, {u"convert"_s, path, u"-o"_s, path, u"--xml"_s}, home);
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &after), 0);
        EXPECT_EQ(after.st_uid, alice);
        EXPECT_EQ(after.st_gid, c.fileGroup);
        EXPECT_EQ(after.st_mode & 0777, 0660u);
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
            EXPECT_TRUE(contents(path).startsWith("<?xml"));
        } else {
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_EQ(r.err, u"cheqbook-cli: shared.ldgr could not be written: "_s + c.refusal + u'\n');
            EXPECT_EQ(contents(path), m_old);
        }
        EXPECT_EQ(files().filter(u".saving"_s), QStringList());
    }
}

} // namespace

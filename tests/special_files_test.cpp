// Files that are not plain files, files that change while they are read, and
// outputs that are inputs: what the readers and writers do with them, in the
// core and through cheqbook-cli.

#include "AtomicFile.h"
#include "FileIdentity.h"
#include "InputFile.h"
#include "MyDocument.h"
#include "RegisterFile.h"
#include "RowIdentity.h"
#include "Statement.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// cheqbook-cli, given at most ten seconds: a reader that waits on a pipe
// fails here instead of holding the suite.
ProgramRun cli(const QStringList &args, const QString &workingDirectory = {})
{
    QProcess p;
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(QString::fromUtf8(CHEQBOOK_CLI), args);
    ProgramRun r;
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

struct stat statusOf(const QString &path)
{
    struct stat s {};
    ::lstat(QFile::encodeName(path).constData(), &s);
    return s;
}

class SpecialFiles : public ::testing::Test
{
protected:
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }
    QString fifo(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }
    QString socketFile(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        std::strncpy(address.sun_path, native.constData(), sizeof address.sun_path - 1);
        EXPECT_EQ(::bind(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        return path;
    }
    void TearDown() override
    {
        if (m_socket >= 0)
            ::close(m_socket);
    }
    QStringList files() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    QTemporaryDir m_dir;
    int m_socket = -1;
    const QByteArray m_register = "(\n{Amount = 100.00; DescriptionofTransaction = Opening; EOMSeen = 1;},\n"
                                  "{Amount = -5.00; DescriptionofTransaction = Coffee;}\n)\n";
};

TEST_F(SpecialFiles, ReadingAPipeASocketOrADeviceNeverHangsAndNeverEnds)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString pipe = fifo(u"pipe.ldgr"_s);
    const QString socket = socketFile(u"socket.ldgr"_s);
    const struct {
        QStringList args;
        QString message;
    } cases[] = {
        {{u"report"_s, pipe}, pipe + u": cannot be read: it is a pipe, not a file"_s},
        {{u"balance"_s, pipe}, pipe + u": cannot be read: it is a pipe, not a file"_s},
        {{u"convert"_s, pipe, u"-o"_s, m_dir.filePath(u"out.ldgr"_s)},
         pipe + u": cannot be read: it is a pipe, not a file"_s},
        {{u"import"_s, reg, pipe}, pipe + u" could not be read: it is a pipe, not a file"_s},
        {{u"report"_s, socket}, socket + u": cannot be read: it is a socket, not a file"_s},
        {{u"report"_s, u"/dev/zero"_s}, u"/dev/zero: cannot be read: it is a device, not a file"_s},
        {{u"import"_s, reg, u"/dev/urandom"_s}, u"/dev/urandom could not be read: it is a device, not a file"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ProgramRun r = cli(c.args);
        EXPECT_EQ(r.exitCode, 1) << "-1: it hung; -2: it crashed";
        EXPECT_EQ(r.err, u"cheqbook-cli: "_s + c.message + u'\n');
    }
    EXPECT_EQ(readFile(reg), m_register);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"out.ldgr"_s)));

    // A link to a pipe is a pipe; a link to a register is the register.
    ASSERT_TRUE(QFile::link(pipe, m_dir.filePath(u"link.ldgr"_s)));
    EXPECT_TRUE(readRegisterFile(m_dir.filePath(u"link.ldgr"_s)).error.endsWith(u"it is a pipe, not a file"_s));
    ASSERT_TRUE(QFile::link(reg, m_dir.filePath(u"good.ldgr"_s)));
    EXPECT_TRUE(readRegisterFile(m_dir.filePath(u"good.ldgr"_s)).ok());
}

TEST_F(SpecialFiles, AFileLargerThanTheBoundIsRefusedWithoutBeingRead)
{
    // Sparse: no disk is used, and reading it would take 2 GiB of memory.
    const QString big = m_dir.filePath(u"big.ldgr"_s);
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(InputFile::kMaxBytes + 1));
    f.close();
    const QString tooLarge = u"it is larger than 2 GiB, more than Cheqbook reads"_s;
    EXPECT_EQ(readRegisterFile(big).error, big + u": cannot be read: "_s + tooLarge);
    EXPECT_EQ(readStatementFile(big).error, big + u" could not be read: "_s + tooLarge);
    // Files that say they are empty are read to their end, to the same bound.
    InputFile status(u"/proc/self/status"_s, InputFile::Access::Map);
    ASSERT_TRUE(status.ok()) << status.error().toStdString();
    EXPECT_TRUE(status.bytes().contains("Pid:"));
}

TEST_F(SpecialFiles, ARegisterCutShortWhileItIsReadIsRefusedNotACrash)
{
    QByteArray bytes = "(\n";
    for (int i = 0; i < 20000; ++i)
        bytes += "{Amount = -1.00; DescriptionofTransaction = \"row " + QByteArray::number(i) + "\";},\n";
    bytes += "{Amount = 1;}\n)\n";
    const QString path = file(u"r.ldgr"_s, bytes);
    int rows = 0;
    const RegisterReadResult r = readShownRows(
        path,
        [&](ShownRow &&) {
            // Another program empties the file after the first row.
            if (++rows == 1) {
                ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), 0), 0);
            }
        },
        [] {});
    EXPECT_EQ(r.error, path + u": cannot be read: "_s + InputFile::changedWhileReadMessage());
    EXPECT_TRUE(r.rows.empty());

    // The same, with the file cut at any moment while cheqbook-cli reads it.
    for (int i = 0; i < 8; ++i) {
        file(u"r.ldgr"_s, bytes.repeated(20).replace(")\n(\n", ",\n"));
        QProcess report;
        report.start(QString::fromUtf8(CHEQBOOK_CLI), {u"report"_s, path});
        ASSERT_TRUE(report.waitForStarted());
        std::this_thread::sleep_for(std::chrono::milliseconds(i * 4));
        ::truncate(QFile::encodeName(path).constData(), 4096);
        ASSERT_TRUE(report.waitForFinished(20000));
        EXPECT_EQ(report.exitStatus(), QProcess::NormalExit) << "killed by a signal";
    }
}

TEST_F(SpecialFiles, WritingToADeviceOrAPipeWritesItAndNeverReplacesIt)
{
    const QString reg = file(u"r.ldgr"_s, m_register);
    RegisterReadResult read = parseRegister(m_register);
    giveIdentities(read.rows);
    const QByteArray converted = oldStyleText(read.rows);

    // A pipe with a program reading it gets the register; one without is an
    // error, not a wait.
    const QString pipe = fifo(u"pipe"_s);
    QByteArray received;
    std::thread reader([&] {
        QFile in(pipe);
        if (in.open(QIODevice::ReadOnly))
            received = in.readAll();
    });
    // The reader is there before the writer opens: wait for it.
    const int probe = [&] {
        for (int i = 0; i < 500; ++i) {
            const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                return fd;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }();
    ASSERT_GE(probe, 0);
    const ProgramRun toPipe = cli({u"convert"_s, reg, u"-o"_s, pipe});
    ::close(probe);
    reader.join();
    EXPECT_EQ(toPipe.exitCode, 0) << toPipe.err.toStdString();
    EXPECT_EQ(received, converted);
    EXPECT_TRUE(S_ISFIFO(statusOf(pipe).st_mode)) << "the pipe was replaced by a file";
    const ProgramRun noReader = cli({u"convert"_s, reg, u"-o"_s, pipe});
    EXPECT_EQ(noReader.exitCode, 1);
    EXPECT_EQ(noReader.err, u"cheqbook-cli: pipe could not be written: no program is reading from the pipe\n"_s);

    // /dev/stdout is the program's standard output, here a pipe to this test.
    const ProgramRun toStdout = cli({u"convert"_s, reg, u"-o"_s, u"/dev/stdout"_s});
    EXPECT_EQ(toStdout.exitCode, 0) << toStdout.err.toStdString();
    EXPECT_EQ(toStdout.out, converted);

    // Devices of this test's own, as /dev/full and /dev/null are.
    const QString full = m_dir.filePath(u"full"_s);
    const QString null = m_dir.filePath(u"null"_s);
    if (::mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0
        || ::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making device files needs root";
    for (const QString &command : {u"convert"_s, u"rollover"_s}) {
        const ProgramRun r = cli({command, reg, u"-o"_s, full});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, u"cheqbook-cli: full could not be written: No space left on device\n"_s);
        EXPECT_TRUE(S_ISCHR(statusOf(full).st_mode)) << "the device was replaced by a file";
    }
    EXPECT_EQ(cli({u"import"_s, reg, file(u"s.csv"_s, "12/01/2026,-1.00,,,A\n"), u"-o"_s, null}).exitCode, 0);
    EXPECT_TRUE(S_ISCHR(statusOf(null).st_mode));
    EXPECT_EQ(readFile(reg), m_register);
}

TEST_F(SpecialFiles, RolloverOntoItsOwnRegisterIsRefusedByAnyName)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"sub"_s));
    const QString reg = file(u"r.ldgr"_s, m_register);
    ASSERT_TRUE(QFile::link(reg, m_dir.filePath(u"soft.ldgr"_s)));
    ASSERT_EQ(::link(QFile::encodeName(reg).constData(), QFile::encodeName(m_dir.filePath(u"hard.ldgr"_s)).constData()),
              0);
    for (const QString &out : {u"r.ldgr"_s, u"./r.ldgr"_s, u"sub/../r.ldgr"_s, u"soft.ldgr"_s, u"hard.ldgr"_s}) {
        SCOPED_TRACE(out.toStdString());
        for (const QString &command : {u"rollover"_s, u"print"_s}) {
            const ProgramRun r = cli({command, u"r.ldgr"_s, u"-o"_s, out}, m_dir.path());
            EXPECT_EQ(r.exitCode, 2);
            // Printing starts the painting side of Qt first, which may say things of its own.
            EXPECT_TRUE(
                r.err.endsWith(u"cheqbook-cli: %1 is the register r.ldgr itself; write to another file\n"_s.arg(out)))
                << r.err.toStdString();
        }
    }
    const QString csv = file(u"s.csv"_s, "12/01/2026,-1.00,,,A\n");
    const ProgramRun intoStatement = cli({u"import"_s, u"r.ldgr"_s, u"s.csv"_s, u"-o"_s, u"./s.csv"_s}, m_dir.path());
    EXPECT_EQ(intoStatement.exitCode, 2);
    EXPECT_EQ(readFile(csv), "12/01/2026,-1.00,,,A\n");
    EXPECT_EQ(readFile(reg), m_register) << "the register was written over";
    EXPECT_FALSE(QFile::exists(reg + u'~'));

    // Convert and import may write the register itself, as a save does: the
    // old version is kept.
    ASSERT_EQ(cli({u"convert"_s, u"r.ldgr"_s, u"-o"_s, u"./r.ldgr"_s, u"--xml"_s}, m_dir.path()).exitCode, 0);
    EXPECT_EQ(readFile(reg + u'~'), m_register);
    EXPECT_TRUE(readFile(reg).startsWith("<?xml"));
    const QByteArray xml = readFile(reg);
    ASSERT_EQ(cli({u"import"_s, u"r.ldgr"_s, u"s.csv"_s, u"-o"_s, u"sub/../r.ldgr"_s}, m_dir.path()).exitCode, 0);
    EXPECT_EQ(readFile(reg + u'~'), xml);
    EXPECT_EQ(parseRegister(readFile(reg)).rows.size(), 3u);
}

TEST_F(SpecialFiles, AReadErrorNamesThePathAsGiven)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"a"_s));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"b"_s));
    file(u"a/r.ldgr"_s, "({Amount = (1);})");
    file(u"b/r.ldgr"_s, m_register);
    const ProgramRun r = cli({u"import"_s, u"b/r.ldgr"_s, u"b/../a/none.csv"_s}, m_dir.path());
    EXPECT_EQ(r.err, u"cheqbook-cli: b/../a/none.csv could not be read: No such file or directory\n"_s);
    const ProgramRun bad = cli({u"report"_s, u"./a/r.ldgr"_s}, m_dir.path());
    EXPECT_TRUE(bad.err.startsWith(u"cheqbook-cli: ./a/r.ldgr: line 1: "_s)) << bad.err.toStdString();
}

TEST_F(SpecialFiles, SavingThroughALinkKeepsTheLinkAndBacksUpTheFileItself)
{
    const QString real = file(u"2026.ldgr"_s, "()\n");
    const QString link = m_dir.filePath(u"current.ldgr"_s);
    ASSERT_TRUE(QFile::link(u"2026.ldgr"_s, link)); // relative, as people make them
    MyDocument doc;
    QString why;
    ASSERT_TRUE(doc.readFromFile(link, u"ldgr", &why)) << why.toStdString();
    EXPECT_EQ(doc.fileName(), real) << "the document is the file the link leads to";
    doc.array()->append(makeRecord());
    doc.updateChangeCount();
    ASSERT_TRUE(doc.saveToFile(link, &why)) << why.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), real);
    EXPECT_FALSE(QFileInfo(real + u'~').isSymLink());
    EXPECT_EQ(readFile(real + u'~'), "()\n") << "the backup holds the previous version";
    EXPECT_FALSE(QFile::exists(link + u'~'));
    EXPECT_EQ(readFile(real), oldStyleText(doc.array()->rows()));

    // A link to a file not there yet creates it and stays a link.
    const QString dangling = m_dir.filePath(u"next.ldgr"_s);
    ASSERT_TRUE(QFile::link(m_dir.filePath(u"2027.ldgr"_s), dangling));
    ASSERT_EQ(writeFileAtomically(dangling, "()\n"), QString());
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(readFile(m_dir.filePath(u"2027.ldgr"_s)), "()\n");
}

TEST_F(SpecialFiles, ASaveCutShortAtTheBackupLeavesTwoFilesAndNoStray)
{
    // What a kill after the old backup step left: the register and its
    // backup one file, and a half-made backup beside them.
    const QString reg = file(u"r.ldgr"_s, "(\n{Amount = 1;}\n)\n");
    const QByteArray native = QFile::encodeName(reg);
    ASSERT_EQ(::link(native.constData(), (native + "~").constData()), 0);
    ASSERT_EQ(::link(native.constData(), (native + "~.new").constData()), 0);
    ASSERT_EQ(writeFileAtomicallyWithBackup(reg, "(\n{Amount = 2;}\n)\n"), QString());
    EXPECT_EQ(readFile(reg + u'~'), "(\n{Amount = 1;}\n)\n");
    EXPECT_EQ(statusOf(reg).st_nlink, 1u);
    EXPECT_EQ(statusOf(reg + u'~').st_nlink, 1u);
    EXPECT_EQ(files(), (QStringList{u"r.ldgr"_s, u"r.ldgr~"_s}));

    // Killed at any moment of an import, the register is one version or the
    // other, whole; it and its backup are never one file; and the next save
    // leaves no stray behind.
    QByteArray big = "(\n";
    for (int i = 0; i < 40000; ++i)
        big += "{Amount = -1.00; DescriptionofTransaction = \"a row of some length " + QByteArray::number(i)
            + "\";},\n";
    big += "{Amount = 1;}\n)\n";
    file(u"r.ldgr"_s, big);
    const QString csv = file(u"s.csv"_s, "12/01/2026,-1.00,,,A\n");
    int rows = 40001;
    for (int i = 0; i < 12; ++i) {
        QProcess import;
        // Each import adds the line again: one that adds nothing writes nothing.
        import.start(QString::fromUtf8(CHEQBOOK_CLI), {u"import"_s, reg, csv, u"--keep-duplicates"_s});
        ASSERT_TRUE(import.waitForStarted());
        std::this_thread::sleep_for(std::chrono::milliseconds(40 + 15 * i));
        import.kill();
        import.waitForFinished();
        const size_t now = parseRegister(readFile(reg)).rows.size();
        EXPECT_TRUE(now == size_t(rows) || now == size_t(rows + 1)) << now;
        rows = int(now);
        if (QFile::exists(reg + u'~')) {
            EXPECT_NE(statusOf(reg).st_ino, statusOf(reg + u'~').st_ino);
        }
    }
    ASSERT_EQ(cli({u"import"_s, reg, csv, u"--keep-duplicates"_s}).exitCode, 0);
    EXPECT_EQ(files(), (QStringList{u"r.ldgr"_s, u"r.ldgr~"_s, u"s.csv"_s}));
    EXPECT_EQ(parseRegister(readFile(reg + u'~')).rows.size(), size_t(rows));
}

TEST_F(SpecialFiles, ANewFileLeftByASaveKilledBeforeItTookTheNameGoesAtTheNextSave)
{
    // A save killed between naming its new file and renaming it over the
    // register left the new file beside it, full size, for good.
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString left = file(u".r.ldgr.Ab12Cd.saving"_s, "(\n{Amount = 2;}\n)\n");
    // One being written now by another save: locked, and kept.
    const QString writing = file(u".r.ldgr.Xy34Zw.saving"_s, "(\n");
    const int held = ::open(QFile::encodeName(writing).constData(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // Not of this register, or not a name a save gives: kept.
    const QString other = file(u".q.ldgr.Ab12Cd.saving"_s, "x");
    const QString mine = file(u".r.ldgr.backup"_s, "x");
    ASSERT_EQ(writeFileAtomicallyWithBackup(reg, "()\n"), QString());
    EXPECT_FALSE(QFile::exists(left));
    EXPECT_TRUE(QFile::exists(writing));
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_TRUE(QFile::exists(mine));
    ::close(held);
    ASSERT_EQ(writeFileAtomicallyWithBackup(reg, "()\n"), QString());
    EXPECT_FALSE(QFile::exists(writing)) << "its writer is gone";
}

TEST_F(SpecialFiles, APrivateFileStaysPrivate)
{
    ::umask(022);
    const QString reg = file(u"r.ldgr"_s, m_register);
    ::chmod(QFile::encodeName(reg).constData(), 0600);
    ASSERT_EQ(writeFileAtomicallyWithBackup(reg, "()\n"), QString());
    EXPECT_EQ(statusOf(reg).st_mode & 0777, 0600u);
    EXPECT_EQ(statusOf(reg + u'~').st_mode & 0777, 0600u);
    ::chmod(QFile::encodeName(reg).constData(), 0640);
    ASSERT_EQ(writeFileAtomically(reg, "()\n"), QString());
    EXPECT_EQ(statusOf(reg).st_mode & 0777, 0640u) << "a mode is kept, not made by the umask";
    ASSERT_EQ(writeFileAtomically(m_dir.filePath(u"new.ldgr"_s), "()\n"), QString());
    EXPECT_EQ(statusOf(m_dir.filePath(u"new.ldgr"_s)).st_mode & 0777, 0644u);
    ::umask(0);
    ASSERT_EQ(writePrivateFileAtomically(m_dir.filePath(u"copy.ldgr"_s), "()\n"), QString());
    EXPECT_EQ(statusOf(m_dir.filePath(u"copy.ldgr"_s)).st_mode & 0777, 0600u);
    ::umask(022);
}

TEST_F(SpecialFiles, AChangeThatKeepsSizeAndTimeIsStillAChange)
{
    const QString reg = file(u"r.ldgr"_s, "({Amount = 1.00;})");
    FileStamp stamp;
    ASSERT_TRUE(readRegisterFile(reg, &stamp).ok());
    EXPECT_FALSE(stamp.changedOnDisk(reg));
    ::chmod(QFile::encodeName(reg).constData(), 0600); // touched, not changed
    EXPECT_FALSE(stamp.changedOnDisk(reg));

    // As cp -p and rsync -t leave it: other bytes, the same size and time.
    const struct stat before = statusOf(reg);
    file(u"r.ldgr"_s, "({Amount = 9.00;})");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(reg).constData(), times, 0), 0);
    ASSERT_EQ(statusOf(reg).st_size, before.st_size);
    EXPECT_TRUE(stamp.changedOnDisk(reg));

    EXPECT_EQ(FileStamp::fromText(stamp.toText()), stamp);
    EXPECT_EQ(FileStamp::fromText(FileStamp().toText()), FileStamp());
    EXPECT_FALSE(FileStamp::fromText(u"1 2 three"));
}

} // namespace

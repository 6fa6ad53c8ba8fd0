// What the package installs beside the programs: the register file type, the
// manual pages, and the releases the changelog and the software centre tell.

#include "RegisterFile.h"
#include "TestSupport.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

RecordPtr record(std::initializer_list<std::pair<const char *, const char *>> values)
{
    RecordPtr r = makeRecord();
    for (const auto &[key, value] : values)
        r->set(QString::fromLatin1(key), Value::text(QString::fromUtf8(value)));
    return r;
}

TEST(InstalledFiles, TheFileTypeKnowsBothFormsCheqbookWritesAndNoOtherPropertyList)
{
    // The desktop's file type database, as it is once the package is in:
    // the common types and ours. Set before the first look-up in this
    // program.
    QTemporaryDir data;
    QDir(data.path()).mkpath(u"mime/packages"_s);
    ASSERT_TRUE(QFile::copy(u"/usr/share/mime/packages/freedesktop.org.xml"_s,
                            data.filePath(u"mime/packages/freedesktop.org.xml"_s)));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(DATA_DIR "/cheqbook-mime.xml"), data.filePath(u"mime/packages/cheqbook.xml"_s)));
    qputenv("XDG_DATA_DIRS", data.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.filePath(u"nothing"_s).toLocal8Bit());
    const QMimeDatabase types;
    const QString ours = u"application/x-cheqbook-register"_s;
    const auto typeOf = [&](const QString &name, const QByteArray &bytes) {
        return types.mimeTypeForFile(writeFile(data.filePath(name), bytes), QMimeDatabase::MatchContent).name();
    };

    const std::vector<RecordPtr> full = {
        record({{"Amount", "2814.37"}, {"CheckNumber", ""}, {"DescriptionofTransaction", "Opening Balance"}}),
        record({{"Amount", "-1450.00"}, {"CheckNumber", "1041"}, {"DescriptionofTransaction", "Rent"}})};
    // A first row without an amount, as a hand-made register may have.
    const std::vector<RecordPtr> noAmount = {record({{"CheckNumber", "7"}, {"DescriptionofTransaction", "x"}})};
    QString why;
    EXPECT_EQ(typeOf(u"text-form"_s, oldStyleText(full)), ours);
    EXPECT_EQ(typeOf(u"xml-form"_s, *xmlText(full, &why)), ours);
    EXPECT_EQ(typeOf(u"text-no-amount"_s, oldStyleText(noAmount)), ours);
    EXPECT_EQ(typeOf(u"xml-no-amount"_s, *xmlText(noAmount, &why)), ours);
    EXPECT_EQ(types.mimeTypeForFile(data.filePath(u"any name.ldgr"_s), QMimeDatabase::MatchExtension).name(), ours);

    // Files that merely look alike stay what they are.
    EXPECT_NE(typeOf(u"Info"_s, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                                "\t<key>CFBundleName</key>\n\t<string>Amount = 1</string>\n</dict>\n</plist>\n"),
              ours);
    EXPECT_NE(typeOf(u"settings"_s, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
                                    "\t<key>Amount</key>\n\t<real>3</real>\n</dict>\n</plist>\n"),
              ours);
    EXPECT_NE(typeOf(u"strings"_s, "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">\n<array>\n"
                                   "\t<string>Amount</string>\n</array>\n</plist>\n"),
              ours);
    EXPECT_NE(typeOf(u"lisp"_s, "(defun total (amount) amount)\n"), ours);
    EXPECT_NE(typeOf(u"gnustep"_s, "(\n    {Name = Mail; Path = /usr/bin/mail; }\n)\n"), ours);
    EXPECT_EQ(typeOf(u"notes"_s, "Amount = 3\n"), u"text/plain") << "the common types are known";
}

// A text as it reads, whatever its line breaks and spacing.
QString flowing(QString text)
{
    return text.replace(QRegularExpression(u"\\s+"_s), u" "_s).trimmed();
}

// A manual page as man shows it, in plain ASCII, unhyphenated, and flowing.
QString rendered(const QString &page)
{
    const ProgramRun r = runProgram(u"groff"_s, {u"-man"_s, u"-Tascii"_s, u"-P-cbou"_s, u"-rHY=0"_s, u"-rLL=400n"_s,
                                                 QStringLiteral(MAN_DIR "/") + page});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString()) << "groff's warnings";
    return flowing(QString::fromUtf8(r.out));
}

QString help(const QString &program, const QStringList &args)
{
    const ProgramRun r = runProgram(program, args);
    EXPECT_EQ(r.exitCode, 0) << args.join(u' ').toStdString() << ": " << r.err.toStdString();
    return QString::fromUtf8(r.out);
}

// The commands 'cheqbook-cli --help' lists.
QStringList cliCommands()
{
    QStringList commands;
    const QString usage = help(QStringLiteral(CHEQBOOK_CLI), {u"--help"_s});
    const QString listed = usage.section(u"\ncommands:\n"_s, 1).section(u"\n\n"_s, 0, 0);
    for (const QString &line : listed.split(u'\n'))
        commands << line.trimmed().section(u' ', 0, 0);
    return commands;
}

struct ManualCase {
    const char *page;
    QString program;
    QList<QStringList> helps; // what the page must hold every option of
    QStringList says;         // and texts it must hold
};

std::vector<ManualCase> manualCases()
{
    ManualCase cli{"cheqbook-cli.1", QStringLiteral(CHEQBOOK_CLI), {{u"--help"_s}},
                   {u"EXIT STATUS"_s, u"FILES"_s, u"ENVIRONMENT"_s, u"SEE ALSO"_s}};
    for (const QString &command : cliCommands())
        cli.helps << QStringList{command, u"--help"_s};
    std::vector<ManualCase> cases;
#ifdef CHEQBOOK_APP
    cli.says << u"cheqbook(1)"_s;
    cases.push_back(cli);
    // The paths every user has, never the home of whoever built the page.
    cases.push_back({"cheqbook.1", QStringLiteral(CHEQBOOK_APP), {{u"--help"_s}, {u"--help-all"_s}},
                     {u"EXIT STATUS"_s, u"FILES ~/.config/"_s, u"~/.local/share/"_s, u"ENVIRONMENT"_s,
                      u"SEE ALSO cheqbook-cli(1)"_s, u"Qt options"_s}});
#else
    cases.push_back(cli);
#endif
    return cases;
}

TEST(ManualPages, HoldEveryOptionOfTheHelpTheyAreMadeFromAndTheSectionsManHas)
{
    const QString releaseDate = QString::fromUtf8(readFile(QStringLiteral(RELEASE_DATE))).trimmed();
    ASSERT_TRUE(QDate::fromString(releaseDate, Qt::ISODate).isValid()) << releaseDate.toStdString();
    const QRegularExpression option(u"(?<![\\w-])--?[A-Za-z][\\w-]*"_s);
    for (const ManualCase &c : manualCases()) {
        SCOPED_TRACE(c.page);
        const QString source = QString::fromUtf8(readFile(QStringLiteral(MAN_DIR "/") + QLatin1String(c.page)));
        EXPECT_TRUE(source.contains(u" 1 \"%1\" "_s.arg(releaseDate))) << "dated by the release";
        const QString manual = rendered(QLatin1String(c.page));
        for (const QStringList &args : c.helps) {
            const QString text = help(c.program, args);
            ASSERT_FALSE(text.isEmpty()) << args.join(u' ').toStdString();
            for (const auto &m : option.globalMatch(text)) {
                const QString pattern = u"(?<![\\w-])"_s + QRegularExpression::escape(m.captured()) + u"(?![\\w-])"_s;
                EXPECT_TRUE(manual.contains(QRegularExpression(pattern)))
                    << m.captured().toStdString() << " of " << args.join(u' ').toStdString();
            }
        }
        for (const QString &text : c.says)
            EXPECT_TRUE(manual.contains(text)) << text.toStdString();
    }
}

TEST(ManualPages, TheCliPageSaysWhatEachCommandsHelpSays)
{
    const QStringList commands = cliCommands();
    ASSERT_GE(commands.size(), 5);
    const QString manual = rendered(u"cheqbook-cli.1"_s);
    for (const QString &command : commands) {
        SCOPED_TRACE(command.toStdString());
        const QString text = help(QStringLiteral(CHEQBOOK_CLI), {command, u"--help"_s});
        const QString synopsis = text.section(u'\n', 0, 0).section(u"usage: "_s, 1);
        const QString description = flowing(text.section(u'\n', 1));
        EXPECT_TRUE(manual.contains(synopsis)) << synopsis.toStdString();
        EXPECT_TRUE(manual.contains(description)) << description.toStdString();
    }
}

#ifdef CHEQBOOK_APP
// Qt needs a display for the window, and a program started without one used
// to abort in QApplication before it could answer --help.
TEST(ManualPages, CheqbooksHelpAndVersionNeedNoDisplay)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    const struct {
        QString arg;
        QByteArray starts;
    } cases[] = {{u"--help"_s, "Usage: "}, {u"-h"_s, "Usage: "}, {u"--help-all"_s, "Usage: "},
                 {u"--version"_s, "Cheqbook "}};
    for (const auto &c : cases) {
        const ProgramRun r = runProgram(QStringLiteral(CHEQBOOK_APP), {c.arg}, {}, env);
        EXPECT_EQ(r.exitCode, 0) << c.arg.toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(c.starts)) << c.arg.toStdString() << ": " << r.out.toStdString();
    }
}
#endif

// A history made for the test: commits on a main line, each dated as told,
// some changing the version in CMakeLists.txt.
class History
{
public:
    History()
    {
        m_env.insert(u"GIT_CONFIG_GLOBAL"_s, u"/dev/null"_s);
        m_env.insert(u"GIT_CONFIG_NOSYSTEM"_s, u"1"_s);
        for (const char *who : {"GIT_AUTHOR", "GIT_COMMITTER"}) {
            m_env.insert(QLatin1String(who) + u"_NAME"_s, u"A Developer"_s);
            m_env.insert(QLatin1String(who) + u"_EMAIL"_s, u"developer@cheqbook.example"_s);
        }
        git({u"init"_s, u"-q"_s, u"-b"_s, u"main"_s});
    }
    QString path() const { return m_dir.path(); }
    void commit(const QString &day, const QString &subject, const QString &version = {})
    {
        if (!version.isEmpty())
            writeFile(m_dir.filePath(u"CMakeLists.txt"_s),
                      "cmake_minimum_required(VERSION 3.25)\nproject(Cheqbook VERSION " + version.toUtf8() +
                          " LANGUAGES CXX)\n");
        writeFile(m_dir.filePath(u"notes"_s), subject.toUtf8());
        git({u"add"_s, u"-A"_s});
        git({u"commit"_s, u"-q"_s, u"-m"_s, subject}, day);
    }
    void git(const QStringList &args, const QString &day = u"2026-01-01"_s)
    {
        m_env.insert(u"GIT_AUTHOR_DATE"_s, day + u"T12:00:00Z"_s);
        m_env.insert(u"GIT_COMMITTER_DATE"_s, day + u"T12:00:00Z"_s);
        const ProgramRun r = runProgram(u"git"_s, QStringList{u"-C"_s, path()} + args, {}, m_env);
        ASSERT_EQ(r.exitCode, 0) << args.join(u' ').toStdString() << ": " << r.err.toStdString();
    }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
};

struct Releases {
    QString xml;
    QString changelog;
};

Releases readReleases(const QString &source, const QString &version, const QString &epoch)
{
    QTemporaryDir out;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"SOURCE_DATE_EPOCH"_s, epoch);
    const ProgramRun r = runProgram(QStringLiteral(PYTHON),
                                    {QStringLiteral(RELEASE_HISTORY), source, version,
                                     u"The Cheqbook developers <developers@cheqbook.example>"_s, out.path()},
                                    {}, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return {QString::fromUtf8(readFile(out.filePath(u"releases.xml"_s))),
            QString::fromUtf8(readFile(out.filePath(u"changelog"_s)))};
}

TEST(Releases, EachVersionIsDatedByItsNewestCommitAndListsWhatTheMainLineDidAtIt)
{
    History history;
    history.commit(u"2026-01-05"_s, u"Foundation: values and records"_s, u"0.1"_s);
    history.commit(u"2026-01-06"_s, u"Reading files; [brackets] and a semicolon are text"_s);
    history.git({u"checkout"_s, u"-q"_s, u"-b"_s, u"feature"_s});
    history.commit(u"2026-01-07"_s, u"Work on a branch, told by its merge"_s);
    history.git({u"checkout"_s, u"-q"_s, u"main"_s});
    history.git({u"merge"_s, u"-q"_s, u"--no-ff"_s, u"-m"_s, u"Merge branch 'feature'"_s, u"feature"_s},
                u"2026-01-08"_s);
    history.commit(u"2026-02-01"_s, u"Version 0.2"_s, u"0.2"_s);
    const QString longSubject = u"A subject far longer than a changelog line may be, which is wrapped at a "
                                "blank and never inside a word such as cheqbook-cli"_s;
    history.commit(u"2026-02-03"_s, longSubject);

    const QString epoch = QString::number(QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC).toSecsSinceEpoch());
    const struct {
        const char *what;
        QString source;
        QString version;
        QString xml;
    } cases[] = {
        {"committed versions", history.path(), u"0.2"_s,
         u"    <release version=\"0.2\" date=\"2026-02-03\"/>\n    <release version=\"0.1\" date=\"2026-01-08\"/>\n"_s},
        {"a version not yet committed comes first, dated by SOURCE_DATE_EPOCH", history.path(), u"0.3"_s,
         u"    <release version=\"0.3\" date=\"2026-03-01\"/>\n    <release version=\"0.2\" date=\"2026-02-03\"/>\n"
         "    <release version=\"0.1\" date=\"2026-01-08\"/>\n"_s},
        {"no history", QTemporaryDir().path(), u"0.2"_s, u"    <release version=\"0.2\" date=\"2026-03-01\"/>\n"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readReleases(c.source, c.version, epoch).xml, c.xml);
    }

    const QString changelog = readReleases(history.path(), u"0.2"_s, epoch).changelog;
    const QString newest = changelog.section(u"\n\ncheqbook ("_s, 0, 0);
    const QString older = changelog.section(u"\n\ncheqbook ("_s, 1);
    EXPECT_TRUE(newest.startsWith(u"cheqbook (0.2) unstable; urgency=medium\n\n  * Version 0.2\n  * A subject"_s))
        << newest.toStdString();
    EXPECT_TRUE(newest.contains(u"Tue, 03 Feb 2026 12:00:00 +0000"_s)) << newest.toStdString();
    EXPECT_TRUE(older.startsWith(u"0.1) unstable; urgency=medium\n\n  * Foundation: values and records\n"
                                 "  * Reading files; [brackets] and a semicolon are text\n"
                                 "  * Work on a branch, told by its merge\n\n"
                                 " -- The Cheqbook developers <developers@cheqbook.example>  Thu, 08 Jan 2026"_s))
        << older.toStdString();
    EXPECT_EQ(flowing(changelog).count(flowing(longSubject)), 1) << "wrapped, but whole";
    EXPECT_FALSE(changelog.contains(u"Merge branch"_s)) << "a merge that names only its branch is told by what it brought";
    for (const QString &line : changelog.split(u'\n'))
        if (line.startsWith(u"  "))
            EXPECT_LE(line.size(), 80) << line.toStdString();
}

} // namespace

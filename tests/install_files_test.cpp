// What the package installs beside the programs: the register file type and
// cheqbook-cli's manual page.

#include "RegisterFile.h"
#include "TestSupport.h"

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

TEST(InstalledFiles, TheManualPageSaysWhatEachCommandsHelpSays)
{
    const ProgramRun usage = runProgram(QStringLiteral(CHEQBOOK_CLI), {u"--help"_s});
    ASSERT_EQ(usage.exitCode, 0);
    QStringList commands;
    for (const QString &line : QString::fromUtf8(usage.out).split(u'\n'))
        if (line.startsWith(u"  "))
            commands << line.trimmed().section(u' ', 0, 0);
    ASSERT_GE(commands.size(), 5);

    // Rendered as man shows it, in plain ASCII, unhyphenated.
    const ProgramRun page = runProgram(u"groff"_s, {u"-man"_s, u"-Tascii"_s, u"-P-cbou"_s, u"-rHY=0"_s,
                                                    u"-rLL=400n"_s, QStringLiteral(MAN_PAGE)});
    ASSERT_EQ(page.exitCode, 0) << page.err.toStdString();
    EXPECT_EQ(page.err, QString());
    const QString manual = flowing(QString::fromUtf8(page.out));
    for (const QString &command : commands) {
        SCOPED_TRACE(command.toStdString());
        const ProgramRun help = runProgram(QStringLiteral(CHEQBOOK_CLI), {command, u"--help"_s});
        ASSERT_EQ(help.exitCode, 0);
        const QString text = QString::fromUtf8(help.out);
        const QString synopsis = text.section(u'\n', 0, 0).section(u"usage: "_s, 1);
        const QString description = flowing(text.section(u'\n', 1));
        EXPECT_TRUE(manual.contains(synopsis)) << synopsis.toStdString();
        EXPECT_TRUE(manual.contains(description)) << description.toStdString();
    }
}

} // namespace

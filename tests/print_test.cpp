// The printed register on paper: laid out to PDF and read back with pdftotext.

#include "PrintedRegister.h"
#include "QtToolkit.h"
#include "Report.h"
#include "RunningBalance.h"

#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {


// Each page's lines as pdftotext reads them, blanks collapsed: it guesses the
// width of a run of blanks, so the columns are checked on glyph positions.
QList<QStringList> pdfPages(const QString &pdf)
{
    const ProgramRun r = runProgram(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    EXPECT_EQ(r.exitCode, 0) << "pdftotext (poppler-utils): " << r.err.toStdString();
    QList<QStringList> pages;
    for (const QString &page : QString::fromUtf8(r.out).split(u'\f')) {
        QStringList lines;
        for (const QString &line : page.split(u'\n', Qt::SkipEmptyParts))
            lines << line.simplified();
        lines.removeAll(QString());
        if (!lines.isEmpty() || pages.isEmpty())
            pages << lines;
    }
    return pages;
}

// The report cut into the pages it should print on: one per header block.
QList<QStringList> expectedPages(const QString &report)
{
    QList<QStringList> pages;
    for (const QString &line : report.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"Check #  | Description "))
            pages.append(QStringList());
        pages.last() << line.simplified();
    }
    return pages;
}

Register sampleRegister(int rows)
{
    Register reg;
    for (int i = 0; i < rows; ++i) {
        RecordPtr r = makeRecord();
        r->set(Key::CheckNumber, Value::text(i == 0 ? QString() : QString::number(1000 + i)));
        r->set(Key::DescriptionofTransaction, Value::text(u"Payee number %1"_s.arg(i)));
        r->set(Key::Date, Value::text(u"%1/01/2026"_s.arg(1 + i % 12)));
        r->set(Key::Amount, Value::text(u"-%1.%2"_s.arg(i).arg(i % 90 + 10)));
        reg.append(r);
    }
    recalculateCheckbook(reg);
    return reg;
}

class PrintTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(PrintTest, EveryPageIsOneHeaderBlockOfTheReport)
{
    const Register reg = sampleRegister(100);
    const QList<QStringList> expected = expectedPages(reportText(reg));
    ASSERT_EQ(expected.size(), 3);
    ASSERT_EQ(writeReportPdf(reg, path(u"Letter.pdf"_s)), QString());
    // Taller pages have room for more than a block; each still starts anew.
    for (QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Legal}) {
        QPdfWriter writer(path(QPageSize::key(size) + u".pdf"_s));
        writer.setPageSize(QPageSize(size));
        ASSERT_TRUE(printRegister(reg, writer));
    }
    for (const QString &name : {u"Letter.pdf"_s, u"A4.pdf"_s, u"Legal.pdf"_s})
        EXPECT_EQ(pdfPages(path(name)), expected) << name.toStdString();
}

TEST_F(PrintTest, FixedPitchColumnsFitTheWidthInsideTheMargins)
{
    ASSERT_EQ(writeReportPdf(sampleRegister(3), path(u"r.pdf"_s)), QString());
    const ProgramRun r = runProgram(u"pdftotext"_s, {u"-bbox"_s, path(u"r.pdf"_s), u"-"_s});
    static const QRegularExpression word(uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)".*>(.*)</word>)re"_s);
    QList<QRegularExpressionMatch> words;
    for (const QRegularExpressionMatch &m : word.globalMatch(QString::fromUtf8(r.out)))
        words << m;
    ASSERT_GT(words.size(), 20);
    EXPECT_NEAR(words[0].captured(1).toDouble(), kPrintMarginPoints, 0.5) << "top left";
    EXPECT_NEAR(words[0].captured(2).toDouble(), kPrintMarginPoints, 2);
    const QRegularExpressionMatch rule = words[10];
    ASSERT_EQ(rule.captured(4), QString(kPrintColumns, u'-'));
    const qreal left = rule.captured(1).toDouble(), right = rule.captured(3).toDouble();
    EXPECT_LE(right, 612 - kPrintMarginPoints) << "inside the right margin";
    EXPECT_GT(right, 612 - kPrintMarginPoints - 10) << "shrunk no more than needed";
    // Every bar of every line stands at character 9, 48, 61 or 73.
    const qreal advance = (right - left) / kPrintColumns;
    int bars = 0;
    for (const QRegularExpressionMatch &w : words) {
        if (!w.captured(4).startsWith(u'|'))
            continue;
        const qreal column = (w.captured(1).toDouble() - left) / advance;
        EXPECT_TRUE(QList<int>({9, 48, 61, 73}).contains(qRound(column))) << column;
        EXPECT_NEAR(column, qRound(column), 0.2);
        ++bars;
    }
    EXPECT_EQ(bars, 4 * 4);
}

// An amount of millions made a line wider than the page: it broke in the
// middle of the balance, and the extra lines pushed rows past the page with
// no header.
TEST_F(PrintTest, AWideLineShrinksThePageInsteadOfBreaking)
{
    Register reg = sampleRegister(60);
    for (int row = 1; row < reg.count(); ++row)
        reg[row].set(Key::Amount, Value::text(u"-12345678.90"_s));
    recalculateCheckbook(reg);
    qsizetype widest = 0;
    for (const QString &line : reportText(reg).split(u'\n'))
        widest = std::max(widest, line.size());
    ASSERT_GT(widest, kPrintColumns);
    ASSERT_EQ(writeReportPdf(reg, path(u"wide.pdf"_s)), QString());
    const QList<QStringList> pages = pdfPages(path(u"wide.pdf"_s));
    EXPECT_EQ(pages, expectedPages(reportText(reg)));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[1].last().endsWith(u"|-12345678.90|-728395055.2"_s)) << pages[1].last().toStdString();
}

TEST_F(PrintTest, ARangePrintsOnlyItsPagesAndThePagesAreCounted)
{
    const Register reg = sampleRegister(100);
    QPdfWriter counter(path(u"count.pdf"_s));
    counter.setPageSize(QPageSize(QPageSize::Letter));
    EXPECT_EQ(printedPageCount(reg, counter), 3);
    const QList<QStringList> all = expectedPages(reportText(reg));
    for (const PageRange range : {PageRange{2, 2}, PageRange{2, 3}, PageRange{3, 9}}) {
        QPdfWriter writer(path(u"range.pdf"_s));
        writer.setPageSize(QPageSize(QPageSize::Letter));
        ASSERT_TRUE(printRegister(reg, writer, range));
        EXPECT_EQ(pdfPages(path(u"range.pdf"_s)), all.mid(range.first - 1, std::min(range.last, 3) - range.first + 1))
            << range.first << "-" << range.last;
    }
}

TEST_F(PrintTest, AnEmptyRegisterGivesAValidBlankDocument)
{
    ASSERT_EQ(writeReportPdf(Register(), path(u"e.pdf"_s)), QString());
    const ProgramRun info = runProgram(u"pdfinfo"_s, {path(u"e.pdf"_s)});
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(info.out).contains(QRegularExpression(u"\\nPages: +1\\n"_s)));
    EXPECT_EQ(pdfPages(path(u"e.pdf"_s)), QList<QStringList>{QStringList()});
}

TEST_F(PrintTest, CliPrintsWhatReportShowsWithoutADisplay)
{
    QFile file(path(u"r.ldgr"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("({Amount = 1000; CheckNumber = \"\"; Date = 03/01/2007; DescriptionofTransaction = Paycheck;},\n"
               " {Amount = -45.25; CheckNumber = 101; Date = 03/12/2007; DescriptionofTransaction = Groceries;})");
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s})
        env.remove(name);
    const QString cli = QString::fromUtf8(CHEQBOOK_CLI);
    const QString ldgr = path(u"r.ldgr"_s);

    const ProgramRun printed = runProgram(cli, {u"print"_s, ldgr, u"-o"_s, path(u"r.pdf"_s)}, {}, env);
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    const ProgramRun report = runProgram(cli, {u"report"_s, ldgr}, {}, env);
    ASSERT_TRUE(report.out.contains("|1000.00    |1000       \n"));
    EXPECT_EQ(pdfPages(path(u"r.pdf"_s)), expectedPages(QString::fromUtf8(report.out)));

    EXPECT_EQ(runProgram(cli, {u"print"_s, ldgr}, {}, env).exitCode, 2) << "no -o";
    EXPECT_TRUE(runProgram(cli, {u"print"_s, u"--help"_s}, {}, env)
                    .out.startsWith("usage: cheqbook-cli print FILE -o OUT.pdf [--paper letter|a4]\n"));
    const ProgramRun nowhere = runProgram(cli, {u"print"_s, ldgr, u"-o"_s, path(u"missing/r.pdf"_s)}, {}, env);
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_TRUE(nowhere.err.contains(u"r.pdf could not be written"_s)) << nowhere.err.toStdString();
}

// Every command paid for loading Qt's painting (fonts, X11, EGL) at each
// start, though only three of them paint.
TEST_F(PrintTest, OnlyTheCommandsThatPaintLoadQtsPainting)
{
    const QString cli = QString::fromUtf8(CHEQBOOK_CLI);
    const ProgramRun linked = runProgram(u"ldd"_s, {cli});
    ASSERT_EQ(linked.exitCode, 0) << linked.err.toStdString();
    EXPECT_FALSE(linked.out.contains("libQt6Gui")) << linked.out.toStdString();
    EXPECT_TRUE(runProgram(cli, {u"--version"_s}).out.startsWith("cheqbook-cli "));

    // Without the program that paints, printing says what is missing; the rest works.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"CHEQBOOK_CLI_PAPER"_s, path(u"nowhere/cheqbook-cli-paper"_s));
    QFile file(path(u"r.ldgr"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("({Amount = 1000; CheckNumber = \"\"; Date = 03/01/2007; DescriptionofTransaction = Paycheck;})");
    file.close();
    const ProgramRun printed = runProgram(cli, {u"print"_s, path(u"r.ldgr"_s), u"-o"_s, path(u"r.pdf"_s)}, {}, env);
    EXPECT_EQ(printed.exitCode, 1);
    EXPECT_TRUE(printed.err.contains(u"nowhere/cheqbook-cli-paper could not be started"_s)) << printed.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(u"r.pdf"_s)));
    EXPECT_EQ(runProgram(cli, {u"balance"_s, path(u"r.ldgr"_s)}, {}, env).out, "1000.00\n");
}

// PDFs and prints were US Letter everywhere, in Europe too.
TEST_F(PrintTest, PaperFollowsTheLocaleUnlessTold)
{
    struct Case {
        const char *locale;
        QPageSize::PageSizeId paper;
    } cases[] = {{"en_US", QPageSize::Letter}, {"fr_CA", QPageSize::Letter}, {"C", QPageSize::Letter},
                 {"de_DE", QPageSize::A4},     {"fr_FR", QPageSize::A4},     {"en_GB", QPageSize::A4}};
    for (const Case &c : cases)
        EXPECT_EQ(paperOfLocale(QLocale(QString::fromLatin1(c.locale))), c.paper) << c.locale;

    // The window's printer begins on the paper of the user's country.
    QLocale::setDefault(QLocale(u"de_DE"_s));
    QtToolkit toolkit;
    EXPECT_EQ(toolkit.sharedPrinter().pageLayout().pageSize().id(), QPageSize::A4);
    QLocale::setDefault(QLocale::c());

    QFile file(path(u"r.ldgr"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("({Amount = 1000; Date = 03/01/2007; DescriptionofTransaction = Paycheck;})");
    file.close();
    QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
    german.insert(u"LANG"_s, u"de_DE.UTF-8"_s);
    german.insert(u"LC_ALL"_s, u"de_DE.UTF-8"_s);
    const QString cli = QString::fromUtf8(CHEQBOOK_CLI);
    auto paperOf = [&](const QStringList &options) {
        const QStringList args{u"print"_s, path(u"r.ldgr"_s), u"-o"_s, path(u"r.pdf"_s)};
        const ProgramRun printed = runProgram(cli, args + options, {}, german);
        if (printed.exitCode != 0)
            return printed.err.trimmed().section(u'\n', -1);
        const ProgramRun info = runProgram(u"pdfinfo"_s, {path(u"r.pdf"_s)});
        return QRegularExpression(u"Page size: .*\\((\\w+)\\)"_s).match(QString::fromUtf8(info.out)).captured(1);
    };
    EXPECT_EQ(paperOf({}), u"A4");
    EXPECT_EQ(paperOf({u"--paper"_s, u"letter"_s}), u"letter");
    EXPECT_EQ(paperOf({u"--paper=A4"_s}), u"A4");
    EXPECT_EQ(paperOf({u"--paper"_s, u"legal"_s}),
              u"cheqbook-cli: --paper: \u201clegal\u201d is not a paper Cheqbook prints on (letter or a4)");
}

} // namespace

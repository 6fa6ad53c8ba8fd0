// The printed register on paper: laid out to PDF and read back with pdftotext.

#include "PrintedRegister.h"
#include "Report.h"
#include "RunningBalance.h"

#include <QFile>
#include <QMap>
#include <QPageSize>
#include <QPdfWriter>
#include <QRectF>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Outcome run(const QString &program, const QStringList &args, const QProcessEnvironment &env = {})
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, args);
    Outcome r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// The text of each page as pdftotext reads it, one entry a line, blanks
// collapsed: pdftotext guesses the width of a run of blanks, so the columns
// are checked on the glyphs' positions instead (see wordsOnPages).
QList<QStringList> pdfPages(const QString &pdf)
{
    const Outcome r = run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    EXPECT_EQ(r.exitCode, 0) << "pdftotext (poppler-utils) failed: " << r.err.toStdString();
    QList<QStringList> pages;
    QStringList pageTexts = QString::fromUtf8(r.out).split(u'\f');
    if (!pageTexts.isEmpty() && pageTexts.last().trimmed().isEmpty())
        pageTexts.removeLast();
    for (const QString &text : pageTexts) {
        QStringList lines;
        for (const QString &line : text.split(u'\n'))
            lines << line.simplified();
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        pages << lines;
    }
    return pages;
}

// The report text cut into the pages it should print on, one per header
// block, blanks collapsed as above.
QList<QStringList> expectedPages(const QString &report)
{
    const QString titles = reportHeader().section(u'\n', 0, 0);
    QList<QStringList> pages;
    for (const QString &line : report.split(u'\n', Qt::SkipEmptyParts)) {
        if (line == titles)
            pages.append(QStringList());
        pages.last() << line.simplified();
    }
    return pages;
}

struct Word {
    QRectF box; // in points, from the top left of the page
    QString text;
};

// Every word of every page with its box, as pdftotext -bbox gives them.
QList<QList<Word>> wordsOnPages(const QString &pdf)
{
    const Outcome r = run(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>|<page )re"_s);
    QList<QList<Word>> pages;
    for (const QRegularExpressionMatch &m : word.globalMatch(QString::fromUtf8(r.out))) {
        if (m.captured(5).isNull() && m.captured(0).startsWith(u"<page")) {
            pages.append(QList<Word>());
            continue;
        }
        pages.last().append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                    QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                             m.captured(5)});
    }
    return pages;
}

Register sampleRegister(int rows)
{
    Register reg;
    for (int i = 0; i < rows; ++i) {
        RecordPtr r = makeRecord();
        r->set(Key::CheckNumber, Value::text(i == 0 ? QString() : QString::number(1000 + i)));
        r->set(Key::DescriptionofTransaction, Value::text(i == 0 ? u"Opening Balance"_s : u"Payee number %1"_s.arg(i)));
        r->set(Key::Date, Value::text(u"%1/%2/2026"_s.arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1 + i % 28, 2, 10, QLatin1Char('0'))));
        r->set(Key::Amount, Value::text(i == 0 ? u"2814.37"_s : u"-%1.%2"_s.arg(i).arg(i % 100, 2, 10, QLatin1Char('0'))));
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

    ASSERT_EQ(writeReportPdf(reg, path(u"letter.pdf"_s)), QString());
    // Taller pages hold more than a block; each still starts with the titles.
    for (QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Legal}) {
        QPdfWriter writer(path(u"%1.pdf"_s.arg(int(size))));
        writer.setPageSize(QPageSize(size));
        ASSERT_TRUE(printRegister(reg, writer));
    }
    for (const QString &name : {u"letter.pdf"_s, u"%1.pdf"_s.arg(int(QPageSize::A4)),
                                u"%1.pdf"_s.arg(int(QPageSize::Legal))}) {
        const QList<QStringList> pages = pdfPages(path(name));
        ASSERT_EQ(pages.size(), 3) << name.toStdString();
        for (int p = 0; p < 3; ++p) {
            EXPECT_EQ(pages[p].first(), u"Check # | Description | Date | Amount | Total"_s) << p;
            EXPECT_EQ(pages[p], expected[p]) << name.toStdString() << " page " << p;
        }
    }
}

TEST_F(PrintTest, FixedPitchColumnsFitTheWidthInsideTheMargins)
{
    ASSERT_EQ(writeReportPdf(sampleRegister(60), path(u"r.pdf"_s)), QString());
    const QList<QList<Word>> pages = wordsOnPages(path(u"r.pdf"_s));
    ASSERT_EQ(pages.size(), 2);
    const qreal margin = kPrintMarginPoints;
    const qreal pageWidth = 612;
    for (int p = 0; p < pages.size(); ++p) {
        const QList<Word> &words = pages[p];
        ASSERT_FALSE(words.isEmpty());
        EXPECT_NEAR(words.first().box.left(), margin, 0.5) << "at the top left";
        EXPECT_NEAR(words.first().box.top(), margin, 2);
        const auto isRule = [](const Word &w) { return w.text.startsWith(u"-----"_s); };
        ASSERT_TRUE(std::any_of(words.begin(), words.end(), isRule));
        const Word &rule = *std::find_if(words.begin(), words.end(), isRule);
        EXPECT_EQ(rule.text, QString(kPrintColumns, u'-'));
        EXPECT_LE(rule.box.right(), pageWidth - margin) << "inside the right margin";
        EXPECT_GT(rule.box.right(), pageWidth - margin - 10) << "shrunk no more than needed to fit";
        // A column's glyphs all advance by the same amount, so the bars of
        // every line stand at character positions 9, 48, 61 and 73.
        const qreal advance = rule.box.width() / kPrintColumns;
        QMap<qreal, QList<qreal>> barsByLine;
        for (const Word &w : words) {
            if (w.text.startsWith(u'|'))
                barsByLine[qRound(w.box.top())].append(w.box.left());
        }
        EXPECT_EQ(barsByLine.size(), p == 0 ? 49 : 13);
        for (const QList<qreal> &bars : barsByLine) {
            ASSERT_EQ(bars.size(), 4);
            const int columns[] = {9, 48, 61, 73};
            for (int i = 0; i < 4; ++i)
                EXPECT_NEAR(bars[i], margin + columns[i] * advance, advance / 4);
        }
    }
}

TEST_F(PrintTest, AnEmptyRegisterGivesAValidBlankDocument)
{
    ASSERT_EQ(writeReportPdf(Register(), path(u"e.pdf"_s)), QString());
    QFile f(path(u"e.pdf"_s));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF-"));
    const Outcome info = run(u"pdfinfo"_s, {path(u"e.pdf"_s)});
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(info.out).contains(
        QRegularExpression(u"^Pages: +1$"_s, QRegularExpression::MultilineOption)))
        << info.out.toStdString();
    EXPECT_EQ(pdfPages(path(u"e.pdf"_s)), QList<QStringList>{QStringList()});
}

} // namespace

namespace {

TEST_F(PrintTest, CliPrintsWhatReportShowsWithoutADisplay)
{
    QFile file(path(u"r.ldgr"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("(\n{Amount = 1000; CheckNumber = \"\"; Date = 03/01/2007; DescriptionofTransaction = Paycheck; "
               "Total = 5;},\n{Amount = -45.25; CheckNumber = 101; Date = 03/12/2007; "
               "DescriptionofTransaction = Groceries;}\n)\n");
    file.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"QT_QPA_PLATFORM"_s);
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    const QString cli = QString::fromUtf8(CHEQBOOK_CLI);

    const Outcome printed = run(cli, {u"print"_s, path(u"r.ldgr"_s), u"-o"_s, path(u"r.pdf"_s)}, env);
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    const Outcome report = run(cli, {u"report"_s, path(u"r.ldgr"_s)}, env);
    ASSERT_EQ(report.exitCode, 0);
    EXPECT_TRUE(report.out.contains("|1000.00    |1000       \n"));
    EXPECT_EQ(pdfPages(path(u"r.pdf"_s)), expectedPages(QString::fromUtf8(report.out)));

    const Outcome noOutput = run(cli, {u"print"_s, path(u"r.ldgr"_s)}, env);
    EXPECT_EQ(noOutput.exitCode, 2);
    const Outcome help = run(cli, {u"print"_s, u"--help"_s}, env);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage: cheqbook-cli print FILE -o OUT.pdf\n"));
    const Outcome nowhere =
        run(cli, {u"print"_s, path(u"r.ldgr"_s), u"-o"_s, path(u"missing/r.pdf"_s)}, env);
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_TRUE(nowhere.err.contains(u"r.pdf could not be written"_s)) << nowhere.err.toStdString();
}

} // namespace

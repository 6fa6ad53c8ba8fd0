// Checks on paper: each shipped layout printed to PDF and read back word by
// word with its position (pdftotext -bbox), the alignment page, and
// cheqbook-cli print-checks.

#include "CheckLayouts.h"
#include "CheckPrinter.h"
#include "PayeeAddresses.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct PdfWord {
    int page = 0; // from 1
    QString text;
    QRectF box; // points, from the page's top left corner
};

std::vector<PdfWord> pdfWords(const QString &pdf)
{
    const ProgramRun r = runProgram(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    EXPECT_EQ(r.exitCode, 0) << "pdftotext (poppler-utils): " << r.err.toStdString();
    static const QRegularExpression tag(
        uR"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    std::vector<PdfWord> words;
    int page = 0;
    for (const QRegularExpressionMatch &m : tag.globalMatch(QString::fromUtf8(r.out))) {
        if (m.captured(0) == u"<page ") {
            ++page;
            continue;
        }
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        // pdftotext writes & as &amp; and takes ligatures apart only sometimes.
        words.push_back({page, m.captured(5).replace(u"&amp;"_s, u"&"_s).replace(u"\ufb01"_s, u"fi"_s),
                         QRectF(topLeft, bottomRight)});
    }
    return words;
}

int pageCount(const std::vector<PdfWord> &words)
{
    int pages = 0;
    for (const PdfWord &w : words)
        pages = std::max(pages, w.page);
    return pages;
}

std::vector<CheckContent> sampleChecks(int count)
{
    std::vector<CheckContent> checks;
    for (int i = 1; i <= count; ++i) {
        CheckContent c;
        c.row = i;
        c.number = QString::number(100 + i);
        c.date = u"03/0%1/2026"_s.arg(i);
        c.payee = u"Payee%1"_s.arg(i);
        c.amount = u"1,234.56"_s;
        c.words = u"One thousand two hundred thirty-four and 56/100"_s;
        c.memo = u"Memo%1"_s.arg(i);
        c.address = {u"Street%1"_s.arg(i), u"Town%1"_s.arg(i)};
        c.splits = {{u"Split%1"_s.arg(i), u"34.56"_s}};
        checks.push_back(c);
    }
    return checks;
}

// A word and where it should begin, in inches from the page's top left.
struct Placed {
    int page;
    const char16_t *word;
    double x;
    double y;
};

// The words of the checks, and the first of each text's words when it is
// several, found at their places: within 2 points across and 3 down (where
// the font's ascent puts the top of the letters).
void expectPlaced(const std::vector<PdfWord> &words, const std::vector<Placed> &placed, const char *layout)
{
    for (const Placed &p : placed) {
        const QString text = QString::fromUtf16(p.word);
        const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord &w) {
            return w.page == p.page && w.text == text && std::abs(w.box.left() - p.x * 72) < 2 &&
                   std::abs(w.box.top() - p.y * 72) < 3;
        });
        QString near;
        for (const PdfWord &w : words)
            if (w.text == text)
                near += u" page %1 at %2in,%3in;"_s.arg(w.page).arg(w.box.left() / 72, 0, 'f', 3).arg(
                    w.box.top() / 72, 0, 'f', 3);
        EXPECT_NE(found, words.end()) << layout << ": " << text.toStdString() << " on page " << p.page << " at "
                                      << p.x << "in," << p.y << "in; found" << near.toStdString();
    }
}

class CheckPdf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    CheckLayout shipped(const QString &id)
    {
        const CheckLayoutReading r = findCheckLayout(id);
        EXPECT_TRUE(r.layout) << r.error.toStdString();
        return r.layout.value_or(CheckLayout());
    }
    std::vector<PdfWord> printed(const QString &id, int count, const CheckPrintSettings &settings = {})
    {
        const QString pdf = m_dir.filePath(id + u".pdf"_s);
        EXPECT_EQ(writeChecksPdf(sampleChecks(count), shipped(id), pdf, settings), u"");
        return pdfWords(pdf);
    }
    QTemporaryDir m_dir;
};

TEST_F(CheckPdf, VoucherChecksPutEachFieldOnTheCheckAndBothStubs)
{
    // The same check and stubs, the check on top, in the middle or at the bottom of the sheet.
    const struct {
        const char16_t *id;
        double face;
        double stub1;
        double stub2;
    } layouts[] = {{u"voucher-top", 0, 3.5, 7.25}, {u"voucher-middle", 3.75, 0, 7.25}, {u"voucher-bottom", 7.5, 0, 3.75}};
    for (const auto &l : layouts) {
        const QString id = QString::fromUtf16(l.id);
        const std::vector<PdfWord> words = printed(id, 2);
        EXPECT_EQ(pageCount(words), 2) << "a sheet for each check";
        const double f = l.face;
        expectPlaced(words,
                     {{1, u"03/01/2026", 6.45, f + 0.62},
                      {1, u"Payee1", 1.05, f + 1.22},
                      {1, u"One", 0.35, f + 1.62},
                      {1, u"Street1", 1.05, f + 1.95},
                      {1, u"Town1", 1.05, f + 1.95 + 1.2 * 10 / 72},
                      {1, u"Memo1", 0.6, f + 2.9},
                      {2, u"Payee2", 1.05, f + 1.22},
                      {1, u"101", 0.5, l.stub1 + 0.4},
                      {1, u"101", 0.5, l.stub2 + 0.4},
                      {1, u"Payee1", 3.0, l.stub1 + 0.4},
                      {1, u"Payee1", 3.0, l.stub2 + 0.4},
                      {1, u"03/01/2026", 1.6, l.stub2 + 0.4},
                      {1, u"Memo1", 0.5, l.stub2 + 0.7},
                      {1, u"Split1", 0.5, l.stub2 + 1.0}},
                     id.toStdString().c_str());
    }
}

TEST_F(CheckPdf, ThreeToASheetFromTheTopAndAPartialSheetFromItsSecondCheck)
{
    const std::vector<PdfWord> full = printed(u"three-per-page"_s, 4);
    EXPECT_EQ(pageCount(full), 2);
    expectPlaced(full,
                 {{1, u"Payee1", 1.05, 1.22},
                  {1, u"Payee2", 1.05, 3.667 + 1.22},
                  {1, u"Payee3", 1.05, 7.333 + 1.22},
                  {1, u"03/03/2026", 6.45, 7.333 + 0.62},
                  {2, u"Payee4", 1.05, 1.22}},
                 "three-per-page");
    CheckPrintSettings partial;
    partial.firstPlace = 2;
    const std::vector<PdfWord> rest = printed(u"three-per-page"_s, 3, partial);
    EXPECT_EQ(pageCount(rest), 2);
    expectPlaced(rest, {{1, u"Payee1", 1.05, 3.667 + 1.22}, {1, u"Payee2", 1.05, 7.333 + 1.22},
                        {2, u"Payee3", 1.05, 1.22}},
                 "three-per-page from the second");
    EXPECT_EQ(checkSheetCount(3, shipped(u"three-per-page"_s), 2), 2);
    EXPECT_EQ(checkSheetCount(2, shipped(u"three-per-page"_s), 2), 1);
    EXPECT_EQ(checkSheetCount(0, shipped(u"three-per-page"_s), 3), 0);
}

TEST_F(CheckPdf, WalletChecksWithTheirStubOnTheLeft)
{
    CheckPrintSettings partial;
    partial.firstPlace = 3;
    const std::vector<PdfWord> words = printed(u"wallet"_s, 2, partial);
    EXPECT_EQ(pageCount(words), 2);
    expectPlaced(words,
                 {{1, u"Payee1", 2.5 + 0.85, 7.333 + 0.95},
                  {1, u"101", 0.2, 7.333 + 0.2},
                  {1, u"Payee1", 0.2, 7.333 + 0.7},
                  {2, u"Payee2", 2.5 + 0.85, 0.95},
                  {2, u"03/02/2026", 2.5 + 4.3, 0.5}},
                 "wallet");
}

TEST_F(CheckPdf, AnOffsetMovesEverythingPrinted)
{
    CheckPrintSettings moved;
    moved.offset = QPointF(0.25 * 72, -0.1 * 72);
    expectPlaced(printed(u"voucher-top"_s, 1, moved), {{1, u"Payee1", 1.30, 1.12}, {1, u"101", 0.75, 3.8}},
                 "moved");
}

// The amount's room is filled so that no digit can be written before it,
// and a text too wide for its box is set narrower instead of running over
// the next field or off the check.
TEST_F(CheckPdf, AmountsFillTheirFieldAndNothingRunsPastItsBox)
{
    const CheckLayout layout = shipped(u"voucher-top"_s);
    std::vector<CheckContent> checks = sampleChecks(1);
    checks[0].payee = u"Payee of a name far too long for the line that the check gives it, with more words still"_s;
    checks[0].words = *amountInWords(kMaxCents, WordsLanguage::English);
    checks[0].amount = u"90,071,992,547,409.92"_s;
    const QString pdf = m_dir.filePath(u"wide.pdf"_s);
    ASSERT_EQ(writeChecksPdf(checks, layout, pdf), u"");
    const FieldPlace &amount = *layout.faceField(CheckField::Amount);
    const FieldPlace &payee = *layout.faceField(CheckField::Payee);
    const FieldPlace &words = *layout.faceField(CheckField::Words);
    for (const PdfWord &w : pdfWords(pdf)) {
        if (w.box.top() > layout.face.bottom())
            continue; // the stubs
        if (std::abs(w.box.top() - payee.at.y()) < 3 && checks[0].payee.split(u' ').contains(w.text)) {
            EXPECT_LE(w.box.right(), payee.at.x() + payee.width + 0.5) << w.text.toStdString();
        }
        if (std::abs(w.box.top() - words.at.y()) < 3) {
            EXPECT_LE(w.box.right(), words.at.x() + words.width + 0.5) << w.text.toStdString();
        }
    }
    const std::vector<PdfWord> filled = printed(u"voucher-top"_s, 1);
    const auto figures = std::find_if(filled.begin(), filled.end(), [](const PdfWord &w) {
        return w.text.endsWith(u"1,234.56") && w.page == 1 && w.box.top() < 2 * 72;
    });
    ASSERT_NE(figures, filled.end());
    EXPECT_TRUE(figures->text.startsWith(u"****")) << figures->text.toStdString();
    EXPECT_NEAR(figures->box.right(), amount.at.x() + amount.width, 1.0) << "against the box's right edge";
    EXPECT_LT(figures->box.left() - amount.at.x(), 8) << "filled to the left edge but for less than a star";
    const auto last = std::find_if(filled.begin(), filled.end(), [](const PdfWord &w) {
        return w.text.startsWith(u"56/100*");
    });
    ASSERT_NE(last, filled.end());
    EXPECT_GT(last->box.right(), words.at.x() + words.width - 8) << "stars up to the end of the line";
}

// A window envelope shows the address whole or the letter goes astray.
TEST_F(CheckPdf, AnAddressLongerThanItsFieldLosesNoLine)
{
    std::vector<CheckContent> checks = sampleChecks(1);
    checks[0].address = {u"Line1"_s, u"Line2"_s, u"Line3"_s, u"Line4"_s, u"Line5"_s, u"Line6"_s};
    for (int i = 0; i < 14; ++i)
        checks[0].splits.push_back({u"More"_s, u"1.00"_s});
    const QString pdf = m_dir.filePath(u"long.pdf"_s);
    ASSERT_EQ(writeChecksPdf(checks, shipped(u"voucher-top"_s), pdf), u"");
    const std::vector<PdfWord> words = pdfWords(pdf);
    const double line = 1.2 * 10 / 72;
    expectPlaced(words, {{1, u"Line4,", 1.05, 1.95 + 3 * line}, {1, u"and", 0.5, 3.5 + 1.0 + 11 * line}}, "long");
    const auto last = std::find_if(words.begin(), words.end(), [](const PdfWord &w) { return w.text == u"Line6"; });
    ASSERT_NE(last, words.end());
    EXPECT_NEAR(last->box.top(), (1.95 + 3 * line) * 72, 1) << "on the last line, after the fourth and fifth";
    const auto more = std::find_if(words.begin(), words.end(), [](const PdfWord &w) { return w.text == u"more"; });
    ASSERT_NE(more, words.end());
    EXPECT_EQ(std::prev(more, 1)->text, u"4") << "the 15 split lines: 11 shown and 4 more";
}

TEST_F(CheckPdf, TheAlignmentPageShowsEachFieldsBoxWhereTheChecksGo)
{
    const CheckLayout layout = shipped(u"three-per-page"_s);
    const QString pdf = m_dir.filePath(u"align.pdf"_s);
    CheckPrintSettings moved;
    moved.offset = QPointF(0.5 * 72, 0);
    ASSERT_EQ(writeAlignmentPdf(layout, pdf, moved), u"");
    const std::vector<PdfWord> words = pdfWords(pdf);
    EXPECT_EQ(pageCount(words), 1);
    expectPlaced(words,
                 {{1, u"payee", 0.5 + 1.05, 1.22},
                  {1, u"payee", 0.5 + 1.05, 3.667 + 1.22},
                  {1, u"payee", 0.5 + 1.05, 7.333 + 1.22},
                  {1, u"amount", 0.5 + 6.95, 1.22},
                  {1, u"check", 0.5 + 0.06, 0.06},
                  {1, u"check", 0.5 + 0.06, 3.667 + 0.06},
                  // the grid stays where the paper is
                  {1, u"1", 1 + 0.03, 0.03},
                  {1, u"1", 0.03, 1 + 0.03}},
                 "alignment");
}

// ---- cheqbook-cli print-checks

class PrintChecksCli : public CheckPdf
{
protected:
    void SetUp() override
    {
        CheckPdf::SetUp();
        m_register = file(u"r.ldgr"_s,
                          "(\n"
                          "{Amount = 2000.00; CheckNumber = \"\"; Date = 03/01/2026; DescriptionofTransaction = "
                          "\"Opening Balance\"; },\n"
                          "{Amount = -1450.00; CheckNumber = 1041; Date = 03/01/2026; DescriptionofTransaction = "
                          "\"Maple Court Apartments\"; },\n"
                          "{Amount = -212.50; CheckNumber = P; Date = 03/02/2026; DescriptionofTransaction = "
                          "\"Jonas Weber Plumbing\"; Memo = \"Kitchen sink\"; },\n"
                          "{Amount = 1800.00; CheckNumber = \"\"; Date = 03/03/2026; DescriptionofTransaction = "
                          "Paycheck; },\n"
                          "{Amount = -41.17; CheckNumber = P; Date = 03/04/2026; DescriptionofTransaction = "
                          "\"City Water\"; }\n"
                          ")\n");
    }
    QString file(const QString &name, const QByteArray &bytes) { return writeFile(m_dir.filePath(name), bytes); }
    ProgramRun cli(const QStringList &args, const QString &lang = u"C.UTF-8"_s)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"config"_s));
        env.insert(u"XDG_DATA_HOME"_s, m_dir.filePath(u"data"_s));
        env.insert(u"LANG"_s, lang);
        env.insert(u"LC_ALL"_s, lang);
        // As a desktop session gives it, so that Qt has nothing to say about it.
        const QString runtime = m_dir.filePath(u"runtime"_s);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        return runProgram(QString::fromUtf8(CHEQBOOK_CLI), args, {}, env);
    }
    QString m_register;
};

TEST_F(PrintChecksCli, MarkedChecksAreNumberedPrintedAndKeptInTheRegister)
{
    const QByteArray before = readFile(m_register);
    const QString pdf = m_dir.filePath(u"checks.pdf"_s);
    const ProgramRun r = cli({u"print-checks"_s, m_register, u"--marked"_s, u"-o"_s, pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, u"cheqbook-cli: %1: checks 1042 to 1043 numbered\n"_s.arg(m_register));
    const QByteArray after = readFile(m_register);
    EXPECT_TRUE(after.contains("CheckNumber = 1042; Date = 03/02/2026;")) << after.toStdString();
    EXPECT_TRUE(after.contains("CheckNumber = 1043; Date = 03/04/2026;"));
    EXPECT_EQ(readFile(m_register + u'~'), before) << "the old register kept, as a save keeps it";
    const std::vector<PdfWord> words = pdfWords(pdf);
    EXPECT_EQ(pageCount(words), 2);
    expectPlaced(words, {{1, u"1042", 0.5, 3.9}, {1, u"Kitchen", 0.6, 2.9}, {2, u"1043", 0.5, 7.65}}, "cli");

    const ProgramRun none = cli({u"print-checks"_s, m_register, u"--marked"_s, u"-o"_s, pdf});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, u"cheqbook-cli: %1: no transaction is marked to print (a P in its Check #)\n"_s.arg(m_register));
}

// Numbers saved for checks whose PDF was never written would be numbers no
// paper carries.
TEST_F(PrintChecksCli, NothingIsNumberedWhenThePdfCannotBeWritten)
{
    const QByteArray before = readFile(m_register);
    const ProgramRun r =
        cli({u"print-checks"_s, m_register, u"--marked"_s, u"-o"_s, m_dir.filePath(u"no/such/checks.pdf"_s)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(u"cheqbook-cli: checks.pdf could not be written")) << r.err.toStdString();
    EXPECT_EQ(readFile(m_register), before);
    EXPECT_FALSE(QFile::exists(m_register + u'~'));
}

TEST_F(PrintChecksCli, RowsPrintAsTheyAreWithTheAddressAndTheLocalesWords)
{
    QDir().mkpath(m_dir.filePath(u"data/Cheqbook"_s));
    file(u"data/Cheqbook/payee-addresses.txt"_s, "Maple Court Apartments\n1200 Maple Court\nSpringfield, IL\n");
    const QString pdf = m_dir.filePath(u"rows.pdf"_s);
    const QByteArray before = readFile(m_register);
    const ProgramRun r = cli({u"print-checks"_s, m_register, u"--rows"_s, u"2"_s, u"--layout"_s,
                              u"three-per-page"_s, u"--start"_s, u"2"_s, u"-o"_s, pdf},
                             u"de_DE.UTF-8"_s);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(m_register), before) << "a numbered check changes nothing";
    expectPlaced(pdfWords(pdf),
                 {{1, u"Eintausendvierhundertfünfzig", 0.35, 3.667 + 1.62},
                  {1, u"01/03/2026", 6.45, 3.667 + 0.62},
                  {1, u"1200", 1.05, 3.667 + 1.95}},
                 "rows");
}

TEST_F(PrintChecksCli, WrongRequestsAreRefusedSayingWhat)
{
    const QString pdf = m_dir.filePath(u"x.pdf"_s);
    const struct {
        QStringList args;
        int exitCode;
        const char16_t *error;
    } cases[] = {
        {{u"--rows"_s, u"4"_s}, 1, u"cheqbook-cli: %1: row 4 (\u201cPaycheck\u201d) is not a check: it pays 1800.00 in, "
                                   u"not out\n"},
        {{u"--rows"_s, u"1"_s}, 1, u"cheqbook-cli: %1: row 1 is the opening balance, not a check\n"},
        {{u"--rows"_s, u"2,x"_s}, 2, u"cheqbook-cli: --rows: \u201c2,x\u201d is not a list of rows such as 12,15 or "
                                     u"12-15\n"},
        {{u"--rows"_s, u"2"_s, u"--marked"_s}, 2, u"cheqbook-cli: --rows or --marked, not both\n"},
        {{}, 2, u"cheqbook-cli: print-checks needs --rows LIST or --marked\n"},
        {{u"--rows"_s, u"2"_s, u"--offset"_s, u"1,2"_s}, 2,
         u"cheqbook-cli: --offset: \u201c1,2\u201d is not two lengths with their units, such as 0.5mm,-1mm or "
         u"0.02in,0\n"},
        {{u"--rows"_s, u"2"_s, u"--start"_s, u"2"_s}, 2,
         u"cheqbook-cli: --start: the layout \u201cVoucher check on top\u201d has 1 check(s) on a sheet; start at "
         u"one of them\n"},
        {{u"--rows"_s, u"2"_s, u"--layout"_s, u"legal"_s}, 1,
         u"cheqbook-cli: there is no check layout \u201clegal\u201d (there are voucher-top, voucher-middle, "
         u"voucher-bottom, three-per-page, wallet)\n"},
        {{u"--marked"_s, u"--first-number"_s, u"1041"_s}, 1,
         u"cheqbook-cli: %1: Check 1041 is already in the register, in row 2; choose a first number after the "
         u"checks it holds.\n"},
    };
    const QByteArray before = readFile(m_register);
    for (const auto &c : cases) {
        const ProgramRun r = cli(QStringList{u"print-checks"_s, m_register, u"-o"_s, pdf} + c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        QString error = QString::fromUtf16(c.error);
        if (error.contains(u"%1"))
            error = error.arg(m_register);
        EXPECT_EQ(r.err.section(u'\n', 0, 0) + u'\n', error) << c.args.join(u' ').toStdString();
    }
    EXPECT_EQ(readFile(m_register), before);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintChecksCli, LayoutsAreListedCopiedAndTheirAlignmentPagePrinted)
{
    const ProgramRun list = cli({u"check-layouts"_s});
    ASSERT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out.count('\n'), 5);
    EXPECT_TRUE(list.out.startsWith("voucher-top       Voucher check on top, 1 per sheet\n")) << list.out.toStdString();
    const ProgramRun copy = cli({u"check-layouts"_s, u"wallet"_s});
    ASSERT_EQ(copy.exitCode, 0);
    QDir().mkpath(m_dir.filePath(u"data/Cheqbook/check-layouts"_s));
    file(u"data/Cheqbook/check-layouts/mine.layout"_s, QByteArray(copy.out).replace("name    Wallet checks", "name    Mine"));
    file(u"data/Cheqbook/check-layouts/bad.layout"_s, "paper letter\nplace 0 0\n");
    const ProgramRun mine = cli({u"check-layouts"_s});
    EXPECT_TRUE(mine.out.contains("\nmine              Mine, three per page, 3 per sheet (")) << mine.out.toStdString();
    EXPECT_TRUE(mine.out.contains("\nbad               cannot be read: ")) << mine.out.toStdString();
    const QString pdf = m_dir.filePath(u"align.pdf"_s);
    ASSERT_EQ(cli({u"check-layouts"_s, u"mine"_s, u"--alignment"_s, u"--offset"_s, u"1mm,0in"_s, u"-o"_s, pdf})
                  .exitCode,
              0);
    expectPlaced(pdfWords(pdf), {{1, u"payee", 2.5 + 0.85 + 1 / 25.4, 0.95}}, "mine");
}

} // namespace

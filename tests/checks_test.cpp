// Checks before they reach paper: the amount in words, layout files, the
// shipped and the person's layouts, what the window remembers, the payee
// address book.

#include "AmountInWords.h"
#include "CheckContent.h"
#include "CheckLayout.h"
#include "CheckLayouts.h"
#include "CheckNumbering.h"
#include "CheckPrintMemory.h"
#include "DataFolder.h"
#include "PayeeAddresses.h"
#include "RunningBalance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace Qt::StringLiterals;

namespace {

// ---- The amount in words

struct Words {
    Cents cents;
    const char16_t *english;
    const char16_t *german;
    const char16_t *french;
};

TEST(AmountInWords, TheAmountsAChequeWritesInEachLanguage)
{
    const Words cases[] = {
        {1, u"Zero and 01/100", u"Null und 01/100", u"Zéro et 01/100"},
        {99, u"Zero and 99/100", u"Null und 99/100", u"Zéro et 99/100"},
        {100, u"One and 00/100", u"Eins und 00/100", u"Un et 00/100"},
        {1000, u"Ten and 00/100", u"Zehn und 00/100", u"Dix et 00/100"},
        {1500, u"Fifteen and 00/100", u"Fünfzehn und 00/100", u"Quinze et 00/100"},
        {10000, u"One hundred and 00/100", u"Einhundert und 00/100", u"Cent et 00/100"},
        {123456, u"One thousand two hundred thirty-four and 56/100",
         u"Eintausendzweihundertvierunddreißig und 56/100", u"Mille deux cent trente-quatre et 56/100"},
        {100000000, u"One million and 00/100", u"Eine Million und 00/100", u"Un million et 00/100"},
        {kMaxCents,
         u"Ninety trillion seventy-one billion nine hundred ninety-two million five hundred forty-seven thousand "
         u"four hundred nine and 92/100",
         u"Neunzig Billionen einundsiebzig Milliarden neunhundertzweiundneunzig Millionen "
         u"fünfhundertsiebenundvierzigtausendvierhundertneun und 92/100",
         u"Quatre-vingt-dix billions soixante et onze milliards neuf cent quatre-vingt-douze millions cinq cent "
         u"quarante-sept mille quatre cent neuf et 92/100"},
    };
    for (const Words &c : cases) {
        EXPECT_EQ(amountInWords(c.cents, WordsLanguage::English), QString::fromUtf16(c.english)) << c.cents;
        EXPECT_EQ(amountInWords(c.cents, WordsLanguage::German), QString::fromUtf16(c.german)) << c.cents;
        EXPECT_EQ(amountInWords(c.cents, WordsLanguage::French), QString::fromUtf16(c.french)) << c.cents;
    }
}

TEST(AmountInWords, NegativeAndBeyondTheMoneyLimitAreRefused)
{
    for (WordsLanguage language : {WordsLanguage::English, WordsLanguage::German, WordsLanguage::French}) {
        EXPECT_EQ(amountInWords(-1, language), std::nullopt);
        EXPECT_EQ(amountInWords(-145000, language), std::nullopt);
        EXPECT_EQ(amountInWords(kMaxCents + 1, language), std::nullopt);
        EXPECT_NE(amountInWords(0, language), std::nullopt);
    }
}

// Each line is a slip a speaker of the language would see at once.
TEST(AmountInWords, GrammarOfEachLanguage)
{
    const struct {
        WordsLanguage language;
        qint64 n;
        const char16_t *words;
    } cases[] = {
        {WordsLanguage::English, 19, u"nineteen"},
        {WordsLanguage::English, 21, u"twenty-one"},
        {WordsLanguage::English, 40, u"forty"},
        {WordsLanguage::English, 101, u"one hundred one"},
        {WordsLanguage::English, 1001000, u"one million one thousand"},
        {WordsLanguage::English, 12000000000, u"twelve billion"},
        // "ein" before hundert and tausend, "eins" at the end, "eine" before Million
        {WordsLanguage::German, 1, u"eins"},
        {WordsLanguage::German, 21, u"einundzwanzig"},
        {WordsLanguage::German, 101, u"einhunderteins"},
        {WordsLanguage::German, 1001, u"eintausendeins"},
        {WordsLanguage::German, 16, u"sechzehn"},
        {WordsLanguage::German, 17, u"siebzehn"},
        {WordsLanguage::German, 36, u"sechsunddreißig"},
        {WordsLanguage::German, 77, u"siebenundsiebzig"},
        {WordsLanguage::German, 200000, u"zweihunderttausend"},
        {WordsLanguage::German, 1001000, u"eine Million eintausend"},
        {WordsLanguage::German, 2000001, u"zwei Millionen eins"},
        {WordsLanguage::German, 21000000, u"einundzwanzig Millionen"},
        {WordsLanguage::German, 1000000000, u"eine Milliarde"},
        {WordsLanguage::German, 3000000000000, u"drei Billionen"},
        // "et un" to 71 but not 81; vingt and cent plural only at the end or before a noun
        {WordsLanguage::French, 17, u"dix-sept"},
        {WordsLanguage::French, 21, u"vingt et un"},
        {WordsLanguage::French, 71, u"soixante et onze"},
        {WordsLanguage::French, 77, u"soixante-dix-sept"},
        {WordsLanguage::French, 80, u"quatre-vingts"},
        {WordsLanguage::French, 81, u"quatre-vingt-un"},
        {WordsLanguage::French, 91, u"quatre-vingt-onze"},
        {WordsLanguage::French, 99, u"quatre-vingt-dix-neuf"},
        {WordsLanguage::French, 200, u"deux cents"},
        {WordsLanguage::French, 201, u"deux cent un"},
        {WordsLanguage::French, 280, u"deux cent quatre-vingts"},
        {WordsLanguage::French, 1000, u"mille"},
        {WordsLanguage::French, 1001, u"mille un"},
        {WordsLanguage::French, 2000, u"deux mille"},
        {WordsLanguage::French, 21000, u"vingt et un mille"},
        {WordsLanguage::French, 80000, u"quatre-vingt mille"},
        {WordsLanguage::French, 200000, u"deux cent mille"},
        {WordsLanguage::French, 80000000, u"quatre-vingts millions"},
        {WordsLanguage::French, 200000000, u"deux cents millions"},
        {WordsLanguage::French, 1000000000, u"un milliard"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(numberInWords(c.n, c.language), QString::fromUtf16(c.words)) << c.n;
}

TEST(AmountInWords, TheLocaleChoosesTheLanguage)
{
    EXPECT_EQ(wordsLanguageOf(QLocale(u"de_AT"_s)), WordsLanguage::German);
    EXPECT_EQ(wordsLanguageOf(QLocale(u"fr_CA"_s)), WordsLanguage::French);
    EXPECT_EQ(wordsLanguageOf(QLocale(u"en_US"_s)), WordsLanguage::English);
    EXPECT_EQ(wordsLanguageOf(QLocale(u"es_ES"_s)), WordsLanguage::English) << "no Spanish words yet";
    EXPECT_EQ(wordsLanguageOf(QLocale::c()), WordsLanguage::English);
}

// ---- Layout files

const char kSmallLayout[] = "name    Small\n"                // 1
                            "paper   letter\n"               // 2
                            "units   in\n"                   // 3
                            "font    \"DejaVu Sans\" 10\n"   // 4
                            "place   0 0\n"                  // 5
                            "face    0 0 8.5 3.5\n"          // 6
                            "stub    0 3.5 8.5 3.75\n"       // 7
                            "date    6.5 0.5 1.5\n"          // 8
                            "payee   1 1.2 5 size 11 bold\n" // 9
                            "amount  7 1.2 1.3 right\n"      // 10
                            "words   0.3 1.6 6.9\n"          // 11
                            "stub number 0.5 0.4 1\n";       // 12

CheckLayoutReading readWith(const QByteArray &changes)
{
    return readCheckLayout(QByteArray(kSmallLayout) + changes, u"mine.layout"_s);
}

TEST(CheckLayoutFile, ReadsEveryLengthInPointsFromItsCorner)
{
    const CheckLayoutReading r = readWith("memo 15mm 200pt 3 lines 2 font Serif center # a comment\n");
    ASSERT_TRUE(r.layout) << r.error.toStdString();
    const CheckLayout &l = *r.layout;
    EXPECT_EQ(l.name, u"Small");
    EXPECT_EQ(l.paper, QSizeF(612, 792));
    EXPECT_EQ(l.family, u"DejaVu Sans");
    EXPECT_EQ(l.checksPerSheet(), 1);
    EXPECT_EQ(l.stubs, std::vector<QRectF>{QRectF(0, 252, 612, 270)});
    const FieldPlace &payee = *l.faceField(CheckField::Payee);
    EXPECT_EQ(payee.at, QPointF(72, 86.4));
    EXPECT_EQ(payee.pointSize, 11);
    EXPECT_TRUE(payee.bold);
    EXPECT_EQ(l.faceField(CheckField::Date)->pointSize, 10) << "the layout's size";
    EXPECT_EQ(l.faceField(CheckField::Amount)->alignment, FieldAlignment::Right);
    const FieldPlace &memo = *l.faceField(CheckField::Memo);
    EXPECT_NEAR(memo.at.x(), 15 * 72 / 25.4, 1e-9);
    EXPECT_EQ(memo.at.y(), 200);
    EXPECT_EQ(memo.lines, 2);
    EXPECT_EQ(memo.family, u"Serif");
    EXPECT_EQ(memo.box().height(), 24) << "two lines of 1.2 times 10 points";
    EXPECT_EQ(l.stubField(CheckField::Number)->at, QPointF(36, 28.8));
    EXPECT_FALSE(l.stubField(CheckField::Payee));
    EXPECT_EQ(l.faceField(CheckField::Date)->line, 8);
}

// Written on another system: a byte order mark, CR LF line ends and tabs.
TEST(CheckLayoutFile, ReadsWhatOtherEditorsWrite)
{
    QByteArray text = "\xEF\xBB\xBF" + QByteArray(kSmallLayout).replace("\n", "\r\n").replace("    ", "\t");
    const CheckLayoutReading r = readCheckLayout(text, u"mine.layout"_s);
    ASSERT_TRUE(r.layout) << r.error.toStdString();
    EXPECT_EQ(r.layout->name, u"Small");
    EXPECT_EQ(r.layout->family, u"DejaVu Sans");
}

TEST(CheckLayoutFile, UnitsApplyToTheLinesAfterThem)
{
    const CheckLayoutReading r = readWith("units mm\nmemo 10 20 30\n");
    ASSERT_TRUE(r.layout) << r.error.toStdString();
    EXPECT_NEAR(r.layout->faceField(CheckField::Memo)->width, 30 * 72 / 25.4, 1e-9);
    EXPECT_EQ(r.layout->faceField(CheckField::Date)->width, 108) << "1.5 read while the unit was inches";
}

TEST(CheckLayoutFile, RefusedWithTheFileTheLineAndWhatIsWrong)
{
    const struct {
        const char *changes;
        const char16_t *error;
    } cases[] = {
        {"colour red\n", u"mine.layout:13: \u201ccolour\u201d is not part of a check layout"},
        {"memo 6,75 0.6 1\n", u"mine.layout:13: \u201c6,75\u201d is not a length"},
        {"memo -1 0.6 1\n", u"mine.layout:13: \u201c-1\u201d is below zero"},
        {"memo 1 1 200\n", u"mine.layout:13: \u201c200\u201d is longer than any paper"},
        {"memo 1 2\n", u"mine.layout:13: \u201cmemo\u201d needs three lengths: x, y and width"},
        {"memo 1 2 1 italic\n", u"mine.layout:13: \u201citalic\u201d is not an option of a field"},
        {"memo 1 2 1 size\n", u"mine.layout:13: \u201csize\u201d needs a value after it"},
        {"memo 1 2 1 size 100\n", u"mine.layout:13: \u201c100\u201d is not a size"},
        {"memo 1 2 1 lines 0\n", u"mine.layout:13: \u201clines\u201d needs a whole number from 1 to 20"},
        {"memo 1 2 0\n", u"mine.layout:13: the field needs a width above zero"},
        {"font \"DejaVu Sans 10\n", u"mine.layout:13: a quotation mark is not closed"},
        {"\n\ndate 1 1 1\n", u"mine.layout:15: \u201cdate\u201d is given twice (first on line 8)"},
        {"paper a5\n", u"mine.layout:13: \u201cpaper\u201d is given twice (first on line 2)"},
        {"units cm\n", u"mine.layout:13: \u201cunits\u201d needs one of in, mm or pt"},
        {"place 0 0 0\n", u"mine.layout:13: \u201c0\u201d is more than \u201cplace\u201d takes"},
        {"stub 0 7 8.5 0\n", u"mine.layout:13: \u201cstub\u201d needs a width and a height above zero"},
        // what is checked once the whole file is read still names the line at fault
        {"memo 6 2.9 3\n", u"mine.layout:13: the memo field ends 0.50in beyond the right edge of the check"},
        {"stub memo 0.5 3.7 3\n",
         u"mine.layout:13: the memo field ends 0.12in beyond the bottom edge of the stub of line 7"},
        {"place 0 8\n", u"mine.layout:13: the check placed here ends 0.50in beyond the bottom edge of the paper"},
    };
    for (const auto &c : cases) {
        const CheckLayoutReading r = readWith(c.changes);
        EXPECT_FALSE(r.layout) << c.changes;
        EXPECT_TRUE(r.error.startsWith(QString::fromUtf16(c.error))) << c.changes << "\n" << r.error.toStdString();
    }
}

TEST(CheckLayoutFile, RefusedForWhatACheckNeedsWithTheFile)
{
    const auto without = [](const char *line) {
        QByteArray text(kSmallLayout);
        text.replace(line, "");
        return readCheckLayout(text, u"mine.layout"_s).error;
    };
    EXPECT_EQ(without("paper   letter\n"), u"mine.layout: no \u201cpaper\u201d line: letter, legal, a4, or a width "
                                             "and a height");
    EXPECT_TRUE(without("place   0 0\n").startsWith(u"mine.layout: no \u201cplace\u201d line"));
    EXPECT_TRUE(without("face    0 0 8.5 3.5\n").startsWith(u"mine.layout: no \u201cface\u201d line"));
    EXPECT_EQ(without("amount  7 1.2 1.3 right\n"),
              u"mine.layout: no \u201camount\u201d field: a check needs its date, payee, amount and amount in words");
    EXPECT_TRUE(without("stub    0 3.5 8.5 3.75\n")
                    .startsWith(u"mine.layout:11: \u201cstub number\u201d places a field on the stubs, but the "
                                "layout has no \u201cstub\u201d line"));
}

TEST(CheckLayoutFile, OnlyASmallPlainFileIsRead)
{
    QTemporaryDir dir;
    EXPECT_TRUE(readCheckLayoutFile(dir.path()).error.contains(u"folder")) << "a folder";
    EXPECT_FALSE(readCheckLayoutFile(dir.filePath(u"none.layout"_s)).error.isEmpty());
    const QString big = writeFile(dir.filePath(u"big.layout"_s), QByteArray(300 * 1024, '#'));
    EXPECT_TRUE(readCheckLayoutFile(big).error.contains(u"too large to be a check layout"));
    const QString good = writeFile(dir.filePath(u"good.layout"_s), QByteArray(kSmallLayout).replace("Small", ""));
    const CheckLayoutReading r = readCheckLayoutFile(good);
    ASSERT_TRUE(r.layout) << r.error.toStdString();
    EXPECT_EQ(r.layout->name, u"good") << "named after its file when it names itself nothing";
}

class DataFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_before); }
    QString layoutFile(const QString &name, const QByteArray &text)
    {
        QDir().mkpath(userCheckLayoutFolder());
        return writeFile(userCheckLayoutFolder() + u'/' + name, text);
    }
    QTemporaryDir m_home;
    QByteArray m_before;
};

TEST_F(DataFolder, EveryShippedLayoutReadsAndFitsItsStock)
{
    const std::vector<CheckLayoutEntry> layouts = checkLayouts();
    ASSERT_EQ(layouts.size(), 5u);
    const struct {
        const char16_t *id;
        int perSheet;
        size_t stubs;
    } expected[] = {{u"voucher-top", 1, 2},
                    {u"voucher-middle", 1, 2},
                    {u"voucher-bottom", 1, 2},
                    {u"three-per-page", 3, 0},
                    {u"wallet", 3, 1}};
    for (size_t i = 0; i < layouts.size(); ++i) {
        const CheckLayoutEntry &e = layouts[i];
        EXPECT_EQ(e.id, QString::fromUtf16(expected[i].id));
        ASSERT_TRUE(e.reading.layout) << e.reading.error.toStdString();
        EXPECT_TRUE(e.shipped);
        EXPECT_EQ(e.reading.layout->paper, QSizeF(612, 792)) << "US Letter";
        EXPECT_EQ(e.reading.layout->checksPerSheet(), expected[i].perSheet);
        EXPECT_EQ(e.reading.layout->stubs.size(), expected[i].stubs);
        if (expected[i].stubs > 0) {
            for (CheckField f : {CheckField::Number, CheckField::Date, CheckField::Payee, CheckField::Amount,
                                 CheckField::Memo, CheckField::Splits})
                EXPECT_TRUE(e.reading.layout->stubField(f)) << e.id.toStdString() << " " << int(f);
        }
        EXPECT_EQ(findCheckLayout(e.id).layout->name, e.reading.layout->name);
    }
}

TEST_F(DataFolder, ThePersonsLayoutsAreFoundAndTakeTheirNamesakesPlace)
{
    const QByteArray mine = QByteArray(kSmallLayout).replace("Small", "My top stock");
    layoutFile(u"voucher-top.layout"_s, mine);
    layoutFile(u"broken.layout"_s, "paper a5\n");
    layoutFile(u"notes.txt"_s, "not a layout");
    const std::vector<CheckLayoutEntry> layouts = checkLayouts();
    ASSERT_EQ(layouts.size(), 6u);
    EXPECT_EQ(layouts[0].id, u"voucher-top");
    EXPECT_FALSE(layouts[0].shipped);
    EXPECT_EQ(layouts[0].reading.layout->name, u"My top stock");
    EXPECT_EQ(layouts[5].id, u"broken");
    EXPECT_TRUE(layouts[5].reading.error.contains(u"broken.layout:1:")) << layouts[5].reading.error.toStdString();
    EXPECT_EQ(findCheckLayout(u"voucher-top"_s).layout->name, u"My top stock");
    EXPECT_EQ(checkLayoutText(u"voucher-top"_s), mine);
    EXPECT_TRUE(checkLayoutText(u"wallet"_s).startsWith("# Three wallet checks"));
    const QString path = layoutFile(u"elsewhere.layout"_s, QByteArray(kSmallLayout));
    EXPECT_EQ(findCheckLayout(path).layout->name, u"Small") << "a path";
    EXPECT_EQ(findCheckLayout(u"nothing"_s).error,
              u"there is no check layout \u201cnothing\u201d (there are voucher-top, voucher-middle, voucher-bottom, "
              "three-per-page, wallet, broken, elsewhere)");
    EXPECT_EQ(dataFolder(), m_home.path() + u"/Cheqbook"_s);
}

// ---- What the window remembers between runs

TEST(CheckPrintMemory, EachPrinterKeepsItsOwnOffsetAndDamageReadsAsNone)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    rememberCheckOffset(settings, u"Office/Laser 2"_s, QPointF(-4.25, 5.67));
    rememberCheckOffset(settings, u"Home"_s, QPointF(1, 0));
    EXPECT_EQ(rememberedCheckOffset(settings, u"Office/Laser 2"_s), QPointF(-4.25, 5.67));
    EXPECT_EQ(rememberedCheckOffset(settings, u"Office"_s), QPointF()) << "a slash makes no group";
    EXPECT_EQ(rememberedCheckOffset(settings, u"Home"_s), QPointF(1, 0));
    rememberCheckOffset(settings, u"Home"_s, QPointF());
    EXPECT_FALSE(settings.contains(u"checks/offsets/Home"_s)) << "no offset, nothing kept";
    for (const char *damaged : {"3pt", "x,y", "500pt,0pt", "1in,2in"}) {
        settings.setValue(u"checks/offsets/Home"_s, QString::fromLatin1(damaged));
        EXPECT_EQ(rememberedCheckOffset(settings, u"Home"_s), QPointF()) << damaged;
    }
    EXPECT_EQ(rememberedCheckLayout(settings), u"voucher-top");
    EXPECT_EQ(rememberedOffsetUnit(settings), LengthUnit::Millimetre);
    rememberOffsetUnit(settings, LengthUnit::Inch);
    EXPECT_EQ(rememberedOffsetUnit(settings), LengthUnit::Inch);
}

// ---- The payee address book

TEST(PayeeAddressBook, KeepsAnAddressPerPayeeAsReadableText)
{
    PayeeAddresses book;
    book.setAddress(u"Maple Court Apartments"_s, {u"1200 Maple Court, Suite 4"_s, u""_s, u"Springfield, IL 62704"_s});
    book.setAddress(u"  Jonas  Weber\nPlumbing "_s, {u"Box 12\nLawrence, KS"_s});
    book.setAddress(u"Nobody"_s, {u"  "_s});
    EXPECT_EQ(book.count(), 2) << "blank lines are no address";
    const QByteArray text = book.text();
    EXPECT_EQ(text, "Maple Court Apartments\n1200 Maple Court, Suite 4\nSpringfield, IL 62704\n\n"
                    "Jonas Weber Plumbing\nBox 12\nLawrence, KS\n");
    const PayeeAddresses read = PayeeAddresses::fromText(text);
    EXPECT_EQ(read.text(), text);
    EXPECT_EQ(read.addressOf(u" maple court APARTMENTS"), (QStringList{u"1200 Maple Court, Suite 4"_s,
                                                                       u"Springfield, IL 62704"_s}));
    EXPECT_EQ(read.addressOf(u"Maple Court"), QStringList());
    PayeeAddresses changed = read;
    changed.setAddress(u"MAPLE COURT APARTMENTS"_s, {u"1 New Street"_s});
    EXPECT_EQ(changed.addressOf(u"Maple Court Apartments"), QStringList{u"1 New Street"_s});
    EXPECT_EQ(changed.count(), 2);
    changed.setAddress(u"maple court apartments"_s, {});
    EXPECT_EQ(changed.count(), 1) << "no lines forget the address";
    PayeeAddresses many;
    many.setAddress(u"Long"_s, QString(u"line\n"_s).repeated(10).split(u'\n'));
    EXPECT_EQ(many.addressOf(u"Long").size(), PayeeAddresses::kMaxLines);
}

TEST_F(DataFolder, TheAddressBookIsKeptPrivateInTheDataFolder)
{
    PayeeAddresses book;
    QString error;
    EXPECT_TRUE(book.load(PayeeAddresses::defaultPath(), &error)) << "no book yet is an empty one";
    EXPECT_EQ(book.count(), 0);
    book.setAddress(u"City Water"_s, {u"PO Box 9"_s});
    EXPECT_EQ(book.save(PayeeAddresses::defaultPath()), u"");
    EXPECT_EQ(PayeeAddresses::defaultPath(), m_home.path() + u"/Cheqbook/payee-addresses.txt"_s);
    EXPECT_EQ(QFileInfo(PayeeAddresses::defaultPath()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
              QFile::Permissions());
    PayeeAddresses again;
    EXPECT_TRUE(again.load(PayeeAddresses::defaultPath(), &error));
    EXPECT_EQ(again.addressOf(u"city water"), QStringList{u"PO Box 9"_s});
    EXPECT_FALSE(again.load(m_home.path(), &error)) << "a folder is not an address book";
    EXPECT_TRUE(error.startsWith(m_home.path())) << error.toStdString();
}

} // namespace

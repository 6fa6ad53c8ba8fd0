// The report text of the printed register.

#include "RegisterFile.h"
#include "RegisterFileParsing.h"
#include "Report.h"
#include "RunningBalance.h"

#include <QStringList>

#include <functional>
#include <stdexcept>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

RecordPtr row(const QString &check, const QString &desc, const QString &date, Value amount, Value total)
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(check));
    r->set(Key::DescriptionofTransaction, Value::text(desc));
    r->set(Key::Date, Value::text(date));
    r->set(Key::Amount, std::move(amount));
    r->set(Key::Total, std::move(total));
    return r;
}

QString line(const Record &r)
{
    QString out;
    appendReportLine(out, r);
    return out;
}

TEST(Report, MatchesTheWorkedExample)
{
    Register reg;
    reg.append(row(u""_s, u"Paycheck"_s, u"03/01/2007"_s, Value::text(u"1000.00"_s), Value::money(100000)));
    reg.append(row(u"101"_s, u"Groceries"_s, u"03/12/2007"_s, Value::text(u"-45.25"_s), Value::money(95475)));
    EXPECT_EQ(reportText(reg),
              u"Check #  | Description                          | Date       | Amount    | Total\n"
              "--------------------------------------------------------------------------------------\n"
              "         | Paycheck                             | 03/01/2007 |1000.00    |1000       \n"
              "101      | Groceries                            | 03/12/2007 |-45.25     |954.75     \n"_s);
    EXPECT_EQ(reportText(Register()), QString());
}

TEST(Report, ColumnsAreCutOrWrittenWholeAndBarsStayPut)
{
    const QString longDesc = QString(60, u'd');
    const QString l = line(*row(u"123456789"_s, longDesc, u"12/31/20261"_s, Value::text(u"-1234567.89"_s),
                                Value::money(12345678900)));
    EXPECT_EQ(l.size(), 86);
    for (int bar : {9, 48, 61, 73})
        EXPECT_EQ(l[bar], u'|') << bar;
    EXPECT_TRUE(l.startsWith(u"12345678 | "_s + QString(36, u'd') + u" | 12/31/2026 |-1234567.89|123456789  \n"_s));

    // A 12-character amount pushes the rest of its line one place right.
    const QString wide =
        line(*row(u"1"_s, u"x"_s, u"d"_s, Value::text(u"-12345678.90"_s), Value::money(-1234567890)));
    EXPECT_EQ(wide.mid(61), u"|-12345678.90|-12345678.9\n");

    // Exact widths get no blanks; empty and absent values are all blanks.
    EXPECT_TRUE(line(*row(u"12345678"_s, QString(36, u'x'), u"01/01/2026"_s, Value(), Value()))
                    .startsWith(u"12345678 | "_s + QString(36, u'x') + u" | 01/01/2026 |"_s));
    Record empty;
    EXPECT_EQ(line(empty), QString(8, u' ') + u" | "_s + QString(36, u' ') + u" | "_s + QString(10, u' ') + u" |"_s
                  + QString(11, u' ') + u'|' + QString(11, u' ') + u'\n');

    // A cut never splits a surrogate pair.
    const QString emoji = QString(35, u'e') + u"\U0001F600"_s;
    const QString cut = line(*row(u""_s, emoji, u""_s, Value(), Value()));
    EXPECT_EQ(cut.mid(11, 36), QString(35, u'e') + u' ');
    EXPECT_EQ(cut[48], u'|');
}

TEST(Report, BalancesAreShortestDecimalsAndAmountsAsHeld)
{
    Register reg;
    reg.append(row(u""_s, u"a"_s, u""_s, Value::text(u"954.75"_s), Value()));
    reg.append(row(u""_s, u"b"_s, u""_s, Value::money(-95475), Value()));
    reg.append(row(u""_s, u"c"_s, u""_s, Value::money(1250), Value()));
    recalculateCheckbook(reg);
    const QStringList lines = reportText(reg).split(u'\n');
    EXPECT_TRUE(lines[2].endsWith(u"|954.75     |954.75     "));
    EXPECT_TRUE(lines[3].endsWith(u"|-954.75    |0          "));
    EXPECT_TRUE(lines[4].endsWith(u"|12.5       |12.5       ")) << "an imported amount not yet shown";
}

TEST(Report, AHeaderBlockHeadsEvery48Rows)
{
    const QString header = reportHeader();
    for (int rows : {1, 48, 49, 96, 97}) {
        Register reg;
        for (int i = 0; i < rows; ++i)
            reg.append(row(QString::number(i), u"r"_s, u""_s, Value(), Value()));
        const QString text = reportText(reg);
        const int expectedHeaders = (rows + 47) / 48;
        EXPECT_EQ(text.count(header), expectedHeaders) << rows;
        EXPECT_EQ(text.count(u'\n'), rows + 2 * expectedHeaders);
        if (rows == 49) {
            const QStringList lines = text.split(u'\n');
            EXPECT_TRUE(lines[49].startsWith(u"47 "));
            EXPECT_EQ(lines[50] + u'\n' + lines[51] + u'\n', header);
            EXPECT_TRUE(lines[52].startsWith(u"48 "));
        }
    }
}

// What cheqbook-cli report prints: the rows read only to be shown, and
// nothing when the file turns out bad.
QByteArray shownReport(const QByteArray &file, QString *error = nullptr)
{
    Utf8ReportWriter report;
    Cents total = 0;
    const RegisterReadResult r = parseShownRows(file, [&](ShownRow &&row) { total = report.add(row, total); });
    if (error)
        *error = r.error;
    QByteArray out;
    if (r.ok())
        report.flush([&](QByteArrayView chunk) { out.append(chunk); });
    return out;
}

// What the window prints: the records, recalculated.
QByteArray recalculatedReport(const QByteArray &file)
{
    RegisterReadResult r = parseRegister(file);
    Register reg;
    for (RecordPtr &row : r.rows)
        reg.append(std::move(row));
    rewriteAmountsAndRecalculate(reg);
    QByteArray out;
    writeReportUtf8(reg, [&](QByteArrayView chunk) { out.append(chunk); });
    return out;
}

TEST(Report, RowsReadOnlyToBeShownGiveTheReportOfTheRecalculatedRecords)
{
    QByteArray oldStyle = "( // a comment\n"
                          "{Amount = 1000; Date = 03/01/2007; DescriptionofTransaction = \"Opening \\\"balance\\\"\"; "
                          "Total = 99;},\n"
                          "{Amount = \"-45.255\"; CheckNumber = 101; \"Date\" = 03/12/2007; Date = 03/13/2007; "
                          "DescriptionofTransaction = \"Caf\xc3\xa9 \\U00e9 and a description too long for its column\"; "
                          "Memo = kept;},\n"
                          "{Amount = twelve; DescriptionofTransaction = \"not a number\";},\n"
                          "{DescriptionofTransaction = \"no amount at all\"; EOMSeen = 1;},\n";
    for (int i = 0; i < 60; ++i) // past a second header
        oldStyle += "{Amount = 1e2; CheckNumber = '" + QByteArray::number(200 + i) + "'; Date = 04/01/2007;},\n";
    oldStyle += ")\n";
    const QByteArray expected = recalculatedReport(oldStyle);
    ASSERT_TRUE(expected.contains("Caf\xc3\xa9 \xc3\xa9 and a description too"));
    ASSERT_TRUE(expected.contains("03/13/2007 |-45.26     |954.74"));
    ASSERT_TRUE(expected.contains("|0.00       |954.74"));
    EXPECT_EQ(shownReport(oldStyle), expected);

    // The forms that are read whole, the same.
    QString why;
    const std::optional<QByteArray> xml = xmlText(parseRegister(oldStyle).rows, &why);
    ASSERT_TRUE(xml) << why.toStdString();
    EXPECT_EQ(shownReport(*xml), expected);
    QByteArray utf16 = "\xff\xfe";
    for (QChar c : QString::fromUtf8(oldStyle))
        utf16 += char(c.unicode() & 0xff), utf16 += char(c.unicode() >> 8);
    EXPECT_EQ(shownReport(utf16), expected);
}

TEST(Report, ControlCharactersAreShownNeverSentToTheTerminal)
{
    // A statement line can carry escape codes into a description.
    const QString evil = u"PAY\x1b]0;owned\x07\x1b[2J\tTAB\x7f\u009b"_s;
    const QString l = line(*row(u"\x1b[31m"_s, evil, u"12/01\n2026"_s, Value::text(u"-1.00"_s), Value::money(-100)));
    for (QChar c : l.chopped(1))
        EXPECT_FALSE(c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0)) << int(c.unicode());
    EXPECT_TRUE(l.startsWith(u"\u241b[31m    | PAY\u241b]0;owned\u2407\u241b[2J\u2409TAB\u2421\ufffd"_s))
        << l.toStdString();
    EXPECT_TRUE(l.contains(u"| 12/01\u240a2026 |"_s));
    for (int bar : {9, 48, 61, 73})
        EXPECT_EQ(l[bar], u'|') << bar;

    // The same in the report cheqbook-cli writes, from the file's bytes.
    const QByteArray file = "({CheckNumber = \"\\033[31m\"; DescriptionofTransaction = \"PAY\\033]0;owned\\007\"; "
                            "Amount = 1;})";
    const QByteArray shown = shownReport(file);
    EXPECT_FALSE(shown.contains('\x1b'));
    EXPECT_FALSE(shown.contains('\x07'));
    EXPECT_TRUE(shown.contains("\xe2\x90\x9b[31m    | PAY\xe2\x90\x9b]0;owned\xe2\x90\x87 ")) << shown.constData();
    EXPECT_EQ(shown, recalculatedReport(file));
}

TEST(Report, RowsReadOnlyToBeShownAreRefusedAsTheRecordsAre)
{
    for (const QByteArray &bad : {QByteArray("({Amount = 1; Total = 1e20;})"), QByteArray("({Amount = 99999999999999999;})"),
                                 QByteArray("({Amount = 1;} {Amount = 2;})"), QByteArray("({Date = \"\\777\";})")}) {
        QString error;
        EXPECT_EQ(shownReport(bad, &error), QByteArray()) << bad.constData();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(error, parseRegister(bad).error) << bad.constData();
    }
}

// A register large enough to be read in two parts: n rows, one record a
// line, each with the description of its number unless told otherwise.
QByteArray largeRegister(int n, const std::function<QByteArray(int)> &description = {},
                         const QByteArray &between = ",\n    ")
{
    QByteArray file = "(\n    ";
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            file += between;
        file += "{Amount = -1.25; CheckNumber = \"\"; Date = 01/02/2024; DescriptionofTransaction = \""
            + (description ? description(i) : "row " + QByteArray::number(i)) + "\"; Total = 0; }";
    }
    return file + "\n)\n";
}

QStringList descriptions(const std::vector<QString> &rows) { return QStringList(rows.begin(), rows.end()); }

TEST(ReadingInTwo, EveryRowIsSeenOnceAndInOrderWhateverTheSecondPartMeets)
{
    const QByteArray plain = largeRegister(12000);
    // Records on one line and a quoted text that breaks its line before a
    // "{": the middle is guessed inside a quoted text.
    const QByteArray guessedWrong
        = largeRegister(12000, [](int i) { return "row " + QByteArray::number(i) + "\n    {Amount = 1;}"; }, ", ");
    QByteArray faultLate = plain;
    faultLate.replace(faultLate.indexOf("row 10000\""), 9, "row 10000\" x");
    QByteArray badByteEarly = plain;
    badByteEarly.replace(badByteEarly.indexOf("row 100\""), 7, "row \xff\x31\x30\x30");
    QByteArray accentEarly = plain;
    accentEarly.replace(accentEarly.indexOf("row 100\""), 7, "caf\xc3\xa9 100");
    struct Case {
        const char *what;
        const QByteArray &file;
        bool takeSecond;
        int secondThrowsAt; // -1: never
        bool secondRead;    // the second part's rows stand
    } cases[] = {
        {"plain", plain, true, -1, true},
        {"second not taken", plain, false, -1, false},
        {"second throws", plain, true, 3, false},
        {"middle guessed inside a quoted text", guessedWrong, true, -1, false},
        {"a fault in the second part", faultLate, true, -1, false},
        {"a bad byte in the first part only", badByteEarly, true, -1, false},
        {"an accent in the first part only", accentEarly, true, -1, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<QString> inOne;
        const RegisterReadResult one = parseShownRows(c.file, [&](ShownRow &&row) {
            inOne.push_back(row.description.visitText([](auto t) { return t.toString(); }));
        });
        std::vector<QString> first, second;
        bool asked = false;
        ShownRowsInTwo two{
            [&](ShownRow &&row) { first.push_back(row.description.visitText([](auto t) { return t.toString(); })); },
            [&](ShownRow &&row) {
                if (int(second.size()) == c.secondThrowsAt)
                    throw std::runtime_error("not here");
                second.push_back(row.description.visitText([](auto t) { return t.toString(); }));
            },
            [&] { return asked = true, c.takeSecond; }};
        QString error;
        try {
            registerfile::parseOldStyleShownInTwo(c.file.constData(), c.file.constData() + c.file.size(), {}, two);
        } catch (const registerfile::ParseError &e) {
            error = e.message;
        }
        EXPECT_EQ(error, one.error);
        if (!one.ok())
            continue;
        if (c.secondRead) {
            EXPECT_TRUE(asked);
            EXPECT_GT(second.size(), 4000u);
            first.insert(first.end(), second.begin(), second.end());
        }
        EXPECT_EQ(descriptions(first), descriptions(inOne));
    }
}

TEST(Report, RowsWhoseBalancesComeLaterFollowTheFirstAsIfWrittenInOne)
{
    const QByteArray file = largeRegister(4200, [](int i) { return i % 7 ? "row" : "row \x1b long enough to be cut short here"; });
    std::vector<ShownRow> rows;
    ASSERT_TRUE(parseShownRows(file, [&](ShownRow &&row) { rows.push_back(std::move(row)); }).ok());
    const QByteArray whole = shownReport(file);
    // Around a header's place, and past a piece of the later rows.
    for (size_t split : {size_t(1), size_t(47), size_t(48), size_t(49), size_t(100)}) {
        SCOPED_TRACE(split);
        Utf8ReportWriter first;
        Utf8ReportWriter later(Utf8ReportWriter::Balances::Later);
        Cents total = 0, fromSplit = 0;
        for (size_t i = 0; i < rows.size(); ++i)
            (i < split ? total : fromSplit) = (i < split ? first : later).add(rows[i], i < split ? total : fromSplit);
        QByteArray out;
        first.flush([&](QByteArrayView chunk) { out.append(chunk); }, later, total);
        EXPECT_EQ(out, whole);
    }
}

} // namespace

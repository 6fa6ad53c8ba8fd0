// cheqbook-cli categories, report --category and import's rules, run as a
// user runs them.

#include "CliFixture.h"
#include "RegisterFile.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CliCategoriesTest : public CliTest
{
protected:
    // An opening row with a category of its own, which is never counted as
    // money spent; a split supermarket check; a row without a category.
    const QByteArray m_categorised =
        "(\n"
        "{Amount = 1000; Category = Income; CheckNumber = \"\"; Date = 12/01/2026; "
        "DescriptionofTransaction = Opening; Total = 1000;},\n"
        "{Amount = -71.24; Category = Food:Groceries; CheckNumber = \"\"; Date = 12/02/2026; "
        "DescriptionofTransaction = Hy-Vee; Total = 928.76;},\n"
        "{Amount = -42.50; CheckNumber = 311; Date = 12/09/2026; DescriptionofTransaction = Costco; "
        "Splits = \"-30.25\\tFood:Groceries\\t\\n-12.25\\tHousehold\\tpaper towels\"; Total = 886.26;},\n"
        "{Amount = -20; CheckNumber = \"\"; Date = 12/10/2026; DescriptionofTransaction = ATM; Total = 866.26;},\n"
        "{Amount = -4.50; Category = Food; CheckNumber = \"\"; Date = 01/04/2027; "
        "DescriptionofTransaction = Bakery; Total = 861.76;}\n"
        ")\n";

    void storeRules(const QList<std::pair<QString, QString>> &containsToCategory)
    {
        QSettings s(configHome() + u"/Cheqbook/Cheqbook.conf"_s, QSettings::IniFormat);
        s.beginWriteArray(u"categoryRules"_s);
        for (int i = 0; i < containsToCategory.size(); ++i) {
            s.setArrayIndex(i);
            s.setValue(u"match"_s, u"contains"_s);
            s.setValue(u"text"_s, containsToCategory[i].first);
            s.setValue(u"category"_s, containsToCategory[i].second);
        }
        s.endArray();
    }
};

TEST_F(CliCategoriesTest, CategoriesCountsSplitLinesByMonthAndLeavesTheOpeningRowOut)
{
    const QString reg = file(u"r.ldgr"_s, m_categorised);
    const ProgramRun r = cli({u"categories"_s, reg, u"--by"_s, u"month"_s, u"--csv"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "month,category,amount,count\n"
                     "2026-12,Food:Groceries,-101.49,2\n"
                     "2026-12,Household,-12.25,1\n"
                     "2026-12,,-20.00,1\n"
                     "2027-01,Food,-4.50,1\n");

    const ProgramRun december = cli({u"categories"_s, reg, u"--from"_s, u"12/01/2026"_s, u"--to=12/31/2026"_s});
    ASSERT_EQ(december.exitCode, 0) << december.err.toStdString();
    EXPECT_EQ(december.out, "Category         Amount  Count\n"
                            "Food:Groceries  -101.49      2\n"
                            "Household        -12.25      1\n"
                            "(no category)    -20.00      1\n"
                            "Total           -133.74      4\n");
}

TEST_F(CliCategoriesTest, CategoriesRefusesAWrongCommandLineSayingWhat)
{
    const QString reg = file(u"r.ldgr"_s, m_categorised);
    const struct {
        QStringList args;
        const char *said;
    } cases[] = {
        {{u"--by"_s, u"week"_s}, "is not month"},
        {{u"--from"_s, u"soon"_s}, "is not a date"},
        {{u"--from"_s, u"02/01/2027"_s, u"--to"_s, u"01/01/2027"_s}, "is after --to"},
    };
    for (const auto &c : cases) {
        const ProgramRun r = cli(QStringList{u"categories"_s, reg} + c.args);
        EXPECT_EQ(r.exitCode, 2) << c.said;
        EXPECT_TRUE(r.err.contains(QLatin1StringView(c.said))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const ProgramRun damaged = cli({u"categories"_s, file(u"bad.ldgr"_s, m_categorised.left(200))});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.out.isEmpty()) << "no totals of half a file";
}

TEST_F(CliCategoriesTest, ReportOfACategoryKeepsTheWholeAccountsBalance)
{
    const QString reg = file(u"r.ldgr"_s, m_categorised);
    const ProgramRun food = cli({u"report"_s, reg, u"--category"_s, u"Food"_s});
    ASSERT_EQ(food.exitCode, 0) << food.err.toStdString();
    const QList<QByteArray> lines = food.out.split('\n');
    ASSERT_EQ(lines.size(), 6) << food.out.toStdString(); // two header lines, three rows, the end
    EXPECT_TRUE(lines[2].contains("Hy-Vee") && lines[2].contains("|928.76 "));
    EXPECT_TRUE(lines[3].contains("Costco") && lines[3].contains("|886.26 ")) << "a split with a Food line";
    EXPECT_TRUE(lines[4].contains("Bakery") && lines[4].contains("|861.76 ")) << "after the ATM row it left out";

    const ProgramRun none = cli({u"report"_s, reg, u"--category="_s});
    ASSERT_EQ(none.exitCode, 0) << none.err.toStdString();
    EXPECT_EQ(none.out.count('\n'), 3) << "the ATM row only, not the opening row: " << none.out.toStdString();
    EXPECT_TRUE(none.out.contains("ATM"));
}

TEST_F(CliCategoriesTest, ImportGivesRulesCategoriesUnlessToldNoRules)
{
    storeRules({{u"hy-vee"_s, u"Food:Groceries"_s}, {u"HY"_s, u"Never:Reached"_s}, {u"evergy"_s, u"Home"_s}});
    const QByteArray statement = "Date,Amount,Description\n"
                                 "12/15/2026,-71.24,HY-VEE #1234\n"
                                 "12/16/2026,-80.00,EVERGY KS\n"
                                 "12/17/2026,-5.00,Kiosk\n";
    const auto categoriesOf = [](const QByteArray &bytes) {
        QStringList out;
        for (const RecordPtr &row : parseRegister(bytes).rows)
            out << row->value(Key::Category).toString();
        return out;
    };
    const QString reg = file(u"r.ldgr"_s, m_register);
    const QString csv = file(u"s.csv"_s, statement);
    const QString ruled = m_dir.filePath(u"ruled.ldgr"_s);
    ASSERT_EQ(cli({u"import"_s, reg, csv, u"-o"_s, ruled}).exitCode, 0);
    EXPECT_EQ(categoriesOf(readFile(ruled)),
              (QStringList{QString(), QString(), u"Food:Groceries"_s, u"Home"_s, QString()}))
        << "the first rule that fits, in order";

    const QString plain = m_dir.filePath(u"plain.ldgr"_s);
    ASSERT_EQ(cli({u"import"_s, reg, csv, u"--no-rules"_s, u"-o"_s, plain}).exitCode, 0);
    EXPECT_EQ(categoriesOf(readFile(plain)), QStringList(5, QString()));
}

} // namespace

// cheqbook-cli report of a register large enough to be read in two halves
// side by side: what it prints and refuses is what the reading in one part
// (as with --progress, which follows it) prints and refuses.

#include "CliFixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// 12,000 rows, every third of them Food (the opening row is never counted
// in a category); row 9,000, in the second half, as told.
QByteArray largeRegister(const QByteArray &row9000)
{
    QByteArray file = "(\n";
    for (int i = 0; i < 12000; ++i) {
        file += i == 9000 ? row9000
                          : "{Amount = -1.25; " + QByteArray(i % 3 ? "" : "Category = Food; ")
                + "CheckNumber = \"\"; Date = 01/02/2024; DescriptionofTransaction = \"row " + QByteArray::number(i)
                + "\"; Total = 0; }";
        file += i + 1 < 12000 ? ",\n" : "\n)\n";
    }
    return file;
}

TEST_F(CliTest, ALargeRegisterReadInTwoHalvesIsReportedAndRefusedAsInOne)
{
    const QByteArray ordinary = "{Amount = 4.75; Category = Food; DescriptionofTransaction = \"row 9000\"; }";
    struct Case {
        const char *what;
        QByteArray row9000;
        QStringList options;
        const char *refusal; // what the error says, after the file's name
    } cases[] = {
        {"every row", ordinary, {}, nullptr},
        {"one category", ordinary, {u"--category=Food"_s}, nullptr},
        {"a balance beyond what money holds",
         "{Amount = -90071992547409; DescriptionofTransaction = big; }",
         {},
         "row 9001: the balance after it would be -90071992558659.00, beyond the 90 trillion dollars"},
        {"an amount that is not one", "{Amount = \"twelve\"; }", {}, "row 9001: the Amount \u201ctwelve\u201d is not an amount"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = file(u"large.ldgr"_s, largeRegister(c.row9000));
        const ProgramRun inTwo = cli(QStringList{u"report"_s, path} + c.options);
        const ProgramRun inOne = cli(QStringList{u"report"_s, path, u"--progress"_s} + c.options);
        EXPECT_EQ(inTwo.exitCode, c.refusal ? 1 : 0);
        EXPECT_EQ(inTwo.out, inOne.out);
        EXPECT_EQ(inTwo.err, inOne.err);
        if (c.refusal) {
            EXPECT_EQ(inTwo.out, QByteArray());
            EXPECT_TRUE(inTwo.err.contains(QString::fromUtf8(c.refusal))) << inTwo.err.toStdString();
        } else {
            EXPECT_EQ(inTwo.out.count('\n'), c.options.isEmpty() ? 12000 + 2 * 250 : 3999 + 2 * 84);
        }
    }
}

} // namespace

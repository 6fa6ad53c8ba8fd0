// cheqbook-cli merge and conflicts, run as a user runs them: what each side
// brought, conflicts that write nothing, the refusals, the base the files
// name, and the copies sync tools left.

#include "MergeFixtures.h"
#include "RegisterVersions.h"
#include "RowIdentity.h"

#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class MergeCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        env.insert(u"XDG_DATA_HOME"_s, dir.filePath(u"data"_s));
        writeFile(path(u"base.ldgr"_s), text({BASE}));
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    static QByteArray text(std::initializer_list<const char16_t *> texts)
    {
        QByteArray out = "(\n";
        for (const char16_t *s : texts) {
            const RecordPtr r = mergeRow(QString::fromUtf16(s));
            out += "{";
            r->forEachKey([&](QStringView key, const Value &v) {
                out += key.toUtf8() + " = \"" + v.toString().toUtf8() + "\"; ";
            });
            out += "},\n";
        }
        out.chop(2);
        return out + "\n)\n";
    }
    ProgramRun cli(const QStringList &args) const
    {
        QProcessEnvironment e = env;
        return runProgram(QString::fromUtf8(CHEQBOOK_CLI), args, {}, e);
    }

    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

TEST_F(MergeCli, WritesTheMergeIntoMineListingWhatCameFromEachSide)
{
    writeFile(path(u"mine.ldgr"_s), text({BASE, u"d|12/06/2026|Shell|-30.00"}));
    writeFile(path(u"theirs.ldgr"_s),
              text({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00", u"c|12/05/2026|Coffee|-5.00"}));
    const QByteArray mineBefore = readFile(path(u"mine.ldgr"_s));
    const ProgramRun r = cli({u"merge"_s, path(u"mine.ldgr"_s), path(u"theirs.ldgr"_s), u"--base"_s, path(u"base.ldgr"_s)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "theirs\tchanged\t12/02/2026 Hy-Vee -12.00\tAmount -10.00 \xe2\x86\x92 -12.00\n"
                     "mine\tadded\t12/06/2026 Shell -30.00\n"
                     "theirs\tdeleted\t12/03/2026 Aldi -20.00\n");
    EXPECT_EQ(readFile(path(u"mine.ldgr~"_s)), mineBefore);
    const ProgramRun report = cli({u"balance"_s, path(u"mine.ldgr"_s)});
    EXPECT_EQ(report.out, "53.00\n");
}

TEST_F(MergeCli, ConflictsWriteNothingAndExitWithFourUnlessASideIsChosen)
{
    writeFile(path(u"mine.ldgr"_s), text({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-11.00",
                                          u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"}));
    writeFile(path(u"theirs.ldgr"_s), text({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-12.00",
                                            u"b|12/03/2026|Aldi|-20.00", u"c|12/05/2026|Coffee|-5.00"}));
    const QByteArray mineBefore = readFile(path(u"mine.ldgr"_s));
    const QStringList args{u"merge"_s, path(u"mine.ldgr"_s), path(u"theirs.ldgr"_s), u"--base"_s, path(u"base.ldgr"_s)};
    const ProgramRun open = cli(args);
    EXPECT_EQ(open.exitCode, 4);
    EXPECT_EQ(open.out, "conflict\t12/02/2026 Hy-Vee -11.00\tAmount: mine -11.00, theirs -12.00 (was -10.00)\n");
    EXPECT_TRUE(open.err.contains(u"1 conflict (listed above): nothing was written"));
    EXPECT_EQ(readFile(path(u"mine.ldgr"_s)), mineBefore);
    EXPECT_FALSE(QFile::exists(path(u"mine.ldgr~"_s)));

    EXPECT_EQ(cli(args + QStringList{u"--theirs"_s, u"-o"_s, path(u"t.ldgr"_s)}).exitCode, 0);
    EXPECT_EQ(cli({u"balance"_s, path(u"t.ldgr"_s)}).out, "63.00\n");
    EXPECT_EQ(cli(args + QStringList{u"--ours"_s, u"-o"_s, path(u"o.ldgr"_s)}).exitCode, 0);
    EXPECT_EQ(cli({u"balance"_s, path(u"o.ldgr"_s)}).out, "64.00\n");
    EXPECT_EQ(cli(args + QStringList{u"--ours"_s, u"--theirs"_s}).exitCode, 2);
    // Writing over theirs or the base would lose a version being merged.
    EXPECT_EQ(cli(args + QStringList{u"-o"_s, path(u"theirs.ldgr"_s)}).exitCode, 2);
}

TEST_F(MergeCli, RefusesWhatCannotBeMergedNamingIt)
{
    writeFile(path(u"mine.ldgr"_s), text({BASE}));
    writeFile(path(u"other.ldgr"_s), text({u"x|01/01/2026|Opening Balance|5.00"}));
    writeFile(path(u"next.ldgr"_s), text({u"i| |Initial|65.00", u"c|12/05/2026|Coffee|-5.00"}));
    writeFile(path(u"notes.ldgr"_s), "these are not transactions");
    const QByteArray mineBefore = readFile(path(u"mine.ldgr"_s));
    const ProgramRun unrelated = cli({u"merge"_s, path(u"mine.ldgr"_s), path(u"other.ldgr"_s)});
    EXPECT_EQ(unrelated.exitCode, 1);
    EXPECT_TRUE(unrelated.err.contains(u"are not versions of one register"));
    const ProgramRun rolled = cli({u"merge"_s, path(u"mine.ldgr"_s), path(u"next.ldgr"_s)});
    EXPECT_EQ(rolled.exitCode, 1);
    EXPECT_TRUE(rolled.err.contains(u"a new year\u2019s file is a new register")) << rolled.err.toStdString();
    const ProgramRun garbage = cli({u"merge"_s, path(u"mine.ldgr"_s), path(u"notes.ldgr"_s)});
    EXPECT_EQ(garbage.exitCode, 1);
    EXPECT_TRUE(garbage.err.startsWith(u"cheqbook-cli: "_s + path(u"notes.ldgr"_s) + u": "_s)) << garbage.err.toStdString();
    EXPECT_EQ(readFile(path(u"mine.ldgr"_s)), mineBefore);
}

TEST_F(MergeCli, FindsTheBaseByTheVersionsTheFilesName)
{
    // Merged once, without a base: the merged version is kept, and named by
    // every later save of either side.
    writeFile(path(u"mine.ldgr"_s), text({BASE}));
    writeFile(path(u"theirs.ldgr"_s), text({BASE, u"d|12/06/2026|Shell|-30.00"}));
    ASSERT_EQ(cli({u"merge"_s, path(u"mine.ldgr"_s), path(u"theirs.ldgr"_s)}).exitCode, 0);
    ASSERT_TRUE(QFile::copy(path(u"mine.ldgr"_s), path(u"theirs2.ldgr"_s)));
    // Mine is saved again and then loses Aldi; theirs imports a statement.
    ASSERT_EQ(cli({u"sort"_s, path(u"mine.ldgr"_s)}).exitCode, 0);
    QByteArray mine = readFile(path(u"mine.ldgr"_s));
    const qsizetype aldi = mine.indexOf("Aldi");
    ASSERT_GT(aldi, 0);
    mine.remove(mine.lastIndexOf('\n', aldi) + 1, mine.indexOf('\n', aldi) - mine.lastIndexOf('\n', aldi));
    writeFile(path(u"mine.ldgr"_s), mine);
    writeFile(path(u"dec.csv"_s), "12/07/2026,-8.00,,,Dillons\n");
    ASSERT_EQ(cli({u"import"_s, path(u"theirs2.ldgr"_s), path(u"dec.csv"_s)}).exitCode, 0);

    const ProgramRun r = cli({u"merge"_s, path(u"mine.ldgr"_s), path(u"theirs2.ldgr"_s)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(u"no version that")) << r.err.toStdString(); // a base was found
    EXPECT_EQ(r.out, "theirs\tadded\t12/07/2026 Dillons -8.00\nmine\tdeleted\t12/03/2026 Aldi -20.00\n");
    EXPECT_EQ(cli({u"balance"_s, path(u"mine.ldgr"_s)}).out, "47.00\n"); // without Aldi, which mine deleted
}

TEST_F(MergeCli, ListsTheConflictCopiesBesideARegister)
{
    writeFile(path(u"household.ldgr"_s), text({BASE}));
    writeFile(path(u"household.sync-conflict-20261209-101010-ABCDEFG.ldgr"_s), text({BASE}));
    writeFile(path(u"household (Laptop's conflicted copy 2026-12-08).ldgr"_s), text({BASE}));
    writeFile(path(u"household.ldgr~"_s), text({BASE}));
    const ProgramRun r = cli({u"conflicts"_s, path(u"household.ldgr"_s)});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(r.out),
              path(u"household (Laptop's conflicted copy 2026-12-08).ldgr\tDropbox\tLaptop\t12/08/2026\n"_s) +
                  path(u"household.sync-conflict-20261209-101010-ABCDEFG.ldgr\tSyncthing\tABCDEFG\t12/09/2026 10:10:10\n"_s));
    EXPECT_EQ(cli({u"conflicts"_s, path(u"missing.ldgr"_s)}).exitCode, 1);
}

} // namespace

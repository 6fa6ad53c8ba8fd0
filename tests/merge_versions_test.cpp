// The versions a merge reads: identities read by table, versions named in
// pieces and beside the reading of mine, rows alike held once.

#include "MergeBase.h"
#include "MergeFixtures.h"
#include "RegisterFile.h"
#include "RegisterMerge.h"
#include "RegisterVersions.h"
#include "RowIdentity.h"
#include "StableHash.h"

#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 20);

// Identities are read through a table of digits: a byte beside the digits'
// ranges read as a digit would make another row's identity of a text that
// stands for a hash of itself.
TEST(RowIdentity, ReadsElevenDigitsAsTheirNumberAndAnyOtherTextAsItsHash)
{
    for (const RowId id : {RowId(1), RowId(61), RowId(62), RowId(0x0123456789abcdefull), ~RowId(0)})
        EXPECT_EQ(rowId(identityValue(id)), id) << id;
    for (const char *text : {"0000000000/", "0000000000:", "@0000000000", "000[0000000", "00000`00000",
                             "0000000000{", "0000000000\xff", "0000000000", "ID"}) {
        const QLatin1StringView view(text);
        EXPECT_EQ(rowId(Value::text(view)), StableHash(0x1d).add(view).value()) << text;
    }
}

// A version is named as it is read, in pieces, never held whole: the pieces
// must name it as the whole file does, on every computer.
TEST(StableHash, BytesInPiecesHashAsTheWhole)
{
    QByteArray bytes;
    for (int i = 0; i < 100; ++i)
        bytes += char('a' + i % 26);
    for (qsizetype size : {0, 7, 8, 9, 16, 63, 100})
        for (qsizetype piece : {8, 16, 64}) {
            const QByteArrayView whole(bytes.constData(), size);
            StableHash h;
            qsizetype at = 0;
            do {
                const qsizetype n = std::min(piece, size - at);
                h.addPiece(whole.sliced(at, n), at + n == size);
                at += n;
            } while (at < size);
            EXPECT_EQ(h.value(), versionHash(whole)) << size << " in pieces of " << piece;
        }
}

// Each version read for a merge was once held whole beside mine: three
// registers in memory for one. Rows alike are now held once, as mine's.
TEST(Merge, VersionsReadForAMergeHoldTheRowsAlikeWithMineAsMine)
{
    QTemporaryDir dir;
    const QString basePath = dir.filePath(u"base.ldgr"_s), theirsPath = dir.filePath(u"theirs.ldgr"_s);
    writeFile(basePath, oldStyleText(mergeRows({BASE})));
    // Theirs changed Aldi and holds a line of Hy-Vee copied by hand, its
    // identity and all: the copy is a row of its own.
    // Its opening row is mine's but for what it grew from, which it keeps.
    writeFile(theirsPath, oldStyleText(mergeRows({u"o|12/01/2026|Opening Balance|100.00|Versions=0123456789abcdef",
                                                  u"a|12/02/2026|Hy-Vee|-10.00",
                                                  u"b|12/03/2026|Aldi|-22.00", u"c|12/05/2026|Coffee|-5.00",
                                                  u"a|12/02/2026|Hy-Vee|-10.00"})));
    const std::vector<RecordPtr> mine = mergeRows({BASE, u"d|12/06/2026|Shell|-30.00"});
    const PreparedMerge p = prepareMerge(mine, {}, dir.filePath(u"mine.ldgr"_s), theirsPath,
                                         VersionStore(dir.filePath(u"versions"_s)), kToday, basePath);
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    const std::vector<RecordPtr> rows = p.merge.resolvedRows();
    ASSERT_EQ(rows.size(), 6u) << rowTexts(rows).join(u" / ").toStdString();
    EXPECT_NE(std::find(p.ancestry.begin(), p.ancestry.end(), 0x0123456789abcdefull), p.ancestry.end());
    EXPECT_EQ(rows[1], mine[1]);
    EXPECT_EQ(rowText(*rows[2]), u"b|12/03/2026|Aldi|-22.00"_s);
    EXPECT_EQ(rows[3], mine[3]);
    // The copy got an identity of its own, and mine's row kept its.
    EXPECT_EQ(mine[1]->value(Key::ID).toString(), u"a"_s);
    const auto copy = std::find_if(rows.begin() + 2, rows.end(), [](const RecordPtr &r) {
        return r->value(Key::DescriptionofTransaction).toString() == u"Hy-Vee";
    });
    ASSERT_NE(copy, rows.end());
    EXPECT_NE(rowId(**copy), rowId(*mine[1]));
    EXPECT_EQ(p.merge.changes.size(), 3u); // mine added Shell; theirs changed Aldi, added the copy
}

// Theirs is named by a reading of its own beside the reading of mine: a
// file changed between the two readings would give the merge a version
// name that is not of the rows merged.
TEST(Merge, TheirsChangedAfterItWasNamedIsNamedByTheBytesMerged)
{
    for (const bool changed : {false, true}) {
        QTemporaryDir dir;
        const QString basePath = dir.filePath(u"base.ldgr"_s), theirsPath = dir.filePath(u"theirs.ldgr"_s);
        writeFile(basePath, oldStyleText(mergeRows({BASE})));
        writeFile(theirsPath, oldStyleText(mergeRows({BASE, u"d|12/06/2026|Shell|-30.00"})));
        const std::optional<NamedFile> named = nameFile(theirsPath);
        ASSERT_TRUE(named);
        if (changed)
            writeFile(theirsPath, oldStyleText(mergeRows({BASE, u"d|12/06/2026|Shell|-130.00"})));
        const QByteArray merged = readFile(theirsPath);
        const PreparedMerge p = prepareMerge(mergeRows({BASE}), {}, dir.filePath(u"mine.ldgr"_s), theirsPath,
                                             VersionStore(dir.filePath(u"versions"_s)), kToday, basePath, &*named);
        ASSERT_TRUE(p.ok()) << p.error.toStdString();
        EXPECT_EQ(p.theirsHash, versionHash(merged)) << (changed ? "changed" : "unchanged");
        EXPECT_EQ(p.theirsHash == named->version, !changed);
    }
}

} // namespace

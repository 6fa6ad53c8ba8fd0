// The text of a large register made on two cores is the text made on one.

#include "TwoCoreWriting.h"

#include <gtest/gtest.h>

#include <thread>

using namespace Qt::StringLiterals;

namespace {

std::vector<RecordPtr> rowsOf(size_t count)
{
    std::vector<RecordPtr> rows;
    rows.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        RecordPtr r = makeRecord();
        r->set(Key::Date, Value::text(u"01/%1/2026"_s.arg(i % 28 + 1, 2, 10, QChar(u'0'))));
        r->set(Key::DescriptionofTransaction, Value::text(u"Row %1 \u00e9 \"quoted\""_s.arg(i)));
        r->set(Key::Amount, Value::money(-qint64(i % 5000)));
        if (i % 7 == 0)
            r->set(u"Memo"_s, Value::text(u"kept"_s));
        rows.push_back(std::move(r));
    }
    return rows;
}

QByteArray made(const std::vector<RecordPtr> &rows, bool twoCores)
{
    QByteArray text;
    const ChunkWriter put = [&](QByteArrayView piece) {
        text.append(piece);
        return true;
    };
    EXPECT_TRUE(twoCores ? writeOldStyleOnTwoCores(rows, put) : writeOldStyle(rows, put));
    return text;
}

} // namespace

TEST(TwoCoreWriting, MakesTheOneCoreTextByteForByteWhereverTheBlocksEnd)
{
    // Below the threshold, at it, at a block's end and past it, and an odd
    // block last.
    for (const size_t count : {size_t(3), kTwoCoreRows - 1, kTwoCoreRows, kTwoCoreRows + 16384,
                               kTwoCoreRows + 3 * 16384 + 7}) {
        const std::vector<RecordPtr> rows = rowsOf(count);
        const QByteArray text = made(rows, true);
        EXPECT_EQ(text, made(rows, false)) << count << " rows";
        EXPECT_TRUE(text.endsWith("}\n)\n")) << count << " rows";
    }
}

TEST(TwoCoreWriting, APutThatGivesUpStopsBothCoresWithoutWaitingForever)
{
    const std::vector<RecordPtr> rows = rowsOf(kTwoCoreRows * 2);
    for (const int givesUpAt : {1, 2, 5}) {
        int puts = 0;
        const bool written = writeOldStyleOnTwoCores(rows, [&](QByteArrayView) { return ++puts < givesUpAt; });
        EXPECT_FALSE(written) << givesUpAt;
        EXPECT_EQ(puts, givesUpAt);
    }
}

// A save that is shown lets the window handle events between rows, and an
// edit then must not change the rows under another core.
TEST(TwoCoreWriting, ASaveThatIsShownIsMadeOnTheSavingThreadAlone)
{
    const std::vector<RecordPtr> rows = rowsOf(kTwoCoreRows * 2);
    NoProgress shown;
    const std::thread::id saving = std::this_thread::get_id();
    bool elsewhere = false;
    QByteArray text;
    EXPECT_TRUE(writeOldStyleOnTwoCores(
        rows,
        [&](QByteArrayView piece) {
            elsewhere = elsewhere || std::this_thread::get_id() != saving;
            text.append(piece);
            return true;
        },
        &shown));
    EXPECT_FALSE(elsewhere);
    EXPECT_EQ(text, made(rows, false));
}

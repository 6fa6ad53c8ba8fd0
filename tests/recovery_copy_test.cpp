// Recovery copies as the store writes them, without a window: a copy written
// on another thread while the rows change is the register as it stood when
// the copy began, and what a session leaves behind does not pile up.

#include "FileLock.h"
#include "MyDocument.h"
#include "RecoveryStore.h"
#include "RecoveryWriter.h"
#include "RegisterFile.h"
#include "RunningBalance.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using namespace std::chrono_literals;

// What a copy of doc's rows must hold after its header: the rows as they are
// now, each with the balance its amounts give.
QByteArray expectedCopy(const MyDocument &doc)
{
    std::vector<RecordPtr> rows;
    Cents total = 0;
    for (const RecordPtr &r : doc.array()->rows()) {
        auto copy = std::make_shared<Record>(*r);
        total = addCents(total, copy->value(Key::Amount).centsOrZero());
        copy->set(Key::Total, Value::money(total));
        rows.push_back(std::move(copy));
    }
    return oldStyleText(rows);
}

void fill(MyDocument &doc, int rows)
{
    doc.ensureRegister();
    for (int i = 0; i < rows; ++i) {
        RecordPtr r = makeRecord();
        r->set(Key::Amount, Value::money(i % 7 == 0 ? 250000 : -(i % 1000) - 1));
        r->set(Key::DescriptionofTransaction, Value::text(u"Payee number %1 of the month"_s.arg(i % 997)));
        r->set(Key::Date, Value::text(u"12/%1/2026"_s.arg(1 + i % 28)));
        r->set(u"BankID", Value::text(u"csv:%1"_s.arg(i, 16, 16, QChar(u'0'))));
        doc.array()->append(r);
    }
    doc.recalculateBalances();
}

TEST(RecoveryCopy, ACopyWrittenWhileTheRowsChangeIsTheRegisterAsTheCopyBegan)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.path());
    MyDocument doc;
    fill(doc, 100000);
    const QByteArray expected = expectedCopy(doc);

    RecoveryWriter writer(doc, store, 1);
    QString error = u"never told"_s;
    ASSERT_TRUE(writer.start([&](const QString &e) { error = e; }));
    EXPECT_FALSE(writer.start([](const QString &) {})) << "a second copy while the first is written";

    // Every way the window changes rows, while the copy is written: values
    // of existing rows (an extra key too), balances carried and worked out
    // again, rows added and taken away, undo and redo, and the table's
    // rewriting of an Amount it shows.
    Register &reg = *doc.array();
    for (int i = 0; i < 60; ++i) {
        const int row = 1 + (i * 7919) % (reg.count() - 1);
        doc.edit(u"Edit"_s, [&] {
            doc.setValue(row, Key::DescriptionofTransaction, Value::text(u"Changed %1"_s.arg(i)));
            doc.setValue(row, Key::Amount, Value::text(u"-1.%1"_s.arg(i % 10)));
            doc.setValue(row, u"BankID", Value::text(u"changed"_s));
            doc.carryBalances(row);
        });
        doc.edit(u"Enter"_s, [&] { doc.addData(makeRecord(), reg.count()); });
        doc.edit(u"Delete"_s, [&] {
            doc.remData(reg.at(row));
            doc.recalculateBalances();
        });
        doc.undo();
        doc.undo();
        doc.redo();
        Record &shown = reg[(i * 104729) % reg.count()];
        doc.recordWillChange(shown);
        shown.set(Key::Amount, Value::text(u"7.00"_s));
    }
    writer.wait();
    EXPECT_EQ(error, QString());
    EXPECT_FALSE(writer.isCurrent()) << "the rows changed since the copy began";

    const QByteArray copy = readFile(store.fileFor(1));
    const qsizetype rows = copy.indexOf("\n(\n");
    ASSERT_GE(rows, 0);
    EXPECT_TRUE(copy.mid(rows + 1) == expected) << "the copy is not the register as it was taken";
    EXPECT_TRUE(parseRegister(copy).ok());

    // Once written again with nothing changing, it is current.
    ASSERT_TRUE(writer.start({}));
    writer.wait();
    EXPECT_TRUE(writer.isCurrent());
    EXPECT_TRUE(readFile(store.fileFor(1)).endsWith(expectedCopy(doc)));
}

// Given up by the window, or because the register was read again whole (a
// revert, whose old records may go at once).
TEST(RecoveryCopy, ACopyGivenUpNeverTakesThePlaceOfTheOneBefore)
{
    QTemporaryDir dir;
    const QString other = writeFile(dir.filePath(u"other.ldgr"_s), "({Amount = 5;})");
    RecoveryStore store(dir.filePath(u"recovery"_s));
    for (bool reread : {false, true}) {
        SCOPED_TRACE(reread ? "read again" : "cancelled");
        MyDocument doc;
        fill(doc, 50000);
        RecoveryWriter writer(doc, store, 1);
        writer.start({});
        writer.wait();
        const QByteArray first = readFile(store.fileFor(1));
        doc.edit(u"Edit"_s, [&] { doc.setValue(1, Key::DescriptionofTransaction, Value::text(u"later"_s)); });
        const QByteArray later = expectedCopy(doc);
        bool told = false;
        ASSERT_TRUE(writer.start([&](const QString &) { told = true; }));
        QString why;
        if (reread)
            ASSERT_TRUE(doc.readFromFile(other, u"ldgr", &why)) << why.toStdString();
        else
            writer.cancel();
        QCoreApplication::processEvents();
        EXPECT_FALSE(told) << "a copy given up is not told of";
        EXPECT_FALSE(writer.isWriting());
        const QByteArray now = readFile(store.fileFor(1));
        // Given up before its end, the copy before stays; at its very end,
        // the new one is whole. Never anything else, and never a stray file.
        EXPECT_TRUE(now == first || now.endsWith(later));
        EXPECT_EQ(QDir(store.folder()).entryList(QDir::Files | QDir::Hidden).filter(u".saving"_s), QStringList());
    }
}

TEST(RecoveryCopy, LocksOfSessionsThatEndedWithoutCopiesDoNotPileUp)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(u"session-dead1.lock"_s), "Cheqbook lock\n1\nhost\n");
    writeFile(dir.filePath(u"session-dead2.lock"_s), "");
    FileLock running(dir.filePath(u"session-alive.lock"_s), 0600);
    ASSERT_EQ(running.tryLock(), FileLock::Status::Acquired);

    RecoveryStore store(dir.path());
    const RecoveryStore::LeftBehind left = store.leftBehind();
    EXPECT_TRUE(left.recovered.empty());
    EXPECT_EQ(QDir(dir.path()).entryList({u"session-*.lock"_s}, QDir::Files | QDir::Hidden),
              QStringList{u"session-alive.lock"_s});
}

} // namespace

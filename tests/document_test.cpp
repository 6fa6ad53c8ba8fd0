// The register document: rows, change marks, reading, saving and reverting.

#include "MyDocument.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

RecordPtr withAmount(const char *amount)
{
    RecordPtr r = makeRecord();
    r->set(Key::Amount, Value::text(QLatin1StringView(amount)));
    return r;
}

TEST(MyDocument, ANewDocumentHasNoRegisterUntilItsWindowIsMade)
{
    MyDocument doc;
    EXPECT_EQ(doc.array(), nullptr);
    EXPECT_EQ(doc.count(), 0);
    EXPECT_FALSE(doc.dataRepresentationOfType());
    doc.ensureRegister();
    ASSERT_NE(doc.array(), nullptr);
    EXPECT_EQ(doc.dataRepresentationOfType(), "()\n"_ba);
}

TEST(MyDocument, AddAndRemoveEachMarkOneChange)
{
    MyDocument doc;
    QSignalSpy spy(&doc, &MyDocument::changeCountChanged);
    // On an empty register any index appends.
    doc.addData(withAmount("100.00"), 5);
    doc.addData(withAmount("-1.00"), 1);
    doc.addData(withAmount("-2.00"), 2);
    ASSERT_EQ(doc.count(), 3);
    EXPECT_EQ(doc.changeCount(), 3);
    // Index count appends; index 0 goes in front of the opening row.
    RecordPtr last = withAmount("-3.00"), first = withAmount("7.00");
    doc.addData(last, 3);
    doc.addData(first, 0);
    EXPECT_EQ(doc.objectAtIndex(4), last);
    EXPECT_EQ(doc.objectAtIndex(0), first);

    // Of two identical rows only the one given goes; a stranger removes nothing
    // but is still a change.
    RecordPtr twin = withAmount("-3.00");
    doc.addData(twin, 5);
    doc.remData(twin);
    EXPECT_EQ(doc.objectAtIndex(4), last);
    const int before = doc.count();
    doc.remData(withAmount("-3.00"));
    EXPECT_EQ(doc.count(), before);
    EXPECT_EQ(doc.changeCount(), 8);
    EXPECT_EQ(spy.count(), 8);
    EXPECT_TRUE(doc.isDocumentEdited());
}

TEST(MyDocument, SharesOneRegisterObject)
{
    MyDocument doc;
    doc.ensureRegister();
    RegisterPtr shared = doc.array();
    doc.addData(withAmount("1.00"), 0);
    EXPECT_EQ(shared->count(), 1);
    shared->append(withAmount("2.00"));
    EXPECT_EQ(doc.count(), 2);
}

TEST(MyDocument, SavesReopensAndReverts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"checking.ldgr"_s);
    MyDocument doc;
    RecordPtr r = withAmount("1234.56");
    r->set(Key::Total, Value::money(123456));
    r->set(Key::DescriptionofTransaction, Value::text(u"Pay \"check\"\nCaf\u00e9"_s));
    doc.addData(r, 0);
    QString why;
    ASSERT_TRUE(doc.saveToFile(path, &why)) << why.toStdString();
    EXPECT_EQ(doc.changeCount(), 0);
    EXPECT_EQ(doc.fileName(), path);

    MyDocument reopened;
    ASSERT_TRUE(reopened.readFromFile(path, u"ldgr", &why)) << why.toStdString();
    ASSERT_EQ(reopened.count(), 1);
    // The old-style form has no numbers: a money Total comes back as its text.
    EXPECT_EQ(reopened.objectAtIndex(0)->value(Key::Total), Value::text(u"1234.56"_s));
    EXPECT_EQ(reopened.objectAtIndex(0)->value(Key::DescriptionofTransaction), r->value(Key::DescriptionofTransaction));
    EXPECT_EQ(reopened.changeCount(), 0);

    // Revert refills the very register object the window holds.
    RegisterPtr shared = doc.array();
    doc.addData(withAmount("5.00"), 1);
    shared->at(0)->set(Key::Amount, Value::text(u"0.01"_s));
    ASSERT_TRUE(doc.revertToSaved(&why)) << why.toStdString();
    EXPECT_EQ(doc.array(), shared);
    ASSERT_EQ(shared->count(), 1);
    EXPECT_EQ(shared->at(0)->value(Key::Amount), Value::text(u"1234.56"_s));
    EXPECT_EQ(doc.changeCount(), 0);
}

TEST(MyDocument, AnUnreadableFileIsRefusedNotOpenedEmpty)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(u"bad.ldgr"_s);
    writeFile(bad, "{Amount = 1;}");
    MyDocument doc;
    QString why;
    EXPECT_FALSE(doc.readFromFile(bad, u"ldgr", &why));
    EXPECT_EQ(why, bad + u": line 1: the file holds a single record, not a list of records"_s);
    EXPECT_EQ(doc.array(), nullptr);
    EXPECT_FALSE(doc.readFromFile(dir.filePath(u"missing.ldgr"_s), u"ldgr", &why));
    EXPECT_TRUE(why.startsWith(dir.filePath(u"missing.ldgr: cannot be read"_s))) << why.toStdString();
    EXPECT_FALSE(doc.readFromFile(QString(), u"ldgr", &why));

    // A failed revert leaves the register and its edits alone.
    const QString good = dir.filePath(u"good.ldgr"_s);
    writeFile(good, "({Amount = 1.00;})");
    ASSERT_TRUE(doc.readFromFile(good, u"ldgr", &why));
    doc.addData(withAmount("2.00"), 1);
    writeFile(good, "({Amount = (1);})");
    EXPECT_FALSE(doc.revertToSaved(&why));
    EXPECT_EQ(doc.count(), 2);
    EXPECT_EQ(doc.changeCount(), 1);
}

TEST(MyDocument, AFailedSaveKeepsTheDocumentModifiedAndTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"r.ldgr"_s);
    writeFile(path, "(\n)\n");
    MyDocument doc;
    doc.addData(withAmount("1.00"), 0);
    QString why;
    EXPECT_FALSE(doc.saveToFile(dir.filePath(u"no/such/folder/r.ldgr"_s), &why));
    EXPECT_TRUE(why.startsWith(u"r.ldgr could not be written")) << why.toStdString();
    EXPECT_EQ(doc.changeCount(), 1);
    EXPECT_TRUE(doc.fileName().isEmpty());
    EXPECT_EQ(readFile(path), "(\n)\n");
}

} // namespace

// The window's side of merging: a conflict copy beside the open register
// offered and merged as one step, its conflicts chosen side by side, the
// copy kept in the Merged folder once the merge is saved, and a merge that
// cannot be done changing nothing.

#include "ConflictChooser.h"
#include "DocumentVersions.h"
#include "FakeToolkit.h"
#include "MergeFixtures.h"
#include "MergeOffers.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "TestSupport.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

#define WINDOW_BASE u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00", u"b|12/03/2026|Aldi|-20.00"

QByteArray registerText(const QStringList &texts)
{
    QByteArray out = "(\n";
    for (const QString &s : texts) {
        out += "{";
        mergeRow(s)->forEachKey([&](QStringView key, const Value &v) {
            out += key.toUtf8() + " = \"" + v.toString().toUtf8() + "\"; ";
        });
        out += "},\n";
    }
    out.chop(2);
    return out + "\n)\n";
}

QByteArray registerText(std::initializer_list<const char16_t *> texts)
{
    QStringList list;
    for (const char16_t *s : texts)
        list << QString::fromUtf16(s);
    return registerText(list);
}

class MergeWindow : public ::testing::Test
{
protected:
    // Opens household.ldgr as the window does, keeping its versions.
    void open(std::initializer_list<const char16_t *> texts)
    {
        writeFile(path(u"household.ldgr"_s), registerText(texts));
        doc = std::make_unique<MyDocument>();
        doc->setVersionKeeper(std::make_unique<DocumentVersions>(VersionStore(VersionStore::defaultFolder())));
        QString why;
        ASSERT_TRUE(doc->readFromFile(path(u"household.ldgr"_s), u"ldgr", &why)) << why.toStdString();
        doc->makeWindowControllers(toolkit);
        c = windowController(doc.get());
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList descriptions() const
    {
        QStringList out;
        for (const RecordPtr &r : doc->array()->rows())
            out << r->value(Key::DescriptionofTransaction).toString();
        return out;
    }

    QTemporaryDir dir;
    FakeToolkit toolkit;
    std::unique_ptr<MyDocument> doc;
    MyWindowController *c = nullptr;
    const QString copyName = u"household.sync-conflict-20261209-101010-ABCDEFG.ldgr"_s;
};

TEST_F(MergeWindow, ACopyBesideTheRegisterIsOfferedAndMergedAsOneStepKeptOnlyOnceSaved)
{
    open({WINDOW_BASE});
    // Saved by Cheqbook on the other computer, which had read the same file.
    const QString read = versionName(versionHash(readFile(path(u"household.ldgr"_s))));
    const QByteArray copy = registerText(QStringList{u"o|12/01/2026|Opening Balance|100.00|Versions="_s + read,
                                                     u"a|12/02/2026|Hy-Vee|-10.00"_s, u"b|12/03/2026|Aldi|-20.00"_s,
                                                     u"d|12/06/2026|Shell|-30.00"_s});
    writeFile(path(copyName), copy);
    toolkit.confirmAnswers = {true};
    c->mergeOffers()->lookForCopies();
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_TRUE(toolkit.questions[0].message.startsWith(
        u"A second version of this register was made on another computer (ABCDEFG, 12/09/2026 10:10). Merge it?"))
        << toolkit.questions[0].message.toStdString();
    EXPECT_EQ(descriptions(), (QStringList{u"Opening Balance"_s, u"Hy-Vee"_s, u"Aldi"_s, u"Shell"_s}));
    EXPECT_EQ(doc->objectAtIndex(3)->value(Key::Total).centsOrZero(), 4000);
    // Offered once: looking again asks nothing.
    c->mergeOffers()->lookForCopies();
    EXPECT_EQ(toolkit.questions.size(), 1u);
    // Nothing written until the user saves: the copy is still beside it.
    EXPECT_TRUE(QFileInfo::exists(path(copyName)));
    EXPECT_EQ(doc->undo()->name, u"Merge \u201c%1\u201d"_s.arg(copyName));
    EXPECT_EQ(descriptions(), (QStringList{u"Opening Balance"_s, u"Hy-Vee"_s, u"Aldi"_s}));
    ASSERT_TRUE(doc->redo());

    QString why;
    ASSERT_TRUE(doc->saveToFile(doc->fileName(), &why)) << why.toStdString();
    // The saved register grew from both versions, and from nothing that is
    // no version (the unsaved rows the merge was made in).
    const std::vector<VersionHash> grewFrom = ancestry(doc->array()->rows());
    EXPECT_NE(std::find(grewFrom.begin(), grewFrom.end(), versionHash(copy)), grewFrom.end());
    EXPECT_EQ(std::find(grewFrom.begin(), grewFrom.end(), VersionHash(0)), grewFrom.end());
    EXPECT_FALSE(QFileInfo::exists(path(copyName)));
    EXPECT_EQ(readFile(QDir(MergeOffers::mergedFolder()).filePath(copyName)), copy);
    EXPECT_TRUE(toolkit.alerts.empty());
}

TEST_F(MergeWindow, AMergeUndoneBeforeTheSaveLeavesTheCopyWhereItIs)
{
    open({WINDOW_BASE});
    writeFile(path(copyName), registerText({WINDOW_BASE, u"d|12/06/2026|Shell|-30.00"}));
    ASSERT_TRUE(c->mergeOffers()->mergeFile(path(copyName)));
    doc->undo();
    QString why;
    ASSERT_TRUE(doc->saveToFile(doc->fileName(), &why));
    EXPECT_TRUE(QFileInfo::exists(path(copyName)));
}

TEST_F(MergeWindow, ConflictsAreChosenSideBySideAndCancelChangesNothing)
{
    open({WINDOW_BASE});
    // Kept at the open: the base. Mine changes Aldi one way, the copy another.
    doc->setValue(2, Key::Amount, Value::text(u"-21.00"));
    writeFile(path(copyName), registerText({u"o|12/01/2026|Opening Balance|100.00", u"a|12/02/2026|Hy-Vee|-10.00",
                                            u"b|12/03/2026|Aldi|-22.00"}));
    const auto before = doc->array()->rows();
    toolkit.dialogAnswers.push_back([](QDialog &d) {
        auto &chooser = dynamic_cast<ConflictChooser &>(d);
        EXPECT_EQ(chooser.lineCount(), 1);
        EXPECT_EQ(chooser.choice(0), MergeSide::Mine);
        return false; // Cancel
    });
    EXPECT_FALSE(c->mergeOffers()->mergeFile(path(copyName)));
    EXPECT_EQ(doc->array()->rows(), before);

    toolkit.dialogAnswers.push_back([](QDialog &d) {
        for (QPushButton *b : d.findChildren<QPushButton *>())
            if (b->text() == u"Take All Theirs")
                b->click();
        EXPECT_EQ(dynamic_cast<ConflictChooser &>(d).choice(0), MergeSide::Theirs);
        for (QPushButton *b : d.findChildren<QPushButton *>())
            if (b->text() == u"Merge")
                b->click();
        return d.result() == QDialog::Accepted;
    });
    ASSERT_TRUE(c->mergeOffers()->mergeFile(path(copyName)));
    EXPECT_EQ(doc->objectAtIndex(2)->value(Key::Amount).toString(), u"-22.00");
}

TEST_F(MergeWindow, AMergeThatCannotBeDoneSaysWhyAndChangesNothing)
{
    open({WINDOW_BASE});
    const auto before = doc->array()->rows();
    writeFile(path(u"other.ldgr"_s), registerText({u"x|01/01/2026|Opening Balance|5.00"}));
    writeFile(path(u"next.ldgr"_s), registerText({u"i| |Initial|70.00", u"b|12/03/2026|Aldi|-20.00"}));
    writeFile(path(u"notes.ldgr"_s), "these are not transactions");
    for (const char16_t *name : {u"other.ldgr", u"next.ldgr", u"notes.ldgr"}) {
        EXPECT_FALSE(c->mergeOffers()->mergeFile(path(QString::fromUtf16(name))));
        EXPECT_TRUE(toolkit.takeAlert().contains(u"cannot be merged into this register. Nothing was changed."));
        EXPECT_EQ(doc->array()->rows(), before);
    }
    EXPECT_EQ(doc->history().position(), 0u);
}

} // namespace

// The window's side of merging: a conflict copy beside the open register
// offered and merged as one step, its conflicts chosen side by side, the
// copy kept in the Merged folder once the merge is saved, and a merge that
// cannot be done changing nothing; the register changed on disk while the
// window holds changes, merged from the save's question.

#include "ConflictChooser.h"
#include "DocumentController.h"
#include "DocumentVersions.h"
#include "FakeToolkit.h"
#include "MergeFixtures.h"
#include "MergeOffers.h"
#include "MyDocument.h"
#include "MyWindowController.h"
#include "RegisterDocumentWindow.h"
#include "RegisterFile.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

// The window's own questions wait while another is on the screen: asked
// inside the opening's note on its balances, the offer stood over the note,
// which was read last.
TEST_F(MergeWindow, ACopyFoundAtTheOpeningIsOfferedOnceNoOtherQuestionIsUp)
{
    writeFile(path(copyName), registerText({WINDOW_BASE, u"d|12/06/2026|Shell|-30.00"}));
    toolkit.asking = true;
    toolkit.confirmAnswers = {false};
    open({WINDOW_BASE});
    QTest::qWait(600);
    EXPECT_TRUE(toolkit.questions.empty()) << "asked while another question was up";
    toolkit.asking = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !toolkit.questions.empty(); }, 2000));
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_TRUE(toolkit.questions[0].message.startsWith(u"A second version of this register"));
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

// The register changed on disk (another computer's save, brought by a sync
// tool) while the window holds changes of its own: Save asks Save Anyway,
// Merge or Cancel.
class ChangedOnDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = dir.filePath(u"household.ldgr"_s);
        writeFile(path, registerText({WINDOW_BASE}));
        doc = controller.openDocument(path);
        ASSERT_NE(doc, nullptr);
        // Mine: Hy-Vee's amount changed, Shell entered.
        doc->edit(u"Mine"_s, [&] {
            doc->setValue(1, Key::Amount, Value::text(u"-11.00"));
            doc->addData(mergeRow(u"m|12/05/2026|Shell|-30.00"_s), doc->count());
        });
    }
    void TearDown() override
    {
        for (MyDocument *d : controller.documents())
            d->updateChangeCount();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The other computer's Cheqbook reads the same file, makes its changes
    // and saves; the sync tool brings the save here.
    QByteArray theirSave(const std::function<void(MyDocument &)> &change)
    {
        QTemporaryDir there;
        const QString theirs = there.filePath(u"household.ldgr"_s);
        QFile::copy(path, theirs);
        MyDocument other;
        other.setVersionKeeper(std::make_unique<DocumentVersions>(std::nullopt));
        QString why;
        EXPECT_TRUE(other.readFromFile(theirs, u"ldgr", &why)) << why.toStdString();
        change(other);
        EXPECT_TRUE(other.saveToFile(theirs, &why)) << why.toStdString();
        const QByteArray bytes = readFile(theirs);
        writeFile(path, bytes);
        return bytes;
    }
    QStringList rows() const { return rowTexts(doc->array()->rows()); }
    QStringList rowsOnDisk() const
    {
        RegisterReadResult r = parseRegister(readFile(path));
        return rowTexts(r.rows);
    }

    QTemporaryDir dir;
    QString path;
    FakeToolkit toolkit;
    DocumentController controller{toolkit, dir.filePath(u"recovery"_s)};
    MyDocument *doc = nullptr;
};

TEST_F(ChangedOnDisk, MergeTakesTheirChangesInAsOneStepAndWritesNothingUntilSaved)
{
    const QByteArray theirs = theirSave([](MyDocument &other) {
        other.setValue(1, Key::Amount, Value::text(u"-12.00")); // a conflict with mine's -11.00
        other.setValue(2, Key::DescriptionofTransaction, Value::text(u"Aldi Süd"));
        other.addData(mergeRow(u"t|12/04/2026|Costco|-40.00"_s), other.count());
    });
    const QStringList mine = rows();
    toolkit.chooseAnswers = {u"Merge"_s};
    toolkit.dialogAnswers.push_back([](QDialog &d) {
        auto &chooser = dynamic_cast<ConflictChooser &>(d);
        EXPECT_EQ(chooser.lineCount(), 1);
        chooser.choose(0, MergeSide::Theirs);
        for (QPushButton *b : d.findChildren<QPushButton *>())
            if (b->text() == u"Merge")
                b->click();
        return d.result() == QDialog::Accepted;
    });
    EXPECT_FALSE(controller.saveDocument(doc));
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_TRUE(toolkit.questions[0].message.contains(u"was changed by another program since you opened it."));
    EXPECT_EQ(toolkit.questions[0].confirmButton + u" / "_s + toolkit.questions[0].otherButton,
              u"Save Anyway / Merge / Cancel"_s);
    EXPECT_EQ(readFile(path), theirs) << "nothing is written by the merge";
    EXPECT_EQ(rows(), (QStringList{u"o|12/01/2026|Opening Balance|100.00"_s, u"a|12/02/2026|Hy-Vee|-12.00"_s,
                                   u"b|12/03/2026|Aldi Süd|-20.00"_s, u"t|12/04/2026|Costco|-40.00"_s,
                                   u"m|12/05/2026|Shell|-30.00"_s}));
    EXPECT_EQ(doc->objectAtIndex(4)->value(Key::Total).centsOrZero(), -200);
    EXPECT_TRUE(toolkit.alerts.empty());

    // One step: undone, the window holds mine again, and Save asks again.
    EXPECT_EQ(doc->undo()->name, u"Merge \u201chousehold.ldgr\u201d"_s);
    EXPECT_EQ(rows(), mine);
    toolkit.chooseAnswers = {u"Cancel"_s};
    EXPECT_FALSE(controller.saveDocument(doc));
    EXPECT_EQ(toolkit.questions.size(), 2u);
    // Done again, the merge holds their version: Save writes without asking.
    ASSERT_TRUE(doc->redo());
    ASSERT_TRUE(controller.saveDocument(doc));
    EXPECT_EQ(toolkit.questions.size(), 2u);
    EXPECT_EQ(rowsOnDisk(), rows());
    EXPECT_FALSE(doc->isDocumentEdited());
}

TEST_F(ChangedOnDisk, AVersionOnDiskCutShortIsRefusedSayingWhyAndTheWindowsRowsStay)
{
    const QByteArray theirs = theirSave([](MyDocument &other) {
        other.addData(mergeRow(u"t|12/04/2026|Costco|-40.00"_s), other.count());
    });
    // Half of it synced when the save's question is answered.
    const QByteArray cut = theirs.left(theirs.indexOf("Costco"));
    writeFile(path, cut);
    const QStringList mine = rows();
    const size_t steps = doc->history().position();
    toolkit.chooseAnswers = {u"Merge"_s};
    EXPECT_FALSE(controller.saveDocument(doc));
    const QString alert = toolkit.takeAlert();
    EXPECT_TRUE(alert.startsWith(Toolkit::errorTitle())) << alert.toStdString();
    EXPECT_TRUE(alert.contains(u"The version of \u201chousehold.ldgr\u201d on disk cannot be merged into this "
                               u"window\u2019s. Nothing was changed."))
        << alert.toStdString();
    EXPECT_TRUE(alert.contains(u"household.ldgr")) << "the reader names the file and what is wrong";
    EXPECT_EQ(rows(), mine);
    EXPECT_EQ(doc->history().position(), steps);
    EXPECT_EQ(readFile(path), cut);
    EXPECT_TRUE(doc->isDocumentEdited());
}

TEST_F(ChangedOnDisk, AVersionOnDiskTheWindowHoldsAllOfIsSavedOverAtOnce)
{
    // Their one change is one mine made too: nothing of theirs would be lost,
    // so Merge goes on with the save, and the file names their version.
    const QByteArray theirs
        = theirSave([](MyDocument &other) { other.setValue(1, Key::Amount, Value::text(u"-11.00")); });
    toolkit.chooseAnswers = {u"Merge"_s};
    ASSERT_TRUE(controller.saveDocument(doc));
    EXPECT_EQ(rowsOnDisk(), rows());
    const std::vector<VersionHash> grewFrom = ancestry(parseRegister(readFile(path)).rows);
    EXPECT_NE(std::find(grewFrom.begin(), grewFrom.end(), versionHash(theirs)), grewFrom.end());
    EXPECT_TRUE(toolkit.alerts.empty());
    EXPECT_FALSE(doc->isDocumentEdited());
}

} // namespace

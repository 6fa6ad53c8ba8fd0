// The window's date sort, find and printing.

#include "WindowFixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class SortWindowTest : public WindowFixture
{
protected:
    QDialog *question() const { return showAgain()->window()->findChild<QDialog *>(); }
    QCheckBox *showAgain() const { return c->window()->findChild<QCheckBox *>(u"showAgainPref"_s); }
    QPushButton *button(const char *name) const
    {
        return showAgain()->window()->findChild<QPushButton *>(QString::fromLatin1(name));
    }
};

TEST_F(SortWindowTest, AsksFirstAndRemembersNotToAsk)
{
    open({{"100", "", "Opening", "01/01/2026"}, {"-5", "", "Late", "03/01/2026"}, {"-7", "", "Early", "12/31/2025"}});
    c->showSortWarning(&menuItem);
    EXPECT_TRUE(showAgain()->window()->isVisible());
    EXPECT_EQ(column(Key::DescriptionofTransaction)[0], u"Opening") << "nothing sorted before the answer";

    button("cancelButton")->click();
    EXPECT_FALSE(showAgain()->window()->isVisible());
    EXPECT_FALSE(QSettings().contains(u"sortWarning"_s));
    EXPECT_EQ(doc->changeCount(), 0);

    c->showSortWarning(&menuItem);
    button("sortButton")->click();
    EXPECT_EQ(QSettings().value(u"sortWarning"_s).toString(), u"0");
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u"Early"_s, u"Opening"_s, u"Late"_s}));
    EXPECT_EQ(column(Key::Total), (QStringList{u"-7"_s, u"93"_s, u"88"_s}));
    EXPECT_EQ(doc->changeCount(), 1);

    // The earlier row is now the opening row; the old one can go.
    selectRows({0});
    c->deleteTransaction(&menuItem);
    EXPECT_EQ(toolkit.takeAlert(), u"Error: I can't delete what you started out with,\nthat would be silly!");
    selectRows({1});
    c->deleteTransaction(&menuItem);
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u"Early"_s, u"Late"_s}));

    // Asked again, told not to ask: later sorts happen at once, even when
    // nothing moves.
    c->showSortWarning(&menuItem);
    showAgain()->setChecked(true);
    button("sortButton")->click();
    EXPECT_EQ(QSettings().value(u"sortWarning"_s).toString(), u"1");
    const int before = doc->changeCount();
    c->showSortWarning(&menuItem);
    EXPECT_FALSE(showAgain()->window()->isVisible());
    EXPECT_EQ(doc->changeCount(), before + 1);
}

TEST_F(SortWindowTest, AnEmptyRegisterStillCountsAsSorted)
{
    QSettings().setValue(u"sortWarning"_s, u"1"_s);
    open({});
    c->showSortWarning(&menuItem);
    EXPECT_EQ(doc->changeCount(), 1);
}

// After a sort the selection stayed on the same row numbers, now other
// transactions, and the next Delete removed a row the user never chose.
TEST_F(SortWindowTest, TheSelectedTransactionsStaySelectedWhereverTheyMove)
{
    QSettings().setValue(u"sortWarning"_s, u"1"_s);
    open({{"100", "", "Opening", "01/01/2026"}, {"-5", "", "Late", "03/01/2026"}, {"-7", "", "Early", "01/05/2026"},
          {"-9", "", "Middle", "02/01/2026"}});
    selectRows({1});
    c->showSortWarning(&menuItem);
    ASSERT_EQ(column(Key::DescriptionofTransaction),
              (QStringList{u"Opening"_s, u"Early"_s, u"Middle"_s, u"Late"_s}));
    EXPECT_EQ(c->selectedRow(), 3);
    EXPECT_EQ(c->numberOfSelectedRows(), 1);
    c->deleteTransaction(&menuItem);
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u"Opening"_s, u"Early"_s, u"Middle"_s}));

    selectRows({1, 2});
    reg()[1].set(Key::Date, Value::text(u"04/01/2026"_s));
    c->showSortWarning(&menuItem);
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u"Opening"_s, u"Middle"_s, u"Early"_s}));
    EXPECT_EQ(c->numberOfSelectedRows(), 2);
}

class FindWindowTest : public WindowFixture
{
protected:
    void search(const char *text)
    {
        c->showFindWindow(&menuItem);
        EXPECT_EQ(field("findField")->text(), QString()) << "the window starts empty";
        field("findField")->setText(QString::fromUtf8(text));
        c->find(&menuItem);
        EXPECT_FALSE(field("findField")->window()->isVisible());
    }
};

TEST_F(FindWindowTest, WrapsAroundAndSkipsTheSelectedRow)
{
    open({{"100", "", "Opening"}, {"-1", "", "Coffee"}, {"-2", "", "Rent"}, {"-3", "", "Gas"}, {"-4", "", "COFFEE beans"}});
    selectRows({3});
    search("coffee");
    EXPECT_EQ(c->selectedRow(), 4);
    c->findAgain(&menuItem);
    EXPECT_EQ(c->selectedRow(), 1);
    c->findAgain(&menuItem);
    EXPECT_EQ(c->selectedRow(), 4);
    EXPECT_EQ(c->numberOfSelectedRows(), 1);
    EXPECT_EQ(toolkit.beeps, 0);

    // Only the selected row holds it: a beep and nothing selected, then the
    // next search starts from the top and finds it.
    search("rent");
    EXPECT_EQ(c->selectedRow(), 2);
    c->findAgain(&menuItem);
    EXPECT_EQ(toolkit.beeps, 1);
    EXPECT_EQ(c->selectedRow(), -1);
    c->findAgain(&menuItem);
    EXPECT_EQ(c->selectedRow(), 2);

    // With several rows selected the search goes on after the current one.
    selectRows({0, 2});
    search("-");
    EXPECT_EQ(c->selectedRow(), 3);
    EXPECT_EQ(c->numberOfSelectedRows(), 1);
}

TEST_F(FindWindowTest, EmptyTextAndNoMatchBeep)
{
    open({{"100", "", "Opening"}});
    selectRows({0});
    c->showFindWindow(&menuItem);
    c->find(&menuItem);
    EXPECT_EQ(toolkit.beeps, 1);
    EXPECT_EQ(c->numberOfSelectedRows(), 0);
    search("nowhere");
    EXPECT_EQ(toolkit.beeps, 2);
    c->showFindWindow(&menuItem);
    c->cancelFind(&menuItem);
    EXPECT_FALSE(field("findField")->window()->isVisible());
    EXPECT_EQ(toolkit.beeps, 2);
}

class PrintWindowTest : public WindowFixture
{
protected:
    QString pdfText(const QString &path)
    {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            return {};
        QProcess p;
        p.start(pdftotext, {u"-layout"_s, path, u"-"_s});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QTemporaryDir dir;
};

TEST_F(PrintWindowTest, PrintsTheReportWithFreshBalances)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    open({{"1000.00", "", "Paycheck", "03/01/2007"}, {"-45.25", "101", "Groceries", "03/12/2007"}});
    reg()[1].set(Key::Total, Value::text(u"stale"_s));
    const QString pdf = dir.filePath(u"out.pdf"_s);
    toolkit.printer.setOutputFormat(QPrinter::PdfFormat);
    toolkit.printer.setOutputFileName(pdf);
    toolkit.printAnswers = {false, true};
    c->print(&menuItem);
    EXPECT_FALSE(QFile::exists(pdf)) << "a cancelled dialog prints nothing";
    EXPECT_EQ(reg()[1].value(Key::Total), Value::money(95475)) << "but the balances were brought up to date";
    c->print(&menuItem);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.startsWith(u"Check #")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"101      | Groceries                            | 03/12/2007 |-45.25     |954.75"))
        << text.toStdString();
    EXPECT_EQ(doc->changeCount(), 0);

    c->printPreview(&menuItem);
    EXPECT_EQ(toolkit.previews, 1);
}

// The print dialog's page range was ignored: "pages 1 to 1" printed them all.
TEST_F(PrintWindowTest, PrintsOnlyThePagesChosen)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    open({{"1000.00", "", "Opening"}});
    for (int i = 1; i < 100; ++i)
        reg().append(reg().at(0));
    c->reloadData();
    const QString pdf = dir.filePath(u"range.pdf"_s);
    toolkit.printer.setOutputFormat(QPrinter::PdfFormat);
    toolkit.printer.setOutputFileName(pdf);
    toolkit.printAnswers = {true};
    // The dialog is told the pages there are; the user then picks page 2.
    toolkit.onPrintDialog = [&](QPrinter &p) {
        EXPECT_EQ(p.fromPage(), 1);
        EXPECT_EQ(p.toPage(), 3);
        p.setPrintRange(QPrinter::PageRange);
        p.setFromTo(2, 2);
    };
    c->print(&menuItem);
    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count(u'\f'), 1) << "one page";
    EXPECT_EQ(text.count(u"| Opening"_s), 48) << text.toStdString();
}

TEST_F(PrintWindowTest, ACancelledPrintOrExportLeavesNoFileBehind)
{
    open({{"1000.00", "", "Opening"}});
    for (int i = 1; i < 200; ++i)
        reg().append(reg().at(0));
    c->reloadData();
    toolkit.cancelProgressAt = 60;
    const QString exported = dir.filePath(u"export.pdf"_s);
    writeFile(exported, "an earlier export");
    toolkit.saveAnswers = {exported};
    c->exportPdf(&menuItem);
    EXPECT_EQ(readFile(exported), "an earlier export") << "an export stopped halfway writes nothing";
    const QString printed = dir.filePath(u"printed.pdf"_s);
    toolkit.printer.setOutputFormat(QPrinter::PdfFormat);
    toolkit.printer.setOutputFileName(printed);
    toolkit.printAnswers = {true};
    c->print(&menuItem);
    EXPECT_FALSE(QFile::exists(printed)) << "a print to a file stopped halfway leaves no half a file";
    EXPECT_EQ(toolkit.progressShown.size(), 2);
    EXPECT_TRUE(toolkit.alerts.empty());
}

TEST_F(PrintWindowTest, ExportsAPdfOrSaysWhyNot)
{
    open({{"5", "", "Only"}});
    const QString pdf = dir.filePath(u"register"_s);
    toolkit.saveAnswers = {pdf, QString(), dir.filePath(u"no/such/x.pdf"_s)};
    c->exportPdf(&menuItem);
    EXPECT_TRUE(QFile::exists(pdf + u".pdf"_s));
    EXPECT_TRUE(toolkit.alerts.empty());
    c->exportPdf(&menuItem); // cancelled
    EXPECT_TRUE(toolkit.alerts.empty());
    c->exportPdf(&menuItem);
    EXPECT_TRUE(toolkit.takeAlert().startsWith(u"Error: The register could not be exported.\n\nx.pdf"_s));
}

} // namespace

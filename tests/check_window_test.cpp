// Checks from the register window: Print Checks and its questions, the
// numbers the marked checks take and keep, Export Checks PDF, the offsets
// each printer keeps, and the payee's address.

#include "CheckPrintDialog.h"
#include "PayeeAddresses.h"
#include "WindowFixture.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class CheckWindowTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_dir.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_before); }

    // A landlord and a plumber marked to print between a numbered check and a deposit.
    void openMarked()
    {
        open({{"1000.00", "", "Opening", "03/01/2026"},
              {"-45.25", "1041", "Grocer", "03/02/2026"},
              {"-700.00", "P", "Landlord", "03/03/2026"},
              {"50.00", "", "Deposit", "03/04/2026"},
              {"-120.00", "p", "Plumber", "03/05/2026"}});
    }
    // The checks go to a PDF in place of the printer; the print dialog says yes.
    QString printerToPdf()
    {
        const QString pdf = m_dir.filePath(u"printer.pdf"_s);
        toolkit.onPrintDialog = [pdf](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
        };
        return pdf;
    }
    // Accepts the check window as it opens, after looking at it.
    void accept(std::function<void(CheckPrintDialog &)> look = {})
    {
        toolkit.dialogAnswers.push_back([look](QDialog &d) {
            auto &dialog = dynamic_cast<CheckPrintDialog &>(d);
            if (look)
                look(dialog);
            dialog.remember();
            return true;
        });
    }
    static QSpinBox *spin(QDialog &d, const char *name) { return d.findChild<QSpinBox *>(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    QByteArray m_before;
};

TEST_F(CheckWindowTest, MarkedChecksAreNumberedOnlyOncePrintedAsOneUndoStep)
{
    openMarked();
    const QString pdf = printerToPdf();
    accept([](CheckPrintDialog &d) { EXPECT_EQ(spin(d, "first")->value(), 1042) << "the next after the last check"; });
    toolkit.printAnswers = {false};
    c->printChecks(&menuItem);
    EXPECT_EQ(column(Key::CheckNumber), (QStringList{u""_s, u"1041"_s, u"P"_s, u""_s, u"p"_s}))
        << "a print dialog cancelled numbers nothing";
    EXPECT_FALSE(QFile::exists(pdf));

    accept();
    toolkit.printAnswers = {true};
    toolkit.confirmAnswers = {true};
    c->printChecks(&menuItem);
    EXPECT_EQ(column(Key::CheckNumber), (QStringList{u""_s, u"1041"_s, u"1042"_s, u""_s, u"1043"_s}));
    EXPECT_TRUE(QFile::exists(pdf));
    ASSERT_EQ(toolkit.questions.size(), 1u);
    EXPECT_TRUE(toolkit.questions[0].message.startsWith(u"Did the checks print correctly?"));
    EXPECT_EQ(c->selectedRegisterRows(), (std::vector<int>{2, 4}));

    c->undo(&menuItem);
    EXPECT_EQ(column(Key::CheckNumber), (QStringList{u""_s, u"1041"_s, u"P"_s, u""_s, u"p"_s})) << "one step";
    EXPECT_TRUE(toolkit.alerts.empty());
}

TEST_F(CheckWindowTest, ASpoiledSheetIsReprintedWithNewNumbersAndTheSpoiledOnesKept)
{
    openMarked();
    printerToPdf();
    accept();
    accept([](CheckPrintDialog &d) { EXPECT_FALSE(spin(d, "first")->isVisibleTo(&d)) << "numbered already"; });
    toolkit.printAnswers = {true, true};
    toolkit.confirmAnswers = {false, true};
    c->printChecks(&menuItem);
    EXPECT_EQ(column(Key::CheckNumber),
              (QStringList{u""_s, u"1041"_s, u"1042"_s, u"1043"_s, u"1044"_s, u""_s, u"1045"_s}));
    EXPECT_TRUE(column(Key::DescriptionofTransaction)[2].startsWith(u"VOID")) << "1042 accounted for";
    EXPECT_EQ(toolkit.questions.size(), 2u) << "asked again after the reprint";
    EXPECT_EQ(c->selectedRegisterRows(), (std::vector<int>{4, 6}));

    // The reprint given up: the new numbers stay, and the way to print them is said.
    toolkit.confirmAnswers = {false};
    toolkit.printAnswers = {true};
    accept();
    toolkit.dialogAnswers.push_back([](QDialog &) { return false; });
    c->printChecks(&menuItem);
    EXPECT_EQ(column(Key::CheckNumber).mid(6), (QStringList{u"1046"_s, u""_s, u"1047"_s}));
    EXPECT_TRUE(c->window()->statusBar()->currentMessage().contains(u"not printed again"));
}

TEST_F(CheckWindowTest, ANumberTheRegisterHoldsIsRefusedBeforeAnythingPrints)
{
    openMarked();
    printerToPdf();
    accept([](CheckPrintDialog &d) { d.setFirstNumber(1041); });
    toolkit.dialogAnswers.push_back([](QDialog &) { return false; }); // shown again, then cancelled
    c->printChecks(&menuItem);
    EXPECT_TRUE(toolkit.takeAlert().contains(u"Check 1041 is already in the register, in row 2"));
    EXPECT_EQ(column(Key::CheckNumber)[2], u"P");
    EXPECT_EQ(doc->changeCount(), 0);
}

TEST_F(CheckWindowTest, SelectedChecksPrintAsTheyAreAndWhatIsNoCheckIsSaidSo)
{
    openMarked();
    selectRows({3});
    c->markChecksToPrint(&menuItem);
    EXPECT_EQ(toolkit.beeps, 1) << "a deposit is no check";
    EXPECT_EQ(doc->changeCount(), 0);

    open({{"1000.00", "", "Opening"}, {"50.00", "", "Deposit"}});
    c->printChecks(&menuItem);
    EXPECT_TRUE(toolkit.takeAlert().contains(u"There is no check to print."));

    openMarked();
    selectRows({1, 3});
    printerToPdf();
    accept([](CheckPrintDialog &d) { EXPECT_FALSE(spin(d, "first")->isVisibleTo(&d)) << "nothing to number"; });
    toolkit.printAnswers = {true};
    toolkit.confirmAnswers = {true};
    c->printChecks(&menuItem);
    EXPECT_EQ(column(Key::CheckNumber)[1], u"1041");
    EXPECT_EQ(doc->changeCount(), 0);

    selectRows({1, 3, 4});
    c->markChecksToPrint(&menuItem);
    EXPECT_EQ(column(Key::CheckNumber), (QStringList{u""_s, u"P"_s, u"P"_s, u""_s, u"p"_s}))
        << "the grocer's check, and only it, marked";
}

TEST_F(CheckWindowTest, EachPrinterKeepsItsOffsetsAndTheExportItsOwn)
{
    openMarked();
    const QString pdf = m_dir.filePath(u"checks.pdf"_s);
    accept([](CheckPrintDialog &d) {
        d.chooseLayout(u"three-per-page"_s);
        d.setFirstPlace(2);
        d.setOffset({-1.5 * 72 / 25.4, 2 * 72 / 25.4});
    });
    toolkit.saveAnswers = {pdf};
    c->exportChecksPdf(&menuItem);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(column(Key::CheckNumber)[4], u"1043") << "an export numbers as printing does";
    EXPECT_TRUE(toolkit.questions.empty()) << "a PDF does not jam";

    c->undo(&menuItem);
    accept([](CheckPrintDialog &d) {
        EXPECT_NEAR(d.findChild<QDoubleSpinBox *>(u"across"_s)->value(), -1.5, 1e-9);
        EXPECT_NEAR(d.findChild<QDoubleSpinBox *>(u"down"_s)->value(), 2, 1e-9);
        EXPECT_EQ(d.choice()->layout.name, u"Three checks per page") << "the layout last used";
        EXPECT_EQ(spin(d, "start")->maximum(), 3);
    });
    toolkit.saveAnswers = {pdf};
    c->exportChecksPdf(&menuItem);
    printerToPdf();
    accept([](CheckPrintDialog &d) {
        EXPECT_EQ(d.choice()->settings.offset, QPointF()) << "the printer has offsets of its own";
    });
    toolkit.printAnswers = {false};
    c->printChecks(&menuItem);
}

TEST_F(CheckWindowTest, ThePayeesAddressIsKeptInTheBookAndPrinted)
{
    openMarked();
    selectRows({2});
    toolkit.dialogAnswers.push_back([](QDialog &d) {
        d.findChild<QPlainTextEdit *>(u"address"_s)->setPlainText(u"12 Elm Street\n\nSpringfield, IL 62704\n"_s);
        return true;
    });
    c->editPayeeAddress(&menuItem);
    PayeeAddresses book;
    QString why;
    ASSERT_TRUE(book.load(PayeeAddresses::defaultPath(), &why)) << why.toStdString();
    EXPECT_EQ(book.addressOf(u"landlord"), (QStringList{u"12 Elm Street"_s, u"Springfield, IL 62704"_s}));

    toolkit.dialogAnswers.push_back([](QDialog &d) {
        EXPECT_EQ(d.findChild<QPlainTextEdit *>(u"address"_s)->toPlainText(), u"12 Elm Street\nSpringfield, IL 62704");
        return false;
    });
    c->editPayeeAddress(&menuItem);
    selectRows({});
    c->editPayeeAddress(&menuItem);
    EXPECT_TRUE(toolkit.takeAlert().contains(u"select the transaction"));
}

} // namespace

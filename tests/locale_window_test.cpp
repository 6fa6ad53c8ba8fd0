// The register window under German, French and C locales: amounts and dates
// typed as a person of each writes them, into the real fields and cells, and
// the register shown back in their forms while its file keeps its own.

#include "ChartData.h"
#include "DateReader.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Types text key by key, as a keyboard does: also the characters QTest has
// no key for (the euro sign).
void typeKeys(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A window opened under a locale, as the desktop's language settings give it.
class LocaleWindow : public WindowFixture, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QTableView *table() const { return c->tableView(); }
    QAbstractItemModel *model() const { return table()->model(); }
    QModelIndex cell(int row, int column) const { return table()->model()->index(row, column); }

    // Types into a cell's own editor, as a double-click opens it, and
    // presses Return.
    void typeIntoCell(int row, int column, const QString &text)
    {
        table()->setCurrentIndex(cell(row, column));
        table()->edit(cell(row, column));
        QLineEdit *editor = nullptr;
        for (QLineEdit *e : table()->viewport()->findChildren<QLineEdit *>())
            if (!e->isHidden())
                editor = e;
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        typeKeys(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The edit is committed and its editor closed once the key is over.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Types an entry's amount (and date) into the fields and presses Return.
    void enter(const QString &amount, const QString &date = {})
    {
        if (!date.isNull()) {
            field("Date")->clear();
            typeKeys(field("Date"), date);
        }
        field("Amount")->clear();
        typeKeys(field("Amount"), amount);
        QTest::keyClick(field("Amount"), Qt::Key_Return);
    }
};

INSTANTIATE_TEST_SUITE_P(Locales, LocaleWindow, ::testing::Values("de_DE", "fr_FR", "C"));

struct TypedAmount {
    QString text;
    QString stored;
};
const TypedAmount kCommaAmounts[] = {
    {u"-12,50"_s, u"-12.50"_s}, {u"0,99"_s, u"0.99"_s},   {u"1.234,56"_s, u"1234.56"_s},
    {u"-\u20ac12,50"_s, u"-12.50"_s}, {u"45,50"_s, u"45.50"_s},
};

// -12,50 was stored as -12.00 and 0,99 as 0.00, with nothing said.
TEST_P(LocaleWindow, AnAmountTypedWithADecimalCommaIsStoredWhole)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}, {"-1.00", "", "Cell", "12/02/2026"}});
    for (const TypedAmount &a : kCommaAmounts) {
        SCOPED_TRACE(a.text.toStdString());
        enter(a.text);
        EXPECT_EQ(reg()[reg().count() - 1].value(Key::Amount).toString(), a.stored) << "the Amount field";
        typeIntoCell(1, RegisterTableModel::AmountColumn, a.text);
        EXPECT_EQ(reg()[1].value(Key::Amount).toString(), a.stored) << "a cell";
    }
    EXPECT_TRUE(toolkit.alerts.empty());
    EXPECT_EQ(toolkit.beeps, 0);
    const Cents expected = 100000 - 1250 + 99 + 123456 - 1250 + 4550;
    EXPECT_EQ(reg()[reg().count() - 1].value(Key::Total).centsOrZero(), expected + 4550)
        << "the cell's row holds 45,50";
}

// -12.50abc was stored as -12.50.
TEST_P(LocaleWindow, AnAmountWithAnythingLeftOverIsRefusedNamingIt)
{
    open({{"1000.00", "", "Opening"}, {"-1.00", "", "Cell"}});
    const QString bad = u"-12.50abc"_s;
    enter(bad);
    EXPECT_EQ(reg().count(), 2);
    ASSERT_EQ(toolkit.alerts.size(), 1u);
    EXPECT_TRUE(toolkit.takeAlert().contains(u"\u201c-12.50abc\u201d is not an amount"_s));
    EXPECT_EQ(field("Amount")->text(), bad) << "the field keeps what was typed";
    typeIntoCell(1, RegisterTableModel::AmountColumn, bad);
    EXPECT_EQ(toolkit.beeps, 1);
    EXPECT_EQ(c->window()->statusBar()->currentMessage(),
              u"\u201c-12.50abc\u201d is not an amount; the cell keeps what it held.");
    EXPECT_EQ(reg()[1].value(Key::Amount).toString(), u"-1.00");
    EXPECT_EQ(doc->changeCount(), 0);
}

// The drawer's balance alone showed a "$", and its amounts were cut as
// the entry's were.
TEST_P(LocaleWindow, TheDrawerReadsAmountsWholeAndShowsThemAsTheTableDoes)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}, {"-12.50", "", "Coffee", "12/02/2026"}});
    c->showEndOfMonthWindowAction(&menuItem);
    auto *drawer = c->window()->findChild<QDockWidget *>();
    auto drawerField = [&](const char *name) { return drawer->findChild<QLineEdit *>(QString::fromLatin1(name)); };
    const bool comma = formsOfLocale(QLocale()).decimalPoint == u',';
    EXPECT_EQ(drawerField("EOMBalance")->text(), comma ? u"0,00" : u"0.00");

    QTest::keyClicks(drawerField("currentEOMAmount"), u"-12.50abc"_s);
    QTest::keyClick(drawerField("currentEOMAmount"), Qt::Key_Return);
    EXPECT_EQ(toolkit.beeps, 1);
    EXPECT_TRUE(drawer->findChild<QLabel *>(u"EOMMessages"_s)->text().contains(u"\u201c-12.50abc\u201d"_s));
    EXPECT_FALSE(isReconciled(reg()[1]));

    drawerField("currentEOMAmount")->clear();
    QTest::keyClicks(drawerField("currentEOMAmount"), u"-12,50"_s);
    QTest::keyClick(drawerField("currentEOMAmount"), Qt::Key_Return);
    EXPECT_TRUE(isReconciled(reg()[1]));
    EXPECT_EQ(drawerField("EOMBalance")->text(), comma ? u"-12,50" : u"-12.50");

    QTest::keyClicks(drawerField("statementBalance"), u"1.234,56"_s);
    const QString difference = drawer->findChild<QLabel *>(u"differenceValue"_s)->text();
    EXPECT_EQ(difference, comma ? u"247,06" : u"247.06");
    EXPECT_EQ(model()->data(cell(1, RegisterTableModel::AmountColumn)).toString(), comma ? u"-12,50" : u"-12.50");
    EXPECT_FALSE(c->statusFigures().contains(u'$'));
}

using FrenchWindow = LocaleWindow;
INSTANTIATE_TEST_SUITE_P(French, FrenchWindow, ::testing::Values("fr_FR"));

// 05/12/2026 typed by a French user was kept as 12 May and charted in May;
// 25/12/2026 was refused as no date.
TEST_P(FrenchWindow, ADateIsTypedAndShownDayFirstAndKeptMonthFirst)
{
    open({{"1000.00", "", "Opening", "11/01/2026"}});
    EXPECT_EQ(field("Date")->text(), u"07/12/2026") << "today, day first";
    EXPECT_EQ(field("Date")->placeholderText(), u"DD/MM/YYYY");
    enter(u"-5,00"_s, u"05/12/2026"_s);
    enter(u"-7,00"_s, u"25/12/2026"_s);
    EXPECT_TRUE(toolkit.questions.empty()) << "both are dates";
    EXPECT_EQ(column(Key::Date), (QStringList{u"11/01/2026"_s, u"12/05/2026"_s, u"12/25/2026"_s}));
    EXPECT_EQ(model()->data(cell(1, RegisterTableModel::DateColumn)).toString(), u"05/12/2026");
    EXPECT_EQ(model()->data(cell(0, RegisterTableModel::DateColumn)).toString(), u"01/11/2026");

    const ChartData charts = chartData(reg(), {}, toolkit.fixedToday);
    ASSERT_EQ(charts.flows.size(), 1u);
    EXPECT_EQ(charts.flows[0], (MoneyFlow{QDate(2026, 12, 1), 0, 1200}));

    // A cell takes the same forms; a date opened and left alone stays as kept.
    typeIntoCell(2, RegisterTableModel::DateColumn, u"24/12/2026"_s);
    EXPECT_EQ(reg()[2].value(Key::Date).toString(), u"12/24/2026");
    reg()[0].set(Key::Date, Value::text(u"Nov 1, 2026"_s));
    typeIntoCell(0, RegisterTableModel::DateColumn, u"01/11/2026"_s);
    EXPECT_EQ(reg()[0].value(Key::Date).toString(), u"Nov 1, 2026");

    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(doc->saveToFile(dir.filePath(u"r.ldgr"_s), &error)) << error.toStdString();
    const QByteArray file = readFile(dir.filePath(u"r.ldgr"_s));
    EXPECT_TRUE(file.contains("12/05/2026")) << file.toStdString();
    EXPECT_FALSE(file.contains("05/12/2026")) << file.toStdString();
}

// 12/1 was kept as typed, and in January read as the new year's December.
TEST_P(LocaleWindow, ADateWithoutAYearIsKeptAsTheFullDateItMeans)
{
    toolkit.fixedToday = QDate(2027, 1, 5);
    open({{"1000.00", "", "Opening", "12/01/2026"}, {"-1.00", "", "Cell", "01/02/2027"}});
    const bool dayFirst = formsOfLocale(QLocale()).dateOrder == DateOrder::DayMonthYear;
    enter(u"-900,00"_s, dayFirst ? u"1/12"_s : u"12/1"_s);
    EXPECT_EQ(reg()[reg().count() - 1].value(Key::Date).toString(), u"12/01/2026");
    typeIntoCell(1, RegisterTableModel::DateColumn, dayFirst ? u"30/12"_s : u"12/30"_s);
    EXPECT_EQ(reg()[1].value(Key::Date).toString(), u"12/30/2026");
    EXPECT_TRUE(toolkit.questions.empty());
}

TEST_P(LocaleWindow, AnUnreadableDateInACellIsAskedAboutAsInTheField)
{
    open({{"1000.00", "", "Opening", "12/01/2026"}});
    toolkit.confirmAnswers = {false, true};
    typeIntoCell(0, RegisterTableModel::DateColumn, u"13/45/2026"_s);
    EXPECT_EQ(reg()[0].value(Key::Date).toString(), u"12/01/2026") << "Change It keeps the date";
    typeIntoCell(0, RegisterTableModel::DateColumn, u"13/45/2026"_s);
    EXPECT_EQ(reg()[0].value(Key::Date).toString(), u"13/45/2026") << "Keep as Typed";
    ASSERT_EQ(toolkit.questions.size(), 2u);
    EXPECT_EQ(toolkit.questions[0].confirmButton, u"Keep as Typed");
}

using PreferencesWindow = WindowFixture;

TEST_F(PreferencesWindow, TheDatesAndDecimalPreferencesReshowTheRegisterButNeverItsFile)
{
    open({{"1000.00", "", "Opening", "12/05/2026"}, {"-45.25", "", "Coffee", "12/6/26"}});
    QAbstractItemModel *m = c->tableView()->model();
    EXPECT_EQ(m->data(m->index(1, RegisterTableModel::DateColumn)).toString(), u"12/6/26") << "as kept";
    for (const QString &key : {u"dateOrder"_s, u"decimalSeparator"_s, u"newTransactionDate"_s})
        EXPECT_FALSE(QSettings().contains(key)) << "what the locale says is not pinned: " << key.toStdString();

    auto *closingDate = c->window()->findChild<QLineEdit *>(u"statementDate"_s);
    closingDate->setText(u"12/31/2026"_s);
    c->openPrefWindow(&menuItem);
    auto *prefs = c->window()->findChild<QDialog *>(u"Preferences"_s);
    prefs->findChild<QComboBox *>(u"dateOrderPref"_s)->setCurrentIndex(1);
    prefs->findChild<QComboBox *>(u"decimalPref"_s)->setCurrentIndex(1);
    c->saveAndClosePrefs(&menuItem);
    EXPECT_EQ(m->data(m->index(0, RegisterTableModel::DateColumn)).toString(), u"05/12/2026");
    EXPECT_EQ(m->data(m->index(1, RegisterTableModel::DateColumn)).toString(), u"06/12/2026");
    EXPECT_EQ(m->data(m->index(1, RegisterTableModel::AmountColumn)).toString(), u"-45,25");
    EXPECT_EQ(m->data(m->index(1, RegisterTableModel::TotalColumn)).toString(), u"954,75");
    EXPECT_EQ(field("Date")->text(), u"07/12/2026") << "the proposed date in the new order";
    EXPECT_EQ(closingDate->text(), u"31/12/2026") << "a typed date keeps its day";
    EXPECT_EQ(QSettings().value(u"dateOrder"_s).toString(), u"dmy");
    EXPECT_EQ(column(Key::Date), (QStringList{u"12/05/2026"_s, u"12/6/26"_s}));
    EXPECT_EQ(column(Key::Amount), (QStringList{u"1000.00"_s, u"-45.25"_s}));

    // The year first: the filter's dates and the field's keys follow.
    c->openPrefWindow(&menuItem);
    prefs->findChild<QComboBox *>(u"dateOrderPref"_s)->setCurrentIndex(2);
    c->saveAndClosePrefs(&menuItem);
    EXPECT_EQ(field("Date")->text(), u"2026-12-07");
    field("Date")->setFocus();
    field("Date")->selectAll();
    QTest::keyClick(field("Date"), Qt::Key_Plus);
    EXPECT_EQ(field("Date")->text(), u"2026-12-08");
    c->window()->findChild<QLineEdit *>(u"filterFrom"_s)->setText(u"2026-12-06"_s);
    QCoreApplication::processEvents();
    EXPECT_EQ(c->rowFilter().from, QDate(2026, 12, 6));
    EXPECT_EQ(c->tableView()->model()->rowCount(), 1);
}

TEST_F(PreferencesWindow, ANewTransactionCanStartFromTheDateOfTheLastOneEntered)
{
    open({{"1000.00", "", "Opening", "11/01/2026"}});
    type("", "Rent", "-900", "11/30/2026");
    c->addTransaction(enterButton());
    EXPECT_EQ(field("Date")->text(), u"12/07/2026") << "today, unless asked";

    c->openPrefWindow(&menuItem);
    c->window()->findChild<QComboBox *>(u"newDatePref"_s)->setCurrentIndex(1);
    c->saveAndClosePrefs(&menuItem);
    type("", "Rent", "-900", "yesterday");
    c->addTransaction(enterButton());
    EXPECT_EQ(field("Date")->text(), u"12/06/2026");
    EXPECT_EQ(QSettings().value(u"newTransactionDate"_s).toString(), u"last");
}

using OpeningRowTest = WindowFixture;

// A first payment typed into a new register became its opening balance,
// counted as cleared, with no way to put a row above it.
TEST_F(OpeningRowTest, InsertBeforeTheFirstRowMakesANewOpeningBalance)
{
    open({});
    auto *hint = c->window()->findChild<QLabel *>(u"openingHint"_s);
    auto *box = c->window()->findChild<QGroupBox *>(u"entryBox"_s);
    EXPECT_TRUE(hint->isVisibleTo(c->window()));
    EXPECT_EQ(box->title(), u"Opening balance");
    type("", "Groceries", "-45.25", "12/01/2026");
    c->addTransaction(enterButton());
    EXPECT_FALSE(hint->isVisibleTo(c->window()));
    EXPECT_EQ(box->title(), u"New transaction");

    QAction *insertBefore = nullptr;
    for (QAction *a : c->window()->findChildren<QAction *>())
        if (a->text() == u"Insert Bef&ore Selected Row")
            insertBefore = a;
    ASSERT_NE(insertBefore, nullptr);
    c->deselectAll();
    type("", "Opening balance", "1000", "11/30/2026");
    insertBefore->trigger();
    ASSERT_EQ(toolkit.alerts.size(), 1u) << "nothing selected";
    EXPECT_TRUE(toolkit.takeAlert().endsWith(u"Please select a row to enter this above!"_s));
    EXPECT_EQ(field("Amount")->text(), u"1000") << "nothing typed is lost";

    selectRows({0});
    insertBefore->trigger();
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u"Opening balance"_s, u"Groceries"_s}));
    EXPECT_EQ(reg()[0].value(Key::Total).centsOrZero(), 100000);
    EXPECT_EQ(reg()[1].value(Key::Total).centsOrZero(), 95475);
    c->undo(&menuItem);
    EXPECT_EQ(column(Key::DescriptionofTransaction), (QStringList{u"Groceries"_s})) << "one step";
    c->undo(&menuItem);
    EXPECT_TRUE(hint->isVisibleTo(c->window())) << "empty again";
}

} // namespace

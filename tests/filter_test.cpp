// The live filter: which rows it keeps, the balances it leaves alone, every
// command on a filtered selection, the bar and the drawer sharing one
// filter; and the status bar's figures.

#include "RegisterFigures.h"
#include "RegisterFilter.h"
#include "RegisterIndex.h"
#include "RunningBalance.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

RecordPtr record(const char *check, const char *description, const char *date, const char *amount,
                 bool reconciled = false)
{
    RecordPtr r = makeRecord();
    r->set(Key::CheckNumber, Value::text(QLatin1StringView(check)));
    r->set(Key::DescriptionofTransaction, Value::text(QLatin1StringView(description)));
    r->set(Key::Date, Value::text(QLatin1StringView(date)));
    r->set(Key::Amount, Value::text(QLatin1StringView(amount)));
    if (reconciled)
        r->set(Key::EOMSeen, Value::text(u"1"));
    return r;
}

Register sampleRegister()
{
    Register reg;
    reg.append(record("", "Opening", "01/01/2026", "1000", true));
    reg.append(record("1041", "Maple Court - rent", "01/01/2026", "-650.5", true));
    reg.append(record("", "Hy-Vee", "01/09/2026", "-71.2"));
    reg.append(record("", "Paycheck", "sometime", "1200"));
    reg.append(record("", "hy-vee gas", "12/7", "abc"));
    reg.append(record("1042", "Coffee", "2026-02-01", "-4.50", true));
    Cents total = 0;
    for (const RecordPtr &r : reg.rows()) {
        total += r->value(Key::Amount).centsOrZero();
        r->set(Key::Total, Value::money(total));
    }
    return reg;
}

RowFilter withText(const char *text)
{
    RowFilter f;
    f.today = QDate(2026, 12, 7);
    f.text = QString::fromUtf8(text);
    return f;
}

TEST(RegisterFilter, TextIsLookedForInEveryColumnAsTheTableShowsIt)
{
    const Register reg = sampleRegister();
    const struct {
        const char *text;
        std::vector<int> rows;
    } cases[] = {
        {"hy-vee", {2, 4}},          // case ignored
        {"HY-VEE G", {4}},
        {"1041", {1}},               // the check number
        {"01/09", {2}},              // the date as written
        {"-71.20", {2}},             // the amount as shown, not as stored (-71.2)
        {"-650.50", {1}},
        {"0.00", {0, 3, 4}},         // 1000.00, 1200.00, and abc, which shows as 0.00
        {"278.30", {2}},             // the balance after it (1000 - 650.50 - 71.20)
        {"1478.30", {3, 4}},         // the balance, also in the row whose amount shows 0.00
        {"-", {1, 2, 4, 5}},         // in descriptions, dates and amounts alike
        {"rent 1041", {}},           // one column must hold it all
        {"zzz", {}},
    };
    for (const auto &k : cases)
        EXPECT_EQ(filteredRows(reg, withText(k.text)), k.rows) << k.text;
}

TEST(RegisterFilter, ReconciledAndDatesCountWithTheText)
{
    const Register reg = sampleRegister();
    RowFilter f = withText("");
    EXPECT_FALSE(f.isActive());
    f.reconciled = RowFilter::Reconciled::NotReconciled;
    EXPECT_EQ(filteredRows(reg, f), (std::vector<int>{2, 3, 4}));
    f.reconciled = RowFilter::Reconciled::Reconciled;
    EXPECT_EQ(filteredRows(reg, f), (std::vector<int>{0, 1, 5}));
    f.text = u"o"_s;
    EXPECT_EQ(filteredRows(reg, f), (std::vector<int>{0, 1, 5}));

    RowFilter dates = withText("");
    dates.from = QDate(2026, 1, 9);
    // Both ends are kept; "12/7" is in the year of today; "sometime" is no day.
    EXPECT_EQ(filteredRows(reg, dates), (std::vector<int>{2, 4, 5}));
    dates.to = QDate(2026, 2, 1);
    EXPECT_EQ(filteredRows(reg, dates), (std::vector<int>{2, 5}));
    dates.from.reset();
    EXPECT_EQ(filteredRows(reg, dates), (std::vector<int>{0, 1, 2, 5}));
    dates.text = u"hy"_s;
    EXPECT_EQ(filteredRows(reg, dates), (std::vector<int>{2}));
}

TEST(RegisterFilter, NarrowingLooksOnlyAmongTheRowsShown)
{
    const Register reg = sampleRegister();
    EXPECT_TRUE(narrows(withText("hy-v"), withText("hy")));
    EXPECT_TRUE(narrows(withText("HY-VEE"), withText("vee")));
    EXPECT_TRUE(narrows(withText("hy"), withText("")));
    EXPECT_FALSE(narrows(withText("h"), withText("hy"))) << "a shorter text keeps more rows";
    EXPECT_FALSE(narrows(withText("hx"), withText("hy")));
    RowFilter other = withText("hy-v");
    other.reconciled = RowFilter::Reconciled::Reconciled;
    EXPECT_FALSE(narrows(other, withText("hy")));
    for (const char *text : {"h", "hy", "hy-", "hy-vee", "hy-vee g"}) {
        const std::vector<int> all = filteredRows(reg, withText(""));
        EXPECT_EQ(filteredRows(reg, withText(text), filteredRows(reg, withText("h"))),
                  filteredRows(reg, withText(text)))
            << text;
        EXPECT_EQ(filteredRows(reg, withText(text), all), filteredRows(reg, withText(text)));
    }
}

// The index answers for the texts and dates; a random register kept in step
// with it through edits must give the rows that reading every record gives.
TEST(RegisterFilter, TheIndexFindsWhatReadingEveryRecordFinds)
{
    MyDocument doc;
    doc.ensureRegister();
    const char *descriptions[] = {"Hy-Vee", "hy-vee gas", "Dillons", "Caf\xc3\xa9", "", "Rent 1041"};
    const char *dates[] = {"01/09/2026", "12/7", "sometime", "2026-02-01", "Jan 15", ""};
    const char *amounts[] = {"-71.2", "-12.34", "abc", "1200", "-0.05", "99.99"};
    QRandomGenerator random(11);
    auto pick = [&](const char *const *from) { return from[random.bounded(6)]; };
    for (int i = 0; i < 400; ++i)
        doc.array()->append(record(i % 7 == 0 ? "1041" : "", pick(descriptions), pick(dates), pick(amounts),
                                   random.bounded(3) == 0));
    recalculateCheckbook(*doc.array());
    doc.textIndex().prepare(*doc.array());
    doc.edit(u"Edits"_s, [&] {
        doc.setValue(5, Key::DescriptionofTransaction, Value::text(u"Aldi"_s));
        doc.addData(record("77", "New Hy-Vee", "01/10/2026", "-5.00"), 3);
        doc.remData(doc.array()->at(10));
        doc.setValue(20, Key::Date, Value::text(u"02/02/2026"_s));
    });
    ASSERT_TRUE(doc.textIndex().inStepWith(*doc.array()));
    const Register &reg = *doc.array();
    for (const char *text : {"hy", "HY-VEE", "41", "\xc3\xa9", "1.2", "-12", "0.00", "2026", "12/", "x", ""}) {
        for (auto state : {RowFilter::Reconciled::All, RowFilter::Reconciled::NotReconciled}) {
            RowFilter f = withText(text);
            f.reconciled = state;
            EXPECT_EQ(filteredRows(reg, f, &doc.textIndex()), filteredRows(reg, f)) << text;
            f.from = QDate(2026, 1, 10);
            f.to = QDate(2026, 12, 7);
            EXPECT_EQ(filteredRows(reg, f, &doc.textIndex()), filteredRows(reg, f)) << text << " within dates";
        }
    }
}

TEST(RegisterFilter, TextMatcherIgnoresCaseAsQStringDoes)
{
    const TextMatcher ascii(u"caf");
    EXPECT_TRUE(ascii.foundIn(QLatin1StringView("Le CAF\xc9")));
    EXPECT_FALSE(ascii.foundIn(QLatin1StringView("ca f")));
    const TextMatcher accented(u"\u00e9t\u00e9");
    EXPECT_TRUE(accented.foundIn(QLatin1StringView("\xc9T\xc9")));
    EXPECT_TRUE(accented.foundIn(QStringView(u"L'\u00c9T\u00c9 \u2014 bis")));
    std::string longText(600, 'x');
    longText += "Needle";
    EXPECT_TRUE(TextMatcher(u"needle").foundIn(QLatin1StringView(longText.c_str())));
    EXPECT_TRUE(TextMatcher(u"12.5").couldBeMoney());
    EXPECT_FALSE(TextMatcher(u"12,5").couldBeMoney());
}

// --- In the window ----------------------------------------------------------

class FilteredWindowTest : public WindowFixture
{
protected:
    void openSample()
    {
        open({{"1000.00", "", "Opening", "01/01/2026"},
              {"-4.50", "", "Coffee", "01/02/2026"},
              {"-71.24", "1041", "Hy-Vee", "01/03/2026"},
              {"-3.75", "", "Coffee", "01/04/2026"},
              {"-650.00", "1042", "Rent", "01/05/2026"}});
    }
    // Types into the filter bar as a user does, and lets the keys be filtered.
    void filterBy(const QString &text)
    {
        QLineEdit *f = field("filterText");
        f->selectAll();
        QTest::keyClicks(f, text);
        QApplication::processEvents();
    }
    QAbstractItemModel *model() const { return c->tableView()->model(); }
    QStringList shown(int column = RegisterTableModel::DescriptionColumn) const
    {
        QStringList out;
        for (int r = 0; r < model()->rowCount(); ++r)
            out << model()->data(model()->index(r, column), Qt::DisplayRole).toString();
        return out;
    }
    // Selects table rows as a user does, by what is shown.
    void selectShown(std::initializer_list<int> viewRows)
    {
        QItemSelectionModel *selection = c->tableView()->selectionModel();
        selection->clearSelection();
        for (int r : viewRows) {
            selection->select(model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
            selection->setCurrentIndex(model()->index(r, 0), QItemSelectionModel::NoUpdate);
        }
    }
};

TEST_F(FilteredWindowTest, TypingKeepsTheRowsThatShowTheTextWithTheWholeRegistersBalances)
{
    openSample();
    filterBy(u"cof"_s);
    EXPECT_EQ(shown(), (QStringList{u"Coffee"_s, u"Coffee"_s}));
    EXPECT_EQ(shown(RegisterTableModel::TotalColumn), (QStringList{u"995.50"_s, u"920.51"_s}));
    filterBy(u"o"_s);
    EXPECT_EQ(shown(), (QStringList{u"Opening"_s, u"Coffee"_s, u"Coffee"_s})) << "not among the coffees only";
    QTest::keyClick(field("filterText"), Qt::Key_Backspace);
    QApplication::processEvents();
    EXPECT_EQ(model()->rowCount(), 5) << "no text, no filter";
    filterBy(u"1042"_s);
    EXPECT_EQ(shown(), QStringList{u"Rent"_s});
    EXPECT_EQ(c->numberOfRows(), 5) << "the commands still see the register";
}

// The category could be filtered by only from the command line.
TEST_F(FilteredWindowTest, TheCategoryFieldShowsACategoryWithItsSubcategoriesAndSplitRowsByTheirLines)
{
    openSample();
    reg().at(1)->set(u"Category"_s, Value::text(u"Food:Coffee"_s));
    reg().at(2)->set(u"Splits"_s, Value::text(u"-50.00\tFood:Groceries\t\n-21.24\tHousehold\t"_s));
    reg().at(3)->set(u"Category"_s, Value::text(u"Treats"_s));
    reg().at(4)->set(u"Category"_s, Value::text(u"Home:Rent"_s));
    c->reloadData();
    QLineEdit *category = field("filterCategory");
    ASSERT_TRUE(category);
    const struct {
        QString typed;
        QStringList rows;
    } cases[] = {
        {u"Food"_s, {u"Coffee"_s, u"Hy-Vee"_s}},
        {u"food:coffee"_s, {u"Coffee"_s}},
        {u"Household"_s, {u"Hy-Vee"_s}},
        {u"Home"_s, {u"Rent"_s}},
        {u"Hom"_s, {}},
    };
    for (const auto &c : cases) {
        category->setText(c.typed);
        QApplication::processEvents();
        EXPECT_EQ(shown(), c.rows) << c.typed.toStdString();
    }
    filterBy(u"Hy"_s);
    category->setText(u"Food"_s);
    QApplication::processEvents();
    EXPECT_EQ(shown(), QStringList{u"Hy-Vee"_s}) << "the text and the category together";
    QTest::keyClick(category, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(model()->rowCount(), 5) << "Escape clears it as it clears the text";
}

TEST_F(FilteredWindowTest, EntryAfterTheSelectedRowGoesAfterThatTransaction)
{
    openSample();
    filterBy(u"coffee"_s);
    selectShown({1}); // the second coffee: register row 3
    type("", "Tea", "-2.00", "01/04/2026");
    c->addTransaction(&menuItem);
    ASSERT_EQ(reg().count(), 6);
    EXPECT_EQ(column(Key::DescriptionofTransaction),
              (QStringList{u"Opening"_s, u"Coffee"_s, u"Hy-Vee"_s, u"Coffee"_s, u"Tea"_s, u"Rent"_s}));
    EXPECT_EQ(column(Key::Total).last(), u"268.51");
    EXPECT_EQ(shown(), (QStringList{u"Coffee"_s, u"Coffee"_s}));
    EXPECT_EQ(c->window()->statusBar()->currentMessage(),
              u"The transaction was entered; the filter hides it (Escape in the filter shows every row)."_s);
}

TEST_F(FilteredWindowTest, DeleteAndCellEditsChangeTheTransactionsSelected)
{
    openSample();
    filterBy(u"coffee"_s);
    const RecordPtr second = reg().at(3);
    selectShown({1});
    c->deleteTransaction(&menuItem);
    ASSERT_EQ(reg().count(), 4);
    EXPECT_EQ(reg().indexOf(second.get()), -1) << "the coffee selected, not register row 1";
    EXPECT_EQ(shown(), QStringList{u"Coffee"_s});

    ASSERT_TRUE(model()->setData(model()->index(0, RegisterTableModel::AmountColumn), u"-5.00"_s));
    EXPECT_EQ(reg()[1].value(Key::Amount), Value::text(u"-5.00"_s));
    EXPECT_EQ(column(Key::Total), (QStringList{u"1000"_s, u"995.00"_s, u"923.76"_s, u"273.76"_s}));
    ASSERT_TRUE(model()->setData(model()->index(0, RegisterTableModel::DescriptionColumn), u"Tea"_s));
    EXPECT_EQ(reg()[1].value(Key::DescriptionofTransaction), Value::text(u"Tea"_s));
    EXPECT_TRUE(shown().isEmpty()) << "no longer coffee, no longer shown";
    c->undo(&menuItem);
    EXPECT_EQ(shown(), QStringList{u"Coffee"_s});
    EXPECT_EQ(c->selectedRegisterRows(), std::vector<int>{1}) << "and selected again";
}

TEST_F(FilteredWindowTest, TheBalancingTickMarksTheRowClicked)
{
    openSample();
    c->window()->resize(900, 600);
    c->window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c->window()));
    filterBy(u"coffee"_s);
    c->showEndOfMonthWindowAction(&menuItem);
    QTableView *t = c->tableView();
    const QModelIndex tick = model()->index(1, RegisterTableModel::ReconciledColumn);
    t->scrollTo(tick);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(tick).center());
    EXPECT_EQ(reg()[3].value(Key::EOMSeen), Value::text(u"1"_s));
    for (int row : {0, 1, 2, 4})
        EXPECT_FALSE(reg()[row].contains(Key::EOMSeen)) << row;
}

TEST_F(FilteredWindowTest, TheBarAndTheDrawerShowOneFilter)
{
    openSample();
    auto *state = c->window()->findChild<QComboBox *>(u"filterState"_s);
    auto *drawer = c->window()->findChild<QCheckBox *>(u"onlyUncleared"_s);
    reg()[2].set(Key::EOMSeen, Value::text(u"1"_s));
    c->showEndOfMonthWindowAction(&menuItem);
    drawer->setChecked(true);
    EXPECT_EQ(state->currentText(), u"Not reconciled");
    EXPECT_EQ(model()->rowCount(), 3) << "the opening row counts as cleared";
    state->setCurrentIndex(2);
    EXPECT_FALSE(drawer->isChecked());
    EXPECT_EQ(shown(), (QStringList{u"Opening"_s, u"Hy-Vee"_s}));
    state->setCurrentIndex(1);
    EXPECT_TRUE(drawer->isChecked());
    filterBy(u"coffee"_s);
    EXPECT_EQ(model()->rowCount(), 2);
    drawer->setChecked(false);
    EXPECT_EQ(state->currentText(), u"All");
    EXPECT_EQ(field("filterText")->text(), u"coffee") << "the text stays";

    // Dates: both ends kept; one that cannot be read is marked and sets no limit.
    field("filterFrom")->setText(u"1/3"_s);
    field("filterTo")->setText(u"Jan 45"_s);
    QApplication::processEvents();
    EXPECT_EQ(shown(), QStringList{u"Coffee"_s});
    EXPECT_FALSE(field("filterTo")->styleSheet().isEmpty());
    field("filterTo")->setText(u"01/03/2026"_s);
    QApplication::processEvents();
    EXPECT_TRUE(shown().isEmpty());

    // Escape in the bar shows every row again, the drawer's choice too.
    drawer->setChecked(true);
    QTest::keyClick(field("filterText"), Qt::Key_Escape);
    EXPECT_EQ(model()->rowCount(), 5);
    EXPECT_FALSE(c->rowFilter().isActive());
    EXPECT_FALSE(drawer->isChecked());
    EXPECT_EQ(field("filterFrom")->text(), QString());
}

TEST_F(FilteredWindowTest, CtrlShiftFTypesIntoTheFilterAndFindStillSearchesEverything)
{
    openSample();
    c->window()->show();
    c->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c->window()));
    QTest::keyClick(c->window(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), field("filterText"));
    filterBy(u"coffee"_s);

    // Find walks the whole register; a row the filter hides is shown by
    // taking the filter away.
    selectShown({0});
    c->showFindWindow(&menuItem);
    field("findField")->setText(u"rent"_s);
    c->find(&menuItem);
    EXPECT_EQ(toolkit.beeps, 0);
    EXPECT_EQ(c->selectedRow(), 4);
    EXPECT_FALSE(c->rowFilter().isActive());
    EXPECT_EQ(model()->rowCount(), 5);
}

// --- The status bar -----------------------------------------------------------

TEST(RegisterFigures, TextsSayTheFiguresPlainly)
{
    EXPECT_EQ(countText(0), u"0");
    EXPECT_EQ(countText(999), u"999");
    EXPECT_EQ(countText(1000), u"1,000");
    EXPECT_EQ(countText(1234567), u"1,234,567");
    EXPECT_EQ(countText(-1234), u"-1,234");
    EXPECT_EQ(figuresText({-12345, 100, 1}, std::nullopt), u"Balance -123.45 \u00b7 Cleared 1.00 \u00b7 1 transaction");
    EXPECT_EQ(figuresText({0, 0, 1500}, 12), u"Balance 0.00 \u00b7 Cleared 0.00 \u00b7 1,500 transactions (12 shown)");
    EXPECT_EQ(selectionText({1, -450}), QString()) << "one row says nothing the table does not";
    EXPECT_EQ(selectionText({2, -821}), u"2 selected: -8.21");
    Register reg = sampleRegister();
    EXPECT_EQ(selectionFigures(reg, {1, 2, 4, 99}).total, -72170) << "abc counts as 0; row 99 is none";
}

using StatusBarTest = FilteredWindowTest;

TEST_F(StatusBarTest, TheFiguresFollowTheRegisterTheFilterAndTheSelection)
{
    openSample();
    reg()[1].set(Key::EOMSeen, Value::text(u"1"_s));
    c->reloadData();
    EXPECT_EQ(c->statusFigures(), u"Balance 270.51 \u00b7 Cleared 995.50 \u00b7 5 transactions");
    type("", "Pay", "100", "01/06/2026");
    c->addTransaction(enterButton());
    EXPECT_EQ(c->statusFigures(), u"Balance 370.51 \u00b7 Cleared 995.50 \u00b7 6 transactions");
    c->undo(&menuItem);
    EXPECT_EQ(c->statusFigures(), u"Balance 270.51 \u00b7 Cleared 995.50 \u00b7 5 transactions");

    filterBy(u"coffee"_s);
    EXPECT_EQ(c->statusFigures(), u"Balance 270.51 \u00b7 Cleared 995.50 \u00b7 5 transactions (2 shown)");
    selectShown({0, 1});
    EXPECT_EQ(c->statusSelection(), u"2 selected: -8.25 \u00b7");
    selectShown({1});
    EXPECT_EQ(c->statusSelection(), QString());
    QTest::keyClick(field("filterText"), Qt::Key_Escape);
    c->selectRowRange(0, 4);
    EXPECT_EQ(c->statusSelection(), u"5 selected: 270.51 \u00b7");
    EXPECT_EQ(c->statusFigures(), u"Balance 270.51 \u00b7 Cleared 995.50 \u00b7 5 transactions");
}

} // namespace

// What a screen reader is told: each window of Cheqbook, walked through Qt's
// accessibility interface as an assistive technology walks it. Every control
// a user can reach has a name, every window is a window, the register's
// reconciled column says what it means, and the charts can be read as text.

#include "AboutWindow.h"
#include "ChartWindow.h"
#include "HelpMenu.h"
#include "HelpWindow.h"
#include "ShortcutsWindow.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// Roles a user acts on or reads from, each of which must say what it is.
bool needsName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Slider:
    case QAccessible::PageTabList:
    case QAccessible::Chart:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface *iface)
{
    const QObject *object = iface->object();
    const QString name = object ? object->objectName() : QString();
    return u"a %1%2"_s.arg(QString::fromLatin1(object ? object->metaObject()->className() : "control"),
                          name.isEmpty() ? QString() : u" (%1)"_s.arg(name));
}

// Every unnamed control under this interface, said as a screen reader's
// user would report it.
void findUnnamed(QAccessibleInterface *iface, QStringList &problems, int depth = 0)
{
    if (!iface || depth > 40 || iface->state().invisible)
        return;
    if (needsName(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty())
        problems << describe(iface) + u" has no name"_s;
    // Cells are the table's own (their names come from the model, below).
    if (iface->role() == QAccessible::Table || iface->role() == QAccessible::Tree)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        findUnnamed(iface->child(i), problems, depth + 1);
}

QStringList unnamedIn(QWidget *window)
{
    QStringList problems;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window);
    if (!iface)
        return {u"no accessible interface"_s};
    if (iface->role() != QAccessible::Window && iface->role() != QAccessible::Dialog)
        problems << u"the window is announced with role %1, not as a window"_s.arg(int(iface->role()));
    if (iface->text(QAccessible::Name).trimmed().isEmpty())
        problems << u"the window has no name"_s;
    findUnnamed(iface, problems);
    return problems;
}

class AccessibilityTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        open({{"1000.00", "", "Opening", "12/01/2026"},
              {"-45.25", "101", "Groceries", "12/02/2026"},
              {"2500.00", "", "Paycheck", "12/05/2026"}});
        c->window()->show();
    }
    void expectNamed(QWidget *window, const char *what)
    {
        ASSERT_TRUE(window) << what;
        window->show();
        QApplication::processEvents();
        const QStringList problems = unnamedIn(window);
        EXPECT_TRUE(problems.isEmpty()) << what << ":\n  " << problems.join(u"\n  "_s).toStdString();
    }
    QWidget *dialogNamed(const char *objectName) const
    {
        QWidget *child = c->window()->findChild<QWidget *>(QString::fromLatin1(objectName));
        return child ? child->window() : nullptr;
    }
    QTemporaryDir dir;
};

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasANameAndEveryWindowIsAWindow)
{
    c->showEndOfMonthWindowAction(&menuItem);
    expectNamed(c->window(), "the register window with its balancing drawer");

    c->openPrefWindow(&menuItem);
    expectNamed(dialogNamed("autoNumberPref"), "Preferences");
    c->saveAndClosePrefs(&menuItem);
    c->showFindWindow(&menuItem);
    expectNamed(dialogNamed("findField"), "Find");
    c->cancelFind(&menuItem);
    c->showSortWarning(&menuItem);
    expectNamed(dialogNamed("showAgainPref"), "the sort question");
    c->cancelSort(&menuItem);

    const QString path = writeFile(dir.filePath(u"statement.csv"_s),
                                   "Date,Description,Amount\n12/03/2026,Coffee,-3.50\n12/04/2026,Refund,12.00\n");
    c->importFile(path);
    expectNamed(c->importPreview(), "the import preview");
    if (c->importPreview())
        c->importPreview()->reject();

    c->showCharts(&menuItem);
    expectNamed(c->chartWindow(), "the charts");
    c->showSpending(&menuItem);
    expectNamed(c->chartWindow(), "the charts' Spending by Category page");

    HelpMenu help;
    expectNamed(help.showHelp(), "Help");
    expectNamed(help.showShortcuts(c->window()), "Keyboard Shortcuts");
    expectNamed(help.showAbout(), "About");
}

// The reconciled column's mark was read out as "✓", and an unreconciled row's
// as nothing at all.
TEST_F(AccessibilityTest, TheReconciledColumnSaysYesOrNoUnderItsName)
{
    c->showEndOfMonthWindowAction(&menuItem);
    reg().at(1)->set(Key::EOMSeen, Value::text(u"1"_s));
    c->reloadData();
    QAbstractItemModel *model = c->tableView()->model();
    const int column = RegisterTableModel::ReconciledColumn;
    EXPECT_EQ(model->headerData(column, Qt::Horizontal, Qt::AccessibleTextRole).toString(), u"Reconciled");
    EXPECT_EQ(model->index(1, column).data(Qt::AccessibleTextRole).toString(), u"yes");
    EXPECT_EQ(model->index(2, column).data(Qt::AccessibleTextRole).toString(), u"no");
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(c->tableView());
    ASSERT_TRUE(table);
    EXPECT_FALSE(table->text(QAccessible::Name).isEmpty());
}

// The charts are pictures; what they draw is also a table a keyboard reaches.
TEST_F(AccessibilityTest, TheChartsFiguresAreATableReachedByTab)
{
    c->showCharts(&menuItem);
    ChartWindow *charts = c->chartWindow();
    ASSERT_TRUE(charts);
    QList<QWidget *> chain;
    QWidget *w = charts;
    do {
        w = w->nextInFocusChain();
        if (w->isVisibleTo(charts) && (w->focusPolicy() & Qt::TabFocus))
            chain << w;
    } while (w != charts && chain.size() < 50);
    auto reached = [&](const QString &name) {
        return std::any_of(chain.begin(), chain.end(), [&](QWidget *x) { return x->objectName() == name; });
    };
    EXPECT_TRUE(reached(u"chartFigures"_s)) << "the figures' table is in the Tab chain";
    EXPECT_TRUE(reached(u"payees"_s)) << "the payees' table is in the Tab chain";
    auto *figures = charts->findChild<QAbstractItemView *>(u"chartFigures"_s);
    ASSERT_TRUE(figures);
    QStringList rows;
    for (int r = 0; r < figures->model()->rowCount(); ++r) {
        QStringList cells;
        for (int col = 0; col < figures->model()->columnCount(); ++col)
            cells << figures->model()->index(r, col).data().toString();
        rows << cells.join(u" | "_s);
    }
    EXPECT_EQ(rows, (QStringList{u"Dec 2026 | 2500.00 | 45.25 | 3454.75"_s}));
}

// Columns were sized only by dragging their edges with a mouse.
TEST_F(AccessibilityTest, FitColumnsFromTheKeyboardShowsEachColumnWhole)
{
    QTableView *table = c->tableView();
    const int amount = RegisterTableModel::AmountColumn;
    table->setColumnWidth(amount, 4);
    QAction *fit = nullptr;
    for (QAction *menu : c->window()->menuBar()->actions())
        if (menu->text() == u"&View")
            for (QAction *item : menu->menu()->actions())
                if (item->text() == u"Fit C&olumns")
                    fit = item;
    ASSERT_TRUE(fit);
    EXPECT_TRUE(table->horizontalHeader()->actions().contains(fit)) << "the header's menu has it too";
    fit->trigger();
    EXPECT_GE(table->columnWidth(amount), table->fontMetrics().horizontalAdvance(u"2,500.00"_s));
}

} // namespace

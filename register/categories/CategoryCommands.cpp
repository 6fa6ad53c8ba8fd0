// The window's category commands: the menus' wiring only; the work is
// CategoryMenus'.

#include "MyWindowController.h"

#include "CategoryMenus.h"
#include "EntryForm.h"
#include "descriptionfield.h"
#include "RegisterWindow.h"

#include <QLineEdit>
#include <QStatusBar>

void MyWindowController::buildCategoryMenus(QMenu *registerMenu)
{
    auto *categories = new CategoryMenus(
        *myDocument, m_toolkit, table, m_window, [this] { return selectedRegisterRows(); },
        [this]() -> const WrittenForms & { return m_forms; }, this);
    categories->addRegisterActions(registerMenu);
    categories->showSumsOnLeaving(m_entry->fields().amount);
    if (auto *balance = m_window->findChild<QLineEdit *>(QStringLiteral("statementBalance")))
        categories->showSumsOnLeaving(balance);
    connect(categories, &CategoryMenus::registerChanged, this, [this](const std::vector<int> &rows) {
        reloadData();
        selectRows(rows);
        if (!rows.empty())
            scrollRowToVisible(rows.front());
    });
    connect(categories, &CategoryMenus::spendingAsked, this, [this] { showSpending(nullptr); });
    connect(categories, &CategoryMenus::said, this,
            [this](const QString &message) { m_window->statusBar()->showMessage(message, 10000); });
}

void MyWindowController::showCategoryColumnIfAnyIn(int firstRow, int count)
{
    if (auto *categories = findChild<CategoryMenus *>())
        categories->showColumnIfAnyIn(firstRow, count);
}

#include "CategoryMenus.h"

#include "AmountSum.h"
#include "Category.h"
#include "CategoryEdits.h"
#include "CategoryRulesDialog.h"
#include "MyDocument.h"
#include "RegisterTableModel.h"
#include "SplitDialog.h"
#include "Toolkit.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTableView>

#include <algorithm>

CategoryMenus::CategoryMenus(MyDocument &document, Toolkit &toolkit, QTableView *table, QWidget *window,
                             std::function<std::vector<int>()> selected,
                             std::function<const WrittenForms &()> forms, QObject *parent)
    : QObject(parent), m_document(document), m_toolkit(toolkit), m_table(table), m_window(window),
      m_selected(std::move(selected)), m_forms(std::move(forms))
{
}

void CategoryMenus::addRegisterActions(QMenu *registerMenu)
{
    registerMenu->addSeparator();
    QAction *rules = registerMenu->addAction(tr("Cate&gory Rules\u2026"));
    rules->setObjectName(QStringLiteral("categoryRules"));
    connect(rules, &QAction::triggered, this, &CategoryMenus::editRules);
    QAction *apply = registerMenu->addAction(tr("Appl&y Category Rules"));
    apply->setObjectName(QStringLiteral("applyCategoryRules"));
    apply->setToolTip(tr("Gives the selected transactions the categories of the rules their descriptions fit"));
    connect(apply, &QAction::triggered, this, &CategoryMenus::applyRules);
    QAction *split = registerMenu->addAction(tr("Spli&t Transaction\u2026"));
    split->setObjectName(QStringLiteral("splitTransaction"));
    connect(split, &QAction::triggered, this, &CategoryMenus::splitTransaction);
}

void CategoryMenus::addViewActions(QMenu *viewMenu)
{
    QAction *column = viewMenu->addAction(tr("Categor&y Column"));
    column->setObjectName(QStringLiteral("categoryColumn"));
    column->setCheckable(true);
    m_columnAction = column;
    // Shown from the start where the register has categories: the first row
    // with one is found in a look at a few rows of most registers.
    const Register &reg = *m_document.array();
    bool any = false;
    for (int row = 1; row < reg.count() && !any; ++row)
        any = reg[row].contains(Key::Category) || reg[row].contains(kSplitsKey);
    column->setChecked(any);
    const auto apply = [this, column] {
        if (m_table->horizontalHeader()->count() > RegisterTableModel::CategoryColumn)
            m_table->setColumnHidden(RegisterTableModel::CategoryColumn, !column->isChecked());
    };
    connect(column, &QAction::toggled, this, apply);
    // The table may get its model, or a new one, after the menus are built,
    // and a model laid out anew shows every column again.
    connect(m_table->horizontalHeader(), &QHeaderView::sectionCountChanged, this, [this, apply] {
        apply();
        if (m_table->model() && m_table->model() != m_watchedModel) {
            m_watchedModel = m_table->model();
            connect(m_watchedModel, &QAbstractItemModel::modelReset, this, apply);
        }
    });
    apply();
    QAction *spending = viewMenu->addAction(tr("S&pending by Category"));
    spending->setObjectName(QStringLiteral("spendingByCategory"));
    connect(spending, &QAction::triggered, this, &CategoryMenus::spendingAsked);
}

void CategoryMenus::showSumsOnLeaving(QLineEdit *field) { field->installEventFilter(this); }

bool CategoryMenus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (auto *field = qobject_cast<QLineEdit *>(watched)) {
            const SumReading sum = readAmountSum(field->text(), m_forms().decimalPoint);
            if (sum.ok() && sum.sum)
                field->setText(shownMoney(sum.cents, m_forms().decimalPoint));
        }
    }
    return QObject::eventFilter(watched, event);
}

void CategoryMenus::editRules()
{
    QSettings settings;
    CategoryRulesDialog dialog(storedRules(settings), m_window);
    if (!m_toolkit.runDialog(dialog))
        return;
    storeRules(settings, dialog.rules());
    emit said(tr("Category rules kept: %1").arg(dialog.rules().size()));
}

void CategoryMenus::applyRules()
{
    QSettings settings;
    const CategoryRules rules(storedRules(settings));
    if (rules.isEmpty()) {
        m_toolkit.alert(m_window, tr("No category rules"),
                        tr("There are no category rules yet. Register > Category Rules makes them."));
        return;
    }
    // The opening row is the balance the account started with: no rule's.
    std::vector<int> rows = m_selected();
    std::erase(rows, 0);
    if (rows.empty()) {
        m_toolkit.beep();
        emit said(tr("Select the transactions to give categories by the rules."));
        return;
    }
    const RuleRun run = ::applyRules(m_document, rows, rules);
    if (run.changed > 0)
        showColumn();
    emit registerChanged(m_selected());
    emit said(tr("Category rules applied: %1 changed, %2 fitting no rule, %3 split left as they are")
                  .arg(run.changed)
                  .arg(run.unmatched)
                  .arg(run.split));
}

void CategoryMenus::splitTransaction()
{
    const std::vector<int> rows = m_selected();
    if (rows.size() != 1 || rows.front() == 0) {
        m_toolkit.beep();
        emit said(tr("Select one transaction to split; the opening balance is not one."));
        return;
    }
    const int row = rows.front();
    const Record &record = *m_document.objectAtIndex(row);
    const CentsReading amount = record.value(Key::Amount).cents();
    if (!amount.ok()) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(),
                        tr("The transaction's amount is not a number, so it cannot be split."));
        return;
    }
    std::vector<SplitLine> lines = splitLinesOf(record);
    if (lines.empty()) // the whole amount under the category it has, to be divided
        lines.push_back({record.value(Key::Category).toString(), QString(), amount.cents});
    const QChar point = m_forms().decimalPoint;
    SplitDialog dialog(amount.cents, lines, categoriesInUse(*m_document.array()), point, m_window);
    if (!m_toolkit.runDialog(dialog))
        return;
    std::vector<SplitLine> typed = dialog.lines();
    const QStringList inUse = categoriesInUse(*m_document.array());
    for (SplitLine &line : typed)
        line.category = categoryAsInUse(normalizedCategory(line.category), inUse);
    if (const QString why = setSplits(m_document, row, typed, point); !why.isEmpty()) {
        m_toolkit.alert(m_window, Toolkit::errorTitle(), why);
        return;
    }
    showColumn();
    emit registerChanged({row});
}

void CategoryMenus::showColumnIfAnyIn(int firstRow, int count)
{
    if (!m_columnAction || m_columnAction->isChecked())
        return;
    const Register &reg = *m_document.array();
    for (int row = std::max(firstRow, 0); row < std::min(firstRow + count, reg.count()); ++row)
        if (reg[row].contains(Key::Category) || reg[row].contains(kSplitsKey))
            return showColumn();
}

void CategoryMenus::showColumn()
{
    if (m_columnAction)
        m_columnAction->setChecked(true);
}

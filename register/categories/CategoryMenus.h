#pragma once

// The register window's categories: the Register menu's Category Rules,
// Apply Category Rules and Split Transaction, View's Category Column, and
// sums in the amount fields shown as their results when the field is left.
// Every question goes through the Toolkit; every change to the register is
// one step of the document's. The window hears what was done by signals.

#include "WrittenForms.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class MyDocument;
class QAction;
class QAbstractItemModel;
class QLineEdit;
class QMenu;
class QTableView;
class QWidget;
class Toolkit;

class CategoryMenus : public QObject
{
    Q_OBJECT

public:
    // selected: the register rows selected in the window, ascending; forms:
    // the forms amounts are typed in, as they stand.
    CategoryMenus(MyDocument &document, Toolkit &toolkit, QTableView *table, QWidget *window,
                  std::function<std::vector<int>()> selected, std::function<const WrittenForms &()> forms,
                  QObject *parent = nullptr);

    void addRegisterActions(QMenu *registerMenu);
    void addViewActions(QMenu *viewMenu);
    // A sum typed in the field is replaced by its result when the field
    // loses the keyboard; anything else stays as typed.
    void showSumsOnLeaving(QLineEdit *field);

    void editRules();
    void applyRules();
    void splitTransaction();
    // The Category column shown when any of count rows from firstRow on,
    // which have just come in, has a category: the register's first
    // categories may come by an import or the entry fields.
    void showColumnIfAnyIn(int firstRow, int count);

signals:
    // The register changed: the rows to select, as they now stand.
    void registerChanged(const std::vector<int> &rows);
    // A short word on what was done, for the status bar.
    void said(const QString &message);
    // View > Spending by Category: the Charts window's page is the window's.
    void spendingAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The Category column shown, once rows got categories by the menus.
    void showColumn();

    MyDocument &m_document;
    Toolkit &m_toolkit;
    QTableView *m_table;
    QWidget *m_window;
    std::function<std::vector<int>()> m_selected;
    std::function<const WrittenForms &()> m_forms;
    QPointer<QAction> m_columnAction;
    QPointer<QAbstractItemModel> m_watchedModel; // whose resets show the column as chosen
};

#pragma once

// A window with statements written beside its register, and the balancing
// drawer's fields, for the tests of import, balancing and the new year.

#include "Reconciliation.h"
#include "RegisterFile.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class StatementWindowTest : public WindowFixture
{
protected:
    QString statement(const QString &name, const QByteArray &bytes) { return writeFile(dir.filePath(name), bytes); }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex &i : c->tableView()->selectionModel()->selectedRows())
            rows << i.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    QTemporaryDir dir;
};

class BalancingWindowTest : public StatementWindowTest
{
protected:
    QLineEdit *drawerField(const char *name) const
    {
        return c->window()->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QString shown(const char *label) const
    {
        const QLabel *l = c->window()->findChild<QLabel *>(QString::fromLatin1(label));
        return l && l->isVisibleTo(l->window()) ? l->text() : QString();
    }
    void match(const char *amount)
    {
        drawerField("currentEOMAmount")->setText(QString::fromLatin1(amount));
        c->EOMEnterButton(&menuItem);
    }
    void clickMark(int row)
    {
        QTableView *t = c->tableView();
        const int shownRow = static_cast<RegisterTableModel *>(t->model())->viewRow(row);
        emit t->clicked(t->model()->index(shownRow, RegisterTableModel::ReconciledColumn));
    }
};



#pragma once

// The register table's model: an adapter that asks the window controller,
// the table's data source, for its rows and cells and hands it the edits. It
// holds no copy of the register. Its row count is the one taken at the last
// reload, as a table's is; reload() re-asks for everything.

#include "Record.h"

#include <QAbstractTableModel>

class MyWindowController;

class RegisterTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { CheckNumberColumn, DescriptionColumn, DateColumn, AmountColumn, TotalColumn, ReconciledColumn,
                  ColumnCount };

    // The length of a cell's whole text, which the shown text may not be.
    static constexpr int TextLengthRole = Qt::UserRole + 1;
    // The most of a cell's text that is shown (a longer one ends in an
    // ellipsis): laying out and painting millions of characters would hold
    // the window for minutes, or crash it.
    static constexpr qsizetype kMaxShownLength = 4000;

    explicit RegisterTableModel(MyWindowController *dataSource, QObject *parent = nullptr);

    // The record key a column shows: its identifier.
    static QStringView columnIdentifier(int column);

    void reload();
    int cachedRowCount() const { return m_rowCount; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    MyWindowController *m_dataSource;
    int m_rowCount = 0;
};

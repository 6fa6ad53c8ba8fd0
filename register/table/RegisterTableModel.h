#pragma once

// The register table's model: an adapter that asks the window controller,
// the table's data source, for its rows and cells and hands it the edits. It
// holds no copy of the register. Its row count is the one taken at the last
// reload, as a table's is; reload() re-asks for everything.
//
// While a filter hides rows, the table's rows are the register rows shown,
// in order; registerRow() and viewRow() translate.

#include "CutForShowing.h"
#include "Record.h"

#include <QAbstractTableModel>
#include <QBrush>

#include <optional>
#include <vector>

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
    static constexpr qsizetype kMaxShownLength = ::kMaxShownLength;

    explicit RegisterTableModel(MyWindowController *dataSource, QObject *parent = nullptr);

    // The record key a column shows: its identifier.
    static QStringView columnIdentifier(int column);
    // The title of the column that shows a key ("Balance" for Total); the key
    // itself for one no column shows.
    static QString columnTitle(QStringView identifier);

    void reload();
    // The register's row count at the last reload (shown or not).
    int cachedRowCount() const { return m_rowCount; }

    // Shows only these register rows (ascending) from now on, or every row.
    // The table is laid out anew.
    void setShownRows(std::optional<std::vector<int>> rows);
    bool isFiltered() const { return m_shown.has_value(); }
    // The register rows shown while filtered.
    const std::vector<int> &shownRows() const { return *m_shown; }
    // The register row of a table row, and back (-1 for a row not shown).
    int registerRow(int viewRow) const { return m_shown ? (*m_shown)[size_t(viewRow)] : viewRow; }
    int viewRow(int registerRow) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Text colours that read on the table's palette.
    struct Colors {
        qint64 paletteKey = -1;
        QBrush negative;
        QBrush reconciled;
    };
    const Colors &colors() const;

    MyWindowController *m_dataSource;
    int m_rowCount = 0;
    std::optional<std::vector<int>> m_shown;
    mutable Colors m_colors;
};

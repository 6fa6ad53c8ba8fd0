#pragma once

// The import preview's table: one row per statement line, with a tick box
// to add it and, for a line that is probably a transaction the user entered,
// one to take it as that transaction. It shows the ImportPreview it is given
// and changes nothing but the actions chosen in it.

#include "ImportPreview.h"

#include <QAbstractTableModel>

class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { AddColumn, MatchColumn, LineColumn, DateColumn, CheckColumn, DescriptionColumn, AmountColumn,
                  StatusColumn, ColumnCount };

    explicit ImportPreviewModel(ImportPreview &preview, QObject *parent = nullptr)
        : QAbstractTableModel(parent), m_preview(preview)
    {
    }

    // After the preview read the file again or checked it again.
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    // An action was chosen by hand.
    void actionsChanged();

private:
    ImportPreview &m_preview;
};

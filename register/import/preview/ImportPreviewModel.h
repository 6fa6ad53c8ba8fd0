#pragma once

// The import preview's table: one row per statement line, with a tick box
// to add it and, for a line that is probably a transaction the user entered,
// one to take it as that transaction. Its status can be chosen from the
// register's rows of the line's amount (or "new"), and an amount whose sign
// the file did not say can be chosen as money out or in. Each line shows the
// category it will get, typed over by hand, and the scheduled occurrence it
// enters. It shows the
// ImportPreview it is given and changes nothing but what is chosen in it.

#include "ImportPreview.h"

#include <QAbstractTableModel>

class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { AddColumn, MatchColumn, LineColumn, DateColumn, CheckColumn, DescriptionColumn, CategoryColumn,
                  AmountColumn, StatusColumn, ColumnCount };
    // The texts a chosen cell offers (a QStringList); its Qt::EditRole is
    // the index of the one now chosen.
    static constexpr int ChoicesRole = Qt::UserRole + 1;
    // The texts a typed cell completes from (a QStringList): the categories
    // in use (see ImportPreview::categoryChoices).
    static constexpr int CompletionsRole = Qt::UserRole + 2;

    // The date of a scheduled occurrence a line enters is written in the order given.
    ImportPreviewModel(ImportPreview &preview, DateOrder shownDates, QObject *parent = nullptr)
        : QAbstractTableModel(parent), m_preview(preview), m_shownDates(shownDates)
    {
    }

    // After the preview read the file again or checked it again.
    void refresh();
    // After the rules changed: every line's category may have.
    void categoriesChanged();

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
    // Everything shown may have changed, but not how many rows there are.
    void allChanged();
    bool signWasUnknown(int row) const;
    QString categoryTip(const ImportPreview::Row &row) const;

    ImportPreview &m_preview;
    DateOrder m_shownDates;
};

#include "ImportPreviewModel.h"

#include <QBrush>
#include <QPalette>

using namespace Qt::StringLiterals;

void ImportPreviewModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_preview.rows().size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::ToolTipRole) {
        if (section == AddColumn)
            return u"Add the line to the register as a new transaction"_s;
        if (section == MatchColumn)
            return u"Take the line as the transaction you entered, and mark that one reconciled"_s;
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    static const QString titles[ColumnCount] = {u"Add"_s,         u"Match"_s,  u"Line"_s,   u"Date"_s, u"Check"_s,
                                                u"Description"_s, u"Amount"_s, u"Status"_s};
    return section >= 0 && section < ColumnCount ? titles[section] : QVariant();
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const ImportPreview::Row &row = m_preview.rows()[size_t(index.row())];
    if (index.column() == AddColumn
        || (index.column() == MatchColumn && row.check.verdict == DuplicateCheck::Verdict::Probable))
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ImportPreview::Row &row = m_preview.rows()[size_t(index.row())];
    const bool probable = row.check.verdict == DuplicateCheck::Verdict::Probable;
    switch (role) {
    case Qt::CheckStateRole:
        if (index.column() == AddColumn)
            return row.action == ImportPreview::Action::Add ? Qt::Checked : Qt::Unchecked;
        if (index.column() == MatchColumn && probable)
            return row.action == ImportPreview::Action::Reconcile ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DisplayRole:
        switch (index.column()) {
        case LineColumn:
            return row.line.lineNumber;
        case DateColumn:
            return row.line.date;
        case CheckColumn:
            return row.line.checkNumber;
        case DescriptionColumn:
            return row.line.description;
        case AmountColumn:
            return moneyText(row.line.amount);
        case StatusColumn:
            if (row.action == ImportPreview::Action::Reconcile)
                return u"matched: %1"_s.arg(describeRow(*row.check.record));
            return row.check.verdict == DuplicateCheck::Verdict::New ? u"new"_s : row.check.reason;
        }
        return {};
    case Qt::ToolTipRole:
        return index.column() == StatusColumn ? data(index, Qt::DisplayRole) : QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn || index.column() == LineColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        // A line that will not be added reads as set aside.
        if (row.action == ImportPreview::Action::Skip)
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    }
    return {};
}

bool ImportPreviewModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const bool on = value.toInt() == Qt::Checked;
    using Action = ImportPreview::Action;
    const Action action = on ? (index.column() == AddColumn ? Action::Add : Action::Reconcile) : Action::Skip;
    if (!m_preview.setAction(size_t(index.row()), action))
        return false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    emit actionsChanged();
    return true;
}

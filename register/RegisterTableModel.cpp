#include "RegisterTableModel.h"

#include "MyWindowController.h"

#include <QBrush>
#include <QColor>

using namespace Qt::StringLiterals;

RegisterTableModel::RegisterTableModel(MyWindowController *dataSource, QObject *parent)
    : QAbstractTableModel(parent), m_dataSource(dataSource)
{
}

QStringView RegisterTableModel::columnIdentifier(int column)
{
    static const QStringView keys[] = {u"CheckNumber", u"DescriptionofTransaction", u"Date",
                                       u"Amount",      u"Total",                    u"EOMSeen"};
    return keys[column];
}

void RegisterTableModel::reload()
{
    // A table keeps its selected row indexes and its scroll position across a
    // reload, and asks again for every row it shows. Rows added or taken away
    // are announced at the end, where the count changes, and every row is
    // then told it changed: cheap, since only the rows in view are asked, and
    // it spares a view of a million rows from being rebuilt.
    const int count = m_dataSource->numberOfRowsInTableView(m_dataSource->tableView());
    if (count > m_rowCount) {
        beginInsertRows({}, m_rowCount, count - 1);
        m_rowCount = count;
        endInsertRows();
    } else if (count < m_rowCount) {
        beginRemoveRows({}, count, m_rowCount - 1);
        m_rowCount = count;
        endRemoveRows();
    }
    if (count > 0)
        emit dataChanged(index(0, 0), index(count - 1, ColumnCount - 1));
}

int RegisterTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rowCount; }

int RegisterTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant RegisterTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rowCount)
        return {};
    // Only rows the register holds are ever asked for, even when the register
    // shrank since the last reload.
    if (index.row() >= m_dataSource->numberOfRowsInTableView(m_dataSource->tableView()))
        return {};
    const int column = index.column();
    const bool money = column == AmountColumn || column == TotalColumn;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole: {
        const Value v = m_dataSource->tableViewObjectValue(m_dataSource->tableView(), columnIdentifier(column),
                                                           index.row());
        if (column == ReconciledColumn)
            return role == Qt::DisplayRole && v.intValue() == 1 ? QVariant(u"\u2713"_s) : QVariant();
        if (money && role == Qt::DisplayRole) {
            const CentsReading c = v.cents();
            if (c.ok())
                return moneyText(c.cents);
        }
        if (role == Qt::ToolTipRole && column != DescriptionColumn)
            return {};
        if (role == Qt::EditRole)
            return v.toString();
        return v.visitText([](auto text) {
            if (text.size() <= kMaxShownLength)
                return text.toString();
            qsizetype keep = kMaxShownLength;
            if (QChar(text[keep - 1]).isHighSurrogate())
                --keep;
            return text.first(keep).toString() + u'\u2026';
        });
    }
    case TextLengthRole:
        return QVariant::fromValue(qint64(m_dataSource->tableViewObjectValue(m_dataSource->tableView(),
                                                                             columnIdentifier(column), index.row())
                                              .textLength()));
    case Qt::TextAlignmentRole:
        if (money)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ReconciledColumn)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (money) {
            const auto &reg = *m_dataSource->document()->array();
            const Key key = column == AmountColumn ? Key::Amount : Key::Total;
            if (reg[index.row()].value(key).centsOrZero() < 0)
                return QBrush(QColor(0xc0, 0x1c, 0x28));
        }
        return {};
    default:
        return {};
    }
}

bool RegisterTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() == ReconciledColumn || index.row() >= m_rowCount
        || index.row() >= m_dataSource->numberOfRowsInTableView(m_dataSource->tableView()))
        return false;
    return m_dataSource->tableViewSetObjectValue(m_dataSource->tableView(), value.toString(),
                                                 columnIdentifier(index.column()), index.row());
}

Qt::ItemFlags RegisterTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() != ReconciledColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant RegisterTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        static const char *const titles[] = {"Check #", "Description", "Date", "Amount", "Balance", "\u2713"};
        return QString::fromUtf8(titles[section]);
    }
    if (role == Qt::ToolTipRole && section == ReconciledColumn)
        return u"Reconciled with a bank statement"_s;
    if (role == Qt::TextAlignmentRole && (section == AmountColumn || section == TotalColumn))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

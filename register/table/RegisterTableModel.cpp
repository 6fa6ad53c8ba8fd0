#include "RegisterTableModel.h"

#include "DateReader.h"
#include "MyWindowController.h"
#include "PaletteColors.h"

#include <QTableView>

#include <algorithm>

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

namespace {
const char *const kTitles[] = {QT_TRANSLATE_NOOP("RegisterTableModel", "Check #"),
                               QT_TRANSLATE_NOOP("RegisterTableModel", "Description"),
                               QT_TRANSLATE_NOOP("RegisterTableModel", "Date"),
                               QT_TRANSLATE_NOOP("RegisterTableModel", "Amount"),
                               QT_TRANSLATE_NOOP("RegisterTableModel", "Balance"),
                               "\u2713"};
} // namespace

QString RegisterTableModel::columnTitle(QStringView identifier)
{
    for (int column = 0; column < ColumnCount; ++column)
        if (columnIdentifier(column) == identifier)
            return tr(kTitles[column]);
    return identifier.toString();
}

void RegisterTableModel::setShownRows(std::optional<std::vector<int>> rows)
{
    beginResetModel();
    m_rowCount = m_dataSource->numberOfRowsInTableView(m_dataSource->tableView());
    m_shown = std::move(rows);
    endResetModel();
}

int RegisterTableModel::viewRow(int registerRow) const
{
    if (!m_shown)
        return registerRow >= 0 && registerRow < m_rowCount ? registerRow : -1;
    const auto it = std::lower_bound(m_shown->begin(), m_shown->end(), registerRow);
    return it != m_shown->end() && *it == registerRow ? int(it - m_shown->begin()) : -1;
}

void RegisterTableModel::reload()
{
    // A table keeps its selected row indexes and its scroll position across a
    // reload, and asks again for every row it shows. Rows added or taken away
    // are announced at the end, where the count changes, and every row is
    // then told it changed: cheap, since only the rows in view are asked, and
    // it spares a view of a million rows from being rebuilt.
    const int count = m_dataSource->numberOfRowsInTableView(m_dataSource->tableView());
    if (m_shown) {
        setShownRows(std::move(m_shown)); // the controller chose the rows for this reload
        return;
    }
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

int RegisterTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_shown ? int(m_shown->size()) : m_rowCount;
}

int RegisterTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant RegisterTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    // Only rows the register holds are ever asked for, even when the register
    // shrank since the last reload.
    const int row = registerRow(index.row());
    if (row >= m_dataSource->numberOfRowsInTableView(m_dataSource->tableView()))
        return {};
    const int column = index.column();
    const bool money = column == AmountColumn || column == TotalColumn;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole: {
        const Value v = m_dataSource->tableViewObjectValue(m_dataSource->tableView(), columnIdentifier(column), row);
        if (column == ReconciledColumn)
            return role == Qt::DisplayRole && v.intValue() == 1 ? QVariant(u"\u2713"_s) : QVariant();
        const WrittenForms &forms = m_dataSource->writtenForms();
        if (money && role == Qt::DisplayRole) {
            const CentsReading c = v.cents();
            if (c.ok())
                return shownMoney(c.cents, forms.decimalPoint);
        }
        if (role == Qt::ToolTipRole && column != DescriptionColumn)
            return row == 0 ? QVariant(tr("The opening balance: the balance the register starts from. Register > "
                                          "Insert Before Selected Row puts a transaction above it."))
                            : QVariant();
        // A text that long is no date, and is shown cut as any other.
        if (column == DateColumn && forms.dateOrder != DateOrder::MonthDayYear && v.textLength() <= 64)
            return shownDate(v, forms.dateOrder);
        if (role == Qt::EditRole)
            return money ? shownNumber(v.toString(), forms.decimalPoint) : v.toString();
        return cutForShowing(v);
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
            if (reg[row].value(key).centsOrZero() < 0)
                return colors().negative;
        }
        if (column == ReconciledColumn)
            return colors().reconciled;
        return {};
    default:
        return {};
    }
}

bool RegisterTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() == ReconciledColumn || index.row() >= rowCount()
        || registerRow(index.row()) >= m_dataSource->numberOfRowsInTableView(m_dataSource->tableView()))
        return false;
    return m_dataSource->tableViewSetObjectValue(m_dataSource->tableView(), value.toString(),
                                                 columnIdentifier(index.column()), registerRow(index.row()));
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
        return tr(kTitles[section]);
    }
    if (role == Qt::ToolTipRole && section == ReconciledColumn)
        return tr("Reconciled with a bank statement");
    if (role == Qt::TextAlignmentRole && (section == AmountColumn || section == TotalColumn))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

const RegisterTableModel::Colors &RegisterTableModel::colors() const
{
    // Worked out again only when the palette changes (the desktop's theme
    // switched to dark, say), not for every cell painted.
    const QPalette palette = m_dataSource->tableView()->palette();
    if (palette.cacheKey() != m_colors.paletteKey)
        m_colors = {palette.cacheKey(), QBrush(negativeAmountColor(palette)), QBrush(reconciledMarkColor(palette))};
    return m_colors;
}

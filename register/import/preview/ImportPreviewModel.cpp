#include "ImportPreviewModel.h"

#include "Category.h"
#include "DateReader.h"

#include <QBrush>

#include <algorithm>
#include <cstdlib>
#include <QPalette>

using namespace Qt::StringLiterals;

void ImportPreviewModel::refresh()
{
    beginResetModel();
    endResetModel();
}

void ImportPreviewModel::allChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

bool ImportPreviewModel::signWasUnknown(int row) const
{
    const std::vector<StatementLine> &read = m_preview.read().statement.lines;
    return size_t(row) < read.size() && read[size_t(row)].signUnknown;
}

void ImportPreviewModel::categoriesChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, CategoryColumn), index(rowCount() - 1, CategoryColumn));
}

QString ImportPreviewModel::categoryTip(const ImportPreview::Row &row) const
{
    using From = ImportPreview::CategoryFrom;
    switch (row.categoryFrom) {
    case From::Rule: {
        const CategoryRule &rule = m_preview.rules()[size_t(row.rule)];
        return (rule.match == CategoryRule::Match::Pattern
                    ? tr("From the rule: the description matches the pattern \u201c%1\u201d")
                    : tr("From the rule: the description contains \u201c%1\u201d"))
            .arg(rule.text);
    }
    case From::Schedule:
        return tr("From the scheduled transaction \u201c%1\u201d").arg(row.scheduleName);
    case From::Person:
        return tr("Chosen here; right-click to keep it as a rule");
    case From::None:
        break;
    }
    return tr("No rule fits; double-click to choose a category");
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
            return tr("Add the line to the register as a new transaction");
        if (section == MatchColumn)
            return tr("Take the line as the transaction you entered, and mark that one reconciled");
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    static const QString titles[ColumnCount]
        = {tr("Add"),         tr("Match"),    tr("Line"),   tr("Date"),  tr("Check"),
           tr("Description"), tr("Category"), tr("Amount"), tr("Status")};
    return section >= 0 && section < ColumnCount ? titles[section] : QVariant();
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const ImportPreview::Row &row = m_preview.rows()[size_t(index.row())];
    if ((index.column() == AddColumn && !row.line.signUnknown)
        || (index.column() == MatchColumn && row.check.verdict == DuplicateCheck::Verdict::Probable))
        f |= Qt::ItemIsUserCheckable;
    // A line known by its id is that row; any other may be paired by hand.
    if ((index.column() == StatusColumn && row.check.verdict != DuplicateCheck::Verdict::Duplicate
         && !row.line.signUnknown)
        || (index.column() == AmountColumn && signWasUnknown(index.row())) || index.column() == CategoryColumn)
        f |= Qt::ItemIsEditable;
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
        case CategoryColumn:
            return row.line.category;
        case AmountColumn:
            // An amount whose sign is not known yet is no money in.
            return row.line.signUnknown ? u"\u00b1"_s + moneyText(row.line.amount) : moneyText(row.line.amount);
        case StatusColumn:
            if (row.action == ImportPreview::Action::Reconcile)
                return tr("matched: %1").arg(describeRow(*row.check.record));
            if (row.check.verdict != DuplicateCheck::Verdict::New)
                return row.check.reason;
            if (!row.line.doubt.isEmpty())
                return row.line.doubt;
            if (row.occurrence) {
                const QString enters
                    = tr("Enters: %1, %2").arg(row.scheduleName, writtenDate(row.occurrence->when.date, m_shownDates));
                return row.line.note.isEmpty() ? enters : u"%1; %2"_s.arg(enters, row.line.note);
            }
            return row.line.note.isEmpty() ? tr("new") : tr("new; %1").arg(row.line.note);
        }
        return {};
    case ChoicesRole:
        if (index.column() == StatusColumn) {
            QStringList choices{tr("new")};
            for (const RecordPtr &r : m_preview.pairingChoices(size_t(index.row())))
                choices << tr("the register\u2019s %1").arg(describeRow(*r));
            return choices;
        }
        if (index.column() == AmountColumn && signWasUnknown(index.row())) {
            const Cents magnitude = std::llabs(row.line.amount);
            return QStringList{tr("%1 (money out)").arg(moneyText(-magnitude)),
                               tr("%1 (money in)").arg(moneyText(magnitude))};
        }
        return {};
    case Qt::EditRole:
        if (index.column() == StatusColumn) {
            const std::vector<RecordPtr> choices = m_preview.pairingChoices(size_t(index.row()));
            const auto at = std::find(choices.begin(), choices.end(), row.check.record);
            return row.check.record && at != choices.end() ? int(at - choices.begin()) + 1 : 0;
        }
        if (index.column() == AmountColumn)
            return row.line.amount > 0 && !row.line.signUnknown ? 1 : 0;
        if (index.column() == CategoryColumn)
            return row.line.category;
        return {};
    case CompletionsRole:
        return index.column() == CategoryColumn ? m_preview.categoryChoices() : QVariant();
    case Qt::ToolTipRole:
        if (index.column() == CategoryColumn)
            return categoryTip(row);
        if (index.column() == StatusColumn && row.occurrence && row.action == ImportPreview::Action::Add)
            return tr("The line is the scheduled transaction \u201c%1\u201d of %2: it is added under that name, "
                      "and that occurrence is not offered again")
                .arg(row.scheduleName, writtenDate(row.occurrence->when.date, m_shownDates));
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
    if (index.isValid() && role == Qt::EditRole && (flags(index) & Qt::ItemIsEditable)) {
        const size_t row = size_t(index.row());
        const int chosen = value.toInt();
        bool done = false;
        if (index.column() == CategoryColumn) {
            // "food" typed is the "Food" in use, not a second one beside it.
            done = m_preview.setCategory(
                row, categoryAsInUse(normalizedCategory(value.toString()), m_preview.categoryChoices()));
        } else if (index.column() == AmountColumn) {
            done = m_preview.setSign(row, chosen == 0 ? -1 : 1);
        } else {
            const std::vector<RecordPtr> choices = m_preview.pairingChoices(row);
            if (chosen >= 0 && size_t(chosen) <= choices.size())
                done = m_preview.setPairing(row, chosen == 0 ? RecordPtr() : choices[size_t(chosen - 1)]);
        }
        if (!done)
            return false;
        // The other lines of that amount may be paired anew.
        allChanged();
        emit actionsChanged();
        return true;
    }
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

#include "RegisterItemDelegate.h"

#include "RegisterTableModel.h"

#include <QCompleter>
#include <QLineEdit>

QWidget *RegisterItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    const qsizetype length = index.data(RegisterTableModel::TextLengthRole).toLongLong();
    if (length > kMaxEditableLength) {
        emit tooLongToEdit(length);
        return nullptr;
    }
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    const QVariant completions = index.data(RegisterTableModel::CompletionsRole);
    if (auto *line = qobject_cast<QLineEdit *>(editor); line && completions.isValid()) {
        auto *completer = new QCompleter(completions.toStringList(), line);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        line->setCompleter(completer);
    }
    return editor;
}

#include "RegisterItemDelegate.h"

#include "RegisterTableModel.h"

QWidget *RegisterItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    const qsizetype length = index.data(RegisterTableModel::TextLengthRole).toLongLong();
    if (length > kMaxEditableLength) {
        emit tooLongToEdit(length);
        return nullptr;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

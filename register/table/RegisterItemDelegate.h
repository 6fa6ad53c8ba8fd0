#pragma once

// How the register table edits a cell: in a line edit, which holds at most
// kMaxEditableLength characters. A longer text (a description pasted or
// imported from somewhere) is not offered for editing, since the edit would
// cut it short; tooLongToEdit is sent instead, and the file keeps the whole
// text.

#include <QStyledItemDelegate>

class RegisterItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr qsizetype kMaxEditableLength = 32767;

    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

signals:
    void tooLongToEdit(qsizetype length) const;
};

#pragma once

// Cells of the import preview that are chosen from a list (the register row
// a line is, the way an unsigned amount went): edited with a combo box whose
// items the model gives (ImportPreviewModel::ChoicesRole), the current one
// its edit value, and a choice taken as soon as it is made. A cell that is
// typed (a category) completes from the model's CompletionsRole.

#include <QStyledItemDelegate>

class ImportPreviewDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    // As wide as its choices, where the cell is narrower (an amount's).
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
};

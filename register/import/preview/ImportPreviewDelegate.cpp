#include "ImportPreviewDelegate.h"

#include "ImportPreviewModel.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

#include <algorithm>

QWidget *ImportPreviewDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                             const QModelIndex &index) const
{
    if (const QVariant completions = index.data(ImportPreviewModel::CompletionsRole); completions.isValid()) {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            line->setObjectName(QStringLiteral("categoryEditor"));
            auto *completer = new QCompleter(completions.toStringList(), line);
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setFilterMode(Qt::MatchContains);
            line->setCompleter(completer);
        }
        return editor;
    }
    const QStringList choices = index.data(ImportPreviewModel::ChoicesRole).toStringList();
    if (choices.isEmpty())
        return nullptr;
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("choiceEditor"));
    box->addItems(choices);
    // Chosen is done: no second click or Return to make it count.
    connect(box, &QComboBox::activated, this, [this, box] {
        auto *self = const_cast<ImportPreviewDelegate *>(this);
        emit self->commitData(box);
        emit self->closeEditor(box);
    });
    return box;
}

void ImportPreviewDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor))
        box->setCurrentIndex(index.data(Qt::EditRole).toInt());
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void ImportPreviewDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *box = qobject_cast<QComboBox *>(editor))
        model->setData(index, box->currentIndex(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

void ImportPreviewDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                                 const QModelIndex &) const
{
    QRect r = option.rect;
    r.setWidth(std::max(r.width(), editor->sizeHint().width()));
    // Kept inside the table: one that would run past its edge grows to the left.
    if (const QWidget *parent = editor->parentWidget(); parent && r.right() >= parent->width())
        r.moveRight(parent->width() - 1);
    editor->setGeometry(r);
}

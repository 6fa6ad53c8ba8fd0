#pragma once

// The register table. A cell is edited only when the user asks for it
// (double-click, F2 or Return): a click chooses a row, and typing after it
// must never rewrite that row. Tab and Shift+Tab leave the table for the
// entry fields instead of walking from cell to cell, also from an open cell
// editor (which keeps what was typed).

#include <QTableView>

class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(QWidget *parent = nullptr);

signals:
    // Tab (forward) or Shift+Tab left the table.
    void leftByTab(bool forward);
    // Text was typed with no cell being edited; nothing was changed.
    void typedOutsideCell();
    // Space on a cell (the current one), before the table's own use of it.
    void spacePressed(const QModelIndex &index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    // Typing never moves the selection to another row either.
    void keyboardSearch(const QString &) override {}
};

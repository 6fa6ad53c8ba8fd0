#pragma once

// Keyboard Shortcuts: every command of a register window that has keys, read
// from the window's actions each time it is shown, so that the list cannot
// fall behind the menus.

#include <QKeySequence>
#include <QList>
#include <QWidget>

class QMainWindow;
class QTreeWidget;

struct Shortcut {
    QString menu;    // the menu's title as shown, without its mnemonic; empty when in no menu
    QString command; // the item's text, likewise
    QList<QKeySequence> keys;
};

// The window's commands with keys: its menus' in menu order (submenus
// included), then those that are in no menu. Each command once.
QList<Shortcut> shortcutsOf(const QMainWindow *window);

// Menu text as the user reads it: without the & that marks the mnemonic
// (&& stays a single &) and without a trailing ellipsis.
QString plainMenuText(const QString &text);

class ShortcutsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ShortcutsWindow(QWidget *parent = nullptr);

    void showShortcutsOf(const QMainWindow *window);
    QTreeWidget *list() const { return m_list; }

private:
    QTreeWidget *m_list;
};

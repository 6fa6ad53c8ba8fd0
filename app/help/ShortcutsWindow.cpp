#include "ShortcutsWindow.h"

#include <QAction>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
void collect(const QMenu *menu, const QString &title, QList<Shortcut> &out, QSet<const QAction *> &seen)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator() || seen.contains(action))
            continue;
        seen.insert(action);
        if (const QMenu *submenu = action->menu()) {
            collect(submenu, title + u" \u25b8 "_s + plainMenuText(submenu->title()), out, seen);
            continue;
        }
        if (!action->shortcuts().isEmpty())
            out.append({title, plainMenuText(action->text()), action->shortcuts()});
    }
}
} // namespace

QString plainMenuText(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i; // "&&" is one "&"; "&x" is "x"
        plain += text[i];
    }
    if (plain.endsWith(u'\u2026'))
        plain.chop(1);
    else if (plain.endsWith(u"..."))
        plain.chop(3);
    return plain;
}

QList<Shortcut> shortcutsOf(const QMainWindow *window)
{
    QList<Shortcut> out;
    QSet<const QAction *> seen;
    for (QAction *action : window->menuBar()->actions()) {
        if (const QMenu *menu = action->menu()) {
            seen.insert(action);
            collect(menu, plainMenuText(menu->title()), out, seen);
        }
    }
    // Commands with keys of their own that are in no menu (in the window or
    // one of its widgets).
    for (const QAction *action : window->findChildren<QAction *>()) {
        if (seen.contains(action) || action->shortcuts().isEmpty() || action->text().isEmpty())
            continue;
        seen.insert(action);
        out.append({QString(), plainMenuText(action->text()), action->shortcuts()});
    }
    return out;
}

ShortcutsWindow::ShortcutsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Keyboard Shortcuts"));
    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("Command"), tr("Keys")});
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setAlternatingRowColors(true);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    const int em = fontMetrics().horizontalAdvance(u'M');
    resize(36 * em, 34 * fontMetrics().height());
}

void ShortcutsWindow::showShortcutsOf(const QMainWindow *window)
{
    m_list->clear();
    QTreeWidgetItem *group = nullptr;
    for (const Shortcut &shortcut : shortcutsOf(window)) {
        const QString menu = shortcut.menu.isEmpty() ? tr("Other") : shortcut.menu;
        if (!group || group->text(0) != menu) {
            group = new QTreeWidgetItem(m_list, {menu});
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setFirstColumnSpanned(true);
        }
        QStringList keys;
        for (const QKeySequence &key : shortcut.keys)
            keys << key.toString(QKeySequence::NativeText);
        new QTreeWidgetItem(group, {shortcut.command, keys.join(u", ")});
    }
    m_list->expandAll();
}

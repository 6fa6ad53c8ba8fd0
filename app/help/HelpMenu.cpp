#include "HelpMenu.h"

#include "AboutWindow.h"
#include "HelpWindow.h"
#include "ShortcutsWindow.h"
#include "WindowKeys.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {
void bringForward(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

HelpMenu::HelpMenu() = default;
HelpMenu::~HelpMenu() = default;

QMenu *HelpMenu::addTo(QMainWindow *window)
{
    QMenu *menu = window->menuBar()->addMenu(tr("&Help"));
    QAction *help = menu->addAction(tr("Cheqbook &Help"));
    help->setShortcut(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, [this] { showHelp(); });
    QAction *shortcuts = menu->addAction(tr("&Keyboard Shortcuts"));
    connect(shortcuts, &QAction::triggered, this, [this, window] { showShortcuts(window); });
    menu->addSeparator();
    QAction *about = menu->addAction(tr("&About Cheqbook"));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, [this] { showAbout(); });
    return menu;
}

HelpWindow *HelpMenu::showHelp()
{
    if (!m_help) {
        m_help = std::make_unique<HelpWindow>();
        closeOnEscapeAndCtrlW(m_help.get());
    }
    bringForward(m_help.get());
    return m_help.get();
}

ShortcutsWindow *HelpMenu::showShortcuts(const QMainWindow *from)
{
    if (!m_shortcuts) {
        m_shortcuts = std::make_unique<ShortcutsWindow>();
        closeOnEscapeAndCtrlW(m_shortcuts.get());
    }
    m_shortcuts->showShortcutsOf(from);
    bringForward(m_shortcuts.get());
    return m_shortcuts.get();
}

AboutWindow *HelpMenu::showAbout()
{
    if (!m_about)
        m_about = std::make_unique<AboutWindow>();
    bringForward(m_about.get());
    return m_about.get();
}

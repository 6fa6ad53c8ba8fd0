#pragma once

// The Help menu of every register window, and the windows it opens: the user
// guide, the keyboard shortcuts and About Cheqbook. Each is one window for
// the whole program, made when it is first asked for.

#include <QObject>

#include <memory>

class AboutWindow;
class HelpWindow;
class QMainWindow;
class QMenu;
class ShortcutsWindow;

class HelpMenu : public QObject
{
    Q_OBJECT

public:
    HelpMenu();
    ~HelpMenu() override;

    // Adds the Help menu at the end of the window's menu bar.
    QMenu *addTo(QMainWindow *window);

    HelpWindow *showHelp();
    // The shortcuts of the window they were asked for from.
    ShortcutsWindow *showShortcuts(const QMainWindow *from);
    AboutWindow *showAbout();

private:
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<ShortcutsWindow> m_shortcuts;
    std::unique_ptr<AboutWindow> m_about;
};

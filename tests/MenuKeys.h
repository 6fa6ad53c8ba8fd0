#pragma once

// The access keys of a window's menus: Alt and a letter must reach one menu
// of the bar, and within a menu one command, in every language.

#include "TestSupport.h"
#include "WindowKeys.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>

inline void expectEachAccessKeyHasOneOwner(const QMainWindow *window)
{
    std::map<QChar, QString> titles;
    for (QAction *action : window->menuBar()->actions()) {
        const QChar key = accessKey(action->text());
        ASSERT_FALSE(key.isNull()) << "menu without a letter: " << action->text().toStdString();
        EXPECT_TRUE(titles.emplace(key, action->text()).second)
            << action->text().toStdString() << " and " << titles[key].toStdString();
        std::map<QChar, QString> items;
        for (QAction *entry : action->menu()->actions()) {
            if (entry->isSeparator() || accessKey(entry->text()).isNull())
                continue;
            EXPECT_TRUE(items.emplace(accessKey(entry->text()), entry->text()).second)
                << action->text().toStdString() << ": " << entry->text().toStdString() << " and "
                << items[accessKey(entry->text())].toStdString();
        }
    }
}

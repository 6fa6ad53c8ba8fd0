#pragma once

// How each register's window was left, kept per user: its size and place,
// the widths of its table's columns, where its splitters and the balancing
// drawer stood. A window whose register has none of this (a new register, or
// one never closed here) takes the size of the window closed last, and is
// placed as new windows are.

#include <QString>

class QMainWindow;
class QTableView;

class WindowMemory
{
public:
    // Registers beyond this many, the least recently closed first, are
    // forgotten, so the settings do not grow with every file ever opened.
    explicit WindowMemory(int registersKept = 100) : m_registersKept(registersKept) {}

    // Gives the window what was kept for the register at path (empty: an
    // untitled register). True when its place was restored too.
    bool restore(QMainWindow *window, QTableView *table, const QString &path) const;
    void remember(const QMainWindow *window, const QTableView *table, const QString &path) const;

private:
    int m_registersKept;
};

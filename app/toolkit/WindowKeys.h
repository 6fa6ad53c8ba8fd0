#pragma once

// Keys every window beside a register answers, as a desktop's windows do.

#include <QChar>
#include <QString>

class QWidget;

// Escape and Close (Ctrl+W) close the window: one that is only looked at
// (the charts, the help, the list of shortcuts) goes away without the mouse.
void closeOnEscapeAndCtrlW(QWidget *window);

// Gives every button of the window that has no access key one (Alt and a
// letter of its text), a letter no other label or button of the window uses:
// its first free letter, preferring the start of a word. A button given its
// own (&Sort) keeps it.
void giveAccessKeys(QWidget *window);

// One of a register window's small windows (Find, Preferences, the sort
// question) shown centred on the register's window, with its access keys and
// the keyboard; hidden, it gives the keyboard back to the register's window.
void showOverWindow(QWidget *auxiliary, QWidget *window);
void hideBackToWindow(QWidget *auxiliary, QWidget *window);

// The access key of a text ("&Keep as Typed": k), lower-cased; none without one.
QChar accessKey(const QString &text);

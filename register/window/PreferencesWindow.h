#pragma once

// The Preferences window: automatic check numbering, reopening registers at
// start, the forms dates and amounts are written in, and the date a new
// transaction starts from, remembered per user.

#include "WrittenForms.h"

#include <QObject>

class QCheckBox;
class QComboBox;
class QDialog;
class QWidget;

struct Preferences {
    bool autoNumber = false;
    bool newDateFromLast = false;
    WrittenForms forms;
};

class PreferencesWindow : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesWindow(QWidget *registerWindow);

    // The window shows what is stored: whatever was changed without OK is forgotten.
    void load();
    // What the window shows, stored (reopening takes effect at once) and returned.
    Preferences store();
    void show();
    void hide();

signals:
    // OK was pressed.
    void accepted();

private:
    QWidget *m_registerWindow;
    QDialog *m_dialog;
    QCheckBox *m_autoNumber;
    QCheckBox *m_reopen;
    QComboBox *m_dateOrder;
    QComboBox *m_decimal;
    QComboBox *m_newDate;
};

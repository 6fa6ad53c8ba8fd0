// Automatic check numbering and reopening registers at start, remembered
// per user.

#include "MyWindowController.h"

#include "RegisterWindow.h"
#include "ReopenList.h"
#include "ui_Preferences.h"

#include <QCheckBox>
#include <QDialog>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
const QString kAutoNumberKey = u"autoNumber"_s;

// Stored as the text "1" or "0" and read back as an integer, so that an
// absent or odd value counts as off.
int storedFlag(const QString &key)
{
    return Value::text(QSettings().value(key).toString()).intValue();
}
} // namespace

void MyWindowController::buildPreferencesWindow()
{
    prefsWindow = new QDialog(m_window, Qt::Dialog);
    Ui::Preferences ui;
    ui.setupUi(prefsWindow);
    autoNumberPref = ui.autoNumberPref;
    m_reopenPref = ui.reopenPref;
    connect(ui.okButton, &QPushButton::clicked, this, [this, ok = ui.okButton] { saveAndClosePrefs(ok); });
}

void MyWindowController::awakeFromNib()
{
    loadPrefs();
    saveAndClosePrefs(this);
}

void MyWindowController::loadPrefs()
{
    autoNumberPref->setChecked(storedFlag(kAutoNumberKey) == 1);
    m_reopenPref->setChecked(reopen::enabled());
}

void MyWindowController::openPrefWindow(QObject *)
{
    // Whatever was changed without OK is forgotten.
    loadPrefs();
    showAuxiliaryWindow(prefsWindow);
}

void MyWindowController::saveAndClosePrefs(QObject *)
{
    QSettings settings;
    if (autoNumberPref->isChecked()) {
        shouldAutoNumber = true;
        settings.setValue(kAutoNumberKey, u"1"_s);
        autoNumber();
    } else {
        shouldAutoNumber = false;
        settings.setValue(kAutoNumberKey, u"0"_s);
    }
    reopen::setEnabled(m_reopenPref->isChecked());
    settings.sync();
    hideAuxiliaryWindow(prefsWindow);
}

// The window's side of the preferences: what is chosen there is applied to
// the entry fields, the drawer, the charts and the table.

#include "MyWindowController.h"

#include "BalancingDrawer.h"
#include "ChartWindow.h"
#include "EntryForm.h"
#include "PreferencesWindow.h"

void MyWindowController::awakeFromNib()
{
    loadPrefs();
    saveAndClosePrefs(this);
    // The fields' hints are the program's, in the user's language, even
    // when the forms are those the window was laid out with.
    showWrittenForms();
}

void MyWindowController::loadPrefs() { m_prefs->load(); }

void MyWindowController::openPrefWindow(QObject *)
{
    m_prefs->load();
    m_prefs->show();
}

void MyWindowController::saveAndClosePrefs(QObject *)
{
    const Preferences chosen = m_prefs->store();
    m_entry->setAutoNumber(chosen.autoNumber);
    if (chosen.autoNumber)
        autoNumber();
    m_entry->setNewDateFromLast(chosen.newDateFromLast);
    setWrittenForms(chosen.forms);
    m_prefs->hide();
}

void MyWindowController::setWrittenForms(const WrittenForms &forms)
{
    if (forms == m_forms)
        return;
    // The dates the fields hold are read in the old order and shown in the
    // new, or they would mean other days (or none).
    const WrittenForms before = m_forms;
    m_forms = forms;
    m_entry->retypeDate(before.dateOrder);
    m_drawer->retypeDate(before.dateOrder);
    showWrittenForms();
    reloadData();
}

void MyWindowController::showWrittenForms()
{
    m_entry->showWrittenForms();
    if (m_charts)
        m_charts->setDecimalPoint(m_forms.decimalPoint);
    showFilterInWidgets();
    m_drawer->showWrittenForms();
}

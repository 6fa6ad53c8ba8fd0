// Automatic check numbering, reopening registers at start, the forms dates
// and amounts are written in, and the date a new transaction starts from,
// remembered per user.

#include "MyWindowController.h"

#include "BalancingDrawer.h"

#include "ChartWindow.h"
#include "DateReader.h"
#include "EntryForm.h"
#include "RegisterWindow.h"
#include "ReopenList.h"
#include "descriptionfield.h"
#include "ui_Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
const QString kAutoNumberKey = u"autoNumber"_s;
const QString kNewDateKey = u"newTransactionDate"_s;
const QString kNewDateFromLast = u"last"_s;

// Stored as the text "1" or "0" and read back as an integer, so that an
// absent or odd value counts as off.
int storedFlag(const QString &key)
{
    return Value::text(QSettings().value(key).toString()).intValue();
}

// The date orders in the order the preference lists them.
constexpr DateOrder kDateOrders[] = {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay};
} // namespace

void MyWindowController::buildPreferencesWindow()
{
    prefsWindow = new QDialog(m_window, Qt::Dialog);
    Ui::Preferences ui;
    ui.setupUi(prefsWindow);
    autoNumberPref = ui.autoNumberPref;
    m_reopenPref = ui.reopenPref;
    m_formsPrefs = {ui.dateOrderPref, ui.decimalPref, ui.newDatePref};
    connect(ui.okButton, &QPushButton::clicked, this, [this, ok = ui.okButton] { saveAndClosePrefs(ok); });
}

void MyWindowController::awakeFromNib()
{
    loadPrefs();
    saveAndClosePrefs(this);
    // The fields' hints are the program's, in the user's language, even
    // when the forms are those the window was laid out with.
    showWrittenForms();
}

void MyWindowController::loadPrefs()
{
    autoNumberPref->setChecked(storedFlag(kAutoNumberKey) == 1);
    m_reopenPref->setChecked(reopen::enabled());
    QSettings settings;
    const WrittenForms forms = storedForms(settings, QLocale());
    m_formsPrefs.dateOrder->setCurrentIndex(
        int(std::find(std::begin(kDateOrders), std::end(kDateOrders), forms.dateOrder) - std::begin(kDateOrders)));
    m_formsPrefs.decimal->setCurrentIndex(forms.decimalPoint == u',' ? 1 : 0);
    m_formsPrefs.newDate->setCurrentIndex(settings.value(kNewDateKey).toString() == kNewDateFromLast ? 1 : 0);
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
        m_entry->setAutoNumber(true);
        settings.setValue(kAutoNumberKey, u"1"_s);
        autoNumber();
    } else {
        m_entry->setAutoNumber(false);
        settings.setValue(kAutoNumberKey, u"0"_s);
    }
    reopen::setEnabled(m_reopenPref->isChecked());
    WrittenForms forms;
    forms.dateOrder = kDateOrders[std::clamp(m_formsPrefs.dateOrder->currentIndex(), 0, 2)];
    forms.decimalPoint = m_formsPrefs.decimal->currentIndex() == 1 ? u',' : u'.';
    storeForms(settings, forms, QLocale());
    const bool newDateFromLast = m_formsPrefs.newDate->currentIndex() == 1;
    m_entry->setNewDateFromLast(newDateFromLast);
    if (newDateFromLast || settings.contains(kNewDateKey))
        settings.setValue(kNewDateKey, newDateFromLast ? kNewDateFromLast : u"today"_s);
    settings.sync();
    setWrittenForms(forms);
    hideAuxiliaryWindow(prefsWindow);
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

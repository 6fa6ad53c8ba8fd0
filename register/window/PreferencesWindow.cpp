#include "PreferencesWindow.h"

#include "ReopenList.h"
#include "Value.h"
#include "WindowKeys.h"
#include "ui_Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLocale>
#include <QPushButton>
#include <QSettings>

#include <algorithm>

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

PreferencesWindow::PreferencesWindow(QWidget *registerWindow)
    : QObject(registerWindow), m_registerWindow(registerWindow), m_dialog(new QDialog(registerWindow, Qt::Dialog))
{
    Ui::Preferences ui;
    ui.setupUi(m_dialog);
    m_autoNumber = ui.autoNumberPref;
    m_reopen = ui.reopenPref;
    m_dateOrder = ui.dateOrderPref;
    m_decimal = ui.decimalPref;
    m_newDate = ui.newDatePref;
    connect(ui.okButton, &QPushButton::clicked, this, &PreferencesWindow::accepted);
}

void PreferencesWindow::load()
{
    m_autoNumber->setChecked(storedFlag(kAutoNumberKey) == 1);
    m_reopen->setChecked(reopen::enabled());
    QSettings settings;
    const WrittenForms forms = storedForms(settings, QLocale());
    m_dateOrder->setCurrentIndex(
        int(std::find(std::begin(kDateOrders), std::end(kDateOrders), forms.dateOrder) - std::begin(kDateOrders)));
    m_decimal->setCurrentIndex(forms.decimalPoint == u',' ? 1 : 0);
    m_newDate->setCurrentIndex(settings.value(kNewDateKey).toString() == kNewDateFromLast ? 1 : 0);
}

Preferences PreferencesWindow::store()
{
    Preferences chosen;
    QSettings settings;
    chosen.autoNumber = m_autoNumber->isChecked();
    settings.setValue(kAutoNumberKey, chosen.autoNumber ? u"1"_s : u"0"_s);
    reopen::setEnabled(m_reopen->isChecked());
    chosen.forms.dateOrder = kDateOrders[std::clamp(m_dateOrder->currentIndex(), 0, 2)];
    chosen.forms.decimalPoint = m_decimal->currentIndex() == 1 ? u',' : u'.';
    storeForms(settings, chosen.forms, QLocale());
    chosen.newDateFromLast = m_newDate->currentIndex() == 1;
    if (chosen.newDateFromLast || settings.contains(kNewDateKey))
        settings.setValue(kNewDateKey, chosen.newDateFromLast ? kNewDateFromLast : u"today"_s);
    settings.sync();
    return chosen;
}

void PreferencesWindow::show() { showOverWindow(m_dialog, m_registerWindow); }

void PreferencesWindow::hide() { hideBackToWindow(m_dialog, m_registerWindow); }

#include "WrittenForms.h"

#include <QLocale>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
const QString kDateOrderKey = u"dateOrder"_s;
const QString kDecimalKey = u"decimalSeparator"_s;
} // namespace

WrittenForms formsOfLocale(const QLocale &locale)
{
    WrittenForms forms;
    if (locale.language() == QLocale::C)
        return forms;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    const qsizetype year = format.indexOf(u'y');
    if (day >= 0 && month >= 0 && year >= 0) {
        if (year < month && month < day)
            forms.dateOrder = DateOrder::YearMonthDay;
        else if (day < month)
            forms.dateOrder = DateOrder::DayMonthYear;
    }
    forms.decimalPoint = locale.decimalPoint() == u","_s ? u',' : u'.';
    return forms;
}

WrittenForms storedForms(const QSettings &settings, const QLocale &locale)
{
    WrittenForms forms = formsOfLocale(locale);
    if (const std::optional<DateOrder> order = dateOrderFromCode(settings.value(kDateOrderKey).toString());
        order && *order != DateOrder::Unknown)
        forms.dateOrder = *order;
    const QString decimal = settings.value(kDecimalKey).toString();
    if (decimal == u"." || decimal == u",")
        forms.decimalPoint = decimal.front();
    return forms;
}

void storeForms(QSettings &settings, const WrittenForms &forms, const QLocale &locale)
{
    const WrittenForms local = formsOfLocale(locale);
    if (forms.dateOrder != local.dateOrder || settings.contains(kDateOrderKey))
        settings.setValue(kDateOrderKey, dateOrderCode(forms.dateOrder));
    if (forms.decimalPoint != local.decimalPoint || settings.contains(kDecimalKey))
        settings.setValue(kDecimalKey, QString(forms.decimalPoint));
}

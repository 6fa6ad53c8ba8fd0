#include "CheckPrintMemory.h"

#include <QSettings>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A printer's name may hold a slash or a backslash, which QSettings reads
// as groups; percent-encoded, every name is one key.
QString offsetKey(const QString &printer)
{
    return u"checks/offsets/"_s + QString::fromLatin1(printer.toUtf8().toPercentEncoding(" "));
}

} // namespace

QPointF rememberedCheckOffset(const QSettings &settings, const QString &printer)
{
    const QStringList parts = settings.value(offsetKey(printer)).toString().split(u',');
    if (parts.size() != 2)
        return {};
    const std::optional<qreal> x = readLength(parts[0].trimmed(), LengthUnit::Point);
    const std::optional<qreal> y = readLength(parts[1].trimmed(), LengthUnit::Point);
    // An offset beyond an inch is no printer's slip but a damaged setting.
    if (!x || !y || std::abs(*x) > 72 || std::abs(*y) > 72)
        return {};
    return {*x, *y};
}

void rememberCheckOffset(QSettings &settings, const QString &printer, QPointF offset)
{
    if (offset.isNull())
        settings.remove(offsetKey(printer));
    else
        settings.setValue(offsetKey(printer), u"%1pt,%2pt"_s.arg(offset.x()).arg(offset.y()));
}

QString rememberedCheckLayout(const QSettings &settings)
{
    return settings.value(u"checks/layout"_s, u"voucher-top"_s).toString();
}

void rememberCheckLayout(QSettings &settings, const QString &id) { settings.setValue(u"checks/layout"_s, id); }

LengthUnit rememberedOffsetUnit(const QSettings &settings)
{
    return settings.value(u"checks/offsetUnit"_s).toString() == u"in" ? LengthUnit::Inch : LengthUnit::Millimetre;
}

void rememberOffsetUnit(QSettings &settings, LengthUnit unit)
{
    settings.setValue(u"checks/offsetUnit"_s, unit == LengthUnit::Inch ? u"in"_s : u"mm"_s);
}

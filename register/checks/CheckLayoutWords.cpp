// The words of a check layout file: lengths and their units, field names,
// and a line cut into words.

#include "CheckLayoutWords.h"

#include <QRegularExpression>

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, kCheckFieldCount> kFieldNames = {u"date"_s, u"payee"_s,   u"amount"_s, u"words"_s,
                                                            u"memo"_s, u"address"_s, u"number"_s, u"splits"_s};

} // namespace

qreal pointsPer(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Inch:
        return kPointsPerInch;
    case LengthUnit::Millimetre:
        return kPointsPerMillimetre;
    case LengthUnit::Point:
        break;
    }
    return 1;
}

QString unitName(LengthUnit unit)
{
    return unit == LengthUnit::Inch ? u"in"_s : unit == LengthUnit::Millimetre ? u"mm"_s : u"pt"_s;
}

std::optional<QStringList> lineWords(QStringView line)
{
    QStringList words;
    qsizetype i = 0;
    while (i < line.size()) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        if (line[i] == u'#')
            break;
        if (line[i] == u'"') {
            const qsizetype end = line.indexOf(u'"', i + 1);
            if (end < 0)
                return std::nullopt;
            words << line.sliced(i + 1, end - i - 1).toString();
            i = end + 1;
            continue;
        }
        qsizetype end = i;
        while (end < line.size() && !line[end].isSpace() && line[end] != u'#')
            ++end;
        words << line.sliced(i, end - i).toString();
        i = end;
    }
    return words;
}

QString checkFieldName(CheckField field) { return kFieldNames[size_t(field)]; }

std::optional<CheckField> checkFieldNamed(QStringView name)
{
    for (size_t i = 0; i < kFieldNames.size(); ++i)
        if (kFieldNames[i] == name)
            return CheckField(i);
    return std::nullopt;
}

std::optional<qreal> readLength(QStringView text, std::optional<LengthUnit> bareUnit)
{
    static const QRegularExpression form(u"^(-?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+))(in|mm|pt)?$"_s);
    const QRegularExpressionMatch match = form.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    const QStringView unitText = match.capturedView(2);
    std::optional<LengthUnit> unit = bareUnit;
    if (unitText == u"in")
        unit = LengthUnit::Inch;
    else if (unitText == u"mm")
        unit = LengthUnit::Millimetre;
    else if (unitText == u"pt")
        unit = LengthUnit::Point;
    if (!unit)
        return std::nullopt;
    return match.capturedView(1).toDouble() * pointsPer(*unit);
}

QString writtenLength(qreal points, LengthUnit unit)
{
    return QString::number(points / pointsPer(unit), 'f', unit == LengthUnit::Inch ? 2 : 1) + unitName(unit);
}

#include "CutForShowing.h"

QString cutForShowing(QStringView text, qsizetype maxLength)
{
    if (text.size() <= maxLength)
        return text.toString();
    qsizetype keep = maxLength;
    if (keep > 0 && text[keep - 1].isHighSurrogate())
        --keep;
    return text.first(keep).toString() + u'\u2026';
}

QString cutForShowing(QLatin1StringView text, qsizetype maxLength)
{
    if (text.size() <= maxLength)
        return text.toString();
    return text.first(maxLength).toString() + u'\u2026';
}

QString cutForShowing(const Value &value, qsizetype maxLength)
{
    return value.visitText([&](auto text) { return cutForShowing(text, maxLength); });
}

#include "PreconditionFailure.h"

#include <QDebug>

using namespace Qt::StringLiterals;

void failPrecondition(const char *condition, const char *method, const char *source, int line)
{
    const QString description = u"Invalid parameter not satisfying: %1"_s.arg(QLatin1StringView(condition));
    qCritical().noquote() << u"*** Assertion failure in %1, %2:%3"_s.arg(QLatin1StringView(method),
                                                                          QLatin1StringView(source))
                                 .arg(line);
    qCritical().noquote() << description;
    throw PreconditionFailure(description, QLatin1StringView(source), line);
}

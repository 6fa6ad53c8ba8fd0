#include "PreconditionFailure.h"

#include <QDebug>

using namespace Qt::StringLiterals;

PreconditionFailure::PreconditionFailure(const QString &condition, const QString &method, const QString &source,
                                         int line)
    : std::logic_error((u"Invalid parameter not satisfying: "_s + condition).toStdString())
    , m_condition(condition)
    , m_method(method)
    , m_source(source)
    , m_line(line)
{
}

void failPrecondition(const QString &condition, const QString &method, const QString &source, int line)
{
    PreconditionFailure failure(condition, method, source, line);
    qCritical().noquote() << u"*** Assertion failure in %1, %2:%3: %4"_s.arg(method, source).arg(line).arg(
        failure.description());
    throw failure;
}
